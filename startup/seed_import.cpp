#include "startup/seed_import.h"

#include "locations/location_database.h"
#include "platform/store/device_folder.h"
#include "platform/store/record_store.h"
#include "platform/text/quoted.h"
#include "startup/seed_lines.h"

namespace halvo
{

namespace
{

ImportResult Failure(const std::string& what)
{
    ImportResult result;
    result.ok = false;
    result.failure = what + " (database " + DatabaseFile().string() + ")";
    return result;
}

// Committing what came before a read error would lose the rest of the file
// once it is deleted; the file stays for the next start instead.
ImportResult ReadFailure(const std::filesystem::path& file)
{
    ImportResult result;
    result.ok = false;
    result.failure = "could not read " + file.string() + "; nothing of it was imported";
    return result;
}

std::string LineWhere(const std::filesystem::path& file, int number)
{
    return file.string() + ":" + std::to_string(number);
}

void DeleteSeedFile(const std::filesystem::path& file, UserMessages& messages)
{
    std::error_code error;
    std::filesystem::remove(file, error);
    if (error)
    {
        messages.Warn(file.string() +
                      ": could not be deleted after its import: " + error.message());
    }
}

// Opens a store that exists, or creates it first; the store is part of the
// caller's transaction either way.
bool OpenOrCreate(RecordStore& store, const char* name, StoreIdentity (*create)())
{
    if (RecordStore::Exists(name))
    {
        return store.Open(name);
    }
    const StoreIdentity identity = create();
    return identity != 0 && store.Open(identity);
}

enum class Duplicates
{
    kKeep,
    kSkip,
};

// Appends every city line of a file to an open store. Stops at the first
// line without '['; skips damaged lines with a warning.
ImportResult AppendCities(RecordStore& store, const std::filesystem::path& file,
                          Duplicates duplicates, UserMessages& messages)
{
    ImportResult result;
    SeedFileReader reader(file);
    int alreadyStored = 0;
    while (auto line = reader.Next())
    {
        if (!line->problem.empty())
        {
            messages.Warn(LineWhere(file, line->number) + ": line skipped, " + line->problem);
            ++result.skipped;
            continue;
        }
        const CityLine city = ParseCityLine(line->text);
        if (city.kind == SeedLineKind::kEnd)
        {
            if (reader.HasMoreContent())
            {
                messages.Warn(LineWhere(file, line->number) +
                              ": no '[' on this line, so the lines after it are not imported");
            }
            break;
        }
        if (city.kind == SeedLineKind::kSkip)
        {
            messages.Warn(LineWhere(file, line->number) + ": line skipped, " + city.problem);
            ++result.skipped;
            continue;
        }
        if (duplicates == Duplicates::kSkip &&
            store.SeekFirstEqual(city_property::kName, city.city.name) >= 0)
        {
            ++alreadyStored;
            ++result.skipped;
            continue;
        }
        if (!store.Append(ToStoreRecord(city.city)))
        {
            return Failure("could not add the city " + Quoted(city.city.name) + " of " +
                           LineWhere(file, line->number) + " to the store " +
                           Quoted(kCitiesStoreName));
        }
        ++result.imported;
    }
    if (reader.Failed())
    {
        return ReadFailure(file);
    }
    if (alreadyStored > 0)
    {
        messages.Warn(file.string() + ": " + std::to_string(alreadyStored) +
                      " cities already stored under the same name were left out");
    }
    return result;
}

ImportResult ImportCityFile(const std::filesystem::path& file, Duplicates duplicates,
                            UserMessages& messages)
{
    StoreTransaction transaction;
    if (!transaction.Active())
    {
        return Failure("could not lock the database to import " + file.string());
    }
    RecordStore store;
    if (!OpenOrCreate(store, kCitiesStoreName, &CreateCitiesStore))
    {
        return Failure("could not create or open the store " + Quoted(kCitiesStoreName) +
                       " to import " + file.string());
    }
    ImportResult result = AppendCities(store, file, duplicates, messages);
    if (!result.ok)
    {
        return result;
    }
    store.Close();
    if (!transaction.Commit())
    {
        return Failure("could not save the cities imported from " + file.string());
    }
    DeleteSeedFile(file, messages);
    return result;
}

} // namespace

ImportResult ImportCities(const std::filesystem::path& windowsFolder, UserMessages& messages)
{
    const std::filesystem::path file = windowsFolder / kMainCitiesFile;
    if (RecordStore::Exists(kCitiesStoreName))
    {
        // Already seeded (or a kill came between the commit and the delete):
        // the table, with the user's own cities, stays as it is.
        DeleteSeedFile(file, messages);
        return ImportResult{};
    }
    return ImportCityFile(file, Duplicates::kKeep, messages);
}

ImportResult ImportMoreCities(const std::filesystem::path& windowsFolder, UserMessages& messages)
{
    return ImportCityFile(windowsFolder / kMoreCitiesFile, Duplicates::kSkip, messages);
}

ImportResult ImportTimeZones(const std::filesystem::path& windowsFolder, UserMessages& messages)
{
    const std::filesystem::path file = windowsFolder / kZonesFile;
    if (RecordStore::Exists(kZonesStoreName))
    {
        // As for the cities: the table stays, and a file left by a kill
        // between the commit and the delete must not wait there forever.
        DeleteSeedFile(file, messages);
        return ImportResult{};
    }
    StoreTransaction transaction;
    if (!transaction.Active())
    {
        return Failure("could not lock the database to import " + file.string());
    }
    RecordStore store;
    const StoreIdentity identity = CreateZonesStore();
    if (identity == 0 || !store.Open(identity))
    {
        return Failure("could not create the store " + Quoted(kZonesStoreName) + " to import " +
                       file.string());
    }
    ImportResult result;
    SeedFileReader reader(file);
    while (auto line = reader.Next())
    {
        if (!line->problem.empty())
        {
            messages.Warn(LineWhere(file, line->number) + ": line skipped, " + line->problem);
            ++result.skipped;
            continue;
        }
        const ZoneLine zone = ParseZoneLine(line->text);
        if (zone.kind == SeedLineKind::kEnd)
        {
            if (reader.HasMoreContent())
            {
                messages.Warn(LineWhere(file, line->number) +
                              ": no ',' on this line, so the lines after it are not imported");
            }
            break;
        }
        if (zone.kind == SeedLineKind::kSkip)
        {
            messages.Warn(LineWhere(file, line->number) + ": line skipped, " + zone.problem);
            ++result.skipped;
            continue;
        }
        if (!store.Append(ToStoreRecord(zone.zone)))
        {
            return Failure("could not add the zone " + std::to_string(zone.zone.id) + " of " +
                           LineWhere(file, line->number) + " to the store " +
                           Quoted(kZonesStoreName));
        }
        ++result.imported;
    }
    if (reader.Failed())
    {
        return ReadFailure(file);
    }
    store.Close();
    if (!transaction.Commit())
    {
        return Failure("could not save the zones imported from " + file.string());
    }
    DeleteSeedFile(file, messages);
    return result;
}

} // namespace halvo
