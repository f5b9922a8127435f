#pragma once

// What the city dialogs check and store, apart from the windows: the typed
// entry of a city, its coordinates in hundredths of a degree, and the
// entries of the delete list.

#include "locations/location_records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

inline constexpr const char* kNoCityNameMessage =
    "The City cannot be added!  You must enter the City Name.";
inline constexpr const char* kNoCountryNameMessage =
    "The City cannot be added!  You must enter the Country Name.";
inline constexpr const char* kNoLatitudeMessage =
    "The City cannot be added!  You must enter the Latitude.";
inline constexpr const char* kNoLongitudeMessage =
    "The City cannot be added!  You must enter the Longitude.";
inline constexpr const char* kUnlistedCountryMessage =
    "The City cannot be added!  The Country Name must be one of the countries Select "
    "Location lists.";
inline constexpr const char* kLatitudeRangeMessage =
    "The City cannot be added!  The Latitude must be a number between 0 and 90.";
inline constexpr const char* kLongitudeRangeMessage =
    "The City cannot be added!  The Longitude must be a number between 0 and 180.";
inline constexpr const char* kNoTimezoneMessage =
    "The City cannot be added!  You must choose the Timezone.";
inline constexpr const char* kCityNotWrittenMessage =
    "The City cannot be added!  The city list could not be written.";

// A typed decimal number (an optional sign, digits with an optional
// fraction, blanks around it) in hundredths, truncated toward zero digit by
// digit: "0.29" is 29 and "7.41" is 741, which 0.29 x 100 and 7.41 x 100 in
// binary would make 28 and 740. None unless the whole text is such a
// number: "7,5", "45°30'", "1e2" and "4.5.6" are not cut to their leading
// digits.
std::optional<long long> TypedHundredths(std::string_view text);

// The city as typed in the city dialog; the hemispheres come from its lists.
struct CityEntry
{
    std::string name;
    std::string country;
    std::string longitude;
    std::string latitude;
    bool west = false;
    bool south = false;
};

// What is stored for it: the country in the picker's spelling and the
// coordinates as hundredths of a degree, negative for West and South.
struct CityFields
{
    std::string name;
    std::string country;
    std::string longitude;
    std::string latitude;
};

// The fields to store, or the message that refuses the entry. Checked in
// the order name, country, latitude, longitude. The name is stored without
// the blanks around it; the country is the list's spelling, also of a
// common name for it ("United States" is "USA"), and a country no list
// holds is refused with the closest spellings the lists have.
struct CheckedCityEntry
{
    std::optional<CityFields> fields;
    std::string message;
};
CheckedCityEntry CheckCityEntry(const CityEntry& entry);

// "name (country)": how the delete list shows a city.
std::string CityListEntry(const CityRecord& city);
// The stored name of the city a delete-list entry shows. Cutting the entry
// at its first "(" would find another name when the name holds one.
std::optional<std::string> StoredNameOfEntry(const std::vector<CityRecord>& cities,
                                             std::string_view entry);

} // namespace halvo
