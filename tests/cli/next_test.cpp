// `tavorin next`: which prayer comes next, when, and how long until it,
// checked against the times `tavorin times` prints for the same day.
#include "cli/cli_support.h"
#include "cli/next_prayer.h"
#include "engine/day_texts.h"
#include "tests/cli/data_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace halvo::test
{
namespace
{

PrayerTime At(int hour24, int minute)
{
    PrayerTime time;
    time.hasTime = true;
    time.pm = hour24 >= 12 ? 1 : 0;
    time.hour = hour24 % 12 == 0 ? 12 : hour24 % 12;
    time.minute = minute;
    return time;
}

cli::ShownDay Day(int fajrHour)
{
    cli::ShownDay day;
    day.times = {At(fajrHour, 10), At(6, 40), At(12, 15), At(15, 30), At(19, 5), At(20, 45)};
    return day;
}

DateRecord Moment(int hour, int minute, int second)
{
    DateRecord now = MakeDate(2026, 3, 28);
    now.hour = static_cast<std::uint16_t>(hour);
    now.minute = static_cast<std::uint16_t>(minute);
    now.second = static_cast<std::uint16_t>(second);
    return now;
}

TEST(NextPrayer, SkipsSunriseComesAtItsMinuteAndWrapsToTomorrowsFajr)
{
    struct Case
    {
        DateRecord now;
        double offsetChange;
        const char* name;
        bool tomorrow;
        int minutesLeft;
    };
    const Case cases[] = {
        {Moment(0, 0, 0), 0, "Fajr", false, 310},
        {Moment(5, 9, 59), 0, "Fajr", false, 1},   // a part of a minute counts as one
        {Moment(5, 10, 0), 0, "Zuhr", false, 425}, // Fajr has come; Sunrise is no prayer
        {Moment(7, 0, 0), 0, "Zuhr", false, 315},
        {Moment(15, 29, 30), 0, "Asr", false, 1},
        {Moment(20, 44, 59), 0, "Isha", false, 1},
        {Moment(20, 45, 0), 0, "Fajr", true, 3 * 60 + 15 + 5 * 60 + 10},
        {Moment(23, 59, 59), 0, "Fajr", true, 5 * 60 + 11},
        // The clocks go forward an hour in the night: an hour less to wait.
        {Moment(22, 0, 0), 1, "Fajr", true, 2 * 60 + 5 * 60 + 10 - 60},
        {Moment(22, 0, 0), -1, "Fajr", true, 2 * 60 + 5 * 60 + 10 + 60},
    };
    for (const Case& c : cases)
    {
        const auto next = cli::FindNextPrayer(Day(5), Day(5), c.offsetChange, c.now);
        ASSERT_TRUE(next.has_value());
        const std::string at = std::to_string(c.now.hour) + ":" + std::to_string(c.now.minute) +
                               ":" + std::to_string(c.now.second);
        EXPECT_EQ(kPrayerNames[next->index], std::string(c.name)) << at;
        EXPECT_EQ(next->tomorrow, c.tomorrow) << at;
        EXPECT_EQ(next->minutesLeft, c.minutesLeft) << at;
    }
}

// A prayer whose minute has begun is next until its computed second, when
// the desktop's Adhan sounds; a minute rounded up waits for its own start.
TEST(NextPrayer, AComputedSecondInsideTheShownMinuteIsStillToCome)
{
    cli::ShownDay today = Day(5);
    // Zuhr computed at 12:15:40, shown 12:15; Asr computed at 15:29:40 and
    // shown 15:30, as rounding to the nearest minute shows it.
    today.times[kZuhr].hours = 12 + 15 / 60.0 + 40 / 3600.0;
    today.times[kAsr].hours = 15 + 29 / 60.0 + 40 / 3600.0;
    struct Case
    {
        DateRecord now;
        const char* name;
        int minutesLeft;
    };
    DateRecord justBefore = Moment(12, 15, 39);
    justBefore.milliseconds = 999;
    const Case cases[] = {
        {Moment(12, 14, 59), "Zuhr", 1},     {Moment(12, 15, 0), "Zuhr", 1},
        {Moment(12, 15, 20), "Zuhr", 1},     {justBefore, "Zuhr", 1},
        {Moment(12, 15, 41), "Asr", 195},    {Moment(15, 29, 50), "Asr", 1},
        {Moment(15, 30, 0), "Maghrib", 215},
    };
    for (const Case& c : cases)
    {
        const auto next = cli::FindNextPrayer(today, Day(5), 0, c.now);
        ASSERT_TRUE(next.has_value());
        const std::string at = std::to_string(c.now.hour) + ":" + std::to_string(c.now.minute) +
                               ":" + std::to_string(c.now.second) + "." +
                               std::to_string(c.now.milliseconds);
        EXPECT_EQ(kPrayerNames[next->index], std::string(c.name)) << at;
        EXPECT_EQ(next->minutesLeft, c.minutesLeft) << at;
    }
}

TEST(NextPrayer, PrayersWithoutATimeArePassedOver)
{
    cli::ShownDay today = Day(5);
    today.times[kAsr].hasTime = false;
    today.times[kIsha].hasTime = false;
    cli::ShownDay tomorrow = Day(5);
    tomorrow.times[kFajr].hasTime = false;

    auto next = cli::FindNextPrayer(today, tomorrow, 0, Moment(13, 0, 0));
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->index, static_cast<std::size_t>(kMaghrib));
    // No Isha today and no Fajr tomorrow: tomorrow's Zuhr.
    next = cli::FindNextPrayer(today, tomorrow, 0, Moment(19, 30, 0));
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->index, static_cast<std::size_t>(kZuhr));
    EXPECT_TRUE(next->tomorrow);

    cli::ShownDay none;
    EXPECT_FALSE(cli::FindNextPrayer(none, none, 0, Moment(1, 0, 0)).has_value());
}

TEST(NextPrayer, FormatFillsTheFourFieldsAndRefusesOthers)
{
    const cli::NextPrayer next{kAsr, false, At(14, 0), 72};
    EXPECT_EQ(cli::FormatNextPrayer("{name} {time} (in {left})", next, false),
              "Asr 2:00 PM (in 1:12)");
    EXPECT_EQ(cli::FormatNextPrayer("{{{minutes}}} {time}", next, true), "{72} 14:00");
    EXPECT_EQ(cli::LeftText(5), "0:05");
    EXPECT_EQ(cli::LeftText(600), "10:00");
    for (const char* bad : {"{nme}", "{name", "}", "{}"})
    {
        EXPECT_THROW(cli::FormatNextPrayer(bad, next, false), cli::UsageError) << bad;
    }
}

// Minutes since midnight of "HH:MM".
int MinuteOf(const std::string& time24)
{
    return std::stoi(time24.substr(0, 2)) * 60 + std::stoi(time24.substr(3, 2));
}

TEST(TavorinNext, AgreesWithTimesAtEveryHalfHourOfTheDay)
{
    DataFolder folder("next", kSmallShippedData);
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{}, {"--city", "mumbai", "--method", "MWL", "--round"}})
    {
        std::vector<std::string> times = {"times", "--date", "2026-07-01", "--json"};
        times.insert(times.end(), options.begin(), options.end());
        const RunResult day = folder.Run(times);
        ASSERT_EQ(day.status, 0) << day.err;
        const auto shown = nlohmann::json::parse(day.out)["times"];
        times[2] = "2026-07-02";
        const auto tomorrowFajr = nlohmann::json::parse(folder.Run(times).out)["times"][0];
        for (int minute = 0; minute < 24 * 60; minute += 30)
        {
            char at[32];
            std::snprintf(at, sizeof at, "2026-07-01T%02d:%02d", minute / 60, minute % 60);
            std::vector<std::string> args = {"next", "--at", at, "--json"};
            args.insert(args.end(), options.begin(), options.end());
            const RunResult r = folder.Run(args);
            ASSERT_EQ(r.status, 0) << Joined(args) << ": " << r.err;
            const auto out = nlohmann::json::parse(r.out);
            EXPECT_EQ(out["times"], shown) << at;
            nlohmann::json expected = tomorrowFajr;
            int left = 24 * 60 - minute + MinuteOf(tomorrowFajr["time24"]);
            for (int index : {0, 2, 3, 4, 5})
            {
                if (MinuteOf(shown[index]["time24"]) > minute)
                {
                    expected = shown[index];
                    left = MinuteOf(shown[index]["time24"]) - minute;
                    break;
                }
            }
            EXPECT_EQ(out["next"]["name"], expected["name"]) << at;
            EXPECT_EQ(out["next"]["text"], expected["text"]) << at;
            EXPECT_EQ(out["next"]["minutesLeft"], left) << at;
        }
    }
}

TEST(TavorinNext, PrintsALineForABarAndRefusesWhatItCannotDo)
{
    DataFolder folder("next_text", kSmallShippedData);
    const RunResult text = folder.Run({"next", "--at", "2026-07-01T14:00:00"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 7);
    EXPECT_EQ(text.out.rfind("Asr ", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("\nSunrise  "), std::string::npos) << text.out;

    const RunResult bar =
        folder.Run({"next", "--at", "2026-07-01T14:00", "--format", "{name}|{minutes}"});
    ASSERT_EQ(bar.status, 0) << bar.err;
    EXPECT_EQ(bar.out.rfind("Asr|", 0), 0u) << bar.out;

    const std::vector<std::vector<std::string>> refused = {
        {"next", "--format", "{when}"},       {"next", "--at", "2026-07-01T25:00"},
        {"next", "--at", "2026-02-30T10:00"}, {"next", "--at", "2026-07-01 10:00"},
        {"next", "--city", "Atlantis"},       {"next", "--json", "--format", "{name}"},
    };
    for (const auto& args : refused)
    {
        const RunResult r = folder.Run(args);
        EXPECT_EQ(r.status, 2) << Joined(args);
        EXPECT_TRUE(r.out.empty()) << Joined(args);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << Joined(args) << r.err;
    }
}

} // namespace
} // namespace halvo::test
