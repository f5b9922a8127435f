#pragma once

// The Hijri date in the calendar the options choose, moved by their day
// offset, in both directions: what the display, the date windows, the
// feasts and tavorin all show. With the default choice these are the
// engine's own conversions.

#include "engine/hijri_calendar.h"
#include "settings/calculation_options.h"

namespace halvo
{

struct ChosenHijri
{
    HijriDay date;
    // Umm al-Qura was asked for a day outside the years of its table: the
    // date is the civil one.
    bool civilInstead = false;
};

// The Hijri date shown for a Julian day number.
ChosenHijri HijriOfJulianDay(int julianDay, const CalendarChoice& choice);
// The Julian day number whose shown Hijri date this is.
int JulianDayOfHijri(int year, int month, int day, const CalendarChoice& choice);

// The stored choice (the HijriCalendar and HijriAdjust options).
CalendarChoice StoredCalendarChoice();

} // namespace halvo
