#pragma once

#include "engine/date_record.h"

namespace halvo
{

struct HijriDay
{
    int day = 0;
    int month = 0; // 1 = Muharram
    int year = 0;
};

struct GregorianDay
{
    int day = 0;
    int month = 0;
    int year = 0;
};

// Julian day number of a civil date. Dates before 15 October 1582 are read
// as Julian-calendar dates. Integer-valued, carried in a double.
double JulianDayNumber(int year, int month, int day);

// The tabular Hijri calendar: the date follows from the day number alone.
HijriDay HijriFromJulianDay(double jdn);
int HijriToJulianDay(int year, int month, int day);

// Civil date of a day number: Gregorian after 4 October 1582, Julian before.
GregorianDay GregorianFromJulianDay(int jdn);

// Day of the week of a civil date, 0 = Sunday, through the day number (so
// Julian-calendar dates before the reform get theirs too).
int DayOfWeek(int year, int month, int day);

// The civil date a whole number of days later (or earlier), counted through
// the day number so month and year ends, and the calendar reform, need no
// rules of their own. Time-of-day fields are kept; the day of the week is
// that of the new date.
DateRecord DaysLater(const DateRecord& date, int days);

// Converts a Hijri date to the civil calendar at construction. The input is
// not validated: day 30 of a 29-day month lands on the next month's first.
struct HijriDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    int gregorianYear = 0;
    int gregorianMonth = 0;
    int gregorianDay = 0;

    HijriDate(int hijriYear, int hijriMonth, int hijriDay);
};

} // namespace halvo
