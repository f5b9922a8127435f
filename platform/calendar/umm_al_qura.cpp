#include "platform/calendar/umm_al_qura.h"

#include <unicode/ucal.h>

#include <array>
#include <cmath>
#include <vector>

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

// ICU's date of a day works the year out by counting every year from the
// start of its table, up to a hundred microseconds a call, while its day of
// a date is a sum of month lengths. So the dates of a year are read from the
// Julian days of its thirteen month starts (the next year's Muharram ends
// it), asked of ICU once per year a process meets. The last year of the
// table has no table year after it and is asked of ICU day by day.
constexpr int kFirstLearntYear = kFirstUmmAlQuraYear;
constexpr int kLastLearntYear = kLastUmmAlQuraYear - 1;

struct YearStarts
{
    enum class State : unsigned char
    {
        kUnknown,
        kKnown,
        kUnavailable, // ICU could not say: the year is asked day by day
    };
    State state = State::kUnknown;
    std::array<int, 13> firstDays{}; // Muharram 1 .. Dhu al-Hijjah 1, next Muharram 1
};

const YearStarts& StartsOf(int year)
{
    thread_local std::vector<YearStarts> years(kLastLearntYear - kFirstLearntYear + 1);
    YearStarts& starts = years[static_cast<std::size_t>(year - kFirstLearntYear)];
    if (starts.state != YearStarts::State::kUnknown)
        return starts;
    starts.state = YearStarts::State::kKnown;
    for (int month = 1; month <= 13; ++month)
    {
        const std::optional<int> first = month <= 12 ? UmmAlQuraToJulianDay(year, month, 1)
                                                     : UmmAlQuraToJulianDay(year + 1, 1, 1);
        if (!first || (month > 1 && *first <= starts.firstDays[month - 2]))
        {
            starts.state = YearStarts::State::kUnavailable;
            break;
        }
        starts.firstDays[static_cast<std::size_t>(month - 1)] = *first;
    }
    return starts;
}

bool IsLearntYear(int year)
{
    return year >= kFirstLearntYear && year <= kLastLearntYear;
}

// The date from the learnt month starts; none when the day lies outside the
// learnt years.
std::optional<HijriDay> FromLearntYears(int julianDay)
{
    // The arithmetic calendar's year (its 30-year cycle of 10,631 days from
    // its epoch) is never more than a few days away from the official one,
    // so it names the year or one beside it.
    constexpr long long kArithmeticEpoch = 1948440;
    const long long daysSinceEpoch = julianDay - kArithmeticEpoch;
    if (daysSinceEpoch < 0)
        return std::nullopt;
    int year = static_cast<int>((30 * daysSinceEpoch + 10646) / 10631);
    for (int tries = 0; tries < 3; ++tries)
    {
        if (!IsLearntYear(year))
            return std::nullopt;
        const YearStarts& starts = StartsOf(year);
        if (starts.state != YearStarts::State::kKnown)
            return std::nullopt;
        if (julianDay < starts.firstDays.front())
        {
            --year;
            continue;
        }
        if (julianDay >= starts.firstDays.back())
        {
            ++year;
            continue;
        }
        int month = 12;
        while (julianDay < starts.firstDays[static_cast<std::size_t>(month - 1)])
            --month;
        return HijriDay{julianDay - starts.firstDays[static_cast<std::size_t>(month - 1)] + 1,
                        month, year};
    }
    return std::nullopt;
}

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

std::optional<HijriDay> UmmAlQuraFromJulianDay(int julianDay)
{
    if (const std::optional<HijriDay> learnt = FromLearntYears(julianDay))
        return learnt;
    return FromIcu(julianDay);
}

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
