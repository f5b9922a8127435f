// The prayer-time solver. The arithmetic is exact as designed (see
// solar_model.cpp): keep every operation and its order as it stands.
#include "engine/prayer_engine.h"

#include "engine/hijri_calendar.h"
#include "engine/solar_model.h"

#include <cmath>
#include <limits>

namespace halvo
{

namespace
{

// Sunrise and sunset: the upper limb at the horizon with refraction, at an
// elevation of 0 m.
constexpr double kElevation = 0.0;

// An hour angle or time the day does not have.
constexpr double kNoHours = std::numeric_limits<double>::quiet_NaN();

double SunriseAltitude()
{
    return -0.8333 - 0.0347 * std::sqrt(kElevation);
}

// The sine of the sunrise altitude is the same every day; it is computed
// once, by the same call as before, so its bits do not change.
double SunriseAltitudeSine()
{
    static const double sine = std::sin(SunriseAltitude() * RAD);
    return sine;
}

// Hour angle of the Asr shadow for a shadow factor of 1 (Shafi) or 2 (Hanafi).
double AsrHourAngle(double shadowFactor, double latitude, double declination,
                    const DayGeometry& geometry)
{
    const double x = std::tan(std::fabs(latitude - declination) * RAD) + shadowFactor;
    const double altitude = AsrAngle(x);
    return geometry.Hour(std::sin(altitude * RAD));
}

struct NightFractions
{
    double fajr = 0;
    double isha = 0;
};

// Both parts of the night at the reference latitude, from one evaluation of
// the Sun for the day (the same quantities NightFraction computes).
NightFractions ReferenceNight(const AngleSines& declination, double zuhr, double referenceLatitude,
                              double fajrAngle, double ishaAngle)
{
    const DayGeometry geometry(KeptSinesOf(referenceLatitude), declination);
    const double h0 = geometry.Hour(SunriseAltitudeSine());
    const double maghrib = zuhr + h0;
    const double night = (zuhr - h0) + (24 - maghrib);
    const double hf = geometry.Hour(DepressionSine(fajrAngle));
    const double hi =
        ishaAngle == kNinetyMinuteIshaAngle ? h0 + 1.5 : geometry.Hour(DepressionSine(ishaAngle));
    return {((zuhr - hf) + (24 - maghrib)) / night, ((zuhr + hi) - maghrib) / night};
}

} // namespace

// Splits an unsplit time into the 12-hour record. Only ever sets pm (Setup
// clears it). Leaves the record without a time when the value is not a number.
void SplitTime(double t, PrayerTime& out)
{
    out.hours = t;
    if (!std::isfinite(t))
    {
        out.hasTime = false;
        out.hour = 0;
        out.minute = 0;
        return;
    }
    while (t >= 24)
    {
        t -= 24;
    }
    while (t < 0)
    {
        t += 24;
    }
    // t is no longer negative here, so truncation is the floor.
    int hour = static_cast<int>(t);
    out.minute = static_cast<int>((t - hour) * 60);
    if (hour >= 12)
    {
        out.pm = 1;
    }
    out.hour = To12Hour(hour);
    out.hasTime = true;
}

void PrayerEngine::Setup(double longitudeIn, double latitudeIn, double timeZoneIn,
                         const DateRecord& dateIn, double fajrAngleIn, double ishaAngleIn,
                         std::int32_t hanafiIn)
{
    longitude = longitudeIn;
    latitude = latitudeIn;
    timeZone = timeZoneIn;
    fajrAngle = fajrAngleIn;
    ishaAngle = ishaAngleIn;
    hanafi = hanafiIn;
    for (PrayerTime& time : times)
    {
        time.pm = 0;
    }
    SetDate(dateIn);
    Solve();
}

void PrayerEngine::SetDate(const DateRecord& dateIn)
{
    date = dateIn;
    year = date.year;
    month = date.month;
    day = date.day;
    if (withCivilHijri)
    {
        ComputeHijri();
    }
}

void PrayerEngine::ComputeHijri()
{
    const HijriDay hijri = HijriFromJulianDay(JulianDayNumber(year, month, day));
    hijriDay = hijri.day;
    hijriMonth = hijri.month;
    hijriYear = hijri.year;
}

void PrayerEngine::Solve()
{
    const SolarQuantities sun = SunPosition(year, month, day);
    const double decl = sun.decl;
    const double zuhr = NoonTime(longitude, timeZone, sun);
    const AngleSines declinationSines = SinesOf(decl);
    declination = decl;
    geometry = DayGeometry(KeptSinesOf(latitude), declinationSines);
    const double h0 = geometry.Hour(SunriseAltitudeSine());

    const double cosF = geometry.CosHour(DepressionSine(fajrAngle));
    bool highLatitude = false;
    double referenceLatitude = 0;
    double hf = 0;
    double hi = 0;
    fajrHourAngle = kNoHours;
    // Isha's twilight is kept even where Fajr's never ends: the night-portion
    // rules applied after Solve need it there.
    ishaHourAngle =
        ishaAngle == kNinetyMinuteIshaAngle ? kNoHours : geometry.Hour(DepressionSine(ishaAngle));
    if (cosF < -1)
    {
        // Twilight lasts all night: divide the night as it is divided at 45 N.
        highLatitude = true;
        referenceLatitude = 45;
    }
    else if (cosF > 1)
    {
        highLatitude = true;
        referenceLatitude = -45;
    }
    else
    {
        hf = std::acos(cosF) * HRS;
        fajrHourAngle = hf;
        if (ishaAngle == kNinetyMinuteIshaAngle)
        {
            hi = h0 + 1.5;
        }
        else
        {
            hi = ishaHourAngle;
        }
    }

    // Only the chosen school's shadow is needed; the other one's value would
    // be thrown away.
    const double asr = AsrHourAngle(hanafi != 0 ? 2 : 1, latitude, decl, geometry);

    std::array<double, kPrayerCount> t{};
    t[kSunrise] = zuhr - h0;
    t[kZuhr] = zuhr;
    t[kAsr] = zuhr + asr;
    t[kMaghrib] = zuhr + h0;
    if (highLatitude && !withReferenceNight)
    {
        t[kFajr] = kNoHours;
        t[kIsha] = kNoHours;
    }
    else if (highLatitude)
    {
        const double night = t[kSunrise] + (24 - t[kMaghrib]);
        const NightFractions fractions =
            ReferenceNight(declinationSines, zuhr, referenceLatitude, fajrAngle, ishaAngle);
        t[kFajr] = t[kMaghrib] + night * fractions.fajr;
        t[kIsha] = t[kMaghrib] + night * fractions.isha;
    }
    else
    {
        t[kFajr] = zuhr - hf;
        t[kIsha] = zuhr + hi;
    }

    for (int i = 0; i < kPrayerCount; ++i)
    {
        SplitTime(t[i], times[i]);
    }
}

double PrayerEngine::NightFraction(int which, double referenceLatitude) const
{
    const SolarQuantities sun = SunPosition(year, month, day);
    const double zuhr = NoonTime(longitude, timeZone, sun);
    const NightFractions fractions =
        ReferenceNight(SinesOf(sun.decl), zuhr, referenceLatitude, fajrAngle, ishaAngle);
    return which == 0 ? fractions.fajr : fractions.isha;
}

} // namespace halvo
