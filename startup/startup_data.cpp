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

// A store without its settings, cities or zones cannot work: a first start,
// a start after one that was killed while copying, or a database that was
// lost or moved aside. The shipped seed files of the missing tables are
// copied (again), and the sounds that are missing; the imports then fill the
// tables. A file already in windows/ (placed by hand, say) is never replaced.
// Under the start-up lock, so no other start copies at the same time.
void RepairFromShippedFiles(const std::filesystem::path& windows, UserMessages& messages)
{
    const bool settings = RecordStore::Exists(kSettingsStoreName);
    const bool cities = RecordStore::Exists(kCitiesStoreName);
    const bool zones = RecordStore::Exists(kZonesStoreName);
    if (settings && cities && zones)
    {
        return;
    }
    // A main list in windows/ was placed by hand (it comes without the
    // shipped supplement), or all copies before it were done: it is copied
    // last.
    const bool copyCities = !cities && KindOfFile(windows / kMainCitiesFile) == FileKind::kMissing;
    std::vector<const char*> names;
    if (copyCities)
    {
        names.push_back(kMoreCitiesFile);
    }
    if (!zones)
    {
        names.push_back(kZonesFile);
    }
    for (const char* sound : kSoundFiles)
    {
        names.push_back(sound);
    }
    if (copyCities)
    {
        names.push_back(kMainCitiesFile);
    }
    const std::filesystem::path shipped = ShippedDataFolder();
    for (const char* name : names)
    {
        const std::filesystem::path source = shipped / name;
        if (KindOfFile(source) != FileKind::kRegular)
        {
            continue;
        }
        const CopyResult copy = CopyFileWhole(source, windows / name);
        if (copy.outcome == CopyOutcome::kFailed)
        {
            messages.Warn(copy.problem);
        }
    }
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

    RepairFromShippedFiles(windows, messages);
    const bool mainCities = KindOfFile(windows / kMainCitiesFile) != FileKind::kMissing;
    // No cities stored and none to import: the shipped data is not where
    // this program looks, and a start without it would only find no city.
    if (!mainCities && !RecordStore::Exists(kCitiesStoreName))
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
        if (auto result = Check(ImportCities(windows, messages)); !result.ok)
        {
            return result;
        }
    }
    if (KindOfFile(windows / kMoreCitiesFile) != FileKind::kMissing)
    {
        if (auto result = Check(ImportMoreCities(windows, messages)); !result.ok)
        {
            return result;
        }
    }
    if (KindOfFile(windows / kZonesFile) != FileKind::kMissing)
    {
        RemoveLegacyKey("TimeZones", true);
        if (auto result = Check(ImportTimeZones(windows, messages)); !result.ok)
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
