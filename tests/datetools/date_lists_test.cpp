#include "datetools/date_lists.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

// The lists once ended in 2030 and 1453; from 2031 on the Gregorian list
// could not show the current year and every Apply was refused. The first
// rows, and so the stored meaning of a row, stay as they were.
TEST(DateLists, YearListsKeepTheirFirstRowsAndReachTheirNewEnds)
{
    const std::vector<std::string> gregorian = GregorianYearRowTexts();
    ASSERT_EQ(gregorian.size(), 83u);
    EXPECT_EQ(gregorian.front(), "1995");
    EXPECT_EQ(gregorian[36], "2031");
    EXPECT_EQ(gregorian.back(), "2077");
    const std::vector<std::string> hijri = HijriYearRowTexts();
    ASSERT_EQ(hijri.size(), 84u);
    EXPECT_EQ(hijri.front(), "1417");
    EXPECT_EQ(hijri.back(), "1500");
    EXPECT_EQ(DayRowTexts().front(), "1");
    EXPECT_EQ(DayRowTexts().back(), "31");
    EXPECT_EQ(GregorianMonthRowTexts().front(), "January");
    EXPECT_EQ(HijriMonthRowTexts().front(), "Muharram");
    EXPECT_EQ(HijriMonthRowTexts().back(), "Thw al-hijjah");
}

TEST(DateLists, RowsGiveTheirValuesAndAMissingRowGivesNoDate)
{
    struct Case
    {
        DateRows rows;
        std::optional<GregorianDay> gregorian;
        std::optional<HijriDay> hijri;
    };
    const Case cases[] = {
        {{0, 0, 0}, GregorianDay{1, 1, 1995}, HijriDay{1, 1, 1417}},
        {{14, 9, 9}, GregorianDay{15, 10, 2004}, HijriDay{15, 10, 1426}},
        {{30, 11, 82}, GregorianDay{31, 12, 2077}, HijriDay{31, 12, 1499}},
        {{0, 0, 83}, std::nullopt, HijriDay{1, 1, 1500}},
        {{-1, 0, 0}, std::nullopt, std::nullopt},
        {{0, -1, 0}, std::nullopt, std::nullopt},
        {{0, 0, -1}, std::nullopt, std::nullopt},
        {{31, 0, 0}, std::nullopt, std::nullopt},
        {{0, 12, 0}, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases)
    {
        const auto gregorian = GregorianOfRows(c.rows);
        const auto hijri = HijriOfRows(c.rows);
        ASSERT_EQ(gregorian.has_value(), c.gregorian.has_value()) << c.rows.year;
        ASSERT_EQ(hijri.has_value(), c.hijri.has_value()) << c.rows.year;
        if (gregorian)
        {
            EXPECT_EQ(gregorian->year, c.gregorian->year);
            EXPECT_EQ(gregorian->month, c.gregorian->month);
            EXPECT_EQ(gregorian->day, c.gregorian->day);
        }
        if (hijri)
        {
            EXPECT_EQ(hijri->year, c.hijri->year);
            EXPECT_EQ(hijri->month, c.hijri->month);
            EXPECT_EQ(hijri->day, c.hijri->day);
        }
    }
}

// A value outside a list gives -1 there, so that list keeps what it showed.
TEST(DateLists, DatesOutsideTheListsSelectNoRowThere)
{
    EXPECT_EQ(GregorianRowsOf({15, 10, 2004}), (DateRows{14, 9, 9}));
    EXPECT_EQ(GregorianRowsOf({1, 1, 1994}), (DateRows{0, 0, -1}));
    EXPECT_EQ(GregorianRowsOf({1, 1, 2078}), (DateRows{0, 0, -1}));
    EXPECT_EQ(GregorianRowsOf({31, 12, 2077}), (DateRows{30, 11, 82}));
    EXPECT_EQ(HijriRowsOf({1, 9, 1425}), (DateRows{0, 8, 8}));
    EXPECT_EQ(HijriRowsOf({1, 1, 1416}), (DateRows{0, 0, -1}));
    EXPECT_EQ(HijriRowsOf({1, 1, 1501}), (DateRows{0, 0, -1}));
}

TEST(DateLists, ConversionsMeetInBothDirections)
{
    struct Case
    {
        GregorianDay gregorian;
        HijriDay hijri;
        const char* line;
    };
    const Case cases[] = {
        {{15, 10, 2004}, {1, 9, 1425}, "15 October, 2004"},
        {{1, 1, 2000}, {24, 9, 1420}, "1 January, 2000"},
        {{22, 2, 2004}, {1, 1, 1425}, "22 February, 2004"},
    };
    for (const Case& c : cases)
    {
        const HijriDay hijri = HijriOf(c.gregorian);
        EXPECT_EQ(hijri.day, c.hijri.day) << c.line;
        EXPECT_EQ(hijri.month, c.hijri.month) << c.line;
        EXPECT_EQ(hijri.year, c.hijri.year) << c.line;
        EXPECT_EQ(CivilDateLine(GregorianOf(c.hijri)), c.line);
    }
}

// Every Hijri row converts into the Gregorian list, so the Hijri side can
// always move the Gregorian one; only dates beyond the Hijri list (1501 on)
// land after 2077.
TEST(DateLists, EveryHijriRowLandsInsideTheGregorianList)
{
    for (int year = kFirstHijriYear; year <= kLastHijriYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (const int day : {1, 30})
            {
                const DateRows rows = GregorianRowsOf(GregorianOf({day, month, year}));
                ASSERT_GE(rows.year, 0) << day << "/" << month << "/" << year;
            }
    EXPECT_EQ(GregorianRowsOf(GregorianOf({1, 6, 1502})).year, -1);
}

} // namespace
} // namespace halvo
