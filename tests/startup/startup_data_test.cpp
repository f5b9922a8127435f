// The start-up data steps on a fresh device folder: installation, first
// import, a second start, hand-placed seed files, self-healing, the legacy
// registry keys and a failure that must be shown.
#include "locations/location_database.h"
#include "platform/store/device_folder.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "startup/seed_import.h"
#include "startup/startup_data.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

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

TEST_F(StartupData, SettingsThatCannotBeInstalledEndTheStartWithAMessage)
{
    // A "Settings" store of neither known layout is left alone, so it never
    // gains a CityName record to set.
    ASSERT_TRUE(EnsureDeviceFolder());
    ASSERT_TRUE(OpenDatabase(DatabaseFile()).ok);
    const StoreIdentity identity = RecordStore::Create(
        kSettingsStoreName, kSettingsTypeTag, {{kSettingNameProperty, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open(identity));
    ASSERT_TRUE(store.Append({{kSettingNameProperty, std::string(setting::kBg)},
                              {kSettingValueProperty, std::string("9")}}));
    store.Close();
    std::filesystem::copy_file(kShipped / kMainCitiesFile, WindowsFolder() / kMainCitiesFile);
    CloseDatabase();

    const StartupDataResult result = RunStartupDataSteps(messages_);
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].find(setting::kCityName), std::string::npos) << messages_.shown[0];
    EXPECT_NE(messages_.shown[0].find(DatabaseFile().string()), std::string::npos)
        << messages_.shown[0];
    // The seed file stays for a start that can use it.
    EXPECT_TRUE(std::filesystem::exists(WindowsFolder() / kMainCitiesFile));
}

} // namespace
} // namespace halvo
