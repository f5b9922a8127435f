// The location picker's vocabulary and the city dialogs' checks, apart from
// the windows: map lookups, country lists, typed coordinates, list entries.
#include "locations/city_entry.h"
#include "locations/world_regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace halvo
{
namespace
{

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(MapLookup, ColourAndColumnSelectTheRegionAtTheBoundaries)
{
    struct Case
    {
        COLORREF colour;
        int x;
        const char* region; // nullptr: no region
    };
    const Case cases[] = {
        {kGreen, 100, "North America"},
        {kGreen, 110, "North America"},
        {kGreen, 111, "Middle East"},
        {kGreen, 150, "Middle East"},
        {kGreen, 180, "Middle East"},
        {kGreen, 181, "Australia"},
        {kGreen, 200, "Australia"},
        {kGreen, 240, "Australia"},
        {kYellow, 90, "South America"},
        {kYellow, 91, "Europe"},
        {kRed, 1, "Africa"},
        {kBlue, 240, "Asia"},
        // What a 16-bit display reads back for the key colours.
        {RGB(0, 252, 0), 150, "Middle East"},
        {RGB(248, 252, 0), 1, "South America"},
        {RGB(248, 0, 0), 120, "Africa"},
        {RGB(0, 0, 248), 120, "Asia"},
        // Column 0 belongs to no region, whatever the colour.
        {kGreen, 0, nullptr},
        {kRed, 0, nullptr},
        {kYellow, 0, nullptr},
        {kGreen, 241, nullptr},
        // Sea, land of no region, labels, and colours near a key colour.
        {RGB(255, 255, 255), 50, nullptr},
        {RGB(128, 128, 128), 50, nullptr},
        {RGB(0, 0, 0), 50, nullptr},
        {RGB(0, 254, 0), 50, nullptr},
        {RGB(248, 0, 248), 50, nullptr}, // magenta: normalised, yet no region's colour
    };
    for (const Case& c : cases)
    {
        const WorldRegion* region = RegionAtMapPoint(c.colour, c.x);
        if (c.region == nullptr)
            EXPECT_EQ(region, nullptr) << std::hex << c.colour << " at " << std::dec << c.x;
        else
            EXPECT_STREQ(region ? region->name : "(none)", c.region)
                << std::hex << c.colour << " at " << std::dec << c.x;
    }
}

TEST(CountryLists, EachRegionListsItsCountriesAndWorldCountriesAllOfThem)
{
    const std::map<std::string, std::size_t> sizes = {
        {"Africa", 63},      {"Asia", 33},          {"Australia", 16},     {"Europe", 52},
        {"Middle East", 25}, {"North America", 41}, {"South America", 21},
    };
    std::size_t total = 0;
    for (const auto& [region, size] : sizes)
    {
        EXPECT_EQ(CountriesOfRegion(region).size(), size) << region;
        total += size;
    }
    const std::vector<std::string> world = CountriesOfRegion(kWorldCountries);
    EXPECT_EQ(total, 251u);
    EXPECT_EQ(world.size(), 251u);
    EXPECT_EQ(std::count(world.begin(), world.end(), "Russia"), 2);
    EXPECT_EQ(CountriesOfRegion("Atlantis"), world); // a name none of the seven
    EXPECT_EQ(CountriesOfRegion("Africa").front(), "Egypt");
    EXPECT_EQ(RegionNames().size(), 8u);
    EXPECT_EQ(RegionNames().back(), "World Countries");
}

TEST(CountryLists, TypedCountryTakesTheListedSpellingOrNone)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Egypt", "Egypt"},
        {"  egypt ", "Egypt"},
        {"EGYPT", "Egypt"},
        {"usa", "USA"},
        {"holy see (vatican city)", "Holy See (Vatican City)"},
        {"cote d'ivoire", "Cote d'Ivoire"},
        {"Lethoso", "Lethoso"},
        {"Egyp", nullptr},
        {"Egypt, Arab Republic", nullptr},
        {"", nullptr},
        {"Côte d'Ivoire", nullptr},
    };
    for (const auto& [typed, listed] : cases)
    {
        const std::optional<std::string> match = MatchListedCountry(typed);
        if (listed == nullptr)
            EXPECT_FALSE(match) << typed;
        else
            EXPECT_EQ(match.value_or("(none)"), listed) << typed;
    }
}

TEST(TypedCoordinates, HundredthsAreTruncatedDigitByDigit)
{
    const std::pair<const char*, std::optional<long long>> cases[] = {
        {"0.29", 29},
        {"7.41", 741},
        {"2.4259", 242},
        {"7.409", 740},
        {"47.61", 4761},
        {"90", 9000},
        {"  12.5", 1250},
        {".5", 50},
        {"5.", 500},
        {"+3", 300},
        {"-3.50", -350},
        {"12abc", std::nullopt},
        {" 12.5\t", 1250},
        {"7,5", std::nullopt},
        {"45\u00B030'", std::nullopt},
        {"1e2", std::nullopt},
        {"4.5.6", std::nullopt},
        {"12 5", std::nullopt},
        {"+-3", std::nullopt},
        {"0x10", std::nullopt},
        {"0", 0},
        {"180.009", 18000},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"N47", std::nullopt},
    };
    for (const auto& [typed, hundredths] : cases)
        EXPECT_EQ(TypedHundredths(typed), hundredths) << typed;
    // Endless digits stay far out of range instead of wrapping round.
    EXPECT_GT(TypedHundredths(std::string(40, '9')).value_or(0), 18000);
}

CityEntry Entry(const char* latitude, const char* longitude, bool south = false, bool west = false)
{
    return {"Testville", "Egypt", longitude, latitude, west, south};
}

TEST(CityEntryCheck, RefusesInTheOrderNameCountryLatitudeLongitude)
{
    struct Case
    {
        CityEntry entry;
        const char* message;
    };
    const Case cases[] = {
        {{"", "", "", ""}, kNoCityNameMessage},
        {{"Testville", "", "", ""}, kNoCountryNameMessage},
        {{"Testville", "country name", "", ""}, kUnlistedCountryMessage},
        {{"Testville", "Egypt", "", ""}, kNoLatitudeMessage},
        {Entry("100", ""), kLatitudeRangeMessage},
        {Entry("30", ""), kNoLongitudeMessage},
        {Entry("30", "180.01"), kLongitudeRangeMessage},
    };
    for (const Case& c : cases)
    {
        const CheckedCityEntry checked = CheckCityEntry(c.entry);
        EXPECT_FALSE(checked.fields) << c.message;
        EXPECT_EQ(checked.message, c.message);
    }
}

// Names are trimmed and a blank one is none; coordinates must be numbers as
// a whole; countries take the list's spelling of a common name, and an
// unknown one is refused with the closest spellings the lists have.
TEST(CityEntryCheck, TrimsNamesRefusesPartNumbersAndOffersCloseCountries)
{
    const std::string unlisted = kUnlistedCountryMessage;
    struct Case
    {
        CityEntry entry;
        std::string message; // empty: taken
        const char* country = nullptr;
    };
    const Case cases[] = {
        {{"  \t ", "Egypt", "31", "30"}, kNoCityNameMessage},
        {{"Giza", "   ", "31", "30"}, kNoCountryNameMessage},
        {Entry("7,5", "31"), kLatitudeRangeMessage},
        {Entry("30", "45\u00B030'"), kLongitudeRangeMessage},
        {Entry("30", "1e2"), kLongitudeRangeMessage},
        {Entry("4.5.6", "31"), kLatitudeRangeMessage},
        {Entry(" 30 ", " 31.5 "), "", "Egypt"},
        {{"Giza", "United States", "31", "30"}, "", "USA"},
        {{"Giza", "south korea", "31", "30"}, "", "Korea"},
        {{"Giza", "C\u00F4te d'Ivoire", "31", "30"}, "", "Cote d'Ivoire"},
        {{"Giza", "Egyptt", "31", "30"}, unlisted + "  Did you mean Egypt?"},
        {{"Giza", "Frnace", "31", "30"}, unlisted + "  Did you mean France?"},
        {{"Giza", "Kore", "31", "30"}, unlisted + "  Did you mean Korea or North Korea?"},
        {{"Giza", "Atlantis", "31", "30"}, unlisted},
    };
    for (const Case& c : cases)
    {
        const CheckedCityEntry checked = CheckCityEntry(c.entry);
        EXPECT_EQ(checked.message, c.message) << c.entry.country;
        ASSERT_EQ(checked.fields.has_value(), c.message.empty()) << c.entry.country;
        if (checked.fields)
        {
            EXPECT_EQ(checked.fields->country, c.country);
        }
    }
    CityEntry padded = Entry("30", "31");
    padded.name = "  Giza\t";
    EXPECT_EQ(CheckCityEntry(padded).fields->name, "Giza");
}

TEST(CityEntryCheck, StoresHundredthsWithTheHemisphereAndTheListedCountry)
{
    struct Case
    {
        CityEntry entry;
        const char* longitude;
        const char* latitude;
    };
    const Case cases[] = {
        {Entry("0.29", "7.41"), "741", "29"},
        {Entry("0.29", "7.41", true, true), "-741", "-29"},
        {Entry("47.61", "122.33", false, true), "-12233", "4761"},
        {Entry("90", "180", true, false), "18000", "-9000"},
        {Entry("2.4259", "7.409", false, true), "-740", "242"},
        {Entry("0", "0"), "0", "0"},
    };
    for (const Case& c : cases)
    {
        const CheckedCityEntry checked = CheckCityEntry(c.entry);
        ASSERT_TRUE(checked.fields) << checked.message;
        EXPECT_EQ(checked.fields->longitude, c.longitude) << c.entry.longitude;
        EXPECT_EQ(checked.fields->latitude, c.latitude) << c.entry.latitude;
        EXPECT_EQ(checked.fields->name, "Testville");
        EXPECT_EQ(checked.fields->country, "Egypt");
    }
    CityEntry typed = Entry("30", "31");
    typed.country = " egypt ";
    EXPECT_EQ(CheckCityEntry(typed).fields->country, "Egypt");
}

TEST(DeleteList, EntryLeadsBackToItsStoredNameEvenWithParentheses)
{
    std::vector<CityRecord> cities(4);
    cities[0].name = "Springfield";
    cities[0].country = "USA";
    cities[1].name = "Springfield (IL)";
    cities[1].country = "USA";
    cities[2].name = "West Island";
    cities[2].country = "Cocos (keeling) Islands";
    cities[3].name = "Rome";
    cities[3].country = "Italy";
    EXPECT_EQ(CityListEntry(cities[1]), "Springfield (IL) (USA)");
    for (const CityRecord& city : cities)
        EXPECT_EQ(StoredNameOfEntry(cities, CityListEntry(city)), city.name) << city.name;
    EXPECT_EQ(StoredNameOfEntry(cities, "Paris (France)"), std::nullopt);
}

} // namespace
} // namespace halvo
