#include "engine/solar_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvo
{
namespace
{

TEST(SolarModel, FirstJanuary2000MatchesTheReferenceDay)
{
    EXPECT_EQ(DaysFrom2000(2000, 1, 1), 0.0);
    const SolarQuantities sun = SunPosition(2000, 1, 1);
    EXPECT_EQ(sun.T, 0.0);
    EXPECT_NEAR(sun.M, 357.528, 1e-9);
    EXPECT_NEAR(sun.Ceq, -0.0843, 5e-5);
    EXPECT_NEAR(sun.lambda, 280.3757, 5e-5);
    EXPECT_NEAR(sun.RA, 281.2846, 5e-5);
    EXPECT_NEAR(sun.decl, -23.0338, 5e-5);
    EXPECT_NEAR(NoonTime(0, 0, sun), 12.0550, 5e-5);
}

TEST(SolarModel, DayCountPutsLeapDaysAtTheEndOfTheYear)
{
    struct Case
    {
        int year, month, day;
        double expected;
    };
    const Case cases[] = {
        {2000, 1, 2, 1},
        {2000, 2, 1, 31},
        {2000, 2, 29, 59},
        {2000, 3, 1, 60},
        {2001, 1, 1, 366},
        {1999, 12, 31, -1},
        {1976, 3, 1, -8706},
        // Before March 1976 the floor of a negative product counts down.
        {1976, 2, 29, -8707},
        {1975, 3, 1, -9072},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(DaysFrom2000(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(SolarModel, NormalizeAngleWrapsBothWays)
{
    EXPECT_EQ(NormalizeAngle(-10), 350);
    EXPECT_EQ(NormalizeAngle(360), 0);
    EXPECT_EQ(NormalizeAngle(725), 5);
    EXPECT_EQ(NormalizeAngle(0), 0);
    for (double x = -1000; x < 1000; x += 7.3)
    {
        const double a = NormalizeAngle(x);
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 360);
    }
}

TEST(SolarModel, TwelveHourClockKeepsNoonAndMidnightAsTwelve)
{
    const int expected[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                              12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int hour = 0; hour < 24; ++hour)
    {
        EXPECT_EQ(To12Hour(hour), expected[hour]) << hour;
    }
}

TEST(SolarModel, AsrAngleIsTheAltitudeOfTheShadowRatio)
{
    EXPECT_NEAR(AsrAngle(1), 135, 1e-3);
    EXPECT_NEAR(std::sin(AsrAngle(1) * RAD), std::sin(45 * RAD), 1e-5);
    // sin(90 + atan x) is the sine of the altitude whose cotangent is x.
    for (double x : {1.2, 2.0, 3.5})
    {
        EXPECT_NEAR(std::sin(AsrAngle(x) * RAD), std::sin(std::atan(1 / x)), 1e-4) << x;
    }
}

} // namespace
} // namespace halvo
