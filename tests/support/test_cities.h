#pragma once

// A few cities in a fresh store, at the coordinates the tests name, in one
// zone without daylight saving, so lookups find them on any date.

#include "locations/location_database.h"
#include "platform/store/record_store.h"
#include "platform/user_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace halvo::testing
{

inline constexpr std::int32_t kTestZoneId = 30; // Greenwich, UTC all year

inline void CreateTestZone()
{
    ASSERT_NE(CreateZonesStore(), 0u);
    RecordStore zones;
    ASSERT_TRUE(zones.Open(kZonesStoreName));
    TimeZoneRecord zone;
    zone.id = kTestZoneId;
    zone.standardName = "Greenwich Standard Time";
    zone.daylightName = "Greenwich Daylight Time";
    zone.bias = std::string(1, '0'); // not a literal: g++ 12 warns falsely on it at -O3
    ASSERT_TRUE(zones.Append(ToStoreRecord(zone)));
}

// Longitude and latitude in hundredths of a degree, east and north positive.
inline void AddTestCity(const std::string& name, const std::string& longitude,
                        const std::string& latitude, UserMessages& messages)
{
    ASSERT_EQ(AddCity(name, "Testland", longitude, latitude, kTestZoneId, messages).outcome,
              AddCityOutcome::kAdded)
        << name;
}

} // namespace halvo::testing
