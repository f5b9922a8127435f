#include "platform/calendar/umm_al_qura.h"

#include <unicode/ucal.h>

#include <cmath>

namespace halvo
{

namespace
{

// Julian day number of 1 January 1970, ICU's day 0.
constexpr int kUnixEpochJulianDay = 2440588;
constexpr double kMillisecondsPerDay = 86400000.0;

// One calendar in universal time, opened on first use and kept: opening
// one costs far more than a conversion, and a table converts every day.
UCalendar* Calendar()
{
    thread_local UCalendar* const calendar = []
    {
        UErrorCode status = U_ZERO_ERROR;
        static const UChar utc[] = {u'U', u'T', u'C', 0};
        UCalendar* opened =
            ucal_open(utc, -1, "en@calendar=islamic-umalqura", UCAL_DEFAULT, &status);
        return U_SUCCESS(status) ? opened : nullptr;
    }();
    return calendar;
}

} // namespace

namespace
{

// ICU works out an Umm al-Qura date month by month from the start of its
// table, tens of microseconds a call. Every month has at least 29 days, so
// the month of the last answer also answers the days up to its 29th.
struct KnownMonth
{
    int firstDay = 0; // Julian day number of day 1; 0: none yet
    int year = 0;
    int month = 0;
};

constexpr int kShortestMonth = 29;

std::optional<HijriDay> FromIcu(int julianDay);

} // namespace

std::optional<HijriDay> UmmAlQuraFromJulianDay(int julianDay)
{
    thread_local KnownMonth known;
    if (known.firstDay != 0 && julianDay >= known.firstDay &&
        julianDay < known.firstDay + kShortestMonth)
        return HijriDay{julianDay - known.firstDay + 1, known.month, known.year};
    const std::optional<HijriDay> hijri = FromIcu(julianDay);
    if (hijri)
        known = {julianDay - hijri->day + 1, hijri->year, hijri->month};
    return hijri;
}

namespace
{

std::optional<HijriDay> FromIcu(int julianDay)
{
    UCalendar* calendar = Calendar();
    if (calendar == nullptr)
    {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    // Noon, so no rounding can move the moment into a neighbouring day.
    const double moment = (julianDay - kUnixEpochJulianDay + 0.5) * kMillisecondsPerDay;
    ucal_setMillis(calendar, moment, &status);
    HijriDay hijri;
    hijri.year = ucal_get(calendar, UCAL_EXTENDED_YEAR, &status);
    hijri.month = ucal_get(calendar, UCAL_MONTH, &status) + 1;
    hijri.day = ucal_get(calendar, UCAL_DATE, &status);
    if (U_FAILURE(status))
    {
        return std::nullopt;
    }
    return hijri;
}

} // namespace

std::optional<int> UmmAlQuraToJulianDay(int year, int month, int day)
{
    UCalendar* calendar = Calendar();
    if (calendar == nullptr)
    {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    ucal_clear(calendar);
    ucal_set(calendar, UCAL_EXTENDED_YEAR, year);
    ucal_set(calendar, UCAL_MONTH, month - 1);
    ucal_set(calendar, UCAL_DATE, day);
    ucal_set(calendar, UCAL_HOUR_OF_DAY, 12);
    const UDate moment = ucal_getMillis(calendar, &status);
    if (U_FAILURE(status))
    {
        return std::nullopt;
    }
    return static_cast<int>(std::floor(moment / kMillisecondsPerDay)) + kUnixEpochJulianDay;
}

} // namespace halvo
