#include "locations/world_regions.h"
#include "platform/text/plain_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace halvo
{

namespace
{

// Each region names its own countries in this order; the lists sort them.
constexpr const char* kAfrica[] = {
    "Egypt",
    "Eritrea",
    "Djibouti",
    "Uganda",
    "South Africa",
    "Libya",
    "Nigeria",
    "Kenya",
    "Namibia",
    "Tunisia",
    "Ghana",
    "Rwanda",
    "Botswana",
    "Algeria",
    "Senegal",
    "Liberia",
    "Zimbabwe",
    "Morocco",
    "Togo",
    "Burundi",
    "Malawi",
    "Sudan",
    "Republic of the Congo",
    "Guinea-Bissau",
    "Benin",
    "Gabon",
    "Mali",
    "Democratic Republic of the Congo",
    "Madagascar",
    "Western Sahara",
    "Cote d'Ivoire",
    "Mozambique",
    "Lethoso",
    "Mauritania",
    "Central African Republic",
    "Zambia",
    "Niger",
    "Sierra Leone",
    "Angola",
    "Chad",
    "Tanzania",
    "Guinea",
    "Burkina Faso",
    "Cameroon",
    "Ethiopia",
    "Somalia",
    "Swaziland",
    "Cape Verde",
    "Equatorial Guinea",
    "Gambia",
    "Mauritius",
    "Sao Tome and Principe",
    "Seychelles",
    "Bassas da India",
    "Bouvet Island",
    "Europa Island",
    "French Southern and Antarctic Lands",
    "Glorioso Islands",
    "Heard Island and McDonald Islands",
    "Juan de Nova Island",
    "Mayotte",
    "Reunion",
    "Tromelin Island",
};
constexpr const char* kAsia[] = {
    "Nepal",
    "Russia",
    "India",
    "Mongolia",
    "Taiwan",
    "Thailand",
    "Kazakhstan",
    "Burma",
    "Bhutan",
    "Sri Lanka",
    "China",
    "Japan",
    "Laos",
    "Korea",
    "Cambodia",
    "North Korea",
    "Vietnam",
    "Bangladesh",
    "Philippines",
    "Singapore",
    "Maldives",
    "Malaysia",
    "Indonesia",
    "East Timor",
    "Brunei",
    "Ashmore and Cartier Islands",
    "British Indian Ocean Territory",
    "Christmas Island",
    "Cocos (keeling) Islands",
    "Hong Kong",
    "Northern Mariana Islands",
    "Paracel Islands",
    "Spratly Islands",
};
constexpr const char* kAustralia[] = {
    "Papua New Guinea",
    "Australia",
    "New Zealand",
    "Fiji",
    "Kiribati",
    "Marshall Islands",
    "Micronesia, Federated States of",
    "Nauru",
    "Palau",
    "Samoa",
    "Solomon Islands",
    "Tonga",
    "Tuvalu",
    "Vanuatu",
    "Cook Islands",
    "Coral Sea Islands",
};
constexpr const char* kEurope[] = {
    "Norway",
    "France",
    "Estonia",
    "Belarus",
    "Romania",
    "F.Y.R.O Macedonia",
    "Austria",
    "Russia",
    "Finland",
    "Ukraine",
    "Sweden",
    "Czech Republic",
    "Spain",
    "Latvia",
    "Hungary",
    "Greece",
    "Poland",
    "Italy",
    "Lithuania",
    "Slovakia",
    "Bulgaria",
    "United Kingdom",
    "Slovenia",
    "Portugal",
    "Denmark",
    "Switzerland",
    "Luxembourg",
    "Netherlands",
    "Moldova",
    "Germany",
    "Bosnia and Herzegovina",
    "Ireland",
    "Croatia",
    "Albania",
    "Holy See (Vatican City)",
    "Monaco",
    "San Marino",
    "Malta",
    "Liechtenstein",
    "Iceland",
    "Belgium",
    "Georgia",
    "Andorra",
    "British Virgin Islands",
    "Faroe Islands",
    "Gibraltar",
    "Jan Mayen",
    "Jersey",
    "Man, Isle of",
    "Serbia and Montenegro",
    "Turks and Caicos Islands",
    "Wallis and Futuna",
};
constexpr const char* kMiddleEast[] = {
    "Jordan",       "Kyrgyzstan",  "Qatar",   "Pakistan", "Turkey",     "Saudi Arabia",
    "Azerbaijan",   "Afghanistan", "Syria",   "Iraq",     "Iran",       "Tajikistan",
    "Turkmenistan", "Kuwait",      "Oman",    "Armenia",  "Israel",     "Uzbekistan",
    "Yemen",        "Cyprus",      "Lebanon", "Bahrain",  "Gaza Strip", "United Arab Emirates",
    "Palestine",
};
constexpr const char* kNorthAmerica[] = {
    "Greenland",
    "Canada",
    "Nicaragua",
    "USA",
    "Dominican Republic",
    "Honduras",
    "Cuba",
    "Panama",
    "Mexico",
    "Costa Rica",
    "Guatemala",
    "Antigua and Barbuda",
    "Bahamas",
    "Barbados",
    "Belize",
    "Dominica",
    "El Salvador",
    "Grenada",
    "Haiti",
    "Jamaica",
    "Saint Kitts and Nevis",
    "Saint Lucia",
    "Saint Vincent and the Grenadines",
    "Trinidad and Tobago",
    "Baker Island",
    "Cayman Islands",
    "Clipperton Island",
    "Howland Island",
    "Jarvis Island",
    "Johnston Atoll",
    "Kingman Reef",
    "Martinique",
    "Midway Islands",
    "Navassa Island",
    "Palmyra Atoll",
    "Guadeloupe",
    "Puerto Rico",
    "Saint Helena",
    "Saint Pierre and Miquelon",
    "Virgin Islands",
    "Wake Island",
};
constexpr const char* kSouthAmerica[] = {
    "Colombia",
    "Chile",
    "Guyana",
    "Suriname",
    "French Guiana",
    "Brazil",
    "Ecuador",
    "Peru",
    "Bolivia",
    "Paraguay",
    "Argentina",
    "Uruguay",
    "Venezuela",
    "Falkland Islands (Islas Malvinas)",
    "French Polynesia",
    "Montserrat",
    "Netherlands Antilles",
    "New Caledonia",
    "Norfolk Island",
    "Pitcairn Islands",
    "South Georgia and the South Sandwich Islands",
};

struct RegionCountries
{
    WorldRegion region;
    std::span<const char* const> countries;
};

// Lookup order: colours shared by several regions are told apart by the
// column of the tap.
const std::array<RegionCountries, 7> kRegions = {{
    {{"Africa", RGB(255, 0, 0), 120, 0, 240}, kAfrica},
    {{"Asia", RGB(0, 0, 255), 120, 0, 240}, kAsia},
    {{"Australia", RGB(0, 255, 0), 120, 180, 240}, kAustralia},
    {{"Europe", RGB(255, 255, 0), 120, 90, 240}, kEurope},
    {{"Middle East", RGB(0, 255, 0), 120, 110, 180}, kMiddleEast},
    {{"North America", RGB(0, 255, 0), 120, 0, 110}, kNorthAmerica},
    {{"South America", RGB(255, 255, 0), 120, 0, 90}, kSouthAmerica},
}};

const std::array<WorldRegion, 7> kMapRegions = []
{
    std::array<WorldRegion, 7> regions;
    for (std::size_t i = 0; i < kRegions.size(); ++i)
        regions[i] = kRegions[i].region;
    return regions;
}();

// What a 16-bit display gives back for the full colours.
struct ColourPair
{
    COLORREF shown;
    COLORREF meant;
};
constexpr ColourPair kSixteenBitColours[] = {
    {RGB(248, 0, 0), RGB(255, 0, 0)},     {RGB(0, 252, 0), RGB(0, 255, 0)},
    {RGB(248, 252, 0), RGB(255, 255, 0)}, {RGB(248, 0, 248), RGB(255, 0, 255)},
    {RGB(0, 252, 248), RGB(0, 255, 255)}, {RGB(0, 0, 248), RGB(0, 0, 255)},
};

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y)
                      {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

} // namespace

std::span<const WorldRegion> MapRegions()
{
    return kMapRegions;
}

std::vector<std::string> RegionNames()
{
    std::vector<std::string> names;
    for (const WorldRegion& region : kMapRegions)
        names.emplace_back(region.name);
    names.emplace_back(kWorldCountries);
    return names;
}

COLORREF NormaliseMapColour(COLORREF colour)
{
    for (const ColourPair& pair : kSixteenBitColours)
        if (pair.shown == colour)
            return pair.meant;
    return colour;
}

const WorldRegion* RegionAtMapPoint(COLORREF colour, int x)
{
    const COLORREF normalised = NormaliseMapColour(colour);
    for (const WorldRegion& region : kMapRegions)
        if (region.keyColour == normalised && region.lowestX < x && x <= region.highestX)
            return &region;
    return nullptr;
}

std::vector<std::string> CountriesOfRegion(std::string_view region)
{
    std::vector<std::string> countries;
    for (const RegionCountries& entry : kRegions)
        if (region == entry.region.name)
            return {entry.countries.begin(), entry.countries.end()};
    for (const RegionCountries& entry : kRegions)
        countries.insert(countries.end(), entry.countries.begin(), entry.countries.end());
    return countries;
}

std::optional<std::string> MatchListedCountry(std::string_view typed)
{
    const std::string_view wanted = TrimBlanks(typed);
    for (const RegionCountries& entry : kRegions)
        for (const char* country : entry.countries)
            if (EqualIgnoringCase(wanted, country))
                return std::string(country);
    return std::nullopt;
}

} // namespace halvo
