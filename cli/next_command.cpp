// `tavorin next`: the next prayer of the current city and today's six
// times, short enough for a status bar that runs it every half minute.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/next_prayer.h"
#include "cli/store_commands.h"
#include "day/day_options.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "platform/clock.h"
#include "platform/text/quoted.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <memory>

namespace halvo::cli
{

namespace
{

// The moment --at names, as the clock would give it.
class FixedClock : public Clock
{
  public:
    explicit FixedClock(const DateRecord& moment) : moment_(moment) {}
    DateRecord Now() const override { return moment_; }

  private:
    DateRecord moment_;
};

bool TwoDigitsWithin(std::string_view text, int high, int& value)
{
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
    {
        return false;
    }
    value = (text[0] - '0') * 10 + (text[1] - '0');
    return value <= high;
}

// YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS on the local clock.
DateRecord ParseLocalMoment(std::string_view text)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    const bool shaped =
        (text.size() == 16 || text.size() == 19) && text[10] == 'T' && text[13] == ':' &&
        TwoDigitsWithin(text.substr(11, 2), 23, hour) &&
        TwoDigitsWithin(text.substr(14, 2), 59, minute) &&
        (text.size() == 16 || (text[16] == ':' && TwoDigitsWithin(text.substr(17, 2), 59, second)));
    if (!shaped)
    {
        throw UsageError("--at: " + Quoted(text) +
                         " is not a local time YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS");
    }
    DateRecord moment = ParseDate(text.substr(0, 10), "--at");
    moment.hour = static_cast<std::uint16_t>(hour);
    moment.minute = static_cast<std::uint16_t>(minute);
    moment.second = static_cast<std::uint16_t>(second);
    return moment;
}

std::string MomentText(const DateRecord& now)
{
    char time[32];
    std::snprintf(time, sizeof time, "T%02d:%02d:%02d", now.hour, now.minute, now.second);
    return DateIso(now) + time;
}

nlohmann::ordered_json NextJson(const std::optional<NextPrayer>& next)
{
    if (!next)
    {
        return nullptr;
    }
    return {{"name", kPrayerNames[next->index]},     {"text", TimeText(next->time)},
            {"time24", ClockText(next->time, true)}, {"tomorrow", next->tomorrow},
            {"minutesLeft", next->minutesLeft},      {"left", LeftText(next->minutesLeft)}};
}

} // namespace

void AddNextCommand(CLI::App& app)
{
    auto city = std::make_shared<std::string>();
    auto at = std::make_shared<std::string>();
    auto format = std::make_shared<std::string>();
    auto style = std::make_shared<DayOptions>();
    auto json = std::make_shared<bool>(false);
    auto clock = std::make_shared<std::optional<FixedClock>>();
    CLI::App* next = app.add_subcommand(
        "next", "The next prayer of the current city, the time left and today's six times");
    next->add_option("--city", *city, "A stored city instead of the current one");
    next->add_option("--at", *at, "Local time YYYY-MM-DDTHH:MM[:SS] to look from instead of now");
    AddTimeOptions(*next, *style);
    CLI::Option* jsonFlag = next->add_flag("--json", *json, "Print JSON");
    next->add_option("--format", *format,
                     "One line with {name}, {time}, {left} (H:MM) and {minutes} filled in, "
                     "for a status bar")
        ->excludes(jsonFlag);
    next->callback(
        [city, at, format, style, json, clock, next]
        {
            const DayStyle parsed = ParseDayStyle(*style);
            if (next->count("--at") > 0)
            {
                clock->emplace(ParseLocalMoment(*at));
                SetClock(&**clock);
            }
            if (next->count("--format") > 0)
            {
                // A bad field is refused before the stores are opened.
                FormatNextPrayer(*format, NextPrayer{}, parsed.clock24);
            }
            const DateRecord now = LocalNow();
            const DateRecord today = MakeDate(now.year, now.month, now.day);
            const std::optional<std::string> typed =
                next->count("--city") > 0 ? std::optional<std::string>(*city) : std::nullopt;
            const CityRecord record = StoredCity(typed, "--city");
            const StoredCityDay day = ComputeStoredCityDay(record, today, parsed);
            const StoredCityDay tomorrow =
                ComputeStoredCityDay(record, DaysLater(today, 1), parsed);
            const std::optional<NextPrayer> found =
                FindNextPrayer(day.shown, tomorrow.shown, tomorrow.utcOffset - day.utcOffset, now);
            if (*json)
            {
                nlohmann::ordered_json out = CityJson(record);
                out["utcOffset"] = day.utcOffset;
                AddStyleJson(out, day.convention, parsed);
                out["now"] = MomentText(now);
                out["next"] = NextJson(found);
                out["times"] = ShownTimesJson(day.shown.times);
                PrintJson(out);
                return;
            }
            // No prayer time in two days (polar day or night) is the
            // display's own mark for a time that does not come.
            if (next->count("--format") > 0)
            {
                std::cout << (found ? FormatNextPrayer(*format, *found, parsed.clock24)
                                    : std::string(kNoTimeText))
                          << '\n';
                return;
            }
            if (found)
            {
                std::cout << kPrayerNames[found->index] << ' '
                          << ClockText(found->time, parsed.clock24) << " (in "
                          << LeftText(found->minutesLeft) << ")\n";
            }
            else
            {
                std::cout << kNoTimeText << '\n';
            }
            for (std::size_t i = 0; i < day.shown.times.size(); ++i)
            {
                std::string label = kPrayerNames[i];
                label.resize(9, ' ');
                std::cout << label << ClockText(day.shown.times[i], parsed.clock24) << '\n';
            }
        });
}

} // namespace halvo::cli
