#include "settings/hijri_choice.h"

#include "platform/calendar/umm_al_qura.h"

namespace halvo
{

ChosenHijri HijriOfJulianDay(int julianDay, const CalendarChoice& choice)
{
    const int shown = julianDay + choice.adjustDays;
    if (choice.calendar == HijriCalendar::kUmmAlQura)
    {
        const auto official = UmmAlQuraFromJulianDay(shown);
        if (official && IsUmmAlQuraTableYear(official->year))
            return {*official, false};
        return {HijriFromJulianDay(shown), true};
    }
    return {HijriFromJulianDay(shown), false};
}

int JulianDayOfHijri(int year, int month, int day, const CalendarChoice& choice)
{
    int julianDay = HijriToJulianDay(year, month, day);
    if (choice.calendar == HijriCalendar::kUmmAlQura && IsUmmAlQuraTableYear(year))
    {
        if (const auto official = UmmAlQuraToJulianDay(year, month, day))
            julianDay = *official;
    }
    return julianDay - choice.adjustDays;
}

CalendarChoice StoredCalendarChoice()
{
    return ReadCalculationOptions().hijri;
}

} // namespace halvo
