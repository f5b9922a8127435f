#pragma once

#include "engine/date_record.h"
#include "locations/location_records.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace halvo
{

struct MonthDay
{
    int month = 0;
    int day = 0;
    auto operator<=>(const MonthDay&) const = default;
};

// True when the rule names a real transition: occurrence 1..5, month 1..12,
// day of week 0..6.
bool IsDefinedRule(const DstRule& rule);

// The day in the given year on which the rule falls; occurrence 5 means the
// last such weekday (the fourth when the month has only four). Empty for a
// rule with no defined transition.
std::optional<MonthDay> TransitionDay(const DstRule& rule, int year);

// Whether a zone observes daylight saving at all: END month set, both rules
// defined, and START and END not on the same day of that year.
bool HasDaylightSaving(const TimeZoneRecord& zone, int year);

// Daylight time runs from the START day (inclusive) to the END day
// (exclusive); when START falls after END in the year (southern hemisphere)
// the interval wraps over the new year.
bool IsDaylightOnDate(const TimeZoneRecord& zone, int year, int month, int day);

// Hours east of UTC: bias x (1/60) x (-1), one hour more while daylight time
// is in force on the date. Never -0.0.
double StandardOffsetHours(const TimeZoneRecord& zone);
double UtcOffsetForZone(const TimeZoneRecord& zone, const DateRecord& date);

// "+5.5 India Standard Time", "-5.0 Eastern Standard Time", "0.0 GMT".
std::string OffsetLabel(double offsetHours, const std::string& zoneName);

} // namespace halvo
