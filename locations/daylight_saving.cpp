#include "locations/daylight_saving.h"

#include "platform/text/number_text.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <limits>

namespace halvo
{

namespace
{

// The two offsets are computed as the stored bias is: the reciprocal 1/60
// multiplied, then negated, so that every caller gets the same bits.
constexpr double kMinutesToHours = 1.0 / 60.0;

double NoNegativeZero(double value)
{
    return value == 0.0 ? 0.0 : value;
}

} // namespace

bool IsDefinedRule(const DstRule& rule)
{
    return rule.occurrence >= 1 && rule.occurrence <= 5 && rule.month >= 1 && rule.month <= 12 &&
           rule.dayOfWeek <= 6;
}

std::optional<MonthDay> TransitionDay(const DstRule& rule, int year)
{
    using namespace std::chrono;
    if (!IsDefinedRule(rule))
    {
        return std::nullopt;
    }
    int count = 0;
    int fourth = 0;
    for (unsigned day = 1; day <= 31; ++day)
    {
        const year_month_day date{std::chrono::year{year}, std::chrono::month{rule.month},
                                  std::chrono::day{day}};
        if (!date.ok())
        {
            break;
        }
        if (weekday{sys_days{date}}.c_encoding() != rule.dayOfWeek)
        {
            continue;
        }
        ++count;
        if (count == 4)
        {
            fourth = static_cast<int>(day);
        }
        if (count == rule.occurrence)
        {
            return MonthDay{rule.month, static_cast<int>(day)};
        }
    }
    // Every month has at least four of each weekday, so "fifth" without a
    // fifth is the last, that is the fourth.
    return MonthDay{rule.month, fourth};
}

bool HasDaylightSaving(const TimeZoneRecord& zone, int year)
{
    if (zone.end.month == 0)
    {
        return false;
    }
    const auto start = TransitionDay(zone.start, year);
    const auto end = TransitionDay(zone.end, year);
    return start && end && *start != *end;
}

bool IsDaylightOnDate(const TimeZoneRecord& zone, int year, int month, int day)
{
    if (!HasDaylightSaving(zone, year))
    {
        return false;
    }
    const MonthDay start = *TransitionDay(zone.start, year);
    const MonthDay end = *TransitionDay(zone.end, year);
    const MonthDay date{month, day};
    if (start < end)
    {
        return start <= date && date < end;
    }
    return date >= start || date < end;
}

double StandardOffsetHours(const TimeZoneRecord& zone)
{
    return NoNegativeZero(LeadingNumber(zone.bias) * kMinutesToHours * -1.0);
}

double UtcOffsetForZone(const TimeZoneRecord& zone, const DateRecord& date)
{
    if (IsDaylightOnDate(zone, date.year, date.month, date.day))
    {
        return NoNegativeZero((LeadingNumber(zone.bias) - 60.0) * kMinutesToHours * -1.0);
    }
    return StandardOffsetHours(zone);
}

std::string OffsetLabel(double offsetHours, const std::string& zoneName)
{
    char number[64];
    std::snprintf(number, sizeof number, "%.1f", offsetHours);
    std::string text = number;
    // An offset that rounds to zero is "0.0" whatever its sign.
    if (text == "-0.0")
    {
        text = "0.0";
    }
    if (offsetHours > 0 && text != "0.0")
    {
        text.insert(text.begin(), '+');
    }
    return text + " " + zoneName;
}

} // namespace halvo
