#include "startup/startup_data.h"

#include "locations/location_records.h"
#include "platform/store/device_files.h"
#include "platform/store/device_folder.h"
#include "platform/store/file_lock.h"
#include "platform/store/record_store.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "startup/seed_import.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <vector>

namespace halvo
{

namespace
{

constexpr std::array<const char*, 6> kSoundFiles = {"Alarm1.wav", "Alarm2.wav", "Alarm3.wav",
                                                    "Alarm4.wav", "Alarm5.wav", "HalvoAdhan.wav"};

constexpr const char* kDefaultCity = "Seattle, WA";

// Every start waits this long for another start's data steps (a first
// import takes well under a second) before it gives up.
constexpr std::chrono::milliseconds kStartupLockWait(60000);

bool IsInside(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    const auto relative = file.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

StartupDataResult Fail(const std::string& failure);

// Sounds missing from windows/ are copied at every start: one that failed
// to copy once (or was removed) would otherwise leave its Adhan silent.
void CopyMissingSounds(const std::filesystem::path& shipped, const std::filesystem::path& windows,
                       UserMessages& messages)
{
    for (const char* sound : kSoundFiles)
    {
        if (KindOfFile(windows / sound) != FileKind::kMissing ||
            KindOfFile(shipped / sound) == FileKind::kMissing)
        {
            continue;
        }
        const CopyResult copy = CopyFileWhole(shipped / sound, windows / sound);
        if (copy.outcome == CopyOutcome::kFailed)
        {
            messages.Warn(copy.problem);
        }
    }
}

// A store without its settings, cities or zones cannot work: a first start,
// a start after one that was killed while copying, or a database that was
// lost or moved aside. The shipped seed files of the missing tables are
// copied (again); the imports then fill the tables. A file already in
// windows/ (placed by hand, say) is never replaced. A main list or zone file
// that is shipped but cannot be copied ends the start: without it every
// city would show wrong times. Under the start-up lock, so no other start
// copies at the same time.
StartupDataResult RepairFromShippedFiles(const std::filesystem::path& windows,
                                         UserMessages& messages)
{
    const std::filesystem::path shipped = ShippedDataFolder();
    CopyMissingSounds(shipped, windows, messages);
    const bool cities = RecordStore::Exists(kCitiesStoreName);
    const bool zones = RecordStore::Exists(kZonesStoreName);
    if (cities && zones)
    {
        return StartupDataResult{};
    }
    // A main list in windows/ was placed by hand (it comes without the
    // shipped supplement), or all copies before it were done: it is copied
    // last.
    const bool copyCities = !cities && KindOfFile(windows / kMainCitiesFile) != FileKind::kRegular;
    struct Wanted
    {
        const char* name;
        bool required;
    };
    std::vector<Wanted> names;
    if (copyCities)
    {
        names.push_back({kMoreCitiesFile, false});
    }
    if (!zones && KindOfFile(windows / kZonesFile) == FileKind::kMissing)
    {
        names.push_back({kZonesFile, true});
    }
    if (copyCities)
    {
        names.push_back({kMainCitiesFile, true});
    }
    for (const Wanted& wanted : names)
    {
        const std::filesystem::path source = shipped / wanted.name;
        // Nothing shipped under that name: the start goes on without it (no
        // main list at all is reported once the imports are decided).
        if (KindOfFile(source) == FileKind::kMissing)
        {
            continue;
        }
        const CopyResult copy = CopyFileWhole(source, windows / wanted.name);
        if (copy.outcome != CopyOutcome::kFailed)
        {
            continue;
        }
        if (wanted.required)
        {
            return Fail(copy.problem);
        }
        messages.Warn(copy.problem);
    }
    return StartupDataResult{};
}

// Where one seed file is imported from. A regular file in windows/ is
// imported and deleted as always. Anything else under its name (a dangling
// link, a pipe, a folder) is not the program's: it is named and left alone,
// and a table that is missing is imported straight from the shipped file.
struct SeedSource
{
    std::filesystem::path file;
    bool inWindows = false;
    explicit operator bool() const { return !file.empty(); }
};

SeedSource FindSeed(const std::filesystem::path& windows, const char* name, bool tableMissing,
                    UserMessages& messages)
{
    switch (KindOfFile(windows / name))
    {
    case FileKind::kRegular:
        return {windows / name, true};
    case FileKind::kMissing:
        return {};
    case FileKind::kOther:
        break;
    }
    messages.Warn((windows / name).string() +
                  " is not a regular file (a folder, a pipe, a device or a link); it was ignored");
    const std::filesystem::path shipped = ShippedDataFolder() / name;
    if (tableMissing && KindOfFile(shipped) == FileKind::kRegular)
    {
        return {shipped, false};
    }
    return {};
}

// Removes a key of the old location registry branch and everything under it.
void RemoveLegacyKey(const std::string& name, bool deleteEvenIfUnreadable)
{
    // Deleting the key takes its sub-keys and values with it.
    const std::string legacyRoot = std::string(kRegistryRoot) + "Pelora";
    if (CountRegistrySubkeys("Pelora\\" + name) != kRegistryKeyMissing || deleteEvenIfUnreadable)
    {
        DeleteRegistryKey(legacyRoot, name);
    }
}

StartupDataResult Fail(const std::string& failure)
{
    StartupDataResult result;
    result.ok = false;
    result.failure = "Halvo Tavorin cannot start: " + failure;
    return result;
}

std::string NoShippedDataMessage()
{
    std::string searched;
    for (const std::filesystem::path& folder : ShippedDataFolders())
    {
        searched += (searched.empty() ? "" : ", ") + folder.string();
    }
    return std::string("no shipped data: ") + kMainCitiesFile + " is in none of " + searched +
           " (install the program with its data, or set HALVO_DATA_DIR)";
}

StartupDataResult Check(const ImportResult& import)
{
    if (import.ok)
    {
        return StartupDataResult{};
    }
    return Fail(import.failure);
}

StartupDataResult SettingsFailure(const std::string& what)
{
    return Fail(what + " in the store \"" + std::string(kSettingsStoreName) + "\" (database " +
                DatabaseFile().string() + ")");
}

// The defaults go only into a new settings table, never over the user's;
// CityName is set with them, in the same commit, so no other process's
// write can come between. A table that lacks settings gains them at their
// defaults. Without settings the program has no city, method or colours to
// start with: a failure here ends the start like an import's.
StartupDataResult InstallOrCompleteSettings()
{
    if (RecordStore::Exists(kSettingsStoreName))
    {
        return CompleteSettings() ? StartupDataResult{}
                                  : SettingsFailure("could not add the missing settings");
    }
    StoreTransaction transaction;
    if (!transaction.Active())
    {
        return SettingsFailure("could not lock the database to install the default settings");
    }
    if (RecordStore::Exists(kSettingsStoreName))
    {
        return CompleteSettings() ? StartupDataResult{}
                                  : SettingsFailure("could not add the missing settings");
    }
    if (!InstallDefaultSettings())
    {
        return SettingsFailure("could not install the default settings");
    }
    if (!WriteSetting(setting::kCityName, kDefaultCity))
    {
        return SettingsFailure("could not set " + std::string(setting::kCityName) + " to \"" +
                               kDefaultCity + "\"");
    }
    if (!transaction.Commit())
    {
        return SettingsFailure("could not save the default settings");
    }
    return StartupDataResult{};
}

} // namespace

std::vector<std::filesystem::path> ShippedDataFolders()
{
    if (const char* override = std::getenv("HALVO_DATA_DIR"); override != nullptr && *override)
    {
        return {override};
    }
    const std::filesystem::path source = HALVO_SOURCE_DATA_DIR;
    const std::filesystem::path installed = HALVO_INSTALLED_DATA_DIR;
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
    {
        folders.push_back(
            (program.parent_path().parent_path() / "share" / "halvo-tavorin").lexically_normal());
        // A program in its build tree (in the sources or beside them) takes
        // the data it was built with, never an older installed copy; an
        // installed program never looks there.
        if (IsInside(program, source.parent_path()) || IsInside(program, HALVO_BUILD_DIR))
        {
            folders.push_back(source);
        }
    }
    if (std::find(folders.begin(), folders.end(), installed) == folders.end())
    {
        folders.push_back(installed);
    }
    return folders;
}

std::filesystem::path ShippedDataFolder()
{
    const std::vector<std::filesystem::path> folders = ShippedDataFolders();
    for (const std::filesystem::path& folder : folders)
    {
        std::error_code error;
        if (std::filesystem::exists(folder / kMainCitiesFile, error))
        {
            return folder;
        }
    }
    return folders.front();
}

namespace
{

StartupDataResult RunSteps(UserMessages& messages)
{
    std::string folderError;
    std::vector<std::string> folderWarnings;
    if (!EnsureDeviceFolder(&folderError, &folderWarnings))
    {
        return Fail(folderError);
    }
    for (const std::string& warning : folderWarnings)
    {
        messages.Warn(warning);
    }

    // One start at a time copies, repairs and imports. A start that finds
    // another one at it waits, then finds the work done.
    const FileLock lock(DatabaseLockFile(DatabaseFile()), kStartupLockWait);
    if (!lock.Held())
    {
        return Fail(lock.Problem());
    }
    const std::filesystem::path windows = WindowsFolder();
    RemoveUnfinishedCopies(windows);

    const DatabaseOpenResult database = OpenDatabase(DatabaseFile());
    if (!database.ok)
    {
        return Fail(database.note.empty() ? "could not open the database " + DatabaseFile().string()
                                          : database.note);
    }
    if (!database.note.empty())
    {
        messages.Warn(database.note);
    }
    if (!database.movedTo.empty())
    {
        messages.Notify("The database of Halvo Tavorin was damaged. It was moved to " +
                        database.movedTo.string() +
                        ", and the settings and added cities were reset.");
    }

    if (auto result = RepairFromShippedFiles(windows, messages); !result.ok)
    {
        return result;
    }
    const bool citiesMissing = !RecordStore::Exists(kCitiesStoreName);
    const SeedSource mainCities = FindSeed(windows, kMainCitiesFile, citiesMissing, messages);
    // No cities stored and none to import: the shipped data is not where
    // this program looks, and a start without it would only find no city.
    if (!mainCities && citiesMissing)
    {
        return Fail(NoShippedDataMessage());
    }
    if (mainCities)
    {
        RemoveLegacyKey("Cities", false);
    }
    if (auto result = InstallOrCompleteSettings(); !result.ok)
    {
        return result;
    }
    if (mainCities)
    {
        if (auto result =
                Check(mainCities.inWindows ? ImportCities(windows, messages)
                                           : ImportShippedFile(mainCities.file, messages));
            !result.ok)
        {
            return result;
        }
    }
    if (const SeedSource moreCities = FindSeed(windows, kMoreCitiesFile, citiesMissing, messages))
    {
        if (auto result =
                Check(moreCities.inWindows ? ImportMoreCities(windows, messages)
                                           : ImportShippedFile(moreCities.file, messages));
            !result.ok)
        {
            return result;
        }
    }
    const bool zonesMissing = !RecordStore::Exists(kZonesStoreName);
    if (const SeedSource zones = FindSeed(windows, kZonesFile, zonesMissing, messages))
    {
        RemoveLegacyKey("TimeZones", true);
        if (auto result = Check(zones.inWindows ? ImportTimeZones(windows, messages)
                                                : ImportShippedFile(zones.file, messages));
            !result.ok)
        {
            return result;
        }
    }
    return StartupDataResult{};
}

} // namespace

StartupDataResult RunStartupDataSteps(UserMessages& messages)
{
    // Shown after the lock is let go: a message box left open must not hold
    // up every other start.
    const StartupDataResult result = RunSteps(messages);
    if (!result.ok)
    {
        messages.Show(result.failure);
    }
    return result;
}

} // namespace halvo
