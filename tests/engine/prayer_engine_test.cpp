#include "engine/prayer_engine.h"

#include "engine/day_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace halvo
{
namespace
{

PrayerEngine Day(double longitude, double latitude, double zone, int year, int month, int day,
                 double fajr = 15, double isha = 15, int hanafi = 0)
{
    PrayerEngine engine;
    engine.Setup(longitude, latitude, zone, MakeDate(year, month, day), fajr, isha, hanafi);
    return engine;
}

std::array<std::string, 6> Texts(const PrayerEngine& e)
{
    return {e.FajrText(), e.SunriseText(), e.ZuhrText(),
            e.AsrText(),  e.MaghribText(), e.IshaText()};
}

TEST(PrayerEngine, SeattleWinterDayReproducesTheWorkedExample)
{
    const PrayerEngine e = Day(-122.33, 47.61, -8, 2004, 1, 15);
    const std::array<std::string, 6> expected = {"6:21 AM", "7:53 AM", "12:18 PM",
                                                 "2:24 PM", "4:43 PM", "6:15 PM"};
    EXPECT_EQ(Texts(e), expected);
    const double hours[6] = {6.35855, 7.8875, 12.3091, 14.4072, 16.7306, 18.2596};
    for (int i = 0; i < kPrayerCount; ++i)
    {
        EXPECT_NEAR(e.times[i].hours, hours[i], 6e-5) << i;
    }
}

TEST(PrayerEngine, HighLatitudeFallsBackToReferenceNight)
{
    const PrayerEngine e = Day(10.75, 59.91, 2, 2004, 6, 21);
    const std::array<std::string, 6> expected = {"2:41 AM", "3:53 AM",  "1:18 PM",
                                                 "6:00 PM", "10:43 PM", "11:55 PM"};
    EXPECT_EQ(Texts(e), expected);
    EXPECT_NEAR(e.times[kFajr].hours, 26.6969, 1e-4);
    // Latitude 60 on midsummer: the Sun sinks only about 6.6 degrees, so Fajr at
    // 15 degrees has no direct solution and the reference night is used.
    const PrayerEngine sixty = Day(0, 60, 0, 2004, 6, 21);
    EXPECT_TRUE(sixty.times[kFajr].hasTime);
    EXPECT_GT(sixty.times[kFajr].hours, sixty.times[kMaghrib].hours);
}

TEST(PrayerEngine, NinetyMinuteRuleOnlyAtExactlyNine)
{
    const PrayerEngine nine = Day(-122.33, 47.61, -8, 2004, 1, 15, 15, 9.0);
    EXPECT_EQ(nine.times[kIsha].hours - nine.times[kMaghrib].hours, 1.5);
    for (double isha : {8.9, 9.1})
    {
        const PrayerEngine near = Day(-122.33, 47.61, -8, 2004, 1, 15, 15, isha);
        EXPECT_NE(near.times[kIsha].hours - near.times[kMaghrib].hours, 1.5) << isha;
        EXPECT_NEAR(near.times[kIsha].hours - near.times[kMaghrib].hours, 0.9, 0.3) << isha;
    }
    // The stored tenths "90" arrive as 90 * 0.1, which must still select the rule.
    EXPECT_EQ(90 * 0.1, kNinetyMinuteIshaAngle);
}

TEST(PrayerEngine, SplitTruncatesAndWrapsAroundTheClock)
{
    struct Case
    {
        double hours;
        int hour, minute, pm;
    };
    const Case cases[] = {
        {12.5, 12, 30, 1},  {0.25, 12, 15, 0},  {25.1, 1, 6, 0},     {-0.5, 11, 30, 1},
        {5.9999, 5, 59, 0}, {11.99, 11, 59, 0}, {23.999, 11, 59, 1}, {13.0, 1, 0, 1},
    };
    for (const Case& c : cases)
    {
        PrayerTime time;
        SplitTime(c.hours, time);
        EXPECT_TRUE(time.hasTime);
        EXPECT_EQ(time.hour, c.hour) << c.hours;
        EXPECT_EQ(time.minute, c.minute) << c.hours;
        EXPECT_EQ(time.pm, c.pm) << c.hours;
    }
}

TEST(PrayerEngine, EventsWithoutSolutionHaveNoTimeButTheRestOfTheDayStands)
{
    // Polar day at 80 N: no sunrise or sunset, so no night to divide either.
    const PrayerEngine polarDay = Day(15, 80, 1, 2004, 6, 21);
    for (int i : {kSunrise, kMaghrib, kFajr, kIsha})
    {
        EXPECT_FALSE(polarDay.times[i].hasTime) << i;
        EXPECT_EQ(TimeText(polarDay.times[i]), "--:--") << i;
    }
    EXPECT_TRUE(polarDay.times[kZuhr].hasTime);
    EXPECT_TRUE(polarDay.times[kAsr].hasTime);

    // Polar night: the Sun never reaches the Asr altitude either.
    const PrayerEngine polarNight = Day(15, 80, 1, 2004, 12, 21);
    EXPECT_EQ(polarNight.SunriseText(), "--:--");
    EXPECT_EQ(polarNight.AsrText(), "--:--");
    EXPECT_TRUE(polarNight.times[kZuhr].hasTime);

    // An Isha deeper than the night while Fajr is solvable: only Isha is lost.
    const PrayerEngine deepIsha = Day(0, 55, 0, 2004, 6, 21, 10, 18);
    EXPECT_TRUE(deepIsha.times[kFajr].hasTime);
    EXPECT_FALSE(deepIsha.times[kIsha].hasTime);
    EXPECT_TRUE(deepIsha.times[kMaghrib].hasTime);
}

TEST(PrayerEngine, HanafiAsrIsAlwaysLaterThanShafi)
{
    for (int month = 1; month <= 12; ++month)
    {
        for (double latitude = -60; latitude <= 60; latitude += 15)
        {
            const PrayerEngine shafi = Day(30, latitude, 2, 2010, month, 10, 15, 15, 0);
            const PrayerEngine hanafi = Day(30, latitude, 2, 2010, month, 10, 15, 15, 1);
            EXPECT_GT(hanafi.times[kAsr].hours, shafi.times[kAsr].hours)
                << month << " " << latitude;
            EXPECT_EQ(hanafi.times[kZuhr].hours, shafi.times[kZuhr].hours);
        }
    }
}

TEST(PrayerEngine, SetDateChangesOnlyTheHijriDate)
{
    PrayerEngine e = Day(-122.33, 47.61, -8, 2004, 1, 15);
    const auto before = Texts(e);
    e.SetDate(MakeDate(2000, 1, 1));
    EXPECT_EQ(e.HijriDateText(), "24 Ramadan 1420 A.H.");
    EXPECT_EQ(e.GregorianDateText(), "1 January 2000 C.E.");
    EXPECT_EQ(Texts(e), before);
}

TEST(PrayerEngine, SetupClearsTheAfternoonFlagsOfAnEarlierDay)
{
    PrayerEngine e = Day(-122.33, 47.61, -8, 2004, 1, 15);
    ASSERT_EQ(e.times[kMaghrib].pm, 1);
    // Twelve hours east: the evening events fall in the morning.
    e.Setup(-122.33, 47.61, 4, MakeDate(2004, 1, 15), 15, 15, 0);
    EXPECT_EQ(e.times[kMaghrib].pm, 0);
}

} // namespace
} // namespace halvo
