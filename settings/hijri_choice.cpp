#include "settings/hijri_choice.h"

#include "platform/calendar/umm_al_qura.h"

namespace halvo
{

namespace
{

// The years ICU's islamic-umalqura calendar takes from its table; outside
// them it counts an arithmetic calendar of its own.
constexpr int kFirstUmmAlQuraYear = 1300;
constexpr int kLastUmmAlQuraYear = 1600;

bool InUmmAlQuraTable(int year)
{
    return year >= kFirstUmmAlQuraYear && year <= kLastUmmAlQuraYear;
}

} // namespace

ChosenHijri HijriOfJulianDay(int julianDay, const CalendarChoice& choice)
{
    const int shown = julianDay + choice.adjustDays;
    ChosenHijri hijri{HijriFromJulianDay(shown), false};
    if (choice.calendar == HijriCalendar::kUmmAlQura)
    {
        const auto official = UmmAlQuraFromJulianDay(shown);
        if (official && InUmmAlQuraTable(official->year))
            hijri.date = *official;
        else
            hijri.civilInstead = true;
    }
    return hijri;
}

int JulianDayOfHijri(int year, int month, int day, const CalendarChoice& choice)
{
    int julianDay = HijriToJulianDay(year, month, day);
    if (choice.calendar == HijriCalendar::kUmmAlQura && InUmmAlQuraTable(year))
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
