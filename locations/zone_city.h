#pragma once

// The shipped city of the system's time zone, to offer on a first start
// when the current city (Seattle, WA, by default) lies in another zone.

#include "locations/location_records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

// The zone name a TZ value gives: "Europe/Paris", ":Europe/Paris" or a path
// under a zoneinfo folder. Empty for an empty value or a POSIX rule
// ("EST5EDT,M3.2.0,M11.1.0"), which names no city.
std::string ZoneOfTzValue(std::string_view tz);
// The zone name an /etc/localtime link points to
// ("../usr/share/zoneinfo/America/Toronto"); empty when it is no zoneinfo path.
std::string ZoneOfLocaltimeLink(std::string_view target);
// The system's zone: TZ when it is set, else where /etc/localtime points.
std::string SystemZoneName();

// The city to offer for that zone among the shipped cities: none when the
// current city is already in it or no shipped city is. The city the zone is
// named after comes first ("America/Toronto": Toronto), else the zone's
// most populous.
std::optional<std::string> CityForZone(std::string_view zone, const std::string& currentCity,
                                       const std::vector<CityRecord>& cities);

// The part of a city name people say: before the comma ("Seattle" of
// "Seattle, WA").
std::string ShortCityName(const std::string& name);

} // namespace halvo
