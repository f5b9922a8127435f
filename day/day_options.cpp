#include "day/day_options.h"

#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "engine/solar_model.h"
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

// A Sun that only just rises casts no Asr shadow: the latitude that stands
// in for a polar day must give all six times.
bool HasEveryTime(const PrayerEngine& engine)
{
    for (const PrayerTime& time : engine.times)
        if (!time.hasTime)
            return false;
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

// The hour angle of a depression below the horizon; none when the Sun does
// not reach it that day.
std::optional<double> DepressionHourAngle(double depression, const DayGeometry& geometry)
{
    const double cosine = geometry.CosHour(DepressionSine(depression));
    if (!(cosine >= -1 && cosine <= 1))
        return std::nullopt;
    return std::acos(cosine) * HRS;
}

PrayerTime Split(double hours)
{
    PrayerTime time;
    SplitTime(hours, time);
    return time;
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

    const double earliestFajr = sunrise - night * NightPortion(rule, engine.fajrAngle);
    const auto fajrHour = DepressionHourAngle(engine.fajrAngle, engine.geometry);
    const double fajr =
        fajrHour && zuhr - *fajrHour >= earliestFajr ? zuhr - *fajrHour : earliestFajr;
    times[kFajr] = Split(fajr);

    // Isha 90 minutes after Maghrib is a fixed interval, not a twilight.
    double isha = sunset + 1.5;
    if (engine.ishaAngle != kNinetyMinuteIshaAngle)
    {
        const double latestIsha = sunset + night * NightPortion(rule, engine.ishaAngle);
        const auto ishaHour = DepressionHourAngle(engine.ishaAngle, engine.geometry);
        isha = ishaHour && zuhr + *ishaHour <= latestIsha ? zuhr + *ishaHour : latestIsha;
    }
    times[kIsha] = Split(isha);
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
    day.engine.Setup(longitude, latitude, utcOffset, date, fajrAngle, ishaAngle, hanafi);
    // Around a polar night the Sun may rise too little to cast the Asr
    // shadow: such a day is taken from the nearer latitude too.
    if (options.polarDays == PolarDays::kNearestLatitude && !HasEveryTime(day.engine))
    {
        const double step = latitude > 0 ? -kPolarLatitudeStep : kPolarLatitudeStep;
        for (int k = 1; std::fabs(latitude + k * step) < std::fabs(latitude); ++k)
        {
            const double nearer = latitude + k * step;
            PrayerEngine engine;
            engine.Setup(longitude, nearer, utcOffset, date, fajrAngle, ishaAngle, hanafi);
            if (HasEveryTime(engine))
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
        day.times[i] =
            AdjustedTime(day.times[i], minutes[i], options.rounding == Rounding::kNearest);
    if (options.hijri.calendar == HijriCalendar::kCivil && options.hijri.adjustDays == 0)
        day.hijri = {day.engine.hijriDay, day.engine.hijriMonth, day.engine.hijriYear,
                     day.engine.HijriDateText(), false};
    else
        day.hijri = HijriFor(date, options.hijri);
    return day;
}

std::string ClockText(const PrayerTime& time, bool clock24)
{
    if (!clock24 || !time.hasTime)
        return TimeText(time);
    const int hour24 = time.hour % 12 + (time.pm != 0 ? 12 : 0);
    const char text[5] = {
        static_cast<char>('0' + hour24 / 10), static_cast<char>('0' + hour24 % 10), ':',
        static_cast<char>('0' + time.minute / 10), static_cast<char>('0' + time.minute % 10)};
    return std::string(text, sizeof text);
}

} // namespace halvo
