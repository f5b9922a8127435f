#pragma once

#include "engine/date_record.h"
#include "locations/location_records.h"
#include "platform/store/record_store.h"
#include "platform/user_messages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace halvo
{

// The texts the location database shows the user.
inline constexpr const char* kCityExistsMessage =
    "City Name already exists, please choose a different name.";
inline constexpr const char* kCityCannotEditMessage = "City Name doesn't exist, cannot edit it.";
inline constexpr const char* kCityNotFoundMessage = "City is not found in database";
// The dialogs' own texts for a change the store did not take; the store is
// then as it was.
inline constexpr const char* kCityNotChangedMessage =
    "The City cannot be changed!  The city list could not be written.";
inline constexpr const char* kCityNotDeletedMessage =
    "The City cannot be deleted!  The city list could not be written.";
inline constexpr const char* kZoneNotWrittenMessage =
    "The Timezone cannot be changed!  The time zone list could not be written.";

// Every operation opens the store it needs, does its work and closes it
// again; nothing is cached, so a change is seen by the next call.

// Position of the city of that name (case-insensitive), or -1.
int FindCity(const std::string& name);
std::optional<CityRecord> ReadCity(const std::string& name);

// Whether a text may be stored as a city's name (not empty) or its country
// (may be empty): UTF-8 without control characters, at most 1023
// characters (UTF-16 units, as the stores count). On refusal, reason (when
// given) says why in one line.
bool ValidateCityName(const std::string& name, std::string* reason = nullptr);
bool ValidateCountryName(const std::string& country, std::string* reason = nullptr);

enum class AddCityOutcome
{
    kAdded,
    kNameExists,  // the message was shown; position tells where
    kStoreFailed, // the store could not be created or written
    kRefused,     // the name or the country cannot be stored (nothing shown)
};
struct AddCityResult
{
    AddCityOutcome outcome = AddCityOutcome::kStoreFailed;
    int position = -1;
};
AddCityResult AddCity(const std::string& name, const std::string& country,
                      const std::string& longitude, const std::string& latitude,
                      std::int32_t zoneId, UserMessages& messages);

// ReplaceCity's result when the city is stored but the store refused to
// rewrite it; nothing is shown then.
inline constexpr int kCityNotReplaced = -2;
// Rewrites all eight properties of an existing city; the position, -1
// after the message when the name is not stored (-1 without one when the
// name or country cannot be stored), or kCityNotReplaced.
int ReplaceCity(const std::string& name, const std::string& country, const std::string& longitude,
                const std::string& latitude, std::int32_t zoneId, UserMessages& messages);

// True when the city was deleted.
bool DeleteCity(UserMessages& messages, const std::string& name);

// Coordinates in hundredths of a degree and the UTC offset in hours on that
// date, daylight saving applied. False after the message when the city is
// not stored; the outputs are then untouched.
bool LookupCity(const DateRecord& date, const std::string& name, std::int32_t& longitude,
                std::int32_t& latitude, double& utcOffset, UserMessages& messages);

// What the city dialogs show: the stored name replaces the given one, the
// zone label carries today's offset and the name in force today.
bool DescribeCity(std::string& name, std::int32_t& longitude, std::int32_t& latitude,
                  std::string& zoneLabel, std::string& zoneName, std::string& country,
                  std::int32_t& zoneId, UserMessages& messages);

// "name (country)" for every city, in store order.
std::vector<std::string> ListCities();
// Every stored city, in store order.
std::vector<CityRecord> ReadAllCities();
// The city names of one country (exact, case-sensitive), leaving out a name
// equal (case-insensitively) to one already listed.
std::vector<std::string> ListCitiesOfCountry(const std::string& country);

int FindTimeZone(std::int32_t zoneId);

// Row k of a zone list shows labels[k] and stands for ids[k].
struct TimeZoneList
{
    std::vector<std::int32_t> ids;
    std::vector<std::string> labels; // standard offset and standard name
};
TimeZoneList ListTimeZones();
std::vector<TimeZoneRecord> ReadAllTimeZones();

std::optional<TimeZoneRecord> ReadTimeZone(std::int32_t zoneId);

bool WriteDstRules(std::int32_t zoneId, std::uint16_t startOccurrence, std::uint16_t startMonth,
                   std::uint16_t startDayOfWeek, std::uint16_t endOccurrence,
                   std::uint16_t endMonth, std::uint16_t endDayOfWeek);

// Offset in hours on the date. A zone id that is not stored gives 0 and a
// warning, so a city never silently inherits some other zone's offset.
double UtcOffsetForDate(const DateRecord& date, std::int32_t zoneId, UserMessages& messages);

// Whether daylight time is in force today; the same test as the offset, so
// a zone's label and the times always agree.
bool IsDaylightNow(std::int32_t zoneId);

} // namespace halvo
