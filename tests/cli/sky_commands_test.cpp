#include "tests/cli/run_tavorin.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace halvo::test
{
namespace
{

TEST(TavorinMoon, PrintsTheFiveLabelledWindowValues)
{
    const RunResult r = RunTavorin({"moon", "2004-01-07T15:40:00"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Moment:      2004-01-07T15:40:00Z (universal time)\n"
                     "Moon Age:    14 Days 18 Hr 21 Mn\n"
                     "Moon Phase:  Full Moon\n"
                     "% Luminated: 100.00 %\n"
                     "Lunation:    1002\n"
                     "Moon/Earth:  400157.51 Km\n");
    EXPECT_TRUE(r.err.empty());
}

TEST(TavorinMoon, JsonAddsRawValuesAndTakesTheTimeOfDay)
{
    // Half an hour before the new moon the lunation has already turned;
    // the moment's time of day must reach the computation.
    const RunResult r = RunTavorin({"moon", "2000-01-06T18:14:00", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto moon = nlohmann::json::parse(r.out);
    EXPECT_EQ(moon["phase"], "Waning Crescent Moon");
    EXPECT_EQ(moon["phaseIndex"], 8);
    EXPECT_EQ(moon["illuminationText"], "0.00 %");
    EXPECT_EQ(moon["lunation"], 953);
    EXPECT_EQ(moon["days"], 29);
    EXPECT_EQ(moon["hours"], 12);
    EXPECT_GT(moon["age"].get<double>(), 29.5);
    EXPECT_LT(moon["fraction"].get<double>(), 0.00005);
    EXPECT_GT(moon["distance"].get<double>(), 355000.0);
    // 18:14 universal time on 6 January 2000, within a few minutes.
    EXPECT_NEAR(moon["newMoonJulianDate"].get<double>(), 2451550.2597, 0.005);

    const RunResult noon = RunTavorin({"moon", "2004-02-20T12:00:00", "--json"});
    ASSERT_EQ(noon.status, 0) << noon.err;
    EXPECT_EQ(nlohmann::json::parse(noon.out)["ageText"], "0 Days 2 Hr 51 Mn");
}

TEST(TavorinQibla, CutsDecimalTextToHundredthsAndPrintsTheLine)
{
    const RunResult london = RunTavorin({"qibla", "--lon", "-0.12", "--lat", "51.51"});
    ASSERT_EQ(london.status, 0) << london.err;
    EXPECT_EQ(london.out, "The Qibla is 119\u00B0 2' E of N\n"
                          "Bearing: 119.0466 degrees clockwise from north\n");

    // 0.29 must be 29 hundredths (a binary product gives 28), and extra
    // decimals are cut, not rounded.
    const std::vector<std::pair<std::vector<std::string>, std::pair<int, int>>> cases = {
        {{"--lon", "0.29", "--lat", "51.519"}, {29, 5151}},
        {{"--lon", "-2.4259", "--lat", "-6.2"}, {-242, -620}},
        {{"--lon", "106.80", "--lat", "-6.20"}, {10680, -620}},
        {{"--lon", "+180", "--lat", "-90"}, {18000, -9000}},
        // As the city dialog takes them: blanks around, a bare point.
        {{"--lon", " 7.5 ", "--lat", ".5"}, {750, 50}},
        {{"--lon", "1.", "--lat", "0"}, {100, 0}},
    };
    for (const auto& [coordinates, hundredths] : cases)
    {
        std::vector<std::string> args = {"qibla", "--json"};
        args.insert(args.end(), coordinates.begin(), coordinates.end());
        const RunResult r = RunTavorin(args);
        ASSERT_EQ(r.status, 0) << coordinates[1] << " " << r.err;
        const auto qibla = nlohmann::json::parse(r.out);
        EXPECT_EQ(qibla["longitudeHundredths"], hundredths.first) << coordinates[1];
        EXPECT_EQ(qibla["latitudeHundredths"], hundredths.second) << coordinates[3];
        EXPECT_EQ(qibla["degrees"].get<double>(),
                  qibla["radians"].get<double>() * 57.29564553093965);
    }

    const RunResult jakarta = RunTavorin({"qibla", "--lon", "106.80", "--lat", "-6.20", "--json"});
    const auto qibla = nlohmann::json::parse(jakarta.out);
    EXPECT_EQ(qibla["text"], "The Qibla is 64\u00B0 52' W of N");
    EXPECT_NEAR(qibla["degrees"].get<double>(), 295.13, 0.005);
}

TEST(TavorinSky, BadInputIsOneLineOnStderrStatusTwoAndNothingOnStdout)
{
    const std::vector<std::vector<std::string>> cases = {
        {"moon", "2004-13-45T00:00:00"},
        {"moon", "2004-04-31T12:00:00"},
        {"moon", "2003-02-29T12:00:00"},
        {"moon", "2004-01-07T24:00:00"},
        {"moon", "2004-01-07T23:60:00"},
        {"moon", "2004-01-07T23:59:60"},
        {"moon", "2004-01-07T15:40"},
        {"moon", "2004-01-07 15:40:00"},
        {"moon", "2004-01-07t15:40:00"},
        {"moon", "0000-01-01T00:00:00"},
        {"moon", "2004-01-07T15:40:00", "--utc"},
        {"qibla", "--lon", "180.01", "--lat", "0"},
        {"qibla", "--lon", "-181", "--lat", "0"},
        {"qibla", "--lon", "0", "--lat", "90.5"},
        {"qibla", "--lon", "0", "--lat", "-91"},
        {"qibla", "--lon", "abc", "--lat", "0"},
        {"qibla", "--lon", "1e2", "--lat", "0"},
        {"qibla", "--lon", "nan", "--lat", "0"},
        {"qibla", "--lon", "1.5.", "--lat", "0"},
        {"qibla", "--lon", "", "--lat", "0"},
        {"qibla", "--lat", "21.4"},
        {"qibla", "--lon", "99999999999999999999", "--lat", "0"},
    };
    for (const auto& args : cases)
    {
        std::string joined;
        for (const std::string& arg : args)
        {
            joined += arg + " ";
        }
        SCOPED_TRACE(joined);
        const RunResult r = RunTavorin(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty()) << r.out;
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

} // namespace
} // namespace halvo::test
