#pragma once

namespace halvo
{

// Angle factors built on pi rounded to 3.1416. The displayed minutes depend
// on this rounding, so these must never be replaced by M_PI-based values.
inline constexpr double RAD = 0.017453333333333335; // 3.1416 / 180
inline constexpr double DEG = 57.29564553093965;    // 180 / 3.1416
inline constexpr double HRS = 3.8197097020626436;   // 12 / 3.1416, hour angle in hours
inline constexpr double DEG2 = 114.5912910618793;   // 360 / 3.1416

// Divisions by constants are multiplications by these stored reciprocals.
inline constexpr double kPerJulianCentury = 2.7378507871321012e-05; // 1 / 36525
inline constexpr double kPerTurn = 0.002777777777777778;            // 1 / 360
inline constexpr double kPerFifteen = 0.06666666666666667;          // 1 / 15
inline constexpr double kPerSixty = 0.016666666666666666;           // 1 / 60

// The solar quantities of one civil date, evaluated for the whole day.
struct SolarQuantities
{
    double T = 0;      // Julian centuries from 1 January 2000
    double M = 0;      // mean anomaly, degrees
    double Ceq = 0;    // equation of centre, degrees
    double lambda = 0; // ecliptic longitude, degrees
    double RA = 0;     // right ascension, degrees (not normalised)
    double eps = 0;    // obliquity, degrees
    double decl = 0;   // declination, degrees
};

double DaysFrom2000(int year, int month, int day);
double NormalizeAngle(double x);
SolarQuantities SunPosition(int year, int month, int day);
double NoonTime(double longitude, double timeZone, const SolarQuantities& sun);
double AsrAngle(double x);
inline int To12Hour(int hour)
{
    if (hour != 12)
    {
        hour = hour % 12;
    }
    return hour == 0 ? 12 : hour;
}

// The sine and cosine of an angle in degrees: std::sin(x * RAD) and
// std::cos(x * RAD), the very same doubles.
struct AngleSines
{
    double sine = 0;
    double cosine = 0;
};
AngleSines SinesOf(double degrees);

// The same for the angles that stay put from day to day (a place's
// latitude, a convention's twilight angles): the last few angles asked keep
// their values, so a run of days evaluates them once.
AngleSines KeptSinesOf(double degrees);

// -sin(angle * RAD): the sine of the altitude of a depression, kept as
// above.
double DepressionSine(double angle);

// The latitude and declination terms every hour angle of one day shares.
// CosHourAngle evaluates sin(phi) sin(decl) and cos(phi) cos(decl) afresh on
// each call; keeping the two products gives the very same doubles, only once.
struct DayGeometry
{
    double sinProduct = 0;
    double cosProduct = 0;

    DayGeometry() = default;
    DayGeometry(const AngleSines& latitude, const AngleSines& declination)
        : sinProduct(latitude.sine * declination.sine),
          cosProduct(latitude.cosine * declination.cosine)
    {
    }

    // CosHourAngle, term for term.
    double CosHour(double altitudeSine) const { return (altitudeSine - sinProduct) / cosProduct; }
    double Hour(double altitudeSine) const;
};

// Cosine of the hour angle at which the Sun stands at the altitude whose
// sine is given; outside [-1, 1] when it never gets there on the day.
double CosHourAngle(double altitudeSine, double latitude, double declination);

// The same hour angle in hours; NaN when the Sun never reaches the altitude.
double HourAngle(double altitudeSine, double latitude, double declination);

} // namespace halvo
