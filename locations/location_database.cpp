#include "locations/location_database.h"

#include "locations/daylight_saving.h"
#include "platform/clock.h"
#include "platform/text/collation.h"
#include "platform/text/number_text.h"
#include "platform/text/plain_text.h"
#include "platform/text/quoted.h"
#include "platform/text/utf8.h"

namespace halvo
{

namespace
{

// The record the city dialogs write: the three carried texts are reset to
// what a user-made city holds, in the order the dialogs always wrote them.
Record UserCityRecord(const std::string& name, const std::string& country,
                      const std::string& longitude, const std::string& latitude,
                      std::int32_t zoneId)
{
    using namespace city_property;
    Record record;
    record.reserve(8);
    PutProperty(record, kName, name);
    PutProperty(record, kCountry, country);
    PutProperty(record, kLongitude, longitude);
    PutProperty(record, kLatitude, latitude);
    PutProperty(record, kZoneId, zoneId);
    PutProperty(record, kPopulation, std::string("1"));
    PutProperty(record, kIanaZone, std::string("air"));
    PutProperty(record, kFeatureCode, std::string("0"));
    return record;
}

// Opens a store and leaves its cursor on the record of that key; the
// position, or -1.
int SeekKey(RecordStore& store, const char* storeName, std::uint16_t keyProperty,
            const PropertyValue& key)
{
    if (!store.Open(storeName))
    {
        return -1;
    }
    return store.SeekFirstEqual(keyProperty, key);
}

std::optional<Record> ReadAt(RecordStore& store, int position)
{
    if (position < 0 || !store.SeekToPosition(position))
    {
        return std::nullopt;
    }
    return store.ReadCurrent();
}

template <typename Visit> void Traverse(const char* storeName, Visit visit)
{
    RecordStore store;
    if (!store.Open(storeName))
    {
        return;
    }
    while (auto record = store.ReadCurrent())
    {
        visit(*record);
    }
}

// Names are handled in buffers of 1024 UTF-16 units.
constexpr std::size_t kMaxNameUnits = 1023;

bool ValidateLocationText(const std::string& text, const char* what, std::string* reason)
{
    auto refuse = [&](const std::string& why)
    {
        if (reason != nullptr)
        {
            *reason = why;
        }
        return false;
    };
    if (!IsValidUtf8(text))
    {
        return refuse(std::string(what) + " must be UTF-8 text");
    }
    if (Utf16Length(text) > kMaxNameUnits)
    {
        return refuse(std::string(what) + " holds at most 1023 characters");
    }
    if (!IsPrintableUtf8(text))
    {
        return refuse(std::string(what) + " must not hold control characters");
    }
    return true;
}

// Position of the first city whose name equals this one but for case and
// blanks around either; -1 when none does.
int LookAlikeCityPosition(const std::string& name)
{
    const std::string_view wanted = TrimBlanks(name);
    int position = 0;
    int found = -1;
    Traverse(kCitiesStoreName,
             [&](const Record& record)
             {
                 if (found < 0 &&
                     CompareCaseInsensitive(TrimBlanks(TextProperty(record, city_property::kName)),
                                            wanted) == 0)
                 {
                     found = position;
                 }
                 ++position;
             });
    return found;
}

} // namespace

bool ValidateCityName(const std::string& name, std::string* reason)
{
    if (name.empty())
    {
        if (reason != nullptr)
        {
            *reason = "a city needs a name";
        }
        return false;
    }
    return ValidateLocationText(name, "a city's name", reason);
}

bool ValidateCountryName(const std::string& country, std::string* reason)
{
    return ValidateLocationText(country, "a country's name", reason);
}

int FindCity(const std::string& name)
{
    RecordStore store;
    return SeekKey(store, kCitiesStoreName, city_property::kName, name);
}

std::optional<CityRecord> ReadCity(const std::string& name)
{
    RecordStore store;
    if (!store.Open(kCitiesStoreName))
    {
        return std::nullopt;
    }
    const auto record = store.ReadFirstEqual(city_property::kName, name);
    if (!record)
    {
        return std::nullopt;
    }
    return CityFromStore(*record);
}

AddCityResult AddCity(const std::string& name, const std::string& country,
                      const std::string& longitude, const std::string& latitude,
                      std::int32_t zoneId, UserMessages& messages)
{
    AddCityResult result;
    if (!ValidateCityName(name) || !ValidateCountryName(country))
    {
        result.outcome = AddCityOutcome::kRefused;
        return result;
    }
    // A name that differs from a stored one only in case or in blanks
    // around it would be a second entry nobody can tell from the first.
    if (const int lookAlike = LookAlikeCityPosition(name); lookAlike >= 0)
    {
        messages.Show(kCityExistsMessage);
        result.outcome = AddCityOutcome::kNameExists;
        result.position = lookAlike;
        return result;
    }
    RecordStore store;
    if (!RecordStore::Exists(kCitiesStoreName))
    {
        const StoreIdentity identity = CreateCitiesStore();
        if (identity == 0 || !store.Open(identity))
        {
            return result;
        }
    }
    else if (!store.Open(kCitiesStoreName))
    {
        return result;
    }
    const int existing = store.SeekFirstEqual(city_property::kName, name);
    if (existing >= 0)
    {
        messages.Show(kCityExistsMessage);
        result.outcome = AddCityOutcome::kNameExists;
        result.position = existing;
        return result;
    }
    if (store.Append(UserCityRecord(name, country, longitude, latitude, zoneId)))
    {
        result.outcome = AddCityOutcome::kAdded;
    }
    return result;
}

int ReplaceCity(const std::string& name, const std::string& country, const std::string& longitude,
                const std::string& latitude, std::int32_t zoneId, UserMessages& messages)
{
    RecordStore store;
    const int position = SeekKey(store, kCitiesStoreName, city_property::kName, name);
    if (position < 0)
    {
        messages.Show(kCityCannotEditMessage);
        return -1;
    }
    if (!ValidateCityName(name) || !ValidateCountryName(country))
    {
        return -1;
    }
    if (!store.SeekToPosition(position) ||
        !store.WriteCurrent(UserCityRecord(name, country, longitude, latitude, zoneId)))
    {
        return kCityNotReplaced;
    }
    return position;
}

bool DeleteCity(UserMessages& messages, const std::string& name)
{
    RecordStore store;
    const int position = SeekKey(store, kCitiesStoreName, city_property::kName, name);
    if (position < 0)
    {
        messages.Show(kCityNotFoundMessage);
        return false;
    }
    const RecordIdentity identity = store.IdentityAt(position);
    return identity != 0 && store.Delete(identity);
}

bool LookupCity(const DateRecord& date, const std::string& name, std::int32_t& longitude,
                std::int32_t& latitude, double& utcOffset, UserMessages& messages)
{
    const auto city = ReadCity(name);
    if (!city)
    {
        messages.Show(kCityNotFoundMessage);
        return false;
    }
    longitude = LeadingInteger(city->longitude);
    latitude = LeadingInteger(city->latitude);
    utcOffset = UtcOffsetForDate(date, city->zoneId, messages);
    return true;
}

bool DescribeCity(std::string& name, std::int32_t& longitude, std::int32_t& latitude,
                  std::string& zoneLabel, std::string& zoneName, std::string& country,
                  std::int32_t& zoneId, UserMessages& messages)
{
    const auto city = ReadCity(name);
    if (!city)
    {
        messages.Show(kCityNotFoundMessage);
        return false;
    }
    longitude = LeadingInteger(city->longitude);
    latitude = LeadingInteger(city->latitude);
    name = city->name;
    country = city->country;
    zoneId = city->zoneId;
    const auto zone = ReadTimeZone(zoneId);
    if (!zone)
    {
        messages.Warn("City " + Quoted(city->name) + " names time zone " + std::to_string(zoneId) +
                      ", which is not in the time-zone table; UTC is used.");
        zoneName.clear();
        zoneLabel = OffsetLabel(0.0, zoneName);
        return true;
    }
    const DateRecord today = LocalNow();
    double offset = StandardOffsetHours(*zone);
    if (IsDaylightOnDate(*zone, today.year, today.month, today.day))
    {
        offset = offset + 1.0;
        zoneName = zone->daylightName;
    }
    else
    {
        zoneName = zone->standardName;
    }
    zoneLabel = OffsetLabel(offset, zoneName);
    return true;
}

std::vector<std::string> ListCities()
{
    std::vector<std::string> entries;
    Traverse(kCitiesStoreName,
             [&](const Record& record)
             {
                 entries.push_back(TextProperty(record, city_property::kName) + " (" +
                                   TextProperty(record, city_property::kCountry) + ")");
             });
    return entries;
}

std::vector<CityRecord> ReadAllCities()
{
    std::vector<CityRecord> cities;
    Traverse(kCitiesStoreName,
             [&](const Record& record) { cities.push_back(CityFromStore(record)); });
    return cities;
}

std::vector<std::string> ListCitiesOfCountry(const std::string& country)
{
    // Records are sorted by name under the store's own case-insensitive
    // comparison, so names equal under it stand in one run; a name repeats
    // one already listed exactly when the last listed record lies in its run.
    std::vector<std::string> names;
    RecordStore store;
    RecordStore seeker;
    if (!store.Open(kCitiesStoreName) || !seeker.Open(kCitiesStoreName))
    {
        return names;
    }
    int lastListed = -1;
    for (int position = 0; auto record = store.ReadCurrent(); ++position)
    {
        if (TextProperty(*record, city_property::kCountry) != country)
        {
            continue;
        }
        std::string name = TextProperty(*record, city_property::kName);
        const int runStart = seeker.SeekFirstEqual(city_property::kName, name);
        if (lastListed >= 0 && runStart >= 0 && lastListed >= runStart)
        {
            continue;
        }
        names.push_back(std::move(name));
        lastListed = position;
    }
    return names;
}

int FindTimeZone(std::int32_t zoneId)
{
    RecordStore store;
    return SeekKey(store, kZonesStoreName, zone_property::kId, zoneId);
}

TimeZoneList ListTimeZones()
{
    TimeZoneList list;
    Traverse(kZonesStoreName,
             [&](const Record& record)
             {
                 const TimeZoneRecord zone = ZoneFromStore(record);
                 list.ids.push_back(zone.id);
                 list.labels.push_back(OffsetLabel(StandardOffsetHours(zone), zone.standardName));
             });
    return list;
}

std::vector<TimeZoneRecord> ReadAllTimeZones()
{
    std::vector<TimeZoneRecord> zones;
    Traverse(kZonesStoreName,
             [&](const Record& record) { zones.push_back(ZoneFromStore(record)); });
    return zones;
}

std::optional<TimeZoneRecord> ReadTimeZone(std::int32_t zoneId)
{
    RecordStore store;
    const int position = SeekKey(store, kZonesStoreName, zone_property::kId, zoneId);
    auto record = ReadAt(store, position);
    if (!record)
    {
        return std::nullopt;
    }
    return ZoneFromStore(*record);
}

bool WriteDstRules(std::int32_t zoneId, std::uint16_t startOccurrence, std::uint16_t startMonth,
                   std::uint16_t startDayOfWeek, std::uint16_t endOccurrence,
                   std::uint16_t endMonth, std::uint16_t endDayOfWeek)
{
    using namespace zone_property;
    RecordStore store;
    const int position = SeekKey(store, kZonesStoreName, kId, zoneId);
    auto record = ReadAt(store, position);
    if (!record)
    {
        return false;
    }
    std::erase_if(*record, [](const Property& property)
                  { return property.id >= kEndOccurrence && property.id <= kStartDayOfWeek; });
    record->push_back({kEndOccurrence, endOccurrence});
    record->push_back({kEndMonth, endMonth});
    record->push_back({kEndDayOfWeek, endDayOfWeek});
    record->push_back({kStartOccurrence, startOccurrence});
    record->push_back({kStartMonth, startMonth});
    record->push_back({kStartDayOfWeek, startDayOfWeek});
    return store.SeekToPosition(position) && store.WriteCurrent(*record);
}

double UtcOffsetForDate(const DateRecord& date, std::int32_t zoneId, UserMessages& messages)
{
    const auto zone = ReadTimeZone(zoneId);
    if (!zone)
    {
        messages.Warn("Time zone " + std::to_string(zoneId) +
                      " is not in the time-zone table; UTC is used.");
        return 0.0;
    }
    return UtcOffsetForZone(*zone, date);
}

bool IsDaylightNow(std::int32_t zoneId)
{
    const auto zone = ReadTimeZone(zoneId);
    if (!zone)
    {
        return false;
    }
    const DateRecord today = LocalNow();
    return IsDaylightOnDate(*zone, today.year, today.month, today.day);
}

} // namespace halvo
