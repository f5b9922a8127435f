#pragma once

// The next prayer from a moment of the local clock: what `tavorin next`
// prints for a status bar.

#include "cli/day_output.h"
#include "engine/date_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace halvo::cli
{

struct NextPrayer
{
    std::size_t index = 0; // into the six times; never Sunrise
    bool tomorrow = false; // tomorrow's Fajr, after today's Isha
    PrayerTime time;
    int minutesLeft = 0; // whole minutes, a part of a minute counted as one
};

// The first of the five prayers of today still to come at `now` (a prayer
// has come once its Adhan would sound: at its computed moment, but not
// before the first second of its shown minute), else tomorrow's
// first prayer with a time. offsetChange is tomorrow's UTC offset less
// today's, in hours, so a night that changes the clocks counts right.
// Nothing when neither day has a prayer time left (polar days and nights).
std::optional<NextPrayer> FindNextPrayer(const ShownDay& today, const ShownDay& tomorrow,
                                         double offsetChange, const DateRecord& now);

// "1:12": hours and minutes left.
std::string LeftText(int minutes);

// The format with {name}, {time}, {left} and {minutes} filled in; "{{" and
// "}}" are braces. Any other field is a UsageError naming it.
std::string FormatNextPrayer(std::string_view format, const NextPrayer& next, bool clock24);

} // namespace halvo::cli
