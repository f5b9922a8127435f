#include "day/day_options.h"

#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "settings/hijri_choice.h"

#include <cmath>

namespace halvo
{

namespace
{

// Polar days are searched toward the equator in half-degree steps.
constexpr double kPolarLatitudeStep = 0.5;

bool HasSunriseAndSunset(const PrayerEngine& engine)
{
    return engine.times[kSunrise].hasTime && engine.times[kMaghrib].hasTime;
}

// Whether the day as shown has every time. A night-portion rule gives Fajr
// and Isha whenever the Sun rises and sets; otherwise they are the engine's.
// A Sun that only just rises casts no Asr shadow, so the latitude that
// stands in for a polar day must give Asr too.
bool ShowsEveryTime(const PrayerEngine& engine, HighLatitudeRule rule)
{
    for (int i = 0; i < kPrayerCount; ++i)
    {
        const bool byRule = rule != HighLatitudeRule::kReference45 && (i == kFajr || i == kIsha);
        if (!byRule && !engine.times[i].hasTime)
            return false;
    }
    return true;
}

// The part of the night Fajr may come before sunrise, and Isha after
// sunset, under each rule.
double NightPortion(HighLatitudeRule rule, double angle)
{
    switch (rule)
    {
    case HighLatitudeRule::kMiddleOfNight:
        return 0.5;
    case HighLatitudeRule::kOneSeventh:
        return 1.0 / 7.0;
    case HighLatitudeRule::kTwilightAngle:
        return angle / 60.0;
    case HighLatitudeRule::kReference45:
        break;
    }
    return 0;
}

// The engine set up for the options: the work whose result they replace is
// left out.
void SetUpEngine(PrayerEngine& engine, double longitude, double latitude, double utcOffset,
                 const DateRecord& date, double fajrAngle, double ishaAngle, std::int32_t hanafi,
                 const CalculationOptions& options)
{
    engine.withCivilHijri =
        options.hijri.calendar == HijriCalendar::kCivil && options.hijri.adjustDays == 0;
    engine.withReferenceNight = options.highLatitude == HighLatitudeRule::kReference45;
    engine.Setup(longitude, latitude, utcOffset, date, fajrAngle, ishaAngle, hanafi);
}

// Splits a time into the day's record where it lies. The split only ever
// sets pm, so it is cleared first.
void SplitInto(double hours, PrayerTime& time)
{
    time.pm = 0;
    SplitTime(hours, time);
}

} // namespace

ShownHijri HijriFor(const DateRecord& date, const CalendarChoice& choice)
{
    const ChosenHijri chosen = HijriOfJulianDay(
        static_cast<int>(JulianDayNumber(date.year, date.month, date.day)), choice);
    ShownHijri shown{chosen.date.day, chosen.date.month, chosen.date.year, {}, chosen.civilInstead};
    // The engine's own text, so the civil date reads exactly as on the screen.
    shown.text = HijriDateText(shown.day, shown.month, shown.year);
    return shown;
}

void ApplyHighLatitudeRule(const PrayerEngine& engine, HighLatitudeRule rule,
                           std::array<PrayerTime, kPrayerCount>& times)
{
    if (rule == HighLatitudeRule::kReference45 || !HasSunriseAndSunset(engine))
        return;
    const double sunrise = engine.times[kSunrise].hours;
    const double sunset = engine.times[kMaghrib].hours;
    const double zuhr = engine.times[kZuhr].hours;
    // The night from sunset to sunrise, measured as the engine measures it.
    const double night = sunrise + (24 - sunset);

    // A comparison with a NaN hour angle (a depression the Sun does not
    // reach) is false, so the night's portion is taken.
    const double earliestFajr = sunrise - night * NightPortion(rule, engine.fajrAngle);
    const double fajrHour = engine.fajrHourAngle;
    const double fajr = zuhr - fajrHour >= earliestFajr ? zuhr - fajrHour : earliestFajr;
    SplitInto(fajr, times[kFajr]);

    // Isha 90 minutes after Maghrib is a fixed interval, not a twilight.
    double isha = sunset + 1.5;
    if (engine.ishaAngle != kNinetyMinuteIshaAngle)
    {
        const double latestIsha = sunset + night * NightPortion(rule, engine.ishaAngle);
        const double ishaHour = engine.ishaHourAngle;
        isha = zuhr + ishaHour <= latestIsha ? zuhr + ishaHour : latestIsha;
    }
    SplitInto(isha, times[kIsha]);
}

OptionDay ComputeOptionDay(double longitude, double latitude, double utcOffset,
                           const DateRecord& date, double fajrAngle, double ishaAngle,
                           std::int32_t hanafi, const CalculationOptions& options)
{
    if (options.method != nullptr)
    {
        fajrAngle = options.method->fajrAngle;
        ishaAngle = options.method->ishaAngle;
    }
    OptionDay day;
    SetUpEngine(day.engine, longitude, latitude, utcOffset, date, fajrAngle, ishaAngle, hanafi,
                options);
    if (options.polarDays == PolarDays::kNearestLatitude &&
        !ShowsEveryTime(day.engine, options.highLatitude))
    {
        const double step = latitude > 0 ? -kPolarLatitudeStep : kPolarLatitudeStep;
        for (int k = 1; std::fabs(latitude + k * step) < std::fabs(latitude); ++k)
        {
            const double nearer = latitude + k * step;
            PrayerEngine engine;
            SetUpEngine(engine, longitude, nearer, utcOffset, date, fajrAngle, ishaAngle, hanafi,
                        options);
            if (ShowsEveryTime(engine, options.highLatitude))
            {
                day.engine = engine;
                day.polarLatitude = nearer;
                break;
            }
        }
    }
    day.times = day.engine.times;
    ApplyHighLatitudeRule(day.engine, options.highLatitude, day.times);
    const MinuteAdjustments minutes = options.TotalAdjustments();
    for (std::size_t i = 0; i < day.times.size(); ++i)
        AdjustTime(day.times[i], minutes[i], options.rounding == Rounding::kNearest);
    if (options.hijri.calendar == HijriCalendar::kCivil && options.hijri.adjustDays == 0)
        day.hijri = {day.engine.hijriDay, day.engine.hijriMonth, day.engine.hijriYear,
                     day.engine.HijriDateText(), false};
    else
        day.hijri = HijriFor(date, options.hijri);
    return day;
}

std::string ClockText(const PrayerTime& time, bool clock24)
{
    std::string text;
    WriteClockText(time, clock24, text);
    return text;
}

void WriteClockText(const PrayerTime& time, bool clock24, std::string& into)
{
    if (!clock24 || !time.hasTime)
    {
        WriteTimeText(time, into);
        return;
    }
    const int hour24 = time.hour % 12 + (time.pm != 0 ? 12 : 0);
    into.resize(5);
    char* const text = into.data();
    text[0] = static_cast<char>('0' + hour24 / 10);
    text[1] = static_cast<char>('0' + hour24 % 10);
    text[2] = ':';
    text[3] = static_cast<char>('0' + time.minute / 10);
    text[4] = static_cast<char>('0' + time.minute % 10);
}

} // namespace halvo
