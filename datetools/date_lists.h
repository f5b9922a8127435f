#pragma once

// The day, month and year lists of the date dialogs: their rows, the date a
// choice of rows stands for, and the rows that show a date.

#include "engine/date_record.h"
#include "engine/hijri_calendar.h"
#include "settings/calculation_options.h"

#include <optional>
#include <string>
#include <vector>

namespace halvo
{

// A row's index gives its value: day and month are index + 1, a year is the
// first year + index. The lists once ended in 2030 and 1453, which left the
// Gregorian list without the current year from 2031 on; they now reach
// 2077 and 1500, where the two calendars end together.
inline constexpr int kFirstGregorianYear = 1995;
inline constexpr int kLastGregorianYear = 2077;
inline constexpr int kFirstHijriYear = 1417;
inline constexpr int kLastHijriYear = 1500;
inline constexpr int kDayRowCount = 31;

// "1" to "31".
std::vector<std::string> DayRowTexts();
// The twelve names, "January" first.
std::vector<std::string> GregorianMonthRowTexts();
// The twelve names, "Muharram" first.
std::vector<std::string> HijriMonthRowTexts();
// "1995" to "2077".
std::vector<std::string> GregorianYearRowTexts();
// "1417" to "1500".
std::vector<std::string> HijriYearRowTexts();

// The selected rows of a day, a month and a year list; -1 where a list has
// no selection, or no row for the value.
struct DateRows
{
    int day = -1;
    int month = -1;
    int year = -1;
    bool operator==(const DateRows&) const = default;
};

// The rows that show a date. A value the list has no row for gives -1 there,
// and that list keeps what it showed before.
DateRows GregorianRowsOf(const GregorianDay& date);
DateRows HijriRowsOf(const HijriDay& date);

// The date a choice of rows stands for; none while any list has no row
// selected. Impossible days (31 April, 30 of a 29-day month) are taken as
// chosen: the conversions carry them into the next month.
std::optional<GregorianDay> GregorianOfRows(const DateRows& rows);
std::optional<HijriDay> HijriOfRows(const DateRows& rows);

// The two conversions the dialogs use: the engine's Hijri date of a civil
// date, and the Hijri-to-civil converter.
// Both follow the stored Hijri calendar and adjustment; with the defaults
// they are the engine's own.
HijriDay HijriOf(const GregorianDay& date);
GregorianDay GregorianOf(const HijriDay& date);
HijriDay HijriOf(const GregorianDay& date, const CalendarChoice& choice);
GregorianDay GregorianOf(const HijriDay& date, const CalendarChoice& choice);

// The real calendar day a date record stands for, as the display computes
// it: an impossible day chosen in the lists runs on into the next month
// (31 April is 1 May), which a date picker can show. Time of day is kept.
DateRecord CalendarDateOf(const DateRecord& date);

// Year, month and day of a date record.
GregorianDay GregorianDayOf(const DateRecord& date);

// "15 October, 2004": the converters' and the feast list's form.
std::string CivilDateLine(const GregorianDay& date);

} // namespace halvo
