// What the tray says about the prayers, and the notice before them.
#include "day/prayer_notice.h"
#include "day/prayer_status.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace halvo
{
namespace
{

DateRecord At(int day, int hour, int minute, int second = 0)
{
    DateRecord date = MakeDate(2026, 3, day);
    date.hour = static_cast<std::uint16_t>(hour);
    date.minute = static_cast<std::uint16_t>(minute);
    date.second = static_cast<std::uint16_t>(second);
    return date;
}

// A computed day of Seattle with these six times ("--:--" for none), each
// at its minute's second 0.
DayComputation DayOf(int day, const std::array<const char*, 6>& times, bool cityFound = true)
{
    DayComputation computed;
    computed.cityFound = cityFound;
    computed.engine.date = MakeDate(2026, 3, day);
    computed.texts[kLocationText] = "Seattle, WA";
    for (std::size_t i = 0; i < times.size(); ++i)
    {
        computed.texts[kFajrText + i] = times[i];
        if (!cityFound || !IsTimeText(times[i]))
            continue;
        int hour = 0, minute = 0;
        ParseTimeText(times[i], hour, minute);
        PrayerTime& time = computed.times[i];
        time.hasTime = true;
        time.pm = hour >= 12 ? 1 : 0;
        time.hour = hour % 12 == 0 ? 12 : hour % 12;
        time.minute = minute;
        computed.moments[i] = {true, hour * 60 + minute, (hour * 60 + minute) * kMsPerMinute};
    }
    return computed;
}

const DayComputation kToday =
    DayOf(20, {"5:46 AM", "7:12 AM", "1:16 PM", "4:37 PM", "7:21 PM", "8:46 PM"});
const DayComputation kTomorrow =
    DayOf(21, {"5:44 AM", "7:10 AM", "1:16 PM", "4:38 PM", "7:22 PM", "8:48 PM"});

AdhanSwitches AllOn()
{
    return {true, true, true, true, true, true};
}

TEST(PrayerStatus, CountsDownNowsAndMissesAsTheTrayShouldSay)
{
    using Kind = PrayerStatus::Kind;
    const AdhanSwitches off{};
    const DayComputation noCity =
        DayOf(20, {"--:--", "--:--", "--:--", "--:--", "--:--", "--:--"}, false);
    const DayComputation polar = DayOf(20, {"--:--", "--:--", "--:--", "--:--", "--:--", "--:--"});
    struct Case
    {
        const char* what;
        const DayComputation& today;
        AdhanSwitches switches;
        bool playing;
        DateRecord now;
        Kind kind;
        std::size_t prayer;
        const char* time;
        int minutesLeft;
        bool tomorrow;
    };
    const Case cases[] = {
        {"morning, Zuhr next", kToday, off, false, At(20, 12, 4), Kind::kNext, kZuhr, "1:16 PM", 72,
         false},
        {"a part of a minute counts", kToday, off, false, At(20, 16, 36, 30), Kind::kNext, kAsr,
         "4:37 PM", 1, false},
        {"after Isha: tomorrow's Fajr across midnight", kToday, off, false, At(20, 23, 50),
         Kind::kNext, kFajr, "5:44 AM", 354, true},
        {"the Adhan's minute, switched on", kToday, AllOn(), false, At(20, 19, 21, 40), Kind::kNow,
         kMaghrib, "7:21 PM", 0, false},
        {"the same minute with the Adhan off counts on to Isha", kToday, off, false,
         At(20, 19, 21, 40), Kind::kNext, kIsha, "8:46 PM", 85, false},
        {"the prayer's own switch off", kToday, AdhanSwitches{true, true, true, true, false, true},
         false, At(20, 19, 21), Kind::kNext, kIsha, "8:46 PM", 85, false},
        {"still now while the Adhan plays on", kToday, AllOn(), true, At(20, 19, 24), Kind::kNow,
         kMaghrib, "7:21 PM", 0, false},
        {"a city that is not stored", noCity, AllOn(), false, At(20, 12, 0), Kind::kNoCity, 0, "",
         0, false},
    };
    for (const Case& c : cases)
    {
        const PrayerStatus status = PrayerStatusAt(
            c.today, [] { return kTomorrow; }, c.switches, c.playing, c.now);
        EXPECT_EQ(status.kind, c.kind) << c.what;
        EXPECT_EQ(status.prayer, c.prayer) << c.what;
        EXPECT_EQ(status.timeText, c.time) << c.what;
        EXPECT_EQ(status.minutesLeft, c.minutesLeft) << c.what;
        EXPECT_EQ(status.tomorrow, c.tomorrow) << c.what;
        EXPECT_EQ(status.city, "Seattle, WA") << c.what;
    }
    // Neither day has a time (polar night): said so, not a made-up prayer.
    const PrayerStatus none = PrayerStatusAt(
        polar, [&polar] { return polar; }, off, false, At(20, 12, 0));
    EXPECT_EQ(none.kind, Kind::kNoTime);
}

TEST(PrayerStatus, TomorrowIsComputedOnlyAfterTodaysLastPrayer)
{
    int asked = 0;
    const auto tomorrow = [&asked]
    {
        ++asked;
        return kTomorrow;
    };
    PrayerStatusAt(kToday, tomorrow, AdhanSwitches{}, false, At(20, 20, 45));
    EXPECT_EQ(asked, 0);
    PrayerStatusAt(kToday, tomorrow, AdhanSwitches{}, false, At(20, 20, 46));
    EXPECT_EQ(asked, 1);
}

TEST(PrayerRows, MarkTodaysNextPrayerOnlyAndNeverSunrise)
{
    const auto rowsAt = [](const DateRecord& now)
    {
        return PrayerRows(kToday, PrayerStatusAt(
                                      kToday, [] { return kTomorrow; }, {}, false, now));
    };
    const auto morning = rowsAt(At(20, 6, 0));
    for (std::size_t i = 0; i < morning.size(); ++i)
    {
        EXPECT_EQ(morning[i].prayer, i);
        EXPECT_EQ(morning[i].timeText, kToday.texts[kFajrText + i]);
        EXPECT_EQ(morning[i].next, i == kZuhr) << i;
    }
    // After Isha the next one is tomorrow's: none of today's rows is marked.
    for (const PrayerRow& row : rowsAt(At(20, 22, 0)))
        EXPECT_FALSE(row.next);
}

TEST(PrayerNotice, GivenOncePerPrayerAndDayInsideTheTimeBefore)
{
    struct Step
    {
        const char* what;
        DateRecord now;
        int minutesBefore;
        std::optional<std::size_t> prayer;
        int minutesLeft;
    };
    // Asr 4:37 PM, Maghrib 7:21 PM; ten minutes before.
    const Step steps[] = {
        {"too early", At(20, 16, 26, 59), 10, std::nullopt, 0},
        {"ten minutes before", At(20, 16, 27), 10, kAsr, 10},
        {"a tick later: not again", At(20, 16, 27, 20), 10, std::nullopt, 0},
        {"the clock set back: not again", At(20, 16, 20), 10, std::nullopt, 0},
        {"woken late, Maghrib still ahead", At(20, 19, 20, 30), 10, kMaghrib, 1},
        {"the prayer itself: nothing", At(20, 19, 21), 10, std::nullopt, 0},
        {"the next day's Asr again", At(21, 16, 30), 10, kAsr, 8},
    };
    PrayerNotice notice;
    for (const Step& step : steps)
    {
        const auto due = notice.Check(step.now.day == 20 ? kToday : kTomorrow, AllOn(),
                                      step.minutesBefore, step.now);
        ASSERT_EQ(due.has_value(), step.prayer.has_value()) << step.what;
        if (due)
        {
            EXPECT_EQ(due->prayer, *step.prayer) << step.what;
            EXPECT_EQ(due->minutesLeft, step.minutesLeft) << step.what;
        }
    }
}

TEST(PrayerNotice, NothingWhenOffForTheAdhanOrThePrayer)
{
    AdhanSwitches asrOff = AllOn();
    asrOff.asr = false;
    AdhanSwitches adhanOff = AllOn();
    adhanOff.enabled = false;
    const DayComputation noCity =
        DayOf(20, {"--:--", "--:--", "--:--", "--:--", "--:--", "--:--"}, false);
    struct Case
    {
        const char* what;
        const DayComputation& day;
        AdhanSwitches switches;
        int minutesBefore;
    };
    const Case cases[] = {
        {"NotifyBefore 0", kToday, AllOn(), 0},
        {"the Adhan off", kToday, adhanOff, 10},
        {"Asr's own switch off", kToday, asrOff, 10},
        {"no city", noCity, AllOn(), 10},
    };
    for (const Case& c : cases)
    {
        PrayerNotice notice;
        EXPECT_FALSE(notice.Check(c.day, c.switches, c.minutesBefore, At(20, 16, 30))) << c.what;
    }
}

} // namespace
} // namespace halvo
