#include "startup/startup_data.h"

#include "platform/store/device_folder.h"
#include "platform/store/record_store.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "startup/seed_import.h"

#include <array>
#include <cstdlib>
#include <fstream>

namespace halvo
{

namespace
{

constexpr std::array<const char*, 3> kSeedFiles = {kMainCitiesFile, kMoreCitiesFile, kZonesFile};
constexpr std::array<const char*, 6> kSoundFiles = {"Alarm1.wav", "Alarm2.wav", "Alarm3.wav",
                                                    "Alarm4.wav", "Alarm5.wav", "HalvoAdhan.wav"};

constexpr const char* kDefaultCity = "Seattle, WA";

bool IsInside(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    const auto relative = file.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

// Copies the shipped files that windows/ does not hold yet; a file placed
// there by hand is never overwritten.
void CopyShippedFiles(const std::filesystem::path& windows, bool withSounds, UserMessages& messages)
{
    const std::filesystem::path shipped = ShippedDataFolder();
    auto copy = [&](const char* name)
    {
        const auto source = shipped / name;
        const auto target = windows / name;
        std::error_code error;
        if (!std::filesystem::exists(source, error) || std::filesystem::exists(target, error))
        {
            return;
        }
        std::filesystem::copy_file(source, target, error);
        if (error)
        {
            messages.Warn("could not copy " + source.string() + " to " + target.string() + ": " +
                          error.message());
        }
    };
    for (const char* name : kSeedFiles)
    {
        copy(name);
    }
    if (withSounds)
    {
        for (const char* name : kSoundFiles)
        {
            copy(name);
        }
    }
}

bool CanRead(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return stream.is_open();
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

StartupDataResult Fail(const std::string& failure, UserMessages& messages)
{
    StartupDataResult result;
    result.ok = false;
    result.failure = "Halvo Tavorin cannot start: " + failure;
    messages.Show(result.failure);
    return result;
}

StartupDataResult Check(const ImportResult& import, UserMessages& messages)
{
    if (import.ok)
    {
        return StartupDataResult{};
    }
    return Fail(import.failure, messages);
}

} // namespace

std::filesystem::path ShippedDataFolder()
{
    if (const char* override = std::getenv("HALVO_DATA_DIR"); override != nullptr && *override)
    {
        return override;
    }
    const std::filesystem::path source = HALVO_SOURCE_DATA_DIR;
    const std::filesystem::path installed = HALVO_INSTALLED_DATA_DIR;
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    // A program under the source tree (its build folders) uses the source
    // data; an installed one the share folder.
    if (!error && IsInside(program, source.parent_path()) && std::filesystem::exists(source))
    {
        return source;
    }
    if (std::filesystem::exists(installed, error))
    {
        return installed;
    }
    return source;
}

StartupDataResult RunStartupDataSteps(UserMessages& messages)
{
    std::error_code error;
    const bool firstInstall = !std::filesystem::exists(DeviceFolder(), error);
    std::string folderError;
    if (!EnsureDeviceFolder(&folderError))
    {
        return Fail(folderError, messages);
    }
    const std::filesystem::path windows = WindowsFolder();
    if (firstInstall)
    {
        CopyShippedFiles(windows, true, messages);
    }

    const DatabaseOpenResult database = OpenDatabase(DatabaseFile());
    if (!database.ok)
    {
        return Fail(database.note.empty() ? "could not open the database " + DatabaseFile().string()
                                          : database.note,
                    messages);
    }
    if (!database.note.empty())
    {
        messages.Warn(database.note);
    }

    if (!RecordStore::Exists(kSettingsStoreName) &&
        !std::filesystem::exists(windows / kMainCitiesFile))
    {
        CopyShippedFiles(windows, false, messages);
    }

    if (CanRead(windows / kMainCitiesFile))
    {
        RemoveLegacyKey("Cities", false);
        // Without its settings the program has no city, method or colours
        // to start with: a failure here ends the start like an import's.
        if (!InstallDefaultSettings())
        {
            return Fail("could not install the default settings in the store \"" +
                            std::string(kSettingsStoreName) + "\" (database " +
                            DatabaseFile().string() + ")",
                        messages);
        }
        if (!WriteSetting(setting::kCityName, kDefaultCity))
        {
            return Fail("could not set " + std::string(setting::kCityName) + " to \"" +
                            kDefaultCity + "\" in the store \"" + kSettingsStoreName +
                            "\" (database " + DatabaseFile().string() + ")",
                        messages);
        }
        if (auto result = Check(ImportCities(windows, messages), messages); !result.ok)
        {
            return result;
        }
    }
    if (CanRead(windows / kMoreCitiesFile))
    {
        if (auto result = Check(ImportMoreCities(windows, messages), messages); !result.ok)
        {
            return result;
        }
    }
    if (CanRead(windows / kZonesFile))
    {
        RemoveLegacyKey("TimeZones", true);
        if (auto result = Check(ImportTimeZones(windows, messages), messages); !result.ok)
        {
            return result;
        }
    }
    return StartupDataResult{};
}

} // namespace halvo
