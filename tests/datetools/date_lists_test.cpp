#include "datetools/date_lists.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

// The lists once ended in 2030 and 1453: from 2031 on the Gregorian list
// could not show the current year and every Apply was refused. The first
// rows, and so the meaning of a row, stay as they were; a value beyond a
// list has no row there.
TEST(DateLists, YearListsKeepTheirFirstRowsAndReachTheirNewEnds)
{
    EXPECT_EQ(GregorianYearRowTexts().front(), "1995");
    EXPECT_EQ(GregorianYearRowTexts().back(), "2077");
    EXPECT_EQ(HijriYearRowTexts().front(), "1417");
    EXPECT_EQ(HijriYearRowTexts().back(), "1500");
    EXPECT_EQ(DayRowTexts().size(), 31u);

    const std::optional<GregorianDay> first = GregorianOfRows({0, 0, 0});
    const std::optional<GregorianDay> last = GregorianOfRows({30, 11, 82});
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->year, 1995);
    EXPECT_EQ(last->year, 2077);
    EXPECT_EQ(last->day, 31);
    EXPECT_EQ(HijriOfRows({0, 0, 83})->year, 1500);
    for (const DateRows missing : {DateRows{-1, 0, 0}, DateRows{0, -1, 0}, DateRows{0, 0, -1},
                                   DateRows{31, 0, 0}, DateRows{0, 0, 83}})
        EXPECT_FALSE(GregorianOfRows(missing)) << missing.day << " " << missing.year;

    EXPECT_EQ(GregorianRowsOf({15, 10, 2004}), (DateRows{14, 9, 9}));
    EXPECT_EQ(GregorianRowsOf({1, 1, 2078}), (DateRows{0, 0, -1}));
    EXPECT_EQ(HijriRowsOf({1, 9, 1425}), (DateRows{0, 8, 8}));
    EXPECT_EQ(HijriRowsOf({1, 1, 1416}), (DateRows{0, 0, -1}));
}

// The Hijri side can always move the Gregorian one: every Hijri row lands
// inside the Gregorian list. Only dates past the Hijri list fall after 2077.
TEST(DateLists, EveryHijriRowLandsInsideTheGregorianList)
{
    for (int year = kFirstHijriYear; year <= kLastHijriYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (const int day : {1, 30})
                ASSERT_GE(GregorianRowsOf(GregorianOf({day, month, year})).year, 0)
                    << day << "/" << month << "/" << year;
    EXPECT_EQ(GregorianRowsOf(GregorianOf({1, 6, 1502})).year, -1);
    EXPECT_EQ(CivilDateLine(GregorianOf({1, 9, 1425})), "15 October, 2004");
}

// An impossible day from the lists is the real day the display computes
// for it; real days, and their time of day, stay as they are.
TEST(DateLists, CalendarDateOfRunsImpossibleDaysIntoTheNextMonth)
{
    struct Case
    {
        DateRecord chosen;
        int year, month, day;
    };
    for (const Case& c :
         {Case{MakeDate(2026, 4, 31), 2026, 5, 1}, Case{MakeDate(2027, 2, 31), 2027, 3, 3},
          Case{MakeDate(2024, 2, 30), 2024, 3, 1}, Case{MakeDate(2024, 2, 29), 2024, 2, 29},
          Case{MakeDate(2077, 12, 31), 2077, 12, 31}})
    {
        DateRecord chosen = c.chosen;
        chosen.hour = 21;
        const DateRecord shown = CalendarDateOf(chosen);
        EXPECT_EQ(shown.year, c.year);
        EXPECT_EQ(shown.month, c.month) << c.chosen.month << "/" << c.chosen.day;
        EXPECT_EQ(shown.day, c.day) << c.chosen.month << "/" << c.chosen.day;
        EXPECT_EQ(shown.hour, 21);
    }
}

} // namespace
} // namespace halvo

namespace halvo
{
namespace
{

// The converters of the date windows follow the chosen calendar both ways:
// a civil date converted and back is the same date, whatever the choice.
TEST(DateLists, ConversionsRoundTripInEveryCalendarAndAdjustment)
{
    for (const HijriCalendar calendar : {HijriCalendar::kCivil, HijriCalendar::kUmmAlQura})
        for (int adjust = -2; adjust <= 2; ++adjust)
        {
            const CalendarChoice choice{calendar, adjust};
            for (int julian = static_cast<int>(JulianDayNumber(1995, 1, 1));
                 julian < static_cast<int>(JulianDayNumber(2077, 12, 31)); julian += 13)
            {
                const GregorianDay civil = GregorianFromJulianDay(julian);
                const HijriDay hijri = HijriOf(civil, choice);
                const GregorianDay back = GregorianOf(hijri, choice);
                ASSERT_EQ(back.day, civil.day) << julian << " " << adjust;
                ASSERT_EQ(back.month, civil.month);
                ASSERT_EQ(back.year, civil.year);
                const HijriDay unmoved =
                    HijriOf(GregorianFromJulianDay(julian + adjust), CalendarChoice{calendar, 0});
                EXPECT_EQ(hijri.day, unmoved.day);
            }
        }
    // The default choice is the engine's own: 1 January 2000 is 24 Ramadan 1420.
    const HijriDay plain = HijriOf(GregorianDay{1, 1, 2000}, CalendarChoice{});
    EXPECT_EQ(plain.day, 24);
    EXPECT_EQ(plain.month, 9);
    EXPECT_EQ(plain.year, 1420);
}

} // namespace
} // namespace halvo
