#pragma once

// A small city and zone table over a fresh store, default settings with
// Seattle as the current city, a clock the test sets, and message boxes
// recorded by the harness.

#include "locations/location_database.h"
#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "platform/ui/framework.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"

#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace halvo::testing
{

inline constexpr std::int32_t kPacificZone = 4;
inline constexpr std::int32_t kEgyptZone = 39;
inline constexpr std::int32_t kIndiaZone = 69;

class LocationDialogs : public StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        EnsureApplication();
        SetClock(&clock_);
        ASSERT_TRUE(InstallDefaultSettings());
        ASSERT_TRUE(WriteSetting(setting::kCityName, "Seattle, WA"));
        screenColours = ScreenColours{};
        ASSERT_NE(CreateZonesStore(), 0u);
        RecordStore zones;
        ASSERT_TRUE(zones.Open(kZonesStoreName));
        ASSERT_TRUE(zones.Append(ToStoreRecord(Zone(kPacificZone, "480", "Pacific", {3, 0, 2},
                                                    {11, 0, 1})))); // 2nd Sun Mar .. 1st Sun Nov
        ASSERT_TRUE(
            zones.Append(ToStoreRecord(Zone(kEgyptZone, "-120", "Egypt", {4, 5, 5}, {10, 4, 5}))));
        ASSERT_TRUE(zones.Append(ToStoreRecord(Zone(kIndiaZone, "-330", "India"))));
        for (const auto& [name, country, longitude, latitude, zone] : std::initializer_list<
                 std::tuple<const char*, const char*, const char*, const char*, std::int32_t>>{
                 {"Seattle, WA", "USA", "-12233", "4761", kPacificZone},
                 {"Cairo", "Egypt", "3125", "3006", kEgyptZone},
                 {"Alexandria", "Egypt", "2996", "3122", kEgyptZone},
                 {"Kabul", "Afghanistan", "6917", "3453", kIndiaZone},
                 {"Delhi", "India", "7723", "2865", kIndiaZone},
             })
            ASSERT_EQ(AddCity(name, country, longitude, latitude, zone, messages_).outcome,
                      AddCityOutcome::kAdded);
    }

    void TearDown() override
    {
        SetClock(nullptr);
        StoreTest::TearDown();
    }

    static TimeZoneRecord Zone(std::int32_t id, const char* bias, const char* name,
                               DstRule start = {}, DstRule end = {})
    {
        TimeZoneRecord zone;
        zone.id = id;
        zone.standardName = std::string(name) + " Standard Time";
        zone.daylightName = std::string(name) + " Daylight Time";
        zone.bias = bias;
        zone.start = start;
        zone.end = end;
        return zone;
    }

    // Whether text of the colour stands in the rectangle on the white
    // background: some pixel is the colour, or a smoothed edge of it (a
    // blend of the colour and white).
    static bool InkIn(const Picture& picture, CRect area, COLORREF colour)
    {
        const int ink[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
        int strongest = 0;
        for (int c = 1; c < 3; ++c)
            if (255 - ink[c] > 255 - ink[strongest])
                strongest = c;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
            {
                const COLORREF shown = picture.Pixel(x, y);
                const int seen[3] = {GetRValue(shown), GetGValue(shown), GetBValue(shown)};
                const double share = (255.0 - seen[strongest]) / (255 - ink[strongest]);
                if (share < 0.5)
                    continue;
                bool blend = true;
                for (int c = 0; c < 3; ++c)
                    blend = blend && std::abs(255 - share * (255 - ink[c]) - seen[c]) < 24;
                if (blend)
                    return true;
            }
        return false;
    }

    testing::TestClock clock_{MakeDate(2026, 7, 1)}; // daylight saving in force in Seattle
};

} // namespace halvo::testing
