#pragma once

// Finding a city as people type it: case and accents do not count, the
// state or province after the comma may be left out, the beginning of a
// name will do when it names one city, a well-known other name ("Makkah",
// "Bombay") finds the city the list keeps, and a country's name (or the
// name people commonly use for it) lists that country's cities.

#include "locations/location_records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

// How a typed text stands in a city's name, best first.
enum class CityMatchKind
{
    kWholeName,   // "tehran" for "Tehrān"
    kBeforeComma, // "seattle" for "Seattle, WA"
    kAlias,       // "makkah" for "Mecca"
    kPrefix,      // "new york" for "New York City, NY"
    kWordPrefix,  // "york" for "New York City, NY"
    kContains,    // "cord" for "Concordia"
    kCountry,     // "united states" for "Seattle, WA"
};

// A well-known other name for a city of the shipped list.
struct CityAlias
{
    const char* typed;
    const char* stored;
};

// The other names the search knows, each naming a city the list keeps.
const std::vector<CityAlias>& CityAliases();

struct CityMatch
{
    CityRecord city;
    CityMatchKind kind = CityMatchKind::kContains;
};

// The cities whose name contains the text (case and accents ignored), best
// matches first: whole name, then the name before the comma, then a
// well-known other name, then the start of the name (or of another name),
// then the start of a later word, then anywhere, then the cities of the
// country the text names; larger cities first within a group (the
// population the shipped cities carry), then store order.
std::vector<CityMatch> SearchCities(const std::vector<CityRecord>& cities, std::string_view text);

struct CityResolution
{
    std::optional<CityRecord> city;      // the city the text names
    std::vector<std::string> candidates; // otherwise: up to five names to suggest
};

// The city a typed name means: the exact stored name under the store's own
// rule first; else the one city whose name, or whose name before the comma,
// equals the text (case and accents ignored); else the one city whose name
// begins with it. Otherwise no city, with candidates from the search.
CityResolution ResolveCity(std::string_view typed);
// The same over a given list (store order), without the store's own lookup.
CityResolution ResolveCityIn(const std::vector<CityRecord>& cities, std::string_view typed);

} // namespace halvo
