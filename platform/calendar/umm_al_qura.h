#pragma once

// The Umm al-Qura calendar, the official Hijri calendar of Saudi Arabia,
// from ICU's islamic-umalqura calendar. Its months follow a published table
// (1300 to 1600 A.H.); outside it ICU counts the arithmetic calendar.

#include "engine/hijri_calendar.h"

#include <optional>

namespace halvo
{

// The years of the published table. Outside them ICU's dates are the
// arithmetic calendar's, not Umm al-Qura dates.
inline constexpr int kFirstUmmAlQuraYear = 1300;
inline constexpr int kLastUmmAlQuraYear = 1600;
inline constexpr bool IsUmmAlQuraTableYear(int year)
{
    return year >= kFirstUmmAlQuraYear && year <= kLastUmmAlQuraYear;
}

// The Umm al-Qura date of a Julian day number; none when ICU cannot say.
std::optional<HijriDay> UmmAlQuraFromJulianDay(int julianDay);

// The Julian day number of an Umm al-Qura date. As with the arithmetic
// converter, a day past the end of its month runs into the next month.
std::optional<int> UmmAlQuraToJulianDay(int year, int month, int day);

} // namespace halvo
