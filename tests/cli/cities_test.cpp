// Finding cities and countries as people type them, on the real shipped
// city list: `cities --search`, every --city, --country and
// `settings set CityName`.
#include "tests/cli/data_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace halvo::test
{
namespace
{

class TavorinCities : public ::testing::Test
{
  protected:
    // One seeded folder for the read-only cases: seeding the world's cities
    // once is enough.
    static void SetUpTestSuite() { folder_ = new DataFolder("cities", kRealShippedData); }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    static RunResult Run(const std::vector<std::string>& args) { return folder_->Run(args); }

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    static DataFolder* folder_;
};

DataFolder* TavorinCities::folder_ = nullptr;

TEST_F(TavorinCities, SearchIgnoresCaseAndAccentsAndPutsTheBestMatchFirst)
{
    struct Case
    {
        const char* text;
        std::vector<std::string> first; // the first lines, in order
    };
    const Case cases[] = {
        {"tehran", {"Tehrān (Iran)"}},
        {"TEHRĀN", {"Tehrān (Iran)"}},
        {"istanbul", {"İstanbul (Turkey)"}},
        {"ISTANBUL", {"İstanbul (Turkey)"}},
        // The name before the comma beats a longer name that merely starts so.
        {"seattle", {"Seattle, WA (USA)"}},
        {"new york", {"New York City, NY (USA)"}},
        // The names people use for a city the list spells another way.
        {"makkah", {"Mecca (Saudi Arabia)"}},
        // The start of a later word beats a text inside a word.
        {"york", {"York (United Kingdom)", "New York City, NY (USA)", "North York (Canada)"}},
        // A country's common name lists its cities, the largest first.
        {"united states", {"New York City, NY (USA)", "Los Angeles, CA (USA)"}},
        // The three Córdobas start with the text, larger first; Concordia
        // only contains it.
        {"cord",
         {"Córdoba (Argentina)", "Córdoba, Andalusia (Spain)", "Córdoba, Veracruz (Mexico)",
          "Concordia (Argentina)"}},
    };
    for (const Case& c : cases)
    {
        const RunResult r = Run({"cities", "--search", c.text});
        ASSERT_EQ(r.status, 0) << c.text << ": " << r.err;
        const std::vector<std::string> lines = Lines(r.out);
        ASSERT_GE(lines.size(), c.first.size()) << c.text << "\n" << r.out;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + c.first.size()), c.first)
            << c.text;
    }
    const RunResult none = Run({"cities", "--search", "xqzv"});
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "");
}

TEST_F(TavorinCities, SearchResultsAreRankedByMatchThenPopulation)
{
    const std::vector<std::string> kinds = {"wholeName",  "beforeComma", "alias",  "prefix",
                                            "wordPrefix", "contains",    "country"};
    for (const char* text : {"san", "al", "york", "córdoba", "stan", "sale", "usa"})
    {
        const RunResult r = Run({"cities", "--search", text, "--json"});
        ASSERT_EQ(r.status, 0) << text << ": " << r.err;
        const auto list = nlohmann::json::parse(r.out);
        ASSERT_FALSE(list.empty()) << text;
        std::size_t lastKind = 0;
        for (const auto& city : list)
        {
            const auto kind = static_cast<std::size_t>(
                std::find(kinds.begin(), kinds.end(), city["match"]) - kinds.begin());
            ASSERT_LT(kind, kinds.size()) << city.dump();
            EXPECT_GE(kind, lastKind) << text << ": " << city["name"];
            lastKind = kind;
        }
    }
    // Within a group, the larger city first: Córdoba in Argentina has about
    // 1.4 million people, the one in Andalusia about 330,000.
    const auto cord = nlohmann::json::parse(Run({"cities", "--search", "Cordoba", "--json"}).out);
    ASSERT_GE(cord.size(), 3u);
    EXPECT_EQ(cord[0]["country"], "Argentina");
    EXPECT_EQ(cord[0]["match"], "wholeName");
    EXPECT_EQ(cord[1]["match"], "beforeComma");
}

TEST_F(TavorinCities, CityOptionsTakeTheNamesPeopleType)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* firstLine;
    };
    const Case cases[] = {
        {{"times", "--city", "seattle", "--date", "2026-07-01"}, "Seattle, WA (USA), UTC-7:00"},
        {{"times", "--city", "new york", "--date", "2026-07-01"},
         "New York City, NY (USA), UTC-4:00"},
        {{"times", "--city", "istanbul", "--date", "2026-07-01"}, "İstanbul (Turkey), UTC+3:00"},
        {{"times", "--city", "tehran", "--date", "2026-01-10"}, "Tehrān (Iran), UTC+3:30"},
        {{"times", "--city", "SEATTLE, wa", "--date", "2026-01-10"}, "Seattle, WA (USA), UTC-8:00"},
        {{"table", "--city", "istanbul", "--month", "2026-03"}, "İstanbul (Turkey), UTC+3:00"},
        {{"qibla", "--city", "new york"}, "New York City, NY (USA)"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = Run(c.args);
        ASSERT_EQ(r.status, 0) << Joined(c.args) << ": " << r.err;
        EXPECT_EQ(r.out.rfind(c.firstLine, 0), 0u) << Joined(c.args) << "\n" << r.out;
    }
}

TEST_F(TavorinCities, ANameThatIsNoSingleCityIsRefusedWithCandidates)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"times", "--city", "atlantis"}, "tavorin: no city \"atlantis\"\n"},
        // Three cities are called Córdoba before the comma: none is taken.
        {{"times", "--city", "cordoba"},
         "tavorin: no city \"cordoba\"; did you mean: \"Córdoba\", \"Córdoba, Andalusia\", "
         "\"Córdoba, Veracruz\"\n"},
        {{"table", "--city", "cordoba", "--month", "2026-01"},
         "tavorin: no city \"cordoba\"; did you mean: \"Córdoba\", \"Córdoba, Andalusia\", "
         "\"Córdoba, Veracruz\"\n"},
        {{"qibla", "--city", "atlantis"}, "tavorin: no city \"atlantis\"\n"},
        {{"cities", "--country", "Narnia"}, "tavorin: no country \"Narnia\"\n"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = Run(c.args);
        EXPECT_EQ(r.status, 2) << Joined(c.args);
        EXPECT_EQ(r.out, "") << Joined(c.args);
        EXPECT_EQ(r.err, c.err) << Joined(c.args);
    }
    // More than five cities start with "san": five candidates, no more.
    const RunResult many = Run({"times", "--city", "san"});
    EXPECT_EQ(many.status, 2);
    EXPECT_EQ(std::count(many.err.begin(), many.err.end(), '"'), 2 + 2 * 5) << many.err;
}

TEST_F(TavorinCities, CountryTakesAnyCaseAndCommonNames)
{
    struct Case
    {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"USA", "USA"},
        {"usa", "USA"},
        {"United States", "USA"},
        {"united states of america", "USA"},
        {"Côte d'Ivoire", "Cote d'Ivoire"},
        {"North Macedonia", "F.Y.R.O Macedonia"},
        {"Eswatini", "Swaziland"},
        {"Lesotho", "Lethoso"},
        {"egypt", "Egypt"},
    };
    for (const Case& c : cases)
    {
        const RunResult r = Run({"cities", "--country", c.typed, "--json"});
        ASSERT_EQ(r.status, 0) << c.typed << ": " << r.err;
        const auto list = nlohmann::json::parse(r.out);
        ASSERT_FALSE(list.empty()) << c.typed;
        for (const auto& city : list)
        {
            EXPECT_EQ(city["country"], c.stored) << c.typed;
        }
    }
    const RunResult united = Run({"cities", "--country", "united"});
    EXPECT_EQ(united.status, 2);
    EXPECT_NE(united.err.find("did you mean: "), std::string::npos) << united.err;
    EXPECT_NE(united.err.find("\"United Kingdom\""), std::string::npos) << united.err;
}

TEST(TavorinCitySetting, SettingsSetCityNameStoresTheStoredSpellingOrRefuses)
{
    DataFolder folder("city_setting", kRealShippedData);
    auto cityName = [&folder]
    {
        for (const auto& entry : nlohmann::json::parse(folder.Run({"settings", "--json"}).out))
        {
            if (entry["name"] == "CityName")
            {
                return entry["value"].get<std::string>();
            }
        }
        return std::string();
    };
    ASSERT_EQ(folder.Run({"settings", "set", "CityName", "istanbul"}).status, 0);
    EXPECT_EQ(cityName(), "İstanbul");
    for (const char* refused : {"Atlantis", "cordoba", ""})
    {
        const RunResult r = folder.Run({"settings", "set", "CityName", refused});
        EXPECT_EQ(r.status, 2) << refused;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(cityName(), "İstanbul") << refused;
    }
    // The current city then gives the default of times, table and qibla.
    EXPECT_EQ(folder.Run({"qibla"}).out.rfind("İstanbul (Turkey)\n", 0), 0u);
    ASSERT_EQ(folder.Run({"settings", "set", "CityName", "new york"}).status, 0);
    EXPECT_EQ(cityName(), "New York City, NY");
}

} // namespace
} // namespace halvo::test
