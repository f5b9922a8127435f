#include "locations/zone_city.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace halvo
{

namespace
{

// Zone names are letters, digits and "/_-+"; a POSIX rule has a comma or
// an offset digit right after its abbreviation, and no slash.
bool LooksLikeZoneName(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.find("..") != std::string_view::npos)
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c)
                       {
                           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                  (c >= '0' && c <= '9') || c == '/' || c == '_' || c == '-' ||
                                  c == '+';
                       }) &&
           name.find('/') != std::string_view::npos;
}

std::string AfterZoneinfo(std::string_view path)
{
    const std::string_view marker = "zoneinfo/";
    const std::size_t at = path.rfind(marker);
    if (at == std::string_view::npos)
        return {};
    std::string_view zone = path.substr(at + marker.size());
    // The "posix/" and "right/" trees hold the same zones.
    for (std::string_view tree : {"posix/", "right/"})
        if (zone.substr(0, tree.size()) == tree)
            zone.remove_prefix(tree.size());
    return LooksLikeZoneName(zone) ? std::string(zone) : std::string();
}

std::int64_t PopulationOf(const CityRecord& city)
{
    return std::atoll(city.population.c_str());
}

} // namespace

std::string ZoneOfTzValue(std::string_view tz)
{
    if (!tz.empty() && tz.front() == ':')
        tz.remove_prefix(1);
    if (!tz.empty() && tz.front() == '/')
        return AfterZoneinfo(tz);
    return LooksLikeZoneName(tz) ? std::string(tz) : std::string();
}

std::string ZoneOfLocaltimeLink(std::string_view target)
{
    return AfterZoneinfo(target);
}

std::string SystemZoneName()
{
    if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0')
        return ZoneOfTzValue(tz);
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink("/etc/localtime", error);
    return error ? std::string() : ZoneOfLocaltimeLink(target.string());
}

std::string ShortCityName(const std::string& name)
{
    return name.substr(0, name.find(','));
}

std::optional<std::string> CityForZone(std::string_view zone, const std::string& currentCity,
                                       const std::vector<CityRecord>& cities)
{
    if (zone.empty())
        return std::nullopt;
    std::string named(zone.substr(zone.rfind('/') + 1));
    std::replace(named.begin(), named.end(), '_', ' ');
    const CityRecord* best = nullptr;
    bool bestNamed = false;
    for (const CityRecord& city : cities)
    {
        if (city.ianaZone != zone)
            continue;
        if (city.name == currentCity)
            return std::nullopt;
        const bool isNamed = ShortCityName(city.name) == named;
        if (best == nullptr || (isNamed && !bestNamed) ||
            (isNamed == bestNamed && PopulationOf(city) > PopulationOf(*best)))
        {
            best = &city;
            bestNamed = isNamed;
        }
    }
    if (best == nullptr)
        return std::nullopt;
    return best->name;
}

} // namespace halvo
