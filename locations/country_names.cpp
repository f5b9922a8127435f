#include "locations/country_names.h"

#include "platform/text/loose_match.h"
#include "platform/text/plain_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace halvo
{

namespace
{

struct CountryAlias
{
    const char* typed;
    const char* stored;
};

// Names in common use for countries the city list spells another way.
constexpr std::array<CountryAlias, 36> kCountryAliases = {{
    {"United States", "USA"},
    {"United States of America", "USA"},
    {"US", "USA"},
    {"America", "USA"},
    {"Côte d'Ivoire", "Cote d'Ivoire"},
    {"Ivory Coast", "Cote d'Ivoire"},
    {"North Macedonia", "F.Y.R.O Macedonia"},
    {"Macedonia", "F.Y.R.O Macedonia"},
    {"Eswatini", "Swaziland"},
    {"Lesotho", "Lethoso"},
    {"Myanmar", "Burma"},
    {"Czechia", "Czech Republic"},
    {"Timor-Leste", "East Timor"},
    {"UK", "United Kingdom"},
    {"Great Britain", "United Kingdom"},
    {"Britain", "United Kingdom"},
    {"England", "United Kingdom"},
    {"Scotland", "United Kingdom"},
    {"Wales", "United Kingdom"},
    {"UAE", "United Arab Emirates"},
    {"Emirates", "United Arab Emirates"},
    {"South Korea", "Korea"},
    {"Republic of Korea", "Korea"},
    {"Türkiye", "Turkey"},
    {"Cabo Verde", "Cape Verde"},
    {"Vatican", "Holy See (Vatican City)"},
    {"Vatican City", "Holy See (Vatican City)"},
    {"DR Congo", "Democratic Republic of the Congo"},
    {"DRC", "Democratic Republic of the Congo"},
    {"Congo-Brazzaville", "Republic of the Congo"},
    {"Serbia", "Serbia and Montenegro"},
    {"Montenegro", "Serbia and Montenegro"},
    {"Isle of Man", "Man, Isle of"},
    {"Micronesia", "Micronesia, Federated States of"},
    {"Falkland Islands", "Falkland Islands (Islas Malvinas)"},
    {"Cocos Islands", "Cocos (keeling) Islands"},
}};

constexpr std::size_t kMaxCandidates = 5;

bool IsStored(const std::vector<std::string>& stored, std::string_view country)
{
    return std::find(stored.begin(), stored.end(), country) != stored.end();
}

void AddCandidate(std::vector<std::string>& candidates, const std::string& country)
{
    if (candidates.size() < kMaxCandidates &&
        std::find(candidates.begin(), candidates.end(), country) == candidates.end())
    {
        candidates.push_back(country);
    }
}

} // namespace

CountryResolution ResolveCountry(std::string_view typed,
                                 const std::vector<std::string>& storedCountries)
{
    CountryResolution resolution;
    if (IsStored(storedCountries, typed))
    {
        resolution.country = std::string(typed);
        return resolution;
    }
    for (const std::string& country : storedCountries)
    {
        if (LooselyEqual(country, typed))
        {
            resolution.country = country;
            return resolution;
        }
    }
    for (const CountryAlias& alias : kCountryAliases)
    {
        if (LooselyEqual(alias.typed, typed) && IsStored(storedCountries, alias.stored))
        {
            resolution.country = alias.stored;
            return resolution;
        }
    }
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
    {
        return resolution;
    }
    LooseSearch search(typed);
    for (const std::string& country : storedCountries)
    {
        if (search.In(country) != LooseMatch::kNone)
        {
            AddCandidate(resolution.candidates, country);
        }
    }
    for (const CountryAlias& alias : kCountryAliases)
    {
        if (search.In(alias.typed) != LooseMatch::kNone && IsStored(storedCountries, alias.stored))
        {
            AddCandidate(resolution.candidates, alias.stored);
        }
    }
    return resolution;
}

namespace
{

} // namespace

std::vector<std::string> ClosestCountries(std::string_view typed,
                                          const std::vector<std::string>& countries)
{
    constexpr std::size_t kMaxClosest = 3;
    const std::size_t allowed = std::max<std::size_t>(2, typed.size() / 4);
    std::vector<std::pair<std::size_t, const std::string*>> near;
    for (const std::string& country : countries)
    {
        // Far longer or shorter names cannot be near; skip the work.
        const std::size_t gap = country.size() > typed.size() ? country.size() - typed.size()
                                                              : typed.size() - country.size();
        if (gap > allowed)
            continue;
        if (const std::size_t distance = EditDistance(typed, country); distance <= allowed)
            near.emplace_back(distance, &country);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (std::size_t i = 0; i < near.size() && i < kMaxClosest; ++i)
        closest.push_back(*near[i].second);
    return closest;
}

} // namespace halvo
