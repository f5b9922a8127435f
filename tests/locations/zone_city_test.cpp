// The city a first start offers for the system's time zone.
#include "locations/zone_city.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

TEST(ZoneCity, ReadsTheZoneFromTzAndFromTheLocaltimeLink)
{
    struct Case
    {
        const char* text;
        const char* tz;   // ZoneOfTzValue
        const char* link; // ZoneOfLocaltimeLink
    };
    const Case cases[] = {
        {"America/Toronto", "America/Toronto", ""},
        {":America/Toronto", "America/Toronto", ""},
        {"/usr/share/zoneinfo/America/Toronto", "America/Toronto", "America/Toronto"},
        {"../usr/share/zoneinfo/America/Argentina/Buenos_Aires", "",
         "America/Argentina/Buenos_Aires"},
        {"/usr/share/zoneinfo/posix/Europe/Paris", "Europe/Paris", "Europe/Paris"},
        {"", "", ""},
        {"EST5EDT,M3.2.0,M11.1.0", "", ""}, // a POSIX rule names no place
        {"UTC", "", ""},
        {"../../etc/passwd", "", ""},
        {"/etc/localtime", "", ""},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(ZoneOfTzValue(c.text), c.tz) << c.text;
        EXPECT_EQ(ZoneOfLocaltimeLink(c.text), c.link) << c.text;
    }
}

CityRecord City(const char* name, const char* population, const char* zone)
{
    CityRecord city;
    city.name = name;
    city.population = population;
    city.ianaZone = zone;
    return city;
}

TEST(ZoneCity, OffersTheZonesOwnCityElseItsLargestAndNothingForTheCurrentZone)
{
    const std::vector<CityRecord> cities = {
        City("Brampton", "433806", "America/Toronto"),
        City("Toronto", "2600000", "America/Toronto"),
        City("Mississauga", "668549", "America/Toronto"),
        City("Seattle, WA", "608660", "America/Los_Angeles"),
        City("Los Angeles, CA", "3792621", "America/Los_Angeles"),
        City("Kitchener", "204668", "America/Toronto_Fake"),
        City("Hamburg", "1739117", "Europe/Berlin"),
        City("Berlin", "3426354", "Europe/Berlin"),
        City("Big Town", "900000", "Asia/Nowhere_Named"),
        City("Small Town", "1000", "Asia/Nowhere_Named"),
        City("New York City, NY", "8175133", "America/New_York"),
    };
    struct Case
    {
        const char* zone;
        const char* current;
        std::optional<std::string> offered;
    };
    const Case cases[] = {
        {"America/Toronto", "Seattle, WA", "Toronto"},
        {"Europe/Berlin", "Seattle, WA", "Berlin"},
        {"Asia/Nowhere_Named", "Seattle, WA", "Big Town"}, // no namesake: the largest
        {"America/New_York", "Seattle, WA", "New York City, NY"},
        // Seattle is in the system's zone: nothing to offer.
        {"America/Los_Angeles", "Seattle, WA", std::nullopt},
        {"America/Toronto", "Brampton", std::nullopt},
        {"Antarctica/Troll", "Seattle, WA", std::nullopt},
        {"", "Seattle, WA", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CityForZone(c.zone, c.current, cities), c.offered) << c.zone;
}

} // namespace
} // namespace halvo
