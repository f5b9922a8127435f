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
    Record record;
    record.reserve(8);
    PutProperty(record, kName, city.name);
    PutProperty(record, kCountry, city.country);
    PutProperty(record, kLongitude, city.longitude);
    PutProperty(record, kLatitude, city.latitude);
    PutProperty(record, kZoneId, city.zoneId);
    PutProperty(record, kPopulation, city.population);
    PutProperty(record, kFeatureCode, city.featureCode);
    PutProperty(record, kIanaZone, city.ianaZone);
    return record;
}

// In the seed file's field order.
Record ToStoreRecord(const TimeZoneRecord& zone)
{
    using namespace zone_property;
    Record record;
    record.reserve(10);
    PutProperty(record, kId, zone.id);
    PutProperty(record, kStandardName, zone.standardName);
    PutProperty(record, kDaylightName, zone.daylightName);
    PutProperty(record, kBias, zone.bias);
    PutProperty(record, kStartOccurrence, zone.start.occurrence);
    PutProperty(record, kStartDayOfWeek, zone.start.dayOfWeek);
    PutProperty(record, kStartMonth, zone.start.month);
    PutProperty(record, kEndOccurrence, zone.end.occurrence);
    PutProperty(record, kEndDayOfWeek, zone.end.dayOfWeek);
    PutProperty(record, kEndMonth, zone.end.month);
    return record;
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
    city.population = TextProperty(record, kPopulation);
    city.featureCode = TextProperty(record, kFeatureCode);
    city.ianaZone = TextProperty(record, kIanaZone);
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
