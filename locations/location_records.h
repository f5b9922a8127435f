#pragma once

#include "platform/store/record_store.h"

#include <cstdint>
#include <string>

namespace halvo
{

// A daylight-saving transition as a zone record stores it: the n-th given
// weekday of a month, whole days only (the rule carries no hour).
struct DstRule
{
    std::uint16_t month = 0;      // 1..12, 0 = none
    std::uint16_t dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    std::uint16_t occurrence = 0; // 1..5, 5 = the last one of the month
};

// One record of "Cities List". Coordinates stay the texts the record holds
// (hundredths of a degree); readers take their leading integer.
struct CityRecord
{
    std::string name;        // 101, the key
    std::string country;     // 102
    std::string longitude;   // 103, east positive
    std::string latitude;    // 104, north positive
    std::int32_t zoneId = 0; // 105
    // Carried for people and tools, never interpreted by the program. The
    // shipped cities hold their population, their place class ("PPLA") and
    // their IANA zone; a city a user adds or edits holds "1", "0" and "air".
    std::string population;  // 106
    std::string featureCode; // 107
    std::string ianaZone;    // 108
};

// One record of "Timezones List".
struct TimeZoneRecord
{
    std::int32_t id = 0;      // 301, the key
    std::string standardName; // 302
    std::string daylightName; // 303
    std::string bias;         // 304, minutes to add to local standard time to get UTC
    DstRule end;              // 306 month, 307 day of week, 305 occurrence
    DstRule start;            // 309 month, 310 day of week, 308 occurrence
};

inline constexpr const char* kCitiesStoreName = "Cities List";
inline constexpr std::uint32_t kCitiesStoreType = 12346;
inline constexpr const char* kZonesStoreName = "Timezones List";
inline constexpr std::uint32_t kZonesStoreType = 12348;

namespace city_property
{
inline constexpr std::uint16_t kName = 101;
inline constexpr std::uint16_t kCountry = 102;
inline constexpr std::uint16_t kLongitude = 103;
inline constexpr std::uint16_t kLatitude = 104;
inline constexpr std::uint16_t kZoneId = 105;
inline constexpr std::uint16_t kPopulation = 106;
inline constexpr std::uint16_t kFeatureCode = 107;
inline constexpr std::uint16_t kIanaZone = 108;
} // namespace city_property

namespace zone_property
{
inline constexpr std::uint16_t kId = 301;
inline constexpr std::uint16_t kStandardName = 302;
inline constexpr std::uint16_t kDaylightName = 303;
inline constexpr std::uint16_t kBias = 304;
inline constexpr std::uint16_t kEndOccurrence = 305;
inline constexpr std::uint16_t kEndMonth = 306;
inline constexpr std::uint16_t kEndDayOfWeek = 307;
inline constexpr std::uint16_t kStartOccurrence = 308;
inline constexpr std::uint16_t kStartMonth = 309;
inline constexpr std::uint16_t kStartDayOfWeek = 310;
} // namespace zone_property

// Store records and back.
Record ToStoreRecord(const CityRecord& city);
Record ToStoreRecord(const TimeZoneRecord& zone);
CityRecord CityFromStore(const Record& record);
TimeZoneRecord ZoneFromStore(const Record& record);

// Creates a missing store with its type tag and sort orders; the identity,
// or 0 on failure.
StoreIdentity CreateCitiesStore();
StoreIdentity CreateZonesStore();

} // namespace halvo
