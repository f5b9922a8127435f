#include "engine/hijri_calendar.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

TEST(HijriCalendar, ReferenceDatesConvertBothWays)
{
    EXPECT_EQ(JulianDayNumber(2000, 1, 1), 2451545);
    const HijriDay ramadan = HijriFromJulianDay(2451545);
    EXPECT_EQ(ramadan.day, 24);
    EXPECT_EQ(ramadan.month, 9);
    EXPECT_EQ(ramadan.year, 1420);
    const HijriDate back(1420, 9, 24);
    EXPECT_EQ(back.gregorianYear, 2000);
    EXPECT_EQ(back.gregorianMonth, 1);
    EXPECT_EQ(back.gregorianDay, 1);

    // The epoch: 16 July 622, a Julian-calendar date.
    EXPECT_EQ(JulianDayNumber(622, 7, 16), 1948440);
    const HijriDay first = HijriFromJulianDay(1948440);
    EXPECT_EQ(first.day, 1);
    EXPECT_EQ(first.month, 1);
    EXPECT_EQ(first.year, 1);
    const HijriDate epoch(1, 1, 1);
    EXPECT_EQ(epoch.gregorianYear, 622);
    EXPECT_EQ(epoch.gregorianMonth, 7);
    EXPECT_EQ(epoch.gregorianDay, 16);
}

TEST(HijriCalendar, CalendarReformReadsEarlierDatesAsJulian)
{
    EXPECT_EQ(JulianDayNumber(1582, 10, 15), 2299161);
    EXPECT_EQ(JulianDayNumber(1582, 10, 4), 2299160);
    // 5 to 14 October 1582 never existed in the Gregorian calendar; they are
    // read as Julian dates and continue the count.
    EXPECT_EQ(JulianDayNumber(1582, 10, 5), 2299161);
    EXPECT_EQ(JulianDayNumber(1582, 10, 14), 2299170);
    const GregorianDay reform = GregorianFromJulianDay(2299161);
    EXPECT_EQ(reform.year, 1582);
    EXPECT_EQ(reform.month, 10);
    EXPECT_EQ(reform.day, 15);
    const GregorianDay before = GregorianFromJulianDay(2299160);
    EXPECT_EQ(before.day, 4);
    // 1500 is a leap year in the Julian calendar.
    EXPECT_EQ(JulianDayNumber(1500, 3, 1) - JulianDayNumber(1500, 2, 28), 2);
}

// Walks every day from the Hijri epoch to the end of 2200 and checks both
// conversions against each other and the shape of the Hijri months.
TEST(HijriCalendar, HijriRoundTripsEveryDayFrom622To2200)
{
    const int first = 1948440;
    const int last = static_cast<int>(JulianDayNumber(2200, 12, 31));
    HijriDay previous = HijriFromJulianDay(first - 1);
    int monthLength = 0;
    int checkedMonths = 0;
    for (int jdn = first; jdn <= last; ++jdn)
    {
        const GregorianDay civil = GregorianFromJulianDay(jdn);
        ASSERT_EQ(JulianDayNumber(civil.year, civil.month, civil.day), jdn);

        const HijriDay hijri = HijriFromJulianDay(jdn);
        ASSERT_EQ(HijriToJulianDay(hijri.year, hijri.month, hijri.day), jdn);
        ASSERT_GE(hijri.month, 1);
        ASSERT_LE(hijri.month, 12);

        if (hijri.day == 1)
        {
            if (jdn > first)
            {
                ASSERT_TRUE(monthLength == 29 || monthLength == 30) << jdn;
                if (previous.month == 12)
                {
                    // The last month is long in the leap years of the 30-year cycle.
                    const int yearInCycle = (previous.year - 1) % 30 + 1;
                    const bool leap = yearInCycle == 2 || yearInCycle == 5 || yearInCycle == 7 ||
                                      yearInCycle == 10 || yearInCycle == 13 || yearInCycle == 16 ||
                                      yearInCycle == 18 || yearInCycle == 21 || yearInCycle == 24 ||
                                      yearInCycle == 26 || yearInCycle == 29;
                    ASSERT_EQ(monthLength, leap ? 30 : 29) << previous.year;
                }
                ASSERT_EQ(hijri.month, previous.month % 12 + 1);
                ++checkedMonths;
            }
            monthLength = 0;
        }
        else
        {
            ASSERT_EQ(hijri.day, previous.day + 1) << jdn;
            ASSERT_EQ(hijri.month, previous.month);
        }
        ++monthLength;
        previous = hijri;
    }
    EXPECT_GT(checkedMonths, 19000);
}

TEST(HijriCalendar, DayThirtyOfAShortMonthLandsOnTheNextMonth)
{
    // Muharram has 30 days, Safar 29 in the tabular calendar.
    const HijriDate safar30(1420, 2, 30);
    const HijriDate rabi1(1420, 3, 1);
    EXPECT_EQ(safar30.gregorianYear, rabi1.gregorianYear);
    EXPECT_EQ(safar30.gregorianMonth, rabi1.gregorianMonth);
    EXPECT_EQ(safar30.gregorianDay, rabi1.gregorianDay);
}

} // namespace
} // namespace halvo
