#include "startup/seed_import.h"

#include "locations/location_database.h"
#include "platform/store/device_folder.h"
#include "platform/store/record_store.h"
#include "platform/test_point.h"
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
ImportResult ReadFailure(const std::filesystem::path& file, const std::string& problem)
{
    ImportResult result;
    result.ok = false;
    result.failure =
        "could not read " + file.string() + " (" + problem + "); nothing of it was imported";
    return result;
}

std::string LineWhere(const std::filesystem::path& file, int number)
{
    return file.string() + ":" + std::to_string(number);
}

void WarnNotRegular(const std::filesystem::path& file, UserMessages& messages)
{
    messages.Warn(file.string() + " is not a regular file (a folder, a pipe, a device or a link "
                                  "to one); it was neither read nor deleted");
}

// Only a regular file is the program's to delete; anything else under a seed
// file's name was put there by someone else.
void DeleteSeedFile(const std::filesystem::path& file, UserMessages& messages)
{
    switch (KindOfFile(file))
    {
    case FileKind::kMissing:
        return;
    case FileKind::kOther:
        WarnNotRegular(file, messages);
        return;
    case FileKind::kRegular:
        break;
    }
    std::error_code error;
    std::filesystem::remove(file, error);
    if (error)
    {
        messages.Warn(file.string() +
                      ": could not be deleted after its import: " + error.message());
    }
}

enum class WhenUnreadable
{
    kFail, // the program cannot work without the file's table
    kWarn, // an addition the program can do without
};

// What an import does instead when its seed file is not open. Nothing to
// read (missing, or not a regular file) imports nothing; an unreadable file
// is a failure or a warning as the caller's table needs it.
std::optional<ImportResult> WhenNotOpen(const SeedFileReader& reader,
                                        const std::filesystem::path& file,
                                        WhenUnreadable unreadable, UserMessages& messages)
{
    switch (reader.OpenState())
    {
    case LineFile::State::kOpen:
        return std::nullopt;
    case LineFile::State::kMissing:
        // Another start imported and deleted it a moment ago.
        return ImportResult{};
    case LineFile::State::kNotRegular:
        WarnNotRegular(file, messages);
        return ImportResult{};
    case LineFile::State::kUnreadable:
        break;
    }
    if (unreadable == WhenUnreadable::kFail)
    {
        return ReadFailure(file, reader.Problem());
    }
    messages.Warn(reader.Problem() + "; its cities were not added");
    return ImportResult{};
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
ImportResult AppendCities(RecordStore& store, SeedFileReader& reader,
                          const std::filesystem::path& file, Duplicates duplicates,
                          UserMessages& messages)
{
    ImportResult result;
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
        return ReadFailure(file, reader.Problem());
    }
    if (alreadyStored > 0)
    {
        messages.Warn(file.string() + ": " + std::to_string(alreadyStored) +
                      " cities already stored under the same name were left out");
    }
    return result;
}

// Appends every zone line of a file to an open store. Stops at the first
// line without ','; skips damaged lines with a warning.
ImportResult AppendZones(RecordStore& store, SeedFileReader& reader,
                         const std::filesystem::path& file, UserMessages& messages)
{
    ImportResult result;
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
        return ReadFailure(file, reader.Problem());
    }
    return result;
}

enum class SeedFile
{
    kMainCities, // only into a new table; the program cannot work without it
    kMoreCities, // added whenever it is there; the program can do without it
    kZones,      // only into a new table; the program cannot work without it
};

// The whole import of one file is one transaction, and the check whether
// the table exists is part of it: a start that finds the table missing
// imports before any other start can, and the other then finds it there.
ImportResult ImportFile(const std::filesystem::path& file, SeedFile which, UserMessages& messages,
                        bool deleteAfter = true)
{
    const bool zones = which == SeedFile::kZones;
    const char* storeName = zones ? kZonesStoreName : kCitiesStoreName;
    StoreTransaction transaction;
    if (!transaction.Active())
    {
        return Failure("could not lock the database to import " + file.string());
    }
    const bool tableExists = RecordStore::Exists(storeName);
    ReachTestPoint(TestPoint::kImportChecked);
    if (tableExists && which != SeedFile::kMoreCities)
    {
        // Already seeded (or a kill came between the commit and the delete):
        // the table, with the user's own records, stays as it is.
        if (deleteAfter)
        {
            DeleteSeedFile(file, messages);
        }
        return ImportResult{};
    }
    SeedFileReader reader(file);
    if (auto instead = WhenNotOpen(reader, file,
                                   which == SeedFile::kMoreCities ? WhenUnreadable::kWarn
                                                                  : WhenUnreadable::kFail,
                                   messages))
    {
        return *instead;
    }
    RecordStore store;
    if (!OpenOrCreate(store, storeName, zones ? &CreateZonesStore : &CreateCitiesStore))
    {
        return Failure("could not create or open the store " + Quoted(storeName) + " to import " +
                       file.string());
    }
    ImportResult result =
        zones ? AppendZones(store, reader, file, messages)
              : AppendCities(store, reader, file,
                             which == SeedFile::kMoreCities ? Duplicates::kSkip : Duplicates::kKeep,
                             messages);
    if (!result.ok)
    {
        return result;
    }
    store.Close();
    if (!transaction.Commit())
    {
        return Failure("could not save what was imported from " + file.string());
    }
    if (deleteAfter)
    {
        DeleteSeedFile(file, messages);
    }
    return result;
}

} // namespace

ImportResult ImportCities(const std::filesystem::path& windowsFolder, UserMessages& messages)
{
    return ImportFile(windowsFolder / kMainCitiesFile, SeedFile::kMainCities, messages);
}

ImportResult ImportMoreCities(const std::filesystem::path& windowsFolder, UserMessages& messages)
{
    return ImportFile(windowsFolder / kMoreCitiesFile, SeedFile::kMoreCities, messages);
}

ImportResult ImportTimeZones(const std::filesystem::path& windowsFolder, UserMessages& messages)
{
    return ImportFile(windowsFolder / kZonesFile, SeedFile::kZones, messages);
}

ImportResult ImportShippedFile(const std::filesystem::path& file, UserMessages& messages)
{
    const std::string name = file.filename().string();
    const SeedFile which = name == kZonesFile        ? SeedFile::kZones
                           : name == kMoreCitiesFile ? SeedFile::kMoreCities
                                                     : SeedFile::kMainCities;
    return ImportFile(file, which, messages, false);
}

} // namespace halvo
