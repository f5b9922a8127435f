#pragma once

// The location picker's fixed vocabulary: the regions, their key colours and
// columns on the world map, and the countries each region lists. A stored
// city is reachable only when its country is spelled as one of these lists.

#include "platform/colour.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

struct WorldRegion
{
    const char* name = "";
    COLORREF keyColour = 0; // the colour of its land on the map
    int height = 120;       // the same in every entry; the lookup does not use it
    int lowestX = 0;        // a tap selects it when lowestX < x <= highestX
    int highestX = 0;
};

inline constexpr const char* kWorldCountries = "World Countries";

// The map is drawn at the dialog's top-left corner; presses outside it are
// not map taps.
inline constexpr int kWorldMapWidth = 240;
inline constexpr int kWorldMapHeight = 120;

// The seven regions of the map, in lookup order; the region list shows them
// and then "World Countries".
std::span<const WorldRegion> MapRegions();
std::vector<std::string> RegionNames();

// 16-bit displays return 248 and 252 for a full colour channel; those
// colours become the full colours they stand for, any other stays as it is.
COLORREF NormaliseMapColour(COLORREF colour);

// The first map region whose key colour is the colour read at column x
// (normalised first) and whose columns hold x; nullptr when none does.
const WorldRegion* RegionAtMapPoint(COLORREF colour, int x);

// The countries of a region in list order. "World Countries", or any name
// that is none of the seven, gives all seven lists one after another, so a
// country two regions name ("Russia") stands twice.
std::vector<std::string> CountriesOfRegion(std::string_view region);

// The listed spelling of a typed country, compared without regard to case
// or to blanks around it; none when no list holds it.
std::optional<std::string> MatchListedCountry(std::string_view typed);

} // namespace halvo
