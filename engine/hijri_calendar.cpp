// Calendar conversions through the Julian day number. "div" in these
// formulas truncates toward zero (C++ integer division); "floor" is the floor
// of the exact quotient. Both are kept distinct on purpose.
#include "engine/hijri_calendar.h"

#include <cstdint>

namespace halvo
{

namespace
{

using Int = std::int64_t;

Int FloorDiv(Int numerator, Int denominator)
{
    Int quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
    {
        --quotient;
    }
    return quotient;
}

bool IsGregorianDate(int year, int month, int day)
{
    return year > 1582 || (year == 1582 && month > 10) || (year == 1582 && month == 10 && day > 14);
}

} // namespace

double JulianDayNumber(int year, int month, int day)
{
    const Int Y = year;
    const Int M = month;
    const Int D = day;
    if (IsGregorianDate(year, month, day))
    {
        const Int a = (M - 14) / 12;
        const Int jdn = FloorDiv(1461 * (Y + 4800 + a), 4) + FloorDiv(367 * (M - 2 - 12 * a), 12) -
                        FloorDiv(3 * FloorDiv(Y + 4900 + a, 100), 4) + D - 32075;
        return static_cast<double>(jdn);
    }
    const Int b = (M - 9) / 7;
    const Int jdn = 367 * Y - FloorDiv(7 * (Y + 5001 + b), 4) + (275 * M) / 9 + D + 1729777;
    return static_cast<double>(jdn);
}

HijriDay HijriFromJulianDay(double jdn)
{
    Int l = static_cast<Int>(jdn) - 1948440 + 10632;
    const Int n = FloorDiv(l - 1, 10631);
    l = l - 10631 * n + 354;
    const Int j = FloorDiv(10985 - l, 5316) * FloorDiv(50 * l, 17719) +
                  FloorDiv(l, 5670) * FloorDiv(43 * l, 15238);
    l = l - FloorDiv(30 - j, 15) * FloorDiv(17719 * j, 50) -
        FloorDiv(j, 16) * FloorDiv(15238 * j, 43) + 29;
    const Int month = FloorDiv(24 * l, 709);
    const Int day = l - (709 * month) / 24;
    const Int year = 30 * n + j - 30;
    return {static_cast<int>(day), static_cast<int>(month), static_cast<int>(year)};
}

int HijriToJulianDay(int year, int month, int day)
{
    return (11 * year + 3) / 30 + 354 * year + 30 * month - (month - 1) / 2 + day + 1948055;
}

GregorianDay GregorianFromJulianDay(int jdn)
{
    if (jdn > 2299160)
    {
        int l = jdn + 68569;
        const int n = (4 * l) / 146097;
        l = l - (146097 * n + 3) / 4;
        const int i = static_cast<int>((4000 * (static_cast<Int>(l) + 1)) / 1461001);
        l = l - (1461 * i) / 4 + 31;
        const int j = (80 * l) / 2447;
        const int day = l - (2447 * j) / 80;
        l = j / 11;
        const int month = j + 2 - 12 * l;
        const int year = 100 * (n - 49) + i + l;
        return {day, month, year};
    }
    int j = jdn + 1402;
    const int k = (j - 1) / 1461;
    const int l = j - 1461 * k;
    const int n = (l - 1) / 365 - l / 1461;
    int i = l - 365 * n + 30;
    j = (80 * i) / 2447;
    const int day = i - (2447 * j) / 80;
    i = j / 11;
    const int month = j + 2 - 12 * i;
    const int year = 4 * k + n + i - 4716;
    return {day, month, year};
}

int DayOfWeek(int year, int month, int day)
{
    // Day number 0 fell on a Monday.
    return (static_cast<int>(JulianDayNumber(year, month, day)) + 1) % 7;
}

DateRecord DaysLater(const DateRecord& date, int days)
{
    const int julianDay = static_cast<int>(JulianDayNumber(date.year, date.month, date.day)) + days;
    const GregorianDay later = GregorianFromJulianDay(julianDay);
    DateRecord result = date;
    result.year = static_cast<std::uint16_t>(later.year);
    result.month = static_cast<std::uint16_t>(later.month);
    result.day = static_cast<std::uint16_t>(later.day);
    result.dayOfWeek = static_cast<std::uint16_t>(DayOfWeek(later.year, later.month, later.day));
    return result;
}

HijriDate::HijriDate(int hijriYear, int hijriMonth, int hijriDay)
    : year(hijriYear), month(hijriMonth), day(hijriDay)
{
    const GregorianDay civil = GregorianFromJulianDay(HijriToJulianDay(year, month, day));
    gregorianYear = civil.year;
    gregorianMonth = civil.month;
    gregorianDay = civil.day;
}

} // namespace halvo
