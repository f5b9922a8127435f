// The start-up data steps on a fresh device folder: installation, first
// import, a second start, hand-placed seed files, self-healing, the legacy
// registry keys and a failure that must be shown; then, grouped by fault:
// settings reset by a seed file found again, kills while copying, starts
// at the same moment, seed paths that are not files, folder permissions.
#include "locations/location_database.h"
#include "platform/store/device_folder.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "startup/seed_import.h"
#include "startup/startup_data.h"
#include "tests/support/child_process.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace halvo
{
namespace
{

const std::filesystem::path kShipped =
    std::filesystem::path(HALVO_TEST_DATA_DIR) / "startup" / "shipped";

class StartupData : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        home_ = testing::FreshFolder("halvo_startup");
        ::setenv("XDG_DATA_HOME", home_.c_str(), 1);
        ::setenv("HALVO_DATA_DIR", kShipped.c_str(), 1);
    }
    void TearDown() override
    {
        CloseDatabase();
        ::unsetenv("HALVO_DATA_DIR");
        std::filesystem::remove_all(home_);
    }

    static int Count(const char* store)
    {
        RecordStore records;
        return records.Open(store) ? records.Count() : -1;
    }

    static std::string Bytes(const std::filesystem::path& file)
    {
        std::ifstream stream(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    static bool AnySeedFileLeft()
    {
        for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
        {
            if (std::filesystem::exists(WindowsFolder() / name))
            {
                return true;
            }
        }
        return false;
    }

    std::filesystem::path home_;
    testing::RecordingMessages messages_;
};

TEST_F(StartupData, FirstStartSeedsEverythingAndASecondStartImportsNothing)
{
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(Count(kSettingsStoreName), 16);
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    EXPECT_EQ(Count(kCitiesStoreName), 7); // six main cities and Tacoma
    EXPECT_EQ(Count(kZonesStoreName), 4);
    EXPECT_FALSE(AnySeedFileLeft());
    EXPECT_EQ(std::filesystem::status(DeviceFolder()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);

    // The user's choices survive the next start.
    ASSERT_TRUE(WriteSetting(setting::kCityName, "Sydney"));
    ASSERT_EQ(AddCity("Home", "Land", "1", "2", 4, messages_).outcome, AddCityOutcome::kAdded);
    CloseDatabase();
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(ReadSetting(setting::kCityName), "Sydney");
    EXPECT_EQ(Count(kCitiesStoreName), 8);
    EXPECT_FALSE(AnySeedFileLeft());
}

TEST_F(StartupData, HandPlacedSeedFilesAreImportedInsteadOfTheShippedOnes)
{
    std::filesystem::create_directories(WindowsFolder());
    std::ofstream(WindowsFolder() / kMainCitiesFile) << "Seattle, WA[USA]-12233,4761,9,a,b,c\n";
    std::ofstream(WindowsFolder() / kZonesFile)
        << "9,Own Standard Time,Own Daylight Time,-60,0,0,0,0,0,0\n";
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(ListCities(), std::vector<std::string>{"Seattle, WA (USA)"});
    EXPECT_EQ(ListTimeZones().labels, std::vector<std::string>{"+1.0 Own Standard Time"});
    EXPECT_FALSE(AnySeedFileLeft());
}

TEST_F(StartupData, LostDatabaseIsSeededAgainFromTheShippedFiles)
{
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    CloseDatabase();
    for (const char* suffix : {"", "-wal", "-shm"})
    {
        std::filesystem::remove(DatabaseFile().string() + suffix);
    }
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(Count(kSettingsStoreName), 16);
    EXPECT_EQ(Count(kCitiesStoreName), 7); // six main cities and Tacoma
    EXPECT_EQ(Count(kZonesStoreName), 4);
}

TEST_F(StartupData, FirstStartRemovesTheOldLocationRegistryBranch)
{
    ASSERT_TRUE(EnsureDeviceFolder());
    ASSERT_TRUE(OpenDatabase(DatabaseFile()).ok);
    ASSERT_TRUE(WriteRegistryNumber("Pelora\\Cities\\Seattle", "Zone", 4));
    ASSERT_TRUE(WriteRegistryNumber("Pelora\\Cities\\Oslo", "Zone", 30));
    ASSERT_TRUE(WriteRegistryNumber("Pelora\\TimeZones\\4", "Bias", 480));
    ASSERT_TRUE(WriteRegistryNumber("Pelora\\Keep", "Value", 1));
    std::filesystem::copy_file(kShipped / kMainCitiesFile, WindowsFolder() / kMainCitiesFile);
    std::filesystem::copy_file(kShipped / kZonesFile, WindowsFolder() / kZonesFile);
    CloseDatabase();

    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Cities"), kRegistryKeyMissing);
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\TimeZones"), kRegistryKeyMissing);
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Keep"), 0);
}

TEST_F(StartupData, FailureIsShownOnceNamingWhatAndWhere)
{
    // A folder where the database file should be: nothing can be opened.
    std::filesystem::create_directories(DatabaseFile() / "in-the-way");
    const StartupDataResult result = RunStartupDataSteps(messages_);
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].find(DatabaseFile().string()), std::string::npos)
        << messages_.shown[0];
}

// --- Settings: defaults only into a new table, never over the user's ---

// A seed file that is back at a later start (a reinstall, a folder that
// would not let it be deleted) is no first start: the user's settings and
// feast reminder stay, and the tables are not imported again.
TEST_F(StartupData, SeedFileFoundAgainNeverResetsTheUsersSettings)
{
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    ASSERT_TRUE(WriteSetting(setting::kCityName, "Sydney"));
    ASSERT_TRUE(WriteSetting(setting::kReminder, "3"));
    ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kFeastValue, 1));
    ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kNumDaysValue, 7));
    for (const char* name : {kMainCitiesFile, kZonesFile})
    {
        std::filesystem::copy_file(kShipped / name, WindowsFolder() / name);
    }
    CloseDatabase();

    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(ReadSetting(setting::kCityName), "Sydney");
    EXPECT_EQ(ReadSetting(setting::kReminder), "3");
    std::uint32_t feast = 0;
    std::uint32_t days = 0;
    ReadRegistryNumber(kFeastSubkey, kFeastValue, feast);
    ReadRegistryNumber(kFeastSubkey, kNumDaysValue, days);
    EXPECT_EQ(feast, 1u);
    EXPECT_EQ(days, 7u);
    EXPECT_EQ(Count(kCitiesStoreName), 7);
    EXPECT_EQ(Count(kZonesStoreName), 4);
    EXPECT_FALSE(AnySeedFileLeft());
}

// A settings table that lost records (here CityName among ten) is completed
// at the defaults, keeping the values it has; the start no longer ends with
// "could not set CityName" for as long as the seed file is there.
TEST_F(StartupData, SettingsTableLackingRecordsIsCompletedAndTheStartGoesOn)
{
    ASSERT_TRUE(EnsureDeviceFolder());
    ASSERT_TRUE(OpenDatabase(DatabaseFile()).ok);
    const StoreIdentity identity = RecordStore::Create(
        kSettingsStoreName, kSettingsTypeTag, {{kSettingNameProperty, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open(identity));
    for (std::size_t i = 0; i < 6; ++i)
    {
        ASSERT_TRUE(store.Append({{kSettingNameProperty, std::string(kDefaultSettings[i].name)},
                                  {kSettingValueProperty, std::string("kept")}}));
    }
    store.Close();
    std::filesystem::copy_file(kShipped / kMainCitiesFile, WindowsFolder() / kMainCitiesFile);
    CloseDatabase();

    const StartupDataResult result = RunStartupDataSteps(messages_);
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(Count(kSettingsStoreName), 16);
    EXPECT_EQ(ReadSetting(setting::kAsrMethod), "kept");
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    EXPECT_EQ(ReadSetting(setting::kIsha), "0");
    EXPECT_EQ(Count(kCitiesStoreName), 6) << "the main list alone, as placed";
    EXPECT_FALSE(AnySeedFileLeft());
}

// --- The shipped files: whole or absent, and a store that lacks a table is
// repaired from them ---

// A start killed while it copies the shipped files (each of them in turn)
// leaves no partial seed file; the next start finds the store incomplete,
// copies what is missing and ends with the whole shipped data.
TEST_F(StartupData, KillWhileCopyingTheShippedFilesNeverLeavesAPartialInstall)
{
    const std::string shippedCities = Bytes(kShipped / kMainCitiesFile);
    for (int copy = 0; copy < 3; ++copy)
    {
        SCOPED_TRACE("killed in copy " + std::to_string(copy + 1));
        CloseDatabase();
        std::filesystem::remove_all(home_);
        std::filesystem::create_directories(home_);
        testing::ChildProcess start(&testing::KillAtStopPoint, TestPoint::kCopyingFile, copy,
                                    []
                                    {
                                        testing::RecordingMessages quiet;
                                        return RunStartupDataSteps(quiet).ok ? 0 : 1;
                                    });
        ASSERT_TRUE(start.WasKilled());
        for (const auto& entry : std::filesystem::directory_iterator(WindowsFolder()))
        {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with("."))
            {
                EXPECT_EQ(Bytes(entry.path()), Bytes(kShipped / name)) << name << " is partial";
            }
        }

        const StartupDataResult result = RunStartupDataSteps(messages_);
        ASSERT_TRUE(result.ok) << result.failure;
        EXPECT_EQ(Count(kSettingsStoreName), 16);
        EXPECT_EQ(Count(kCitiesStoreName), 7);
        EXPECT_EQ(Count(kZonesStoreName), 4);
        EXPECT_TRUE(std::filesystem::is_empty(WindowsFolder())) << "copies left behind";
    }
    EXPECT_EQ(shippedCities, Bytes(kShipped / kMainCitiesFile));
}

// A store left without its zones (by an earlier kill, or a zone file that
// never arrived) no longer computes every city in UTC for ever: the next
// start copies the shipped zone file and imports it, and keeps the rest.
TEST_F(StartupData, StoreWithoutZonesIsRepairedFromTheShippedFiles)
{
    const std::filesystem::path partial = home_ / "partial-shipped";
    std::filesystem::create_directories(partial);
    std::filesystem::copy_file(kShipped / kMainCitiesFile, partial / kMainCitiesFile);
    ::setenv("HALVO_DATA_DIR", partial.c_str(), 1);
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    ASSERT_EQ(Count(kZonesStoreName), -1);
    ASSERT_TRUE(WriteSetting(setting::kCityName, "Sydney"));
    CloseDatabase();

    ::setenv("HALVO_DATA_DIR", kShipped.c_str(), 1);
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(Count(kZonesStoreName), 4);
    EXPECT_EQ(Count(kCitiesStoreName), 6) << "the cities are not imported again";
    EXPECT_EQ(ReadSetting(setting::kCityName), "Sydney");
    EXPECT_FALSE(AnySeedFileLeft());
}

// A shipped folder made for one test: the test data's seed files, with
// some left out or replaced.
std::filesystem::path ShippedCopy(const std::filesystem::path& home, const char* leftOut)
{
    const std::filesystem::path shipped = home / "shipped-copy";
    std::filesystem::create_directories(shipped);
    for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
    {
        if (leftOut == nullptr || std::string(name) != leftOut)
        {
            std::filesystem::copy_file(kShipped / name, shipped / name);
        }
    }
    ::setenv("HALVO_DATA_DIR", shipped.c_str(), 1);
    return shipped;
}

bool Mentions(const std::vector<std::string>& lines, const std::filesystem::path& path)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line)
                       { return line.find(path.string()) != std::string::npos; });
}

// A zone file that is shipped but cannot be copied ends the start with its
// name, as an unreadable one in windows/ does; going on would show every
// city in UTC.
TEST_F(StartupData, ShippedZoneFileThatCannotBeCopiedFailsTheStartNamingIt)
{
    enum class Fault
    {
        Fifo,
        Folder,
        Unreadable,
    };
    for (const Fault fault : {Fault::Fifo, Fault::Folder, Fault::Unreadable})
    {
        SCOPED_TRACE(static_cast<int>(fault));
        if (fault == Fault::Unreadable && ::geteuid() == 0)
        {
            continue; // the superuser reads any file
        }
        TearDown();
        SetUp();
        const std::filesystem::path shipped = ShippedCopy(home_, kZonesFile);
        const std::filesystem::path zones = shipped / kZonesFile;
        switch (fault)
        {
        case Fault::Fifo:
            ASSERT_EQ(::mkfifo(zones.c_str(), 0600), 0);
            break;
        case Fault::Folder:
            std::filesystem::create_directory(zones);
            break;
        case Fault::Unreadable:
            std::filesystem::copy_file(kShipped / kZonesFile, zones);
            ::chmod(zones.c_str(), 0);
            break;
        }
        messages_.shown.clear();
        const StartupDataResult result = RunStartupDataSteps(messages_);
        EXPECT_FALSE(result.ok);
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_NE(messages_.shown[0].find(zones.string()), std::string::npos) << messages_.shown[0];
        EXPECT_FALSE(RecordStore::Exists(kZonesStoreName));
        ::chmod(zones.c_str(), 0600);
    }
}

// A sound that did not reach windows/ (a failed copy, removed by hand) is
// copied at the next start, so the chosen Adhan is never silent for good.
TEST_F(StartupData, SoundMissingFromWindowsIsCopiedAgainAtTheNextStart)
{
    const std::filesystem::path shipped = ShippedCopy(home_, nullptr);
    std::ofstream(shipped / "HalvoAdhan.wav") << "RIFF sound";
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    const std::filesystem::path sound = WindowsFolder() / "HalvoAdhan.wav";
    ASSERT_EQ(Bytes(sound), "RIFF sound");
    CloseDatabase();
    std::filesystem::remove(sound);
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(Bytes(sound), "RIFF sound");
    EXPECT_FALSE(std::filesystem::exists(WindowsFolder() / "Alarm1.wav"))
        << "a sound that is not shipped is not made up";
}

// Something that is not a regular file under a seed file's name in
// windows/ is named and left alone; the table it would have filled is
// still imported from the shipped file, which stays where it is.
TEST_F(StartupData, NonRegularSeedEntryIsNamedIgnoredAndItsTableStillImported)
{
    enum class Entry
    {
        DanglingLink,
        Fifo,
        Folder,
    };
    for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
    {
        for (const Entry entry : {Entry::DanglingLink, Entry::Fifo, Entry::Folder})
        {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(static_cast<int>(entry)));
            TearDown();
            SetUp();
            ASSERT_TRUE(EnsureDeviceFolder());
            const std::filesystem::path path = WindowsFolder() / name;
            switch (entry)
            {
            case Entry::DanglingLink:
                std::filesystem::create_symlink(home_ / "nowhere", path);
                break;
            case Entry::Fifo:
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
                break;
            case Entry::Folder:
                std::filesystem::create_directory(path);
                break;
            }
            const StartupDataResult result = RunStartupDataSteps(messages_);
            ASSERT_TRUE(result.ok) << result.failure;
            EXPECT_EQ(Count(kCitiesStoreName), 7); // six main cities and Tacoma
            EXPECT_EQ(Count(kZonesStoreName), 4);
            EXPECT_TRUE(Mentions(messages_.warnings, path));
            EXPECT_TRUE(std::filesystem::is_symlink(path) || std::filesystem::exists(path))
                << "left alone";
            EXPECT_TRUE(std::filesystem::exists(kShipped / name)) << "the shipped file stays";
            messages_.warnings.clear();
        }
    }
}

// A damaged database moved aside is told once, naming where it went (the
// desktop program shows it in a box); the next start says nothing.
TEST_F(StartupData, DatabaseMovedAsideIsToldOnceNamingTheMovedFile)
{
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    CloseDatabase();
    for (const char* suffix : {"-wal", "-shm"})
    {
        std::filesystem::remove(DatabaseFile().string() + suffix);
    }
    std::ofstream(DatabaseFile(), std::ios::trunc) << std::string(8192, 'Z');
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    ASSERT_EQ(messages_.notices.size(), 1u);
    EXPECT_NE(messages_.notices[0].find(DatabaseFile().string() + ".corrupt-"), std::string::npos)
        << messages_.notices[0];
    EXPECT_NE(messages_.notices[0].find("reset"), std::string::npos) << messages_.notices[0];
    EXPECT_TRUE(Mentions(messages_.warnings, DatabaseFile())) << "the stderr line stays";
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    CloseDatabase();
    ASSERT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(messages_.notices.size(), 1u);
}

// --- Starts at the same moment ---

// A start that finds another start at its first import waits for it, then
// finds everything done: no "database is locked", no failed start.
TEST_F(StartupData, StartThatFindsAnotherImportingWaitsAndSucceeds)
{
    testing::ChildProcess first(&testing::PauseAtStopPoint, TestPoint::kImportChecked, 0,
                                []
                                {
                                    testing::RecordingMessages quiet;
                                    return RunStartupDataSteps(quiet).ok ? 0 : 1;
                                });
    ASSERT_TRUE(first.AwaitTold());
    testing::g_childToRelease = &first;
    testing::g_releasePoint = TestPoint::kWaitingForLock;
    SetTestPointHandler(&testing::ReleaseChildAtPoint);
    const StartupDataResult second = RunStartupDataSteps(messages_);
    SetTestPointHandler(nullptr);
    EXPECT_EQ(testing::g_childToRelease, nullptr) << "the second start did not wait";
    testing::g_childToRelease = nullptr;
    EXPECT_TRUE(first.ExitedWith(0));
    ASSERT_TRUE(second.ok) << second.failure;
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(messages_.warnings.empty()) << messages_.warnings[0];
    EXPECT_EQ(Count(kSettingsStoreName), 16);
    EXPECT_EQ(Count(kCitiesStoreName), 7);
    EXPECT_EQ(Count(kZonesStoreName), 4);
    EXPECT_FALSE(AnySeedFileLeft());
}

// --- Seed paths that are not regular files, or cannot be read ---

// A pipe would hang every start, a link to /dev/zero read one endless line
// and a folder fail every start: none of them is read, a warning names
// each, and the start goes on with the rest. Run in a child that an alarm
// ends, so a hang fails the test instead of stopping it.
TEST_F(StartupData, SpecialSeedFilesAreNeverReadAndTheStartGoesOn)
{
    ASSERT_TRUE(EnsureDeviceFolder());
    const std::filesystem::path windows = WindowsFolder();
    ASSERT_EQ(::mkfifo((windows / kMainCitiesFile).c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", windows / kZonesFile);
    std::filesystem::create_directories(windows / kMoreCitiesFile);
    testing::ChildProcess start(
        nullptr, TestPoint::kCopyingFile, 0,
        []
        {
            ::alarm(20);
            testing::RecordingMessages messages;
            if (!RunStartupDataSteps(messages).ok)
            {
                return 1;
            }
            int warned = 0;
            for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
            {
                for (const std::string& warning : messages.warnings)
                {
                    if (warning.find((WindowsFolder() / name).string() +
                                     " is not a regular file") != std::string::npos)
                    {
                        ++warned;
                        break;
                    }
                }
            }
            return warned == 3 ? 0 : 2;
        });
    EXPECT_TRUE(start.ExitedWith(0));
    ASSERT_TRUE(OpenDatabase(DatabaseFile()).ok);
    EXPECT_EQ(Count(kSettingsStoreName), 16) << "the start went on without the files";
    for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
    {
        EXPECT_TRUE(std::filesystem::is_symlink(windows / name) ||
                    std::filesystem::exists(windows / name))
            << name << " is not the program's to delete";
    }
}

// Beside the program first, so a moved installation finds its own data; the
// build tree only for a program inside it, before the configured prefix,
// so an older installed copy never shadows it.
TEST_F(StartupData, ShippedDataIsLookedForBesideTheProgramThenTheBuildTreeThenThePrefix)
{
    EXPECT_EQ(ShippedDataFolders(), std::vector<std::filesystem::path>{kShipped});

    ::unsetenv("HALVO_DATA_DIR");
    const auto program = std::filesystem::read_symlink("/proc/self/exe");
    const std::vector<std::filesystem::path> expected = {
        (program.parent_path().parent_path() / "share" / "halvo-tavorin").lexically_normal(),
        HALVO_SOURCE_DATA_DIR, HALVO_INSTALLED_DATA_DIR};
    EXPECT_EQ(ShippedDataFolders(), expected);
    EXPECT_EQ(ShippedDataFolder(), std::filesystem::path(HALVO_SOURCE_DATA_DIR));
}

TEST_F(StartupData, FirstStartWithoutShippedDataNamesTheFoldersAndImportsNothing)
{
    const auto empty = home_ / "no-data";
    std::filesystem::create_directories(empty);
    ::setenv("HALVO_DATA_DIR", empty.c_str(), 1);
    const StartupDataResult result = RunStartupDataSteps(messages_);
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].find(kMainCitiesFile), std::string::npos) << messages_.shown[0];
    EXPECT_NE(messages_.shown[0].find(empty.string()), std::string::npos) << messages_.shown[0];
    EXPECT_FALSE(RecordStore::Exists(kSettingsStoreName));

    // The data found later: the next start seeds as a first start does.
    ::setenv("HALVO_DATA_DIR", kShipped.c_str(), 1);
    EXPECT_TRUE(RunStartupDataSteps(messages_).ok);
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
}

} // namespace
} // namespace halvo
