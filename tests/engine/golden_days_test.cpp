#include "engine/prayer_engine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace halvo
{
namespace
{

// Pins the unsplit hours of a set of days bit for bit, so that a reordered
// expression or a fused multiply-add shows up at once.
TEST(GoldenDays, UnsplitHoursAreBitForBitStable)
{
    std::ifstream file(std::string(HALVO_TEST_DATA_DIR) + "/engine/golden_days.txt");
    ASSERT_TRUE(file) << "missing golden_days.txt";
    std::string line;
    int days = 0;
    while (std::getline(file, line))
    {
        if (line.empty() || line[0] == '#')
        {
            continue;
        }
        std::istringstream fields(line);
        double longitude, latitude, zone, fajr, isha;
        int hanafi, year, month, day;
        char dash;
        fields >> longitude >> latitude >> zone >> year >> dash >> month >> dash >> day >> fajr >>
            isha >> hanafi;
        // The dashes of the date were read as signs of month and day.
        month = std::abs(month);
        day = std::abs(day);
        PrayerEngine engine;
        engine.Setup(longitude, latitude, zone, MakeDate(year, month, day), fajr, isha, hanafi);
        for (int i = 0; i < kPrayerCount; ++i)
        {
            std::string expected;
            fields >> expected;
            if (expected == "none")
            {
                EXPECT_FALSE(engine.times[i].hasTime) << line;
                continue;
            }
            EXPECT_EQ(engine.times[i].hours, std::strtod(expected.c_str(), nullptr))
                << line << " event " << i;
        }
        ++days;
    }
    EXPECT_EQ(days, 20);
}

} // namespace
} // namespace halvo
