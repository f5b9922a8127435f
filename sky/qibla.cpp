// The great-circle bearing to the Kaaba and its text. The degree factors are
// built on pi rounded to 3.1416 on purpose: the displayed degrees and
// minutes depend on them, so they must not become M_PI-based. The arithmetic
// is compared bit for bit with an independent implementation; keep it as
// it stands.
#include "sky/qibla.h"

#include <cmath>
#include <cstdio>

namespace halvo
{

namespace
{

constexpr double kDegreesToRadians = 0.017453333333333335; // 3.1416 / 180
constexpr double kRadiansToDegrees = 57.29564553093965;    // 180 / 3.1416
constexpr double kRightAngle = 1.5708;
constexpr double kPerHundredth = 0.01;

constexpr double kKaabaLongitude = 39.8;
// 68.6 degrees in radians: the Kaaba's latitude is 21.4 N.
constexpr double kKaabaCoLatitude = 1.1972986666666667;
// The meridian opposite the Kaaba's; with the Kaaba's own it bounds the
// half of the world that lies west of Mecca.
constexpr double kKaabaAntimeridian = -140.2;

// "°" in UTF-8.
constexpr const char* kDegreeSign = "\xC2\xB0";

std::string DegreesAndMinutes(double degrees, const char* side)
{
    // Whole degrees and whole minutes, both truncated: 119.999 is 119° 59'.
    const double whole = std::floor(degrees);
    const double minutes = std::floor((degrees - whole) * 60);
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "The Qibla is %d%s %d' %s", static_cast<int>(whole),
                  kDegreeSign, static_cast<int>(minutes), side);
    return buffer;
}

} // namespace

double QiblaBearingAt(int longitude, int latitude)
{
    const double lambda = longitude * kPerHundredth;
    const double phi = latitude * kPerHundredth;
    const double delta = (kKaabaLongitude - lambda) * kDegreesToRadians;
    const double coLatitude = kRightAngle - phi * kDegreesToRadians;
    const double kaabaTanLatitude = std::pow(std::tan(kKaabaCoLatitude), -1);

    // A one-argument arc tangent: the quadrant is settled below from the
    // side of Mecca the place lies on, not from the signs of the terms.
    double q = std::atan(std::sin(delta) / (kaabaTanLatitude * std::sin(coLatitude) -
                                            std::cos(delta) * std::cos(coLatitude))) *
               kRadiansToDegrees;

    const bool westOfMecca = kKaabaAntimeridian <= lambda && lambda <= kKaabaLongitude;
    if (q > 0)
    {
        if (!westOfMecca)
        {
            q = q + 180;
        }
    }
    else if (q < 0)
    {
        q = westOfMecca ? q + 180 : q + 360;
    }
    return q * kDegreesToRadians;
}

std::string QiblaText(double bearing)
{
    const double b = bearing * kRadiansToDegrees;
    if (b > 180 && b < 360 && b != 270)
    {
        return DegreesAndMinutes(360 - b, "W of N");
    }
    if (b == 90)
    {
        return "The Qibla is East";
    }
    if (b == 180)
    {
        return "The Qibla is South";
    }
    if (b == 270)
    {
        return "The Qibla is West";
    }
    if (b > 0 && b < 180)
    {
        return DegreesAndMinutes(b, "E of N");
    }
    return "The Qibla is North";
}

} // namespace halvo
