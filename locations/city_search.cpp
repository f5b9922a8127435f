#include "locations/city_search.h"

#include "locations/location_database.h"
#include "platform/text/loose_match.h"
#include "platform/text/number_text.h"

#include <algorithm>

namespace halvo
{

namespace
{

constexpr std::size_t kMaxCandidates = 5;

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

std::vector<CityMatch> SearchCities(const std::vector<CityRecord>& cities, std::string_view text)
{
    std::vector<CityMatch> matches;
    if (text.find_first_not_of(" \t") == std::string_view::npos)
    {
        return matches;
    }
    LooseSearch search(text);
    for (const CityRecord& city : cities)
    {
        const LooseMatch match = search.In(city.name);
        if (match == LooseMatch::kNone)
        {
            continue;
        }
        CityMatchKind kind = CityMatchKind::kContains;
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
        matches.push_back({city, kind});
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
    const bool anyEqual = std::any_of(matches.begin(), matches.end(),
                                      [](const CityMatch& match)
                                      { return match.kind <= CityMatchKind::kBeforeComma; });
    if (anyEqual)
    {
        resolution.city =
            single([](CityMatchKind kind) { return kind <= CityMatchKind::kBeforeComma; });
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
