#include "locations/city_search.h"

#include "locations/country_names.h"
#include "locations/location_database.h"
#include "platform/text/loose_match.h"
#include "platform/text/number_text.h"

#include <algorithm>
#include <map>
#include <set>

namespace halvo
{

namespace
{

constexpr std::size_t kMaxCandidates = 5;

// Characters that end a word in a city's name: "york" starts a word of
// "New York City, NY", "sur" one of "Boulogne-sur-Mer".
bool EndsWord(char c)
{
    return c == ' ' || c == '-' || c == ',' || c == '(' || c == '/' || c == '.' || c == '\'';
}

bool StartsALaterWord(LooseSearch& search, std::string_view name)
{
    for (std::size_t i = 1; i < name.size(); ++i)
    {
        if (!EndsWord(name[i - 1]) || EndsWord(name[i]))
        {
            continue;
        }
        const LooseMatch match = search.In(name.substr(i));
        if (match == LooseMatch::kPrefix || match == LooseMatch::kWhole)
        {
            return true;
        }
    }
    return false;
}

// How the typed text stands in the other names of the cities: a whole other
// name counts just after the city's own name, the start of one as the start
// of the city's name.
std::map<std::string_view, CityMatchKind> AliasKinds(LooseSearch& search)
{
    std::map<std::string_view, CityMatchKind> kinds;
    for (const CityAlias& alias : CityAliases())
    {
        const LooseMatch match = search.In(alias.typed);
        if (match != LooseMatch::kWhole && match != LooseMatch::kPrefix)
        {
            continue;
        }
        const CityMatchKind kind =
            match == LooseMatch::kWhole ? CityMatchKind::kAlias : CityMatchKind::kPrefix;
        auto [at, added] = kinds.emplace(alias.stored, kind);
        if (!added)
        {
            at->second = std::min(at->second, kind);
        }
    }
    return kinds;
}

// The stored country the whole text names, if it names one.
std::optional<std::string> CountryNamed(const std::vector<CityRecord>& cities,
                                        std::string_view text)
{
    std::set<std::string> seen;
    std::vector<std::string> countries;
    for (const CityRecord& city : cities)
    {
        if (seen.insert(city.country).second)
        {
            countries.push_back(city.country);
        }
    }
    return ResolveCountry(text, countries).country;
}

std::string_view BeforeComma(std::string_view name)
{
    const std::size_t comma = name.find(',');
    return comma == std::string_view::npos ? std::string_view() : name.substr(0, comma);
}

std::vector<std::string> CandidateNames(const std::vector<CityMatch>& matches)
{
    std::vector<std::string> names;
    for (const CityMatch& match : matches)
    {
        if (names.size() == kMaxCandidates)
        {
            break;
        }
        names.push_back(match.city.name);
    }
    return names;
}

} // namespace

const std::vector<CityAlias>& CityAliases()
{
    // Names people commonly type for cities the list spells another way:
    // the transliterations Muslims use for the holy cities, and the older or
    // newer names of large cities. Each names a city of the shipped list.
    static const std::vector<CityAlias> aliases = {
        {"Makkah", "Mecca"},
        {"Makka", "Mecca"},
        {"Makkah al-Mukarramah", "Mecca"},
        {"Madinah", "Medina"},
        {"Al-Madinah", "Medina"},
        {"Madinah al-Munawwarah", "Medina"},
        {"Al-Quds", "Jerusalem"},
        {"Al-Quds", "East Jerusalem"},
        {"Bombay", "Mumbai"},
        {"Madras", "Chennai"},
        {"Calcutta", "Kolkata"},
        {"Bengaluru", "Bangalore"},
        {"Benares", "Varanasi"},
        {"Peking", "Beijing"},
        {"Rangoon", "Yangon"},
        {"Saigon", "Ho Chi Minh City"},
        {"Kyiv", "Kiev"},
        {"Dacca", "Dhaka"},
        {"Constantinople", "İstanbul"},
        {"Jiddah", "Jeddah"},
        {"Alma-Ata", "Almaty"},
    };
    return aliases;
}

std::vector<CityMatch> SearchCities(const std::vector<CityRecord>& cities, std::string_view text)
{
    std::vector<CityMatch> matches;
    if (text.find_first_not_of(" \t") == std::string_view::npos)
    {
        return matches;
    }
    LooseSearch search(text);
    const std::map<std::string_view, CityMatchKind> aliasKinds = AliasKinds(search);
    const std::optional<std::string> country = CountryNamed(cities, text);
    for (const CityRecord& city : cities)
    {
        const LooseMatch match = search.In(city.name);
        std::optional<CityMatchKind> kind;
        if (match == LooseMatch::kWhole)
        {
            kind = CityMatchKind::kWholeName;
        }
        else if (match == LooseMatch::kPrefix)
        {
            const std::string_view beforeComma = BeforeComma(city.name);
            kind = !beforeComma.empty() && search.Equals(beforeComma) ? CityMatchKind::kBeforeComma
                                                                      : CityMatchKind::kPrefix;
        }
        else if (match == LooseMatch::kContains)
        {
            kind = StartsALaterWord(search, city.name) ? CityMatchKind::kWordPrefix
                                                       : CityMatchKind::kContains;
        }
        if (const auto alias = aliasKinds.find(city.name); alias != aliasKinds.end())
        {
            kind = kind ? std::min(*kind, alias->second) : alias->second;
        }
        if (!kind && country && city.country == *country)
        {
            kind = CityMatchKind::kCountry;
        }
        if (kind)
        {
            matches.push_back({city, *kind});
        }
    }
    std::stable_sort(matches.begin(), matches.end(),
                     [](const CityMatch& a, const CityMatch& b)
                     {
                         if (a.kind != b.kind)
                         {
                             return a.kind < b.kind;
                         }
                         return LeadingInteger(a.city.population) >
                                LeadingInteger(b.city.population);
                     });
    return matches;
}

CityResolution ResolveCityIn(const std::vector<CityRecord>& cities, std::string_view typed)
{
    CityResolution resolution;
    const std::vector<CityMatch> matches = SearchCities(cities, typed);
    auto single = [&](auto accepts) -> std::optional<CityRecord>
    {
        const CityMatch* found = nullptr;
        for (const CityMatch& match : matches)
        {
            if (!accepts(match.kind))
            {
                continue;
            }
            if (found != nullptr)
            {
                return std::nullopt;
            }
            found = &match;
        }
        if (found == nullptr)
        {
            return std::nullopt;
        }
        return found->city;
    };
    // A well-known other name counts as the name itself: "makkah" is Mecca.
    const bool anyEqual =
        std::any_of(matches.begin(), matches.end(),
                    [](const CityMatch& match) { return match.kind <= CityMatchKind::kAlias; });
    if (anyEqual)
    {
        resolution.city = single([](CityMatchKind kind) { return kind <= CityMatchKind::kAlias; });
    }
    else
    {
        resolution.city = single([](CityMatchKind kind) { return kind == CityMatchKind::kPrefix; });
    }
    if (!resolution.city)
    {
        resolution.candidates = CandidateNames(matches);
    }
    return resolution;
}

CityResolution ResolveCity(std::string_view typed)
{
    if (auto stored = ReadCity(std::string(typed)))
    {
        return {std::move(stored), {}};
    }
    return ResolveCityIn(ReadAllCities(), typed);
}

} // namespace halvo
