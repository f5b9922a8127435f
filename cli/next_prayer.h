#pragma once

// The next prayer from a moment of the local clock: what `tavorin next`
// prints for a status bar.

#include "cli/day_output.h"
#include "day/next_prayer.h"
#include "engine/date_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace halvo::cli
{

using halvo::NextPrayer;

// The next prayer after `now` among the times of two shown days (see
// halvo::FindNextPrayer).
std::optional<NextPrayer> FindNextPrayer(const ShownDay& today, const ShownDay& tomorrow,
                                         double offsetChange, const DateRecord& now);

// "1:12": hours and minutes left.
std::string LeftText(int minutes);

// The format with {name}, {time}, {left} and {minutes} filled in; "{{" and
// "}}" are braces. Any other field is a UsageError naming it.
std::string FormatNextPrayer(std::string_view format, const NextPrayer& next, bool clock24);

} // namespace halvo::cli
