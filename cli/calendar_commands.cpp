// `tavorin hijri` and `tavorin gregorian`: single-date conversions, in the
// seed's arithmetic calendar or the Umm al-Qura calendar.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/day_output.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "platform/calendar/umm_al_qura.h"
#include "platform/clock.h"
#include "settings/hijri_choice.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace halvo::cli
{

namespace
{

// "1 January, 2000": the converter's form of a civil date.
std::string ConvertedGregorianText(const GregorianDay& date)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d %s, %d", date.day, GregorianMonthName(date.month),
                  date.year);
    return text;
}

} // namespace

void AddCalendarCommands(CLI::App& app)
{
    {
        auto date = std::make_shared<std::string>();
        auto style = std::make_shared<DayOptions>();
        auto json = std::make_shared<bool>(false);
        CLI::App* hijri =
            app.add_subcommand("hijri", "The Hijri date of a Gregorian date (default today)");
        hijri->add_option("date", *date, "Gregorian date YYYY-MM-DD");
        AddCalendarOptions(*hijri, *style);
        hijri->add_flag("--json", *json, "Print JSON");
        hijri->callback(
            [date, style, json, hijri]
            {
                const CalendarChoice choice = ParseCalendarChoice(*style);
                const DateRecord civil =
                    hijri->count("date") == 0 ? LocalNow() : ParseDate(*date, "date");
                RefuseTypedUmmAlQuraOutsideTable(*style, choice, civil, civil);
                const ShownHijri shown = HijriFor(civil, choice);
                if (*json)
                {
                    PrintJson({{"day", shown.day},
                               {"month", shown.month},
                               {"year", shown.year},
                               {"text", shown.text},
                               {"calendar", CalendarKey(choice.calendar)},
                               {"adjustDays", choice.adjustDays},
                               {"date", DateIso(civil)},
                               {"jdn", static_cast<long long>(
                                           JulianDayNumber(civil.year, civil.month, civil.day))}});
                }
                else
                {
                    std::cout << shown.text << " (" << CalendarText(choice) << ")\n";
                }
            });
    }
    {
        auto year = std::make_shared<std::string>();
        auto month = std::make_shared<std::string>();
        auto day = std::make_shared<std::string>();
        auto style = std::make_shared<DayOptions>();
        auto json = std::make_shared<bool>(false);
        CLI::App* gregorian = app.add_subcommand("gregorian", "The Gregorian date of a Hijri date");
        gregorian->add_option("year", *year, "Hijri year")->required();
        gregorian->add_option("month", *month, "Hijri month 1 to 12")->required();
        gregorian->add_option("day", *day, "Day 1 to 31")->required();
        AddCalendarOptions(*gregorian, *style);
        gregorian->add_flag("--json", *json, "Print JSON");
        gregorian->callback(
            [year, month, day, style, json]
            {
                const CalendarChoice choice = ParseCalendarChoice(*style);
                // Any day 1 to 31 is taken, as the converter offers it; day 30 of a
                // 29-day month simply lands on the next month's first day.
                const int hijriYear = ParseInteger(*year, "year", 1, 9999);
                const int hijriMonth = ParseInteger(*month, "month", 1, 12);
                const int hijriDay = ParseInteger(*day, "day", 1, 31);
                RefuseTypedUmmAlQuraOutsideTable(*style, choice, hijriYear);
                const int julianDay =
                    halvo::JulianDayOfHijri(hijriYear, hijriMonth, hijriDay, choice);
                const GregorianDay civil = GregorianFromJulianDay(julianDay);
                const std::string text = ConvertedGregorianText(civil);
                if (*json)
                {
                    PrintJson({{"day", civil.day},
                               {"month", civil.month},
                               {"year", civil.year},
                               {"jdn", julianDay},
                               {"text", text},
                               {"date", DateIso(MakeDate(civil.year, civil.month, civil.day))},
                               {"calendar", CalendarKey(choice.calendar)},
                               {"adjustDays", choice.adjustDays}});
                }
                else
                {
                    std::cout << text << " (" << CalendarText(choice) << ")\n";
                }
            });
    }
}

} // namespace halvo::cli
