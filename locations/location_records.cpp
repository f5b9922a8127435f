#include "locations/location_database.h"

namespace halvo
{

namespace
{

std::uint16_t Small(const Record& record, std::uint16_t id)
{
    const Property* property = FindProperty(record, id);
    if (property == nullptr)
    {
        return 0;
    }
    if (const auto* value = std::get_if<std::uint16_t>(&property->value))
    {
        return *value;
    }
    return static_cast<std::uint16_t>(IntProperty(record, id));
}

} // namespace

Record ToStoreRecord(const CityRecord& city)
{
    using namespace city_property;
    return Record{
        {kName, city.name},
        {kCountry, city.country},
        {kLongitude, city.longitude},
        {kLatitude, city.latitude},
        {kZoneId, city.zoneId},
        {kCarried106, city.carried106},
        {kCarried107, city.carried107},
        {kCarried108, city.carried108},
    };
}

// In the seed file's field order.
Record ToStoreRecord(const TimeZoneRecord& zone)
{
    using namespace zone_property;
    return Record{
        {kId, zone.id},
        {kStandardName, zone.standardName},
        {kDaylightName, zone.daylightName},
        {kBias, zone.bias},
        {kStartOccurrence, zone.start.occurrence},
        {kStartDayOfWeek, zone.start.dayOfWeek},
        {kStartMonth, zone.start.month},
        {kEndOccurrence, zone.end.occurrence},
        {kEndDayOfWeek, zone.end.dayOfWeek},
        {kEndMonth, zone.end.month},
    };
}

CityRecord CityFromStore(const Record& record)
{
    using namespace city_property;
    CityRecord city;
    city.name = TextProperty(record, kName);
    city.country = TextProperty(record, kCountry);
    city.longitude = TextProperty(record, kLongitude);
    city.latitude = TextProperty(record, kLatitude);
    city.zoneId = IntProperty(record, kZoneId);
    city.carried106 = TextProperty(record, kCarried106);
    city.carried107 = TextProperty(record, kCarried107);
    city.carried108 = TextProperty(record, kCarried108);
    return city;
}

TimeZoneRecord ZoneFromStore(const Record& record)
{
    using namespace zone_property;
    TimeZoneRecord zone;
    zone.id = IntProperty(record, kId);
    zone.standardName = TextProperty(record, kStandardName);
    zone.daylightName = TextProperty(record, kDaylightName);
    zone.bias = TextProperty(record, kBias);
    zone.end.occurrence = Small(record, kEndOccurrence);
    zone.end.month = Small(record, kEndMonth);
    zone.end.dayOfWeek = Small(record, kEndDayOfWeek);
    zone.start.occurrence = Small(record, kStartOccurrence);
    zone.start.month = Small(record, kStartMonth);
    zone.start.dayOfWeek = Small(record, kStartDayOfWeek);
    return zone;
}

StoreIdentity CreateCitiesStore()
{
    return RecordStore::Create(kCitiesStoreName, kCitiesStoreType,
                               {{city_property::kName, kSortCaseInsensitive},
                                {city_property::kCountry, kSortCaseInsensitive}});
}

StoreIdentity CreateZonesStore()
{
    return RecordStore::Create(kZonesStoreName, kZonesStoreType,
                               {{zone_property::kId, kSortCaseInsensitive}});
}

} // namespace halvo
