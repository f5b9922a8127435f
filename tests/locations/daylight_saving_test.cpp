// Daylight-saving rules on both hemispheres. Weekdays checked against a
// calendar: Sundays of March 2026 are 1, 8, 15, 22, 29; of October 2026
// 4, 11, 18, 25; of March 2030 3, 10, 17, 24, 31; of April 2026 5, 12, 19, 26.
#include "locations/daylight_saving.h"
#include "platform/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace halvo
{
namespace
{

constexpr std::uint16_t kSunday = 0;

DstRule Rule(std::uint16_t occurrence, std::uint16_t dayOfWeek, std::uint16_t month)
{
    return DstRule{month, dayOfWeek, occurrence};
}

TimeZoneRecord Zone(const char* bias, DstRule start, DstRule end)
{
    TimeZoneRecord zone;
    zone.id = 1;
    zone.standardName = "Standard";
    zone.daylightName = "Daylight";
    zone.bias = bias;
    zone.start = start;
    zone.end = end;
    return zone;
}

TEST(TransitionDay, FallsInTheYearAskedForNotTheClockYear)
{
    struct Case
    {
        DstRule rule;
        int year;
        MonthDay expected;
    };
    const Case cases[] = {
        {Rule(2, kSunday, 3), 2026, {3, 8}},
        {Rule(2, kSunday, 3), 2027, {3, 14}},
        {Rule(2, kSunday, 3), 2030, {3, 10}},
        {Rule(1, kSunday, 11), 2026, {11, 1}},
        // "Fifth" is the last: the fifth when the month has five ...
        {Rule(5, kSunday, 3), 2026, {3, 29}},
        {Rule(5, kSunday, 3), 2030, {3, 31}},
        // ... and the fourth when it has only four.
        {Rule(5, kSunday, 10), 2026, {10, 25}},
        {Rule(5, kSunday, 2), 2026, {2, 22}},
        // 29 February exists only in leap years.
        {Rule(5, 0, 2), 2032, {2, 29}},
    };
    for (const Case& c : cases)
    {
        const auto day = TransitionDay(c.rule, c.year);
        ASSERT_TRUE(day.has_value()) << c.year;
        EXPECT_EQ(*day, c.expected) << "month " << c.rule.month << " occurrence "
                                    << c.rule.occurrence << " year " << c.year;
    }
}

TEST(TransitionDay, RuleOutsideItsRangesHasNoTransition)
{
    const DstRule undefined[] = {
        Rule(0, kSunday, 3), Rule(6, kSunday, 3),  Rule(2, 7, 3),
        Rule(2, kSunday, 0), Rule(2, kSunday, 13), Rule(65535, 65535, 65535),
    };
    for (const DstRule& rule : undefined)
    {
        EXPECT_FALSE(TransitionDay(rule, 2026).has_value())
            << rule.occurrence << " " << rule.dayOfWeek << " " << rule.month;
    }
}

TEST(DaylightSaving, IntervalHoldsOnBothHemispheresAndWithinOneMonth)
{
    const TimeZoneRecord northern = Zone("480", Rule(2, kSunday, 3), Rule(1, kSunday, 11));
    // START after END in the year: daylight time wraps over the new year.
    const TimeZoneRecord southern = Zone("-600", Rule(1, kSunday, 10), Rule(1, kSunday, 4));
    // START and END in one month: an interval, not the whole month.
    const TimeZoneRecord oneMonth = Zone("0", Rule(1, kSunday, 3), Rule(3, kSunday, 3));
    struct Case
    {
        const TimeZoneRecord* zone;
        int month;
        int day;
        bool daylight;
    };
    const Case cases[] = {
        {&northern, 1, 1, false},   {&northern, 3, 7, false},  {&northern, 3, 8, true},
        {&northern, 7, 1, true},    {&northern, 10, 31, true}, {&northern, 11, 1, false},
        {&northern, 12, 31, false}, {&southern, 1, 15, true},  {&southern, 2, 28, true},
        {&southern, 4, 4, true},    {&southern, 4, 5, false},  {&southern, 7, 1, false},
        {&southern, 10, 3, false},  {&southern, 10, 4, true},  {&southern, 11, 20, true},
        {&southern, 12, 31, true},  {&oneMonth, 2, 28, false}, {&oneMonth, 3, 1, true},
        {&oneMonth, 3, 14, true},   {&oneMonth, 3, 15, false}, {&oneMonth, 3, 31, false},
        {&oneMonth, 4, 1, false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(IsDaylightOnDate(*c.zone, 2026, c.month, c.day), c.daylight)
            << "bias " << c.zone->bias << " on 2026-" << c.month << "-" << c.day;
    }
}

TEST(DaylightSaving, UndefinedOrEmptyRulesMeanNoDaylightSaving)
{
    const TimeZoneRecord zones[] = {
        // END month 0 decides, whatever START holds.
        Zone("480", Rule(2, kSunday, 3), Rule(1, kSunday, 0)),
        // END set but START month 0.
        Zone("480", Rule(2, kSunday, 0), Rule(1, kSunday, 11)),
        // START and END on the same day.
        Zone("480", Rule(2, kSunday, 3), Rule(2, kSunday, 3)),
        Zone("480", Rule(0, kSunday, 3), Rule(1, kSunday, 11)),
        Zone("480", Rule(2, 9, 3), Rule(1, kSunday, 11)),
        Zone("480", Rule(2, kSunday, 3), Rule(1, kSunday, 14)),
    };
    for (const TimeZoneRecord& zone : zones)
    {
        for (int month = 1; month <= 12; ++month)
        {
            for (int day = 1; day <= 28; day += 3)
            {
                ASSERT_FALSE(IsDaylightOnDate(zone, 2026, month, day)) << month << "-" << day;
                ASSERT_EQ(UtcOffsetForZone(zone, MakeDate(2026, month, day)), -8.0);
            }
        }
    }
}

TEST(UtcOffset, BiasGivesHoursEastWithOneMoreInDaylightTimeAndNoNegativeZero)
{
    const DstRule none{};
    struct Case
    {
        const char* bias;
        DateRecord date;
        bool withRules;
        double expected;
    };
    const Case cases[] = {
        {"480", MakeDate(2026, 1, 10), true, -8.0},
        {"480", MakeDate(2026, 3, 8), true, -7.0},
        {"-330", MakeDate(2026, 6, 1), false, 5.5},
        {"-180", MakeDate(2026, 6, 1), false, 3.0},
        {"-345.5", MakeDate(2026, 6, 1), false, 345.5 * (1.0 / 60.0)},
        {"60", MakeDate(2026, 7, 1), true, 0.0},
        {"0", MakeDate(2026, 1, 1), false, 0.0},
        {"junk", MakeDate(2026, 1, 1), false, 0.0},
    };
    for (const Case& c : cases)
    {
        const TimeZoneRecord zone = c.withRules
                                        ? Zone(c.bias, Rule(2, kSunday, 3), Rule(1, kSunday, 11))
                                        : Zone(c.bias, none, none);
        const double offset = UtcOffsetForZone(zone, c.date);
        EXPECT_DOUBLE_EQ(offset, c.expected) << c.bias;
        EXPECT_FALSE(std::signbit(offset) && offset == 0.0) << "negative zero for bias " << c.bias;
    }
}

TEST(OffsetLabel, SignAndOneDecimalWithZeroNeverNegative)
{
    struct Case
    {
        double offset;
        const char* expected;
    };
    const Case cases[] = {
        {5.5, "+5.5 Name"},  {-5.0, "-5.0 Name"}, {0.0, "0.0 Name"},     {-0.0, "0.0 Name"},
        {-0.01, "0.0 Name"}, {0.01, "0.0 Name"},  {12.75, "+12.8 Name"}, {-9.5, "-9.5 Name"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(OffsetLabel(c.offset, "Name"), c.expected) << c.offset;
    }
}

TEST(NumberTexts, LeadingIntegerStopsAtTheFirstOtherCharacterAndSaturates)
{
    struct Case
    {
        const char* text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"-350", -350},
        {"625", 625},
        {"+7", 7},
        {"  42x", 42},
        {"4.9", 4},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"99999999999", std::numeric_limits<std::int32_t>::max()},
        {"-99999999999", std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(LeadingInteger(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_DOUBLE_EQ(LeadingNumber(" -345.5 "), -345.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("+60"), 60.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("x60"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    // A bias text that the library alone would read as NaN or infinity (a
    // zone line found so by fuzzing) is no number: its offset stays finite.
    for (const char* text : {"NaN", "nan|]5", "-nan", "inf", "-Infinity", "."})
        EXPECT_DOUBLE_EQ(LeadingNumber(text), 0.0) << text;
    TimeZoneRecord zone;
    zone.bias = "Nand|]5";
    EXPECT_DOUBLE_EQ(UtcOffsetForZone(zone, MakeDate(2026, 6, 28)), 0.0);
}

} // namespace
} // namespace halvo
