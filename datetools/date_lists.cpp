#include "datetools/date_lists.h"

#include "settings/hijri_choice.h"

#include "engine/day_texts.h"
#include "engine/prayer_engine.h"

namespace halvo
{

namespace
{

std::vector<std::string> NumberRows(int first, int last)
{
    std::vector<std::string> rows;
    for (int value = first; value <= last; ++value)
        rows.push_back(std::to_string(value));
    return rows;
}

std::vector<std::string> MonthRows(const std::array<const char*, 13>& names)
{
    // Entry 0 of the tables is empty so that a month number indexes them.
    return {names.begin() + 1, names.end()};
}

// The row of a value in a list of count rows starting at first, or -1.
int RowOf(int value, int first, int count)
{
    const int row = value - first;
    return row >= 0 && row < count ? row : -1;
}

constexpr int kGregorianYearRows = kLastGregorianYear - kFirstGregorianYear + 1;
constexpr int kHijriYearRows = kLastHijriYear - kFirstHijriYear + 1;
constexpr int kMonthRows = 12;

bool IsRow(int row, int count)
{
    return row >= 0 && row < count;
}

} // namespace

std::vector<std::string> DayRowTexts()
{
    return NumberRows(1, kDayRowCount);
}

std::vector<std::string> GregorianMonthRowTexts()
{
    return MonthRows(GregorianMonthNames);
}

std::vector<std::string> HijriMonthRowTexts()
{
    return MonthRows(HijriMonthNames);
}

std::vector<std::string> GregorianYearRowTexts()
{
    return NumberRows(kFirstGregorianYear, kLastGregorianYear);
}

std::vector<std::string> HijriYearRowTexts()
{
    return NumberRows(kFirstHijriYear, kLastHijriYear);
}

DateRows GregorianRowsOf(const GregorianDay& date)
{
    return {RowOf(date.day, 1, kDayRowCount), RowOf(date.month, 1, kMonthRows),
            RowOf(date.year, kFirstGregorianYear, kGregorianYearRows)};
}

DateRows HijriRowsOf(const HijriDay& date)
{
    return {RowOf(date.day, 1, kDayRowCount), RowOf(date.month, 1, kMonthRows),
            RowOf(date.year, kFirstHijriYear, kHijriYearRows)};
}

std::optional<GregorianDay> GregorianOfRows(const DateRows& rows)
{
    if (!IsRow(rows.day, kDayRowCount) || !IsRow(rows.month, kMonthRows) ||
        !IsRow(rows.year, kGregorianYearRows))
        return std::nullopt;
    return GregorianDay{rows.day + 1, rows.month + 1, kFirstGregorianYear + rows.year};
}

std::optional<HijriDay> HijriOfRows(const DateRows& rows)
{
    if (!IsRow(rows.day, kDayRowCount) || !IsRow(rows.month, kMonthRows) ||
        !IsRow(rows.year, kHijriYearRows))
        return std::nullopt;
    return HijriDay{rows.day + 1, rows.month + 1, kFirstHijriYear + rows.year};
}

HijriDay HijriOf(const GregorianDay& date)
{
    return HijriOf(date, StoredCalendarChoice());
}

GregorianDay GregorianOf(const HijriDay& date)
{
    return GregorianOf(date, StoredCalendarChoice());
}

HijriDay HijriOf(const GregorianDay& date, const CalendarChoice& choice)
{
    if (choice.calendar == HijriCalendar::kCivil && choice.adjustDays == 0)
    {
        PrayerEngine engine;
        engine.SetDate(MakeDate(date.year, date.month, date.day));
        return {engine.hijriDay, engine.hijriMonth, engine.hijriYear};
    }
    return HijriOfJulianDay(static_cast<int>(JulianDayNumber(date.year, date.month, date.day)),
                            choice)
        .date;
}

GregorianDay GregorianOf(const HijriDay& date, const CalendarChoice& choice)
{
    if (choice.calendar == HijriCalendar::kCivil && choice.adjustDays == 0)
    {
        const HijriDate converted(date.year, date.month, date.day);
        return {converted.gregorianDay, converted.gregorianMonth, converted.gregorianYear};
    }
    const GregorianDay civil =
        GregorianFromJulianDay(JulianDayOfHijri(date.year, date.month, date.day, choice));
    return civil;
}

DateRecord CalendarDateOf(const DateRecord& date)
{
    // Through the day number, as the engine reads every date.
    return DaysLater(date, 0);
}

GregorianDay GregorianDayOf(const DateRecord& date)
{
    return {date.day, date.month, date.year};
}

std::string CivilDateLine(const GregorianDay& date)
{
    return std::to_string(date.day) + " " + GregorianMonthName(date.month) + ", " +
           std::to_string(date.year);
}

} // namespace halvo
