// `tavorin hijri` and `tavorin gregorian`: single-date conversions.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"

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
std::string ConvertedGregorianText(const HijriDate& date)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d %s, %d", date.gregorianDay,
                  GregorianMonthName(date.gregorianMonth), date.gregorianYear);
    return text;
}

} // namespace

void AddCalendarCommands(CLI::App& app)
{
    {
        auto date = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* hijri = app.add_subcommand("hijri", "The Hijri date of a Gregorian date");
        hijri->add_option("date", *date, "Gregorian date YYYY-MM-DD")->required();
        hijri->add_flag("--json", *json, "Print JSON");
        hijri->callback(
            [date, json]
            {
                PrayerEngine engine;
                engine.SetDate(ParseDate(*date, "date"));
                if (*json)
                {
                    nlohmann::ordered_json out = HijriJson(engine);
                    out["jdn"] = static_cast<long long>(
                        JulianDayNumber(engine.year, engine.month, engine.day));
                    PrintJson(out);
                }
                else
                {
                    std::cout << engine.HijriDateText() << '\n';
                }
            });
    }
    {
        auto year = std::make_shared<std::string>();
        auto month = std::make_shared<std::string>();
        auto day = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* gregorian = app.add_subcommand("gregorian", "The Gregorian date of a Hijri date");
        gregorian->add_option("year", *year, "Hijri year")->required();
        gregorian->add_option("month", *month, "Hijri month 1 to 12")->required();
        gregorian->add_option("day", *day, "Day 1 to 31")->required();
        gregorian->add_flag("--json", *json, "Print JSON");
        gregorian->callback(
            [year, month, day, json]
            {
                // Any day 1 to 31 is taken, as the converter offers it; day 30 of a
                // 29-day month simply lands on the next month's first day.
                const HijriDate date(ParseInteger(*year, "year", 1, 9999),
                                     ParseInteger(*month, "month", 1, 12),
                                     ParseInteger(*day, "day", 1, 31));
                const std::string text = ConvertedGregorianText(date);
                if (*json)
                {
                    PrintJson({{"day", date.gregorianDay},
                               {"month", date.gregorianMonth},
                               {"year", date.gregorianYear},
                               {"jdn", HijriToJulianDay(date.year, date.month, date.day)},
                               {"text", text}});
                }
                else
                {
                    std::cout << text << '\n';
                }
            });
    }
}

} // namespace halvo::cli
