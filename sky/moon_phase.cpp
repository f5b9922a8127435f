// The Moon's age, phase, illumination and distance: the classic
// low-precision lunar theory on the orbital elements of epoch 1980 January
// 0.0, and the mean and true new-moon series for the lunation.
//
// The results are compared bit for bit with an independent implementation of
// the same arithmetic. Keep every expression as it stands: the order of the
// terms, divisions done as products with the stored reciprocals, trunc where
// it says trunc and floor where it says floor. Unlike the prayer engine this
// tool uses full-precision pi.
#include "sky/moon_phase.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace halvo
{

namespace
{

constexpr double kDegreesToRadians = std::numbers::pi / 180;
constexpr double kRadiansToDegrees = 180 / std::numbers::pi;

// Stored reciprocals of the divisors of this file.
constexpr double kPerTurn = 1.0 / 360;
constexpr double kPerGregorianCentury = 1.0 / 36524.25;
constexpr double kPerJulianYear = 1.0 / 365.25;
constexpr double kPerMonthFactor = 1.0 / 30.6001;
constexpr double kPerLunationCentury = 1.0 / 1236.85;

// Orbital elements of epoch 1980 January 0.0.
constexpr double kEpoch = 2444238.5;
constexpr double kSunDailyMotion = 0.9856473320990837; // 360 / 365.2422
constexpr double kSunLongitudeAtEpoch = 278.83354;
constexpr double kSunPerigeeAtEpoch = 282.596403;
constexpr double kEarthEccentricity = 0.016718;
constexpr double kEarthEccentricityRatio = 1.0340044870138985; // (1 + e) / (1 - e)
constexpr double kMoonLongitudeAtEpoch = 64.975464;
constexpr double kMoonPerigeeAtEpoch = 349.383063;
constexpr double kMoonEccentricity = 0.0549;
constexpr double kMoonDistanceNumerator = 383242.41154199; // 384401 * (1 - 0.0549^2)
constexpr double kSynodicMonth = 29.53058868;

// 16/59 (8 / 29.5): eight equal phase slices over a 29.5-day cycle, shifted
// so each name is centred on its moment.
constexpr double kPhaseSlicesPerDay = 0.2711864406779661;

// Day number of January 1923, where Brown's lunation 1 begins. The week
// added to a new moon before dividing keeps the count clear of the edges
// of the division however the true new moon wanders.
constexpr double kBrownLunationBase = 2423436;

double ToRadians(double degrees)
{
    return degrees * kDegreesToRadians;
}

double ToDegrees(double radians)
{
    return radians * kRadiansToDegrees;
}

// An angle brought into 0 <= a < 360 degrees.
double Fix(double a)
{
    return a - 360 * std::floor(a * kPerTurn);
}

std::string Format(const char* format, auto... values)
{
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

} // namespace

const std::array<const char*, 9>& MoonPhaseNames()
{
    static const std::array<const char*, 9> names = {
        "New Moon",
        "Waxing Crescent Moon",
        "Moon in its first quarter",
        "Waxing Gibbous Moon",
        "Full Moon",
        "Waning Gibbous Moon",
        "Moon in its last quarter",
        "Waning Crescent Moon",
        "Waning Crescent Moon",
    };
    return names;
}

double MoonJulianDate(int year, int month0, int day, int hour, int minute, int second)
{
    int m = month0 + 1;
    int y = year;
    if (m <= 2)
    {
        y = year - 1;
        m = m + 12;
    }
    // The Gregorian correction applies from 1582 October 5 on; earlier
    // dates are read in the Julian calendar.
    int b = 0;
    const bool beforeReform =
        year < 1582 || (year == 1582 && month0 < 9) || (year == 1582 && month0 == 9 && day < 5);
    if (!beforeReform)
    {
        const int a = y / 100;
        b = 2 - a + a / 4;
    }
    const double secondsOfDay = 3600.0 * hour + 60.0 * minute + second;
    return std::trunc(365.25 * (y + 4716)) + std::trunc(30.6001 * (m + 1)) + day + b - 1524.5 +
           secondsOfDay / 86400;
}

MoonDate MoonCalendarDate(double julianDate)
{
    const double z = std::floor(julianDate + 0.5);
    const double f = julianDate + 0.5 - z;
    double a = z;
    if (z >= 2299161)
    {
        const double alpha = std::floor((z - 1867216.25) * kPerGregorianCentury);
        a = z + 1 + alpha - std::floor(alpha / 4);
    }
    const double b = a + 1524;
    const double q = std::floor((b - 122.1) * kPerJulianYear);
    const double d = std::floor(365.25 * q);
    const double e = std::floor((b - d) * kPerMonthFactor);

    MoonDate date;
    date.day = static_cast<int>(std::trunc(b - d - std::floor(30.6001 * e) + f));
    date.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    date.year = static_cast<int>(date.month > 2 ? q - 4716 : q - 4715);
    return date;
}

double SolveKepler(double meanAnomaly, double eccentricity)
{
    const double m = ToRadians(meanAnomaly);
    double e = m;
    double delta = 0;
    do
    {
        delta = e - eccentricity * std::sin(e) - m;
        e = e - delta / (1 - eccentricity * std::cos(e));
    } while (std::fabs(delta) > 1e-6);
    return e;
}

MoonPositionValues MoonPosition(double julianDate)
{
    const double day = julianDate - kEpoch;

    // The Sun.
    const double n = Fix(kSunDailyMotion * day);
    const double sunMeanAnomaly = Fix(n + kSunLongitudeAtEpoch - kSunPerigeeAtEpoch);
    double ec = SolveKepler(sunMeanAnomaly, kEarthEccentricity);
    ec = std::sqrt(kEarthEccentricityRatio) * std::tan(ec / 2);
    ec = ToDegrees(2 * std::atan(ec));
    const double sunLongitude = Fix(ec + kSunPerigeeAtEpoch);

    // The Moon.
    const double ml = Fix(13.1763966 * day + kMoonLongitudeAtEpoch);
    const double mm = Fix(ml - 0.1114041 * day - kMoonPerigeeAtEpoch);
    const double evection = 1.2739 * std::sin(ToRadians(2 * (ml - sunLongitude) - mm));
    const double annualEquation = 0.1858 * std::sin(ToRadians(sunMeanAnomaly));
    const double a3 = 0.37 * std::sin(ToRadians(sunMeanAnomaly));
    const double mmP = mm + evection - annualEquation - a3;
    const double centreEquation = 6.2886 * std::sin(ToRadians(mmP));
    const double a4 = 0.214 * std::sin(ToRadians(2 * mmP));
    const double lP = ml + evection + centreEquation - annualEquation + a4;
    const double variation = 0.6583 * std::sin(ToRadians(2 * (lP - sunLongitude)));
    const double lPP = lP + variation;

    const double phaseAngle = lPP - sunLongitude;
    MoonPositionValues values;
    values.fraction = (1 - std::cos(ToRadians(phaseAngle))) / 2;
    values.age = kSynodicMonth * Fix(phaseAngle) * kPerTurn;
    values.distance = kMoonDistanceNumerator /
                      (1 + kMoonEccentricity * std::cos(ToRadians(mmP + centreEquation)));
    return values;
}

double MeanNewMoon(double julianDate, double lunationIndex)
{
    const double t = (julianDate - 2415020.0) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 2415020.75933 + kSynodicMonth * lunationIndex + 0.0001178 * t2 - 0.000000155 * t3 +
           0.00033 * std::sin(ToRadians(166.56 + 132.87 * t - 0.009173 * t2));
}

double TrueNewMoon(double k)
{
    const double t = k * kPerLunationCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    double pt = 2415020.75933 + kSynodicMonth * k + 0.0001178 * t2 - 0.000000155 * t3 +
                0.00033 * std::sin(ToRadians(166.56 + 132.87 * t - 0.009173 * t2));

    const double m = 359.2242 + 29.10535608 * k - 0.0000333 * t2 - 0.00000347 * t3;
    const double mP = 306.0253 + 385.81691806 * k + 0.0107306 * t2 + 0.00001236 * t3;
    const double f = 21.2964 + 390.67050646 * k - 0.0016528 * t2 - 0.00000239 * t3;

    pt += (0.1734 - 0.000393 * t) * std::sin(ToRadians(m)) + 0.0021 * std::sin(ToRadians(2 * m)) -
          0.4068 * std::sin(ToRadians(mP)) + 0.0161 * std::sin(ToRadians(2 * mP)) -
          0.0004 * std::sin(ToRadians(3 * mP)) + 0.0104 * std::sin(ToRadians(2 * f)) -
          0.0051 * std::sin(ToRadians(m + mP)) - 0.0074 * std::sin(ToRadians(m - mP)) +
          0.0004 * std::sin(ToRadians(2 * f + m)) - 0.0004 * std::sin(ToRadians(2 * f - m)) -
          0.0006 * std::sin(ToRadians(2 * f + mP)) + 0.0010 * std::sin(ToRadians(2 * f - mP)) +
          0.0005 * std::sin(ToRadians(m + 2 * mP));
    return pt;
}

// Starts from a mean new moon a month or so before the date and steps over
// mean new moons until the date falls between two of them. The step is
// decided on mean new moons, so the lunation may turn a little before the
// true new moon it returns.
double NewMoonBefore(double julianDate)
{
    double a = julianDate - 45;
    const MoonDate start = MoonCalendarDate(a);
    double k1 = std::floor((start.year + (start.month - 1) / 12.0 - 1900) * 12.3685);
    double nt1 = MeanNewMoon(a, k1);
    a = nt1;
    for (;;)
    {
        a = a + kSynodicMonth;
        const double k2 = k1 + 1;
        const double nt2 = MeanNewMoon(a, k2);
        if (nt1 <= julianDate && nt2 > julianDate)
        {
            break;
        }
        nt1 = nt2;
        k1 = k2;
    }
    return TrueNewMoon(k1);
}

int MoonPhaseIndex(double age)
{
    // An age always lies in one cycle, so this only guards the table.
    const double index = std::trunc((age + 2.0) * kPhaseSlicesPerDay);
    if (!(index >= 0))
    {
        return 0;
    }
    return index > 8 ? 8 : static_cast<int>(index);
}

MoonPhase ComputeMoonPhase(int year, int month, int day, int hour, int minute, int second)
{
    const double jd = MoonJulianDate(year, month - 1, day, hour, minute, second);
    const MoonPositionValues position = MoonPosition(jd);

    MoonPhase phase;
    phase.age = position.age;
    phase.fraction = position.fraction;
    phase.distance = position.distance;

    phase.days = static_cast<int>(std::trunc(position.age));
    const double remainder = position.age - std::floor(position.age);
    phase.hours = static_cast<int>(std::trunc(24 * remainder));
    phase.minutes = static_cast<int>(std::trunc(1440 * remainder)) % 60;

    phase.phaseIndex = MoonPhaseIndex(position.age);
    phase.phaseName = MoonPhaseNames()[static_cast<std::size_t>(phase.phaseIndex)];

    phase.newMoon = NewMoonBefore(jd + 0.5);
    phase.lunation =
        static_cast<int>(std::floor((phase.newMoon + 7 - kBrownLunationBase) / kSynodicMonth)) + 1;

    phase.ageText = Format("%d Days %d Hr %d Mn", phase.days, phase.hours, phase.minutes);
    phase.illuminationText = Format("%.2f %%", phase.fraction * 100);
    phase.lunationText = Format("%d", phase.lunation);
    phase.distanceText = Format("%.2f Km", phase.distance);
    return phase;
}

} // namespace halvo
