#include "day/adhan_alarm.h"

#include "settings/settings.h"
#include "tests/support/adhan_fakes.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

using testing::RecordingMessages;
using testing::RecordingNotifier;
using testing::RecordingPlayer;
using testing::RecordingTimer;

DateRecord At(int year, int month, int day, int hour, int minute, int second = 0)
{
    DateRecord date = MakeDate(year, month, day);
    date.hour = static_cast<std::uint16_t>(hour);
    date.minute = static_cast<std::uint16_t>(minute);
    date.second = static_cast<std::uint16_t>(second);
    return date;
}

// A computed day with these texts, every time at its minute's second 0.
DayComputation DayOf(const DayTexts& texts)
{
    DayComputation day;
    day.texts = texts;
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        if (!IsTimeText(texts[slot.text]))
            continue;
        int hour = 0, minute = 0;
        ParseTimeText(texts[slot.text], hour, minute);
        day.moments[slot.time] = {true, hour * 60 + minute, (hour * 60 + minute) * kMsPerMinute};
    }
    return day;
}

// A day whose Maghrib falls at 6:05 PM.
const DayTexts kDayTexts = {"Seattle, WA",
                            "20 March 2026 C.E.",
                            "1 Shawwal 1447 A.H.",
                            "5:46 AM",
                            "7:12 AM",
                            "1:16 PM",
                            "4:37 PM",
                            "6:05 PM",
                            "8:46 PM"};
const DayComputation kDay = DayOf(kDayTexts);

TEST(ParseTimeText, GivesTheTwentyFourHourClock)
{
    struct Case
    {
        const char* text;
        int hour;
        int minute;
    };
    for (const Case& c : {Case{"12:30 AM", 0, 30}, Case{"12:10 PM", 12, 10}, Case{"1:07 PM", 13, 7},
                          Case{"", 0, 0}, Case{"5:07 AM", 5, 7}, Case{"11:59 PM", 23, 59},
                          Case{"12:00 AM", 0, 0}, Case{"9:00 am", 9, 0}})
    {
        int hour = -1, minute = -1;
        ParseTimeText(c.text, hour, minute);
        EXPECT_EQ(hour, c.hour) << c.text;
        EXPECT_EQ(minute, c.minute) << c.text;
    }
}

TEST(IsTimeText, TellsTimesFromTheMarksOfAMissingCity)
{
    // The 24-hour clock of the Clock option is a time too.
    for (const char* text : {"5:07 AM", "12:30 PM", "1:00 AM", "05:07", "17:59", "00:00"})
        EXPECT_TRUE(IsTimeText(text)) << text;
    for (const char* text : {"--:--", "", "5:07", "5:7 AM", "123:07 AM", "5:07 XM", "5:07 AM ",
                             "24:00", "17:60", "1759"})
        EXPECT_FALSE(IsTimeText(text)) << text;
    int hour = 0;
    int minute = 0;
    ParseTimeText("17:59", hour, minute);
    EXPECT_EQ(hour, 17);
    EXPECT_EQ(minute, 59);
}

// The first prayer strictly later than now, Sunrise never; after Isha none.
TEST(NextPrayerTime, IsTheFirstPrayerStrictlyLaterThanNow)
{
    struct Case
    {
        int hour, minute;
        int nextHour, nextMinute;
    };
    for (const Case& c :
         {Case{0, 0, 5, 46}, Case{5, 45, 5, 46}, Case{5, 46, 13, 16}, Case{7, 12, 13, 16},
          Case{13, 15, 13, 16}, Case{16, 37, 18, 5}, Case{18, 4, 18, 5}, Case{18, 5, 20, 46},
          Case{20, 45, 20, 46}, Case{20, 46, 25, 0}, Case{23, 59, 25, 0}})
    {
        const DateRecord next = NextPrayerTime(kDay.moments, At(2026, 3, 20, c.hour, c.minute, 37));
        EXPECT_EQ(next.hour, c.nextHour) << c.hour << ":" << c.minute;
        if (c.nextHour != 25)
        {
            EXPECT_EQ(next.minute, c.nextMinute) << c.hour << ":" << c.minute;
        }
        EXPECT_EQ(next.day, 20);
        EXPECT_EQ(next.second, 0);
    }
}

// After Isha the program is started tomorrow at midnight, across the ends
// of months, years and February.
TEST(TimedStartTime, AfterIshaIsTomorrowAtMidnightWithRollOver)
{
    struct Case
    {
        DateRecord now;
        int year, month, day;
    };
    for (const Case& c :
         {Case{At(2026, 3, 20, 21, 0), 2026, 3, 21}, Case{At(2026, 3, 31, 22, 0), 2026, 4, 1},
          Case{At(2026, 12, 31, 23, 59), 2027, 1, 1}, Case{At(2028, 2, 28, 21, 0), 2028, 2, 29},
          Case{At(2027, 2, 28, 21, 0), 2027, 3, 1}})
    {
        const DateRecord when = TimedStartTime(kDay.moments, c.now);
        EXPECT_EQ(when.year, c.year);
        EXPECT_EQ(when.month, c.month);
        EXPECT_EQ(when.day, c.day);
        EXPECT_EQ(when.hour, 0);
        EXPECT_EQ(when.minute, 0);
    }
    const DateRecord beforeIsha = TimedStartTime(kDay.moments, At(2026, 3, 31, 19, 0));
    EXPECT_EQ(beforeIsha.day, 31);
    EXPECT_EQ(beforeIsha.hour, 20);
    EXPECT_EQ(beforeIsha.minute, 46);
}

// The moment is the engine's own, brought into the day as the texts bring
// it; the shown minute is the text's, and the computed millisecond is never
// before the exact moment.
TEST(MomentOf, KeepsTheComputedSecondBesideTheShownMinute)
{
    struct Case
    {
        double hours;
        int shownMinute;
        std::int64_t computedMs;
    };
    const double maghrib = 16 + 40 / 60.0 + 36 / 3600.0; // 4:40:36 PM
    for (const Case& c : {Case{maghrib, 16 * 60 + 40, (16 * 3600 + 40 * 60 + 36) * 1000},
                          Case{maghrib - 24, 16 * 60 + 40, (16 * 3600 + 40 * 60 + 36) * 1000},
                          Case{24.25, 15, 15 * kMsPerMinute}, Case{12.5, 12 * 60 + 30, 45000000},
                          Case{0.0625, 3, 225000}, Case{-0.0625, 23 * 60 + 56, kMsPerDay - 225000}})
    {
        PrayerTime time;
        SplitTime(c.hours, time);
        const PrayerMoment moment = MomentOf(time);
        EXPECT_TRUE(moment.hasTime) << c.hours;
        EXPECT_EQ(moment.shownMinute, c.shownMinute) << c.hours;
        // Rounding up may add the last millisecond, never take one away.
        EXPECT_GE(moment.computedMs, c.computedMs) << c.hours;
        EXPECT_LE(moment.computedMs, c.computedMs + 1) << c.hours;
    }
    PrayerTime none;
    SplitTime(std::numeric_limits<double>::quiet_NaN(), none);
    EXPECT_FALSE(MomentOf(none).hasTime);
}

// The start is the computed moment, held inside the shown minute: a display
// that rounds up starts at its own minute, never outside it.
TEST(AdhanStartMs, IsTheComputedMomentHeldInsideTheShownMinute)
{
    constexpr std::int64_t minute = 1000 * kMsPerMinute; // 16:40
    struct Case
    {
        std::int64_t computedMs;
        std::int64_t start;
    };
    for (const Case& c :
         {Case{minute + 36000, minute + 36000}, Case{minute, minute}, Case{minute - 24000, minute},
          Case{minute + kMsPerMinute, minute + kMsPerMinute - 1}})
        EXPECT_EQ(AdhanStartMs({true, 1000, c.computedMs}), c.start) << c.computedMs;
}

TEST(SoundOfAlarm, NamesOnlyTheSixSounds)
{
    for (const char* sound : kSoundNames)
        EXPECT_STREQ(SoundOfAlarm(sound), sound);
    for (const char* hostile : {"../../x", "/etc/passwd", "", "alarm1", "Alarm1 ", "Alarm1/..",
                                "HalvoAdhan.wav", "..", "Alarm6"})
        EXPECT_STREQ(SoundOfAlarm(hostile), "HalvoAdhan") << hostile;
}

TEST(RepeatsOfReminder, IsTheStoredCountWithinZeroToFive)
{
    struct Case
    {
        const char* stored;
        int times;
    };
    for (const Case& c : {Case{"0", 0}, Case{"1", 1}, Case{"5", 5}, Case{"", 0}, Case{"-2", 0},
                          Case{"9", 5}, Case{"abc", 0}, Case{"3 times", 3}})
        EXPECT_EQ(RepeatsOfReminder(c.stored), c.times) << c.stored;
}

class AdhanCheck : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        switches_.enabled = true;
        switches_.maghrib = true;
    }

    AdhanAlarm MakeAlarm()
    {
        return AdhanAlarm({player_, timer_, notifier_, messages_}, "/sounds", "/bin/halvo");
    }

    RecordingPlayer player_;
    RecordingTimer timer_;
    RecordingNotifier notifier_;
    AdhanSwitches switches_;
};

// Three ticks fall in every minute; the sound starts once, and not again in
// the next minute.
TEST_F(AdhanCheck, SoundsOncePerMinuteOverThreeTicks)
{
    WriteSetting("Reminder", "3");
    AdhanAlarm alarm = MakeAlarm();
    for (const int second : {0, 20, 40})
        alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5, second));
    for (const int second : {0, 20, 40})
        alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 6, second));
    using Played = RecordingPlayer::Played;
    EXPECT_EQ(player_.played, (std::vector<Played>{{"/sounds/HalvoAdhan.wav", 3}}));
    EXPECT_EQ(notifier_.shown, std::vector<std::string>{"Maghrib 6:05 PM, Seattle, WA"});
}

// The last alarm carries its date: a program running across midnight sounds
// a prayer that falls at the same minute as the day before's.
TEST_F(AdhanCheck, SameMinuteOnTheNextDaySoundsAgain)
{
    AdhanAlarm alarm = MakeAlarm();
    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5));
    alarm.Check(kDay, switches_, At(2026, 3, 21, 18, 5));
    alarm.Check(kDay, switches_, At(2026, 3, 21, 18, 5, 40));
    EXPECT_EQ(player_.played.size(), 2u);
}

TEST_F(AdhanCheck, OffPlaysNothingRequestsNothingAndCancelsOnce)
{
    switches_ = AdhanSwitches{false, true, true, true, true, true};
    AdhanAlarm alarm = MakeAlarm();
    for (const int minute : {5, 5, 5, 6, 7})
        alarm.Check(kDay, switches_, At(2026, 3, 20, 18, minute));
    EXPECT_TRUE(player_.played.empty());
    EXPECT_TRUE(timer_.requests.empty());
    EXPECT_EQ(timer_.cancels, 1);

    // On again, then off again: the start asked for meanwhile is withdrawn.
    switches_.enabled = true;
    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 8));
    ASSERT_EQ(timer_.requests.size(), 1u);
    switches_.enabled = false;
    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 9));
    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 10));
    EXPECT_EQ(timer_.cancels, 2);
    EXPECT_FALSE(timer_.pending);
}

// One pending start, asked for again only when the wanted time moves on,
// whatever the prayers' own switches say.
TEST_F(AdhanCheck, TimedStartIsReplacedOnlyWhenTheWantedTimeChanges)
{
    switches_.maghrib = false;
    AdhanAlarm alarm = MakeAlarm();
    for (int minute = 0; minute < 10; ++minute)
        for (const int second : {0, 20, 40})
            alarm.Check(kDay, switches_, At(2026, 3, 20, 18, minute, second));
    for (const int second : {0, 20, 40})
        alarm.Check(kDay, switches_, At(2026, 3, 20, 21, 0, second));
    ASSERT_EQ(timer_.requests.size(), 3u);
    EXPECT_EQ(timer_.requests[0].hour, 18);
    EXPECT_EQ(timer_.requests[0].minute, 5);
    EXPECT_EQ(timer_.requests[1].hour, 20);
    EXPECT_EQ(timer_.requests[1].minute, 46);
    EXPECT_EQ(timer_.requests[2].day, 21);
    EXPECT_EQ(timer_.requests[2].hour, 0);
    EXPECT_EQ(timer_.lastExecutable, "/bin/halvo");
    EXPECT_TRUE(player_.played.empty());
}

TEST_F(AdhanCheck, TimedStartThatCannotBeAskedForIsToldOnce)
{
    timer_.answers = false;
    AdhanAlarm alarm = MakeAlarm();
    for (const int hour : {5, 6, 14, 17, 19})
        alarm.Check(kDay, switches_, At(2026, 3, 20, hour, 0));
    EXPECT_EQ(timer_.requests.size(), 5u);
    ASSERT_EQ(messages_.warnings.size(), 1u);
    EXPECT_NE(messages_.warnings[0].find("no user manager"), std::string::npos);
}

// Reminder "0" records the minute as the last alarm and plays nothing, so a
// later change within that minute does not sound either.
TEST_F(AdhanCheck, ReminderZeroRecordsTheAlarmAndPlaysNothing)
{
    WriteSetting("Reminder", "0");
    AdhanAlarm alarm = MakeAlarm();
    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5));
    WriteSetting("Reminder", "2");
    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5, 20));
    EXPECT_TRUE(player_.played.empty());
    EXPECT_TRUE(notifier_.shown.empty());
}

// Each switched-on prayer sounds at its minute; Sunrise never does, nor a
// prayer switched off, nor a day whose city is missing.
TEST_F(AdhanCheck, OnlySwitchedOnPrayersSound)
{
    struct Case
    {
        AdhanSwitches switches;
        DayComputation day;
        int hour, minute;
        bool sounds;
    };
    const AdhanSwitches all{true, true, true, true, true, true};
    const AdhanSwitches onlyAsr{true, false, false, true, false, false};
    DayTexts missingTexts = kDayTexts;
    for (std::size_t i = kFajrText; i <= kIshaText; ++i)
        missingTexts[i] = "--:--";
    const DayComputation missingCity = DayOf(missingTexts);
    for (const Case& c : {Case{all, kDay, 5, 46, true}, Case{all, kDay, 7, 12, false},
                          Case{all, kDay, 13, 16, true}, Case{all, kDay, 16, 37, true},
                          Case{all, kDay, 20, 46, true}, Case{onlyAsr, kDay, 16, 37, true},
                          Case{onlyAsr, kDay, 18, 5, false}, Case{all, missingCity, 0, 0, false}})
    {
        player_.played.clear();
        AdhanAlarm alarm = MakeAlarm();
        alarm.Check(c.day, c.switches, At(2026, 3, 20, c.hour, c.minute));
        EXPECT_EQ(player_.played.size(), c.sounds ? 1u : 0u) << c.hour << ":" << c.minute;
    }
}

// No stored Alarm value can reach a file outside the sounds folder: any
// value that is not one of the six names plays the default, told once.
TEST_F(AdhanCheck, HostileAlarmValuesPlayTheDefaultSound)
{
    struct Case
    {
        const char* stored;
        const char* played;
    };
    for (const Case& c :
         {Case{"Alarm3", "/sounds/Alarm3.wav"}, Case{"../../x", "/sounds/HalvoAdhan.wav"},
          Case{"/etc/passwd", "/sounds/HalvoAdhan.wav"}, Case{"", "/sounds/HalvoAdhan.wav"},
          Case{"Alarm1/../../../y", "/sounds/HalvoAdhan.wav"}})
    {
        WriteSetting("Alarm", c.stored);
        player_.played.clear();
        messages_.warnings.clear();
        AdhanAlarm alarm = MakeAlarm();
        alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5));
        alarm.Check(kDay, switches_, At(2026, 3, 21, 18, 5));
        ASSERT_EQ(player_.played.size(), 2u) << c.stored;
        EXPECT_EQ(player_.played[0].file, c.played);
        EXPECT_EQ(player_.played[1].file, c.played);
        const bool named = std::string(c.played) == std::string("/sounds/") + c.stored + ".wav";
        EXPECT_EQ(messages_.warnings.size(), named ? 0u : 1u) << c.stored;
    }
}

// A playing Adhan stops, from the window or the notification's action; with
// nothing playing there is nothing to stop.
TEST_F(AdhanCheck, StopsWhilePlayingFromTheWindowOrTheNotification)
{
    AdhanAlarm alarm = MakeAlarm();
    EXPECT_FALSE(alarm.Stop());
    EXPECT_EQ(player_.stops, 0);

    alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5));
    ASSERT_TRUE(player_.playing);
    EXPECT_TRUE(alarm.Stop());
    EXPECT_FALSE(player_.playing);
    EXPECT_EQ(notifier_.withdrawn, 1);

    alarm.Check(kDay, switches_, At(2026, 3, 21, 18, 5));
    ASSERT_TRUE(player_.playing);
    ASSERT_TRUE(notifier_.stopAction);
    notifier_.stopAction();
    EXPECT_FALSE(player_.playing);
    EXPECT_EQ(player_.stops, 2);
}

TEST_F(AdhanCheck, SwitchesAreReadFromTheirExactTexts)
{
    WriteSetting("Adhan", "on");
    WriteSetting("Fajr", "1");
    WriteSetting("Isha", "yes");
    AdhanSwitches read = ReadAdhanSwitches();
    EXPECT_FALSE(read.enabled);
    EXPECT_TRUE(read.fajr);
    EXPECT_FALSE(read.isha);
    WriteSetting("Adhan", "On");
    EXPECT_TRUE(ReadAdhanSwitches().enabled);
}

// Toronto's Maghrib shows 4:40 PM and is computed at 4:40:36: a check
// less than a minute before, or the first tick of the minute, only says how
// long to wait; the sound starts at the computed second, once; a minute passed while the caller
// slept sounds nothing. A display that rounds up to 4:41 sounds at 4:41:00.
TEST_F(AdhanCheck, SoundsAtTheComputedSecondInsideTheShownMinute)
{
    DayComputation shown = kDay;
    shown.texts[kMaghribText] = "4:40 PM";
    shown.moments[kMaghrib] = {true, 16 * 60 + 40, (16 * 3600 + 40 * 60 + 36) * 1000};
    DayComputation roundedUp = shown;
    roundedUp.moments[kMaghrib].shownMinute = 16 * 60 + 41;
    struct Step
    {
        int minute, second, milliseconds;
        std::optional<int> wait;
        std::size_t played;
    };
    struct Case
    {
        const char* name;
        const DayComputation& day;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"in step",
         shown,
         {{39, 30, 0, std::nullopt, 0},
          {39, 50, 0, 46000, 0},
          {40, 12, 0, 24000, 0},
          {40, 35, 999, 1, 0},
          {40, 36, 0, std::nullopt, 1},
          {40, 52, 0, std::nullopt, 1},
          {41, 0, 0, std::nullopt, 1}}},
        {"slept through", shown, {{40, 12, 0, 24000, 0}, {41, 3, 0, std::nullopt, 0}}},
        {"clock set back", shown, {{40, 20, 0, 16000, 0}, {39, 58, 0, 38000, 0}}},
        {"rounded up",
         roundedUp,
         {{40, 36, 0, 24000, 0}, {40, 59, 0, 1000, 0}, {41, 0, 0, std::nullopt, 1}}},
    };
    for (const Case& c : cases)
    {
        player_.played.clear();
        AdhanAlarm alarm = MakeAlarm();
        for (const Step& step : c.steps)
        {
            DateRecord now = At(2026, 12, 7, 16, step.minute, step.second);
            now.milliseconds = static_cast<std::uint16_t>(step.milliseconds);
            EXPECT_EQ(alarm.Check(c.day, switches_, now), step.wait)
                << c.name << " 16:" << step.minute << ":" << step.second;
            EXPECT_EQ(player_.played.size(), step.played)
                << c.name << " 16:" << step.minute << ":" << step.second;
        }
    }
}

// A play that makes no sound is said in the notification, at once or when
// the player finds out later; the Adhan is then not reported playing.
TEST_F(AdhanCheck, APlayThatMakesNoSoundIsSaidInTheNotification)
{
    const std::string summary = "Maghrib 6:05 PM, Seattle, WA";
    const std::string failed = summary + ": the Adhan could not be played";
    for (const bool atOnce : {true, false})
    {
        notifier_.shown.clear();
        player_.fails = atOnce;
        AdhanAlarm alarm = MakeAlarm();
        alarm.Check(kDay, switches_, At(2026, 3, 20, 18, 5));
        if (!atOnce)
        {
            EXPECT_EQ(notifier_.shown, std::vector<std::string>{summary});
            player_.playing = false;
            ASSERT_TRUE(player_.onFailure);
            player_.onFailure("no stream");
        }
        EXPECT_EQ(notifier_.shown, (std::vector<std::string>{summary, failed}));
        EXPECT_FALSE(alarm.Stop());
    }
    player_.fails = false;
}

} // namespace
} // namespace halvo
