// The text helpers that come from ICU or guard messages: loose matching,
// the Umm al-Qura calendar, and texts made safe for one line.
#include "engine/hijri_calendar.h"
#include "platform/calendar/umm_al_qura.h"
#include "platform/text/loose_match.h"
#include "platform/text/plain_text.h"
#include "platform/text/quoted.h"

#include <gtest/gtest.h>
#include <unicode/ucal.h>

#include <cstdlib>

namespace halvo
{
namespace
{

TEST(LooseMatch, CaseAndAccentsDoNotCountLettersAndPunctuationDo)
{
    struct Case
    {
        const char* typed;
        const char* text;
        LooseMatch match;
    };
    const Case cases[] = {
        {"tehran", "Tehr\u0101n", LooseMatch::kWhole},
        {"istanbul", "\u0130stanbul", LooseMatch::kWhole},
        {"ISTANBUL", "\u0130stanbul", LooseMatch::kWhole},
        {"cote d'ivoire", "C\u00F4te d'Ivoire", LooseMatch::kWhole},
        {"cord", "C\u00F3rdoba, Andalusia", LooseMatch::kPrefix},
        {"cord", "Concordia", LooseMatch::kContains},
        {"york", "New York City, NY", LooseMatch::kContains},
        {"new york", "New York City, NY", LooseMatch::kPrefix},
        {"newyork", "New York City, NY", LooseMatch::kNone},
        {"seattle,", "Seattle WA", LooseMatch::kNone},
        {"tehran", "Tehr", LooseMatch::kNone},
        {"a", "\xff\xfe", LooseMatch::kNone},
    };
    for (const Case& c : cases)
    {
        LooseSearch search(c.typed);
        EXPECT_EQ(search.In(c.text), c.match) << c.typed << " in " << c.text;
        EXPECT_EQ(search.Equals(c.text), c.match == LooseMatch::kWhole) << c.typed;
        EXPECT_EQ(LooselyEqual(c.typed, c.text), c.match == LooseMatch::kWhole) << c.typed;
    }
}

// The one trimming and spelling help every typed name goes through: a slip
// here lets look-alike names in or keeps a meant country out.
TEST(PlainText, TrimsBlanksComparesWithoutCaseAndCountsSlips)
{
    EXPECT_EQ(TrimBlanks(" \t Cairo \t"), "Cairo");
    EXPECT_EQ(TrimBlanks("New  York"), "New  York");
    EXPECT_EQ(TrimBlanks(" \t "), "");
    EXPECT_EQ(TrimBlanks("\nX"), "\nX"); // only blanks and tabs are trimmed

    EXPECT_TRUE(EqualIgnoringAsciiCase("UmmAlQura", "ummalqura"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("Turkey", "Turkey "));
    EXPECT_FALSE(EqualIgnoringAsciiCase("\xC3\x89", "\xC3\xA9")); // not beyond ASCII

    const struct
    {
        const char* a;
        const char* b;
        std::size_t distance;
    } slips[] = {
        {"", "", 0},       {"times", "times", 0}, {"tims", "times", 1},    {"Egpyt", "Egypt", 2},
        {"USA", "usa", 0}, {"", "abc", 3},        {"kitten", "sitting", 3}};
    for (const auto& slip : slips)
    {
        EXPECT_EQ(EditDistance(slip.a, slip.b), slip.distance) << slip.a << " ~ " << slip.b;
        EXPECT_EQ(EditDistance(slip.b, slip.a), slip.distance) << slip.b << " ~ " << slip.a;
    }
}

TEST(UmmAlQura, KnownMonthStartsAndARoundTripOverNinetyYears)
{
    struct Case
    {
        int year, month, day;      // civil
        int hijriYear, hijriMonth; // day 1 of it
    };
    // Month starts of the official calendar, as announced.
    const Case cases[] = {
        {2025, 3, 1, 1446, 9},   {2025, 3, 30, 1446, 10}, {2026, 2, 18, 1447, 9},
        {2026, 3, 20, 1447, 10}, {2026, 6, 16, 1448, 1},
    };
    for (const Case& c : cases)
    {
        const int day = static_cast<int>(JulianDayNumber(c.year, c.month, c.day));
        const auto hijri = UmmAlQuraFromJulianDay(day);
        ASSERT_TRUE(hijri);
        EXPECT_EQ(hijri->day, 1) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(hijri->month, c.hijriMonth);
        EXPECT_EQ(hijri->year, c.hijriYear);
        EXPECT_EQ(UmmAlQuraToJulianDay(c.hijriYear, c.hijriMonth, 1), day);
    }
    int agree = 0;
    const int first = static_cast<int>(JulianDayNumber(1990, 1, 1));
    const int last = static_cast<int>(JulianDayNumber(2076, 12, 31));
    for (int day = first; day <= last; ++day)
    {
        const auto hijri = UmmAlQuraFromJulianDay(day);
        ASSERT_TRUE(hijri) << day;
        ASSERT_EQ(UmmAlQuraToJulianDay(hijri->year, hijri->month, hijri->day), day);
        const HijriDay civil = HijriFromJulianDay(day);
        agree +=
            civil.day == hijri->day && civil.month == hijri->month && civil.year == hijri->year;
        // The two calendars never drift apart by more than a couple of days.
        ASSERT_LE(std::abs(HijriToJulianDay(hijri->year, hijri->month, hijri->day) - day), 2);
    }
    // The official calendar is not the arithmetic one: they agree on little
    // more than half of the days.
    const double share = static_cast<double>(agree) / (last - first + 1);
    EXPECT_GT(share, 0.5);
    EXPECT_LT(share, 0.65);
}

// ICU's own date of a day, through a calendar of the test's own.
std::optional<HijriDay> IcuUmmAlQuraDate(UCalendar* calendar, int julianDay)
{
    UErrorCode status = U_ZERO_ERROR;
    ucal_setMillis(calendar, (julianDay - 2440588 + 0.5) * 86400000.0, &status);
    HijriDay hijri;
    hijri.year = ucal_get(calendar, UCAL_EXTENDED_YEAR, &status);
    hijri.month = ucal_get(calendar, UCAL_MONTH, &status) + 1;
    hijri.day = ucal_get(calendar, UCAL_DATE, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    return hijri;
}

// The dates are read from month starts a year at a time: every day of the
// table and a month either side of it must still be ICU's own date. Inside
// a month both count days one by one, so ICU is asked at the days around
// each month's end (its own answer takes a long time).
TEST(UmmAlQura, EveryDayOfTheTableIsIcusOwnDate)
{
    UErrorCode status = U_ZERO_ERROR;
    static const UChar utc[] = {u'U', u'T', u'C', 0};
    UCalendar* calendar = ucal_open(utc, -1, "en@calendar=islamic-umalqura", UCAL_DEFAULT, &status);
    ASSERT_TRUE(U_SUCCESS(status));
    const int first = HijriToJulianDay(kFirstUmmAlQuraYear, 1, 1) - 40;
    const int last = HijriToJulianDay(kLastUmmAlQuraYear + 1, 1, 1) + 40;
    auto previous = UmmAlQuraFromJulianDay(first - 1);
    ASSERT_TRUE(previous);
    for (int day = first; day <= last; ++day)
    {
        const auto ours = UmmAlQuraFromJulianDay(day);
        ASSERT_TRUE(ours) << day;
        const bool monthEnd = ours->day == 1 || ours->day >= 29;
        if (monthEnd || day == first || day == last)
        {
            const auto icu = IcuUmmAlQuraDate(calendar, day);
            ASSERT_TRUE(icu) << day;
            ASSERT_EQ(ours->year, icu->year) << day;
            ASSERT_EQ(ours->month, icu->month) << day;
            ASSERT_EQ(ours->day, icu->day) << day;
        }
        else
        {
            ASSERT_EQ(ours->day, previous->day + 1) << day;
            ASSERT_EQ(ours->month, previous->month) << day;
            ASSERT_EQ(ours->year, previous->year) << day;
        }
        previous = ours;
    }
    ucal_close(calendar);
}

TEST(EscapedForLine, ControlCharactersAndBadBytesBecomeVisibleEscapes)
{
    struct Case
    {
        const char* text;
        const char* escaped;
    };
    const Case cases[] = {
        {"Seattle, WA", "Seattle, WA"},
        {"T\u0101 \u0130 \u2019", "T\u0101 \u0130 \u2019"},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {"\x1b[31m\x7f", "\\x1B[31m\\x7F"},
        {"\xc2\x85\xc2\x9f\xc2\xa0", "\\u0085\\u009F\u00A0"},
        {"\xff\xc3\x28\xe2\x82", "\\xFF\\xC3(\\xE2\\x82"},
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"}, // a surrogate is not UTF-8
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(EscapedForLine(c.text), c.escaped) << c.text;
        EXPECT_EQ(EscapedForLine(EscapedForLine(c.text)), c.escaped) << c.text;
    }
    EXPECT_EQ(Quoted("a\nb"), "\"a\\nb\"");
}

} // namespace
} // namespace halvo
