#include "sky/qibla.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

constexpr double kRadiansToDegrees = 57.29564553093965;

// A bearing in radians that the text line reads back as exactly the given
// number of degrees: the quarter-turn words need equality, not nearness.
double BearingShowingExactly(double degrees)
{
    double bearing = degrees / kRadiansToDegrees;
    for (int step = 0; step < 8 && bearing * kRadiansToDegrees != degrees; ++step)
    {
        bearing = std::nextafter(bearing, bearing * kRadiansToDegrees < degrees ? 10.0 : -10.0);
    }
    EXPECT_EQ(bearing * kRadiansToDegrees, degrees);
    return bearing;
}

struct City
{
    const char* name;
    int longitude; // hundredths of a degree, east positive
    int latitude;  // hundredths of a degree, north positive
    double degrees;
    const char* text;
};

TEST(QiblaBearing, WorkedCitiesPointTheirWayWithTruncatedMinutes)
{
    const std::vector<City> cities = {
        {"London", -12, 5151, 119.05, "The Qibla is 119\u00B0 2' E of N"},
        {"New York", -7401, 4071, 58.51, "The Qibla is 58\u00B0 30' E of N"},
        {"Jakarta", 10680, -620, 295.13, "The Qibla is 64\u00B0 52' W of N"},
        {"Medina", 3961, 2447, 176.70, "The Qibla is 176\u00B0 42' E of N"},
    };
    for (const City& city : cities)
    {
        SCOPED_TRACE(city.name);
        const double bearing = QiblaBearingAt(city.longitude, city.latitude);
        EXPECT_NEAR(bearing * kRadiansToDegrees, city.degrees, 0.005);
        EXPECT_EQ(QiblaText(bearing), city.text);
    }
}

TEST(QiblaBearing, TextTruncatesMinutesAndNamesExactQuarterTurns)
{
    const std::vector<std::pair<double, std::string>> bearings = {
        {119.999, "The Qibla is 119\u00B0 59' E of N"},
        {240.0001, "The Qibla is 119\u00B0 59' W of N"}, // 360 - B, truncated too
        {0.5001, "The Qibla is 0\u00B0 30' E of N"},
        {359.7499, "The Qibla is 0\u00B0 15' W of N"},
        {90.01, "The Qibla is 90\u00B0 0' E of N"},
    };
    for (const auto& [degrees, text] : bearings)
    {
        SCOPED_TRACE(degrees);
        EXPECT_EQ(QiblaText(degrees / kRadiansToDegrees), text);
    }

    const std::vector<std::pair<double, std::string>> quarterTurns = {
        {0.0, "The Qibla is North"},  {90.0, "The Qibla is East"},   {180.0, "The Qibla is South"},
        {270.0, "The Qibla is West"}, {360.0, "The Qibla is North"},
    };
    for (const auto& [degrees, text] : quarterTurns)
    {
        SCOPED_TRACE(degrees);
        EXPECT_EQ(QiblaText(BearingShowingExactly(degrees)), text);
    }
    // Just off a quarter turn is a bearing, not the word.
    EXPECT_EQ(QiblaText(std::nextafter(BearingShowingExactly(270.0), 10.0)),
              "The Qibla is 89\u00B0 59' W of N");
}

TEST(QiblaBearing, PlacesOnTheKaabaMeridianFaceNorthOrSouth)
{
    // South of the Kaaba on its meridian the Qibla is due north, north of
    // it due south; a quadrant slip turns these round.
    for (int latitude : {-8000, -2140, 0, 2000})
    {
        const double degrees = QiblaBearingAt(3980, latitude) * kRadiansToDegrees;
        EXPECT_NEAR(std::fmod(degrees + 180, 360), 180.0, 0.001) << latitude;
    }
    EXPECT_EQ(QiblaText(QiblaBearingAt(3980, -2140)), "The Qibla is North");
    for (int latitude : {2500, 5000, 8900})
    {
        const double degrees = QiblaBearingAt(3980, latitude) * kRadiansToDegrees;
        EXPECT_NEAR(degrees, 180.0, 0.001) << latitude;
    }
}

TEST(QiblaBearing, SideOfMeccaDecidesTheHalfOfTheCompass)
{
    // West of Mecca the Kaaba lies somewhere east of north, and the other
    // way round; away from the two meridians and the poles, where the
    // answer turns on rounding.
    for (int longitude = -17950; longitude <= 17950; longitude += 173)
    {
        const double lambda = longitude * 0.01;
        if (std::fabs(lambda - 39.8) < 1 || std::fabs(lambda + 140.2) < 1)
        {
            continue;
        }
        const bool west = lambda > -140.2 && lambda < 39.8;
        for (int latitude = -8900; latitude <= 8900; latitude += 157)
        {
            const double degrees = QiblaBearingAt(longitude, latitude) * kRadiansToDegrees;
            ASSERT_TRUE(std::isfinite(degrees));
            if (west)
            {
                ASSERT_GT(degrees, 0.0) << longitude << " " << latitude;
                ASSERT_LT(degrees, 180.0) << longitude << " " << latitude;
            }
            else
            {
                ASSERT_GT(degrees, 180.0) << longitude << " " << latitude;
                ASSERT_LT(degrees, 360.0) << longitude << " " << latitude;
            }
        }
    }
}

} // namespace
} // namespace halvo
