// Finding a city by typing, over the shipped city list read straight from
// its seed file: other names, ranking, country names and every city.
#include "locations/city_search.h"
#include "startup/seed_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

const std::vector<CityRecord>& ShippedCities()
{
    static const std::vector<CityRecord> cities = []
    {
        std::vector<CityRecord> read;
        std::ifstream file(std::string(HALVO_SOURCE_DATA_DIR) + "/HalvoCities.txt");
        for (std::string line; std::getline(file, line);)
        {
            CityLine parsed = ParseCityLine(line);
            if (parsed.kind == SeedLineKind::kRecord)
                read.push_back(std::move(parsed.city));
        }
        return read;
    }();
    return cities;
}

std::vector<std::string> Names(const std::vector<CityMatch>& matches, std::size_t count)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < matches.size() && i < count; ++i)
        names.push_back(matches[i].city.name);
    return names;
}

TEST(CitySearch, EveryShippedCityIsFoundByItsOwnName)
{
    const std::vector<CityRecord>& cities = ShippedCities();
    ASSERT_EQ(cities.size(), 6004u);
    for (const CityRecord& city : cities)
    {
        const std::vector<CityMatch> found = SearchCities({city}, city.name);
        ASSERT_EQ(found.size(), 1u) << city.name;
        EXPECT_EQ(found[0].kind, CityMatchKind::kWholeName) << city.name;
    }
}

TEST(CitySearch, EveryOtherNameNamesAShippedCity)
{
    const std::vector<CityRecord>& cities = ShippedCities();
    for (const CityAlias& alias : CityAliases())
    {
        EXPECT_TRUE(std::any_of(cities.begin(), cities.end(),
                                [&](const CityRecord& city) { return city.name == alias.stored; }))
            << alias.typed << " -> " << alias.stored;
    }
}

TEST(CitySearch, WellKnownOtherNamesFindTheCity)
{
    struct Case
    {
        const char* typed;
        std::vector<std::string> first;
    };
    const Case cases[] = {
        {"makkah", {"Mecca"}},
        {"MAKKAH", {"Mecca"}},
        {"madinah", {"Medina"}},
        {"bombay", {"Mumbai"}},
        {"calcutta", {"Kolkata"}},
        {"constantinople", {"İstanbul"}},
        {"saigon", {"Ho Chi Minh City"}},
        {"al-quds", {"Jerusalem", "East Jerusalem"}},
        // The city's own name still comes before another city's other name.
        {"mecca", {"Mecca"}},
        // The start of another name finds the city while it is typed.
        {"makk", {"Mecca"}},
    };
    for (const Case& c : cases)
    {
        const std::vector<CityMatch> found = SearchCities(ShippedCities(), c.typed);
        EXPECT_EQ(Names(found, c.first.size()), c.first) << c.typed;
    }
    // A whole other name names the city for the commands too.
    EXPECT_EQ(ResolveCityIn(ShippedCities(), "Makkah").city->name, "Mecca");
    EXPECT_EQ(ResolveCityIn(ShippedCities(), "bombay").city->name, "Mumbai");
    EXPECT_FALSE(ResolveCityIn(ShippedCities(), "al-quds").city);
}

// Whole name, the name before the comma, another name, then the start, the
// start of a later word, anywhere, and last the cities of a named country.
TEST(CitySearch, BestMatchesComeFirst)
{
    struct Case
    {
        const char* typed;
        std::vector<std::string> first;
    };
    const Case cases[] = {
        {"sale", {"Sale", "Salem", "Salem, OR", "Salerno"}},
        {"seattle", {"Seattle, WA"}},
        {"york", {"York", "New York City, NY", "North York"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(SearchCities(ShippedCities(), c.typed), c.first.size()), c.first)
            << c.typed;

    for (const char* typed : {"sale", "san", "al", "york", "united states", "makka"})
    {
        const std::vector<CityMatch> found = SearchCities(ShippedCities(), typed);
        ASSERT_FALSE(found.empty()) << typed;
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                                   [](const CityMatch& a, const CityMatch& b)
                                   { return a.kind < b.kind; }))
            << typed;
    }
    const std::vector<CityMatch> sale = SearchCities(ShippedCities(), "sale");
    const auto kindOf = [&](const std::string& name)
    {
        return std::find_if(sale.begin(), sale.end(),
                            [&](const CityMatch& match) { return match.city.name == name; })
            ->kind;
    };
    EXPECT_EQ(kindOf("Sale"), CityMatchKind::kWholeName);
    EXPECT_EQ(kindOf("Salerno"), CityMatchKind::kPrefix);
    EXPECT_EQ(kindOf("Winston-Salem, NC"), CityMatchKind::kWordPrefix);
    EXPECT_EQ(kindOf("Jerusalem"), CityMatchKind::kContains);
}

TEST(CitySearch, ACountrysNameListsItsCitiesLargestFirst)
{
    const std::vector<CityRecord>& cities = ShippedCities();
    const auto usa = static_cast<std::size_t>(std::count_if(cities.begin(), cities.end(),
                                                            [](const CityRecord& city)
                                                            { return city.country == "USA"; }));
    for (const char* typed : {"united states", "United States of America", "usa"})
    {
        const std::vector<CityMatch> found = SearchCities(cities, typed);
        const auto ofUsa =
            std::count_if(found.begin(), found.end(),
                          [](const CityMatch& match) { return match.city.country == "USA"; });
        EXPECT_EQ(static_cast<std::size_t>(ofUsa), usa) << typed;
    }
    EXPECT_EQ(Names(SearchCities(cities, "united states"), 1),
              std::vector<std::string>{"New York City, NY"});
    // Only a whole country name does: "united" finds the names that hold it.
    for (const CityMatch& match : SearchCities(cities, "united"))
        EXPECT_NE(match.kind, CityMatchKind::kCountry) << match.city.name;
}

TEST(CitySearch, AnEmptyOrBlankTextFindsNothing)
{
    for (const char* typed : {"", " ", "\t  "})
        EXPECT_TRUE(SearchCities(ShippedCities(), typed).empty()) << '"' << typed << '"';
    EXPECT_TRUE(SearchCities(ShippedCities(), "xqzv").empty());
}

} // namespace
} // namespace halvo
