#include "engine/calculation_methods.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvo
{
namespace
{

PrayerTime TimeAt(double hours)
{
    PrayerTime time;
    SplitTime(hours, time);
    return time;
}

TEST(AdjustedTime, MinutesAndRoundingAsPublishedTablesPrintThem)
{
    struct Case
    {
        double hours;
        int minutes;
        bool round;
        int hour, minute, pm;
    };
    const Case cases[] = {
        {6.3586, 0, false, 6, 21, 0},  // the seed's truncation
        {6.3586, 0, true, 6, 22, 0},   // 6:21.5 rounds up
        {6.3586, -2, false, 6, 19, 0}, // minutes after the truncation
        {11.9999, 0, true, 12, 0, 1},  // rounding into the next hour and half
        {11.9999, 0, false, 11, 59, 0}, {23.9, 7, false, 12, 0, 0}, // past midnight
        {0.05, -5, false, 11, 58, 1},                               // before midnight
        {25.1, 0, false, 1, 6, 0},                                  // the engine's wrap comes first
        {-0.5, 1, false, 11, 31, 1},    {12.5, 5, true, 12, 35, 1},
    };
    for (const Case& c : cases)
    {
        const PrayerTime time = AdjustedTime(TimeAt(c.hours), c.minutes, c.round);
        EXPECT_TRUE(time.hasTime);
        EXPECT_EQ(time.hour, c.hour) << c.hours << " " << c.minutes;
        EXPECT_EQ(time.minute, c.minute) << c.hours << " " << c.minutes;
        EXPECT_EQ(time.pm, c.pm) << c.hours << " " << c.minutes;
        EXPECT_EQ(time.hours, c.hours + c.minutes / 60.0);
    }
    // Nothing added and no rounding: the very same record.
    const PrayerTime seed = TimeAt(6.3586);
    const PrayerTime same = AdjustedTime(seed, 0, false);
    EXPECT_EQ(same.hour, seed.hour);
    EXPECT_EQ(same.minute, seed.minute);
    EXPECT_EQ(same.hours, seed.hours);
    // A time the Sun does not bring about stays without one.
    EXPECT_FALSE(AdjustedTime(TimeAt(std::nan("")), 5, true).hasTime);
}

TEST(CalculationMethods, NamesAreFoundWithoutRegardToCase)
{
    ASSERT_NE(FindCalculationMethod("ummalqura"), nullptr);
    EXPECT_EQ(FindCalculationMethod("ummalqura")->ishaAngle, kNinetyMinuteIshaAngle);
    EXPECT_EQ(FindCalculationMethod("TURKEY")->adjustments, (MinuteAdjustments{0, -7, 5, 4, 7, 0}));
    EXPECT_EQ(FindCalculationMethod("Jafari"), nullptr);
    EXPECT_EQ(FindCalculationMethod(""), nullptr);
}

} // namespace
} // namespace halvo
