// The importers over a real store: damaged lines, repeated imports,
// failures that must be reported, and a process killed in the middle.
#include "locations/location_database.h"
#include "startup/seed_import.h"
#include "tests/support/child_process.h"
#include "tests/support/lock_held_once.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace halvo
{
namespace
{

using testing::StoreTest;

testing::ChildProcess* g_first = nullptr;

class SeedImport : public StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        windows_ = folder_ / "windows";
        std::filesystem::create_directories(windows_);
    }

    void Write(const char* name, const std::string& content)
    {
        std::ofstream(windows_ / name, std::ios::binary) << content;
    }

    bool Present(const char* name) const { return std::filesystem::exists(windows_ / name); }

    static int Count(const char* store)
    {
        RecordStore records;
        return records.Open(store) ? records.Count() : -1;
    }

    std::string LineWhereForTest(const char* name, int number) const
    {
        return (windows_ / name).string() + ":" + std::to_string(number);
    }

    bool WarnedAbout(const std::string& where) const
    {
        for (const std::string& warning : messages_.warnings)
        {
            if (warning.find(where) != std::string::npos)
            {
                return true;
            }
        }
        return false;
    }

    std::filesystem::path windows_;
};

TEST_F(SeedImport, DamagedLinesAreSkippedWithFileAndLineAndTheRestIsImported)
{
    std::string cities;
    cities += "Seattle, WA[USA]-12233,4761,4,a,b,c\r\n";   // 1: CR dropped
    cities += "Broken[Land]1,2,3\n";                       // 2: too few commas
    cities += "Bad \xC3\x28[Land]1,2,3,a,b,c\n";           // 3: not UTF-8
    cities += std::string(1020, 'x') + "[L]1,2,3,a,b,c\n"; // 4: too long
    cities += "Tacoma, WA[USA]-12244,4725,4,a,b,c\n";      // 5
    cities += "\n";                                        // 6: ends the list
    cities += "Ignored[Land]1,2,3,a,b,c\n";
    Write(kMainCitiesFile, cities);

    const ImportResult result = ImportCities(windows_, messages_);
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.skipped, 3);
    EXPECT_EQ(ListCities(), (std::vector<std::string>{"Seattle, WA (USA)", "Tacoma, WA (USA)"}));
    const auto seattle = ReadCity("Seattle, WA");
    ASSERT_TRUE(seattle.has_value());
    EXPECT_EQ(seattle->ianaZone, "c");
    const std::string file = (windows_ / kMainCitiesFile).string();
    for (const char* line : {":2:", ":3:", ":4:", ":6:"})
    {
        EXPECT_TRUE(WarnedAbout(file + line)) << line;
    }
    EXPECT_FALSE(Present(kMainCitiesFile));
}

TEST_F(SeedImport, ExistingTablesAreNotImportedAgain)
{
    Write(kMainCitiesFile, "Seattle, WA[USA]-12233,4761,4,a,b,c\n");
    Write(kZonesFile, "4,Pacific Standard Time,Pacific Daylight Time,480,2,0,3,1,0,11\n");
    ASSERT_TRUE(ImportCities(windows_, messages_).ok);
    ASSERT_TRUE(ImportTimeZones(windows_, messages_).ok);
    EXPECT_FALSE(Present(kZonesFile));

    Write(kMainCitiesFile, "Oslo[Norway]1075,5991,30,a,b,c\n");
    Write(kZonesFile, "30,GMT Standard Time,GMT Daylight Time,0,5,0,3,5,0,10\n");
    EXPECT_EQ(ImportCities(windows_, messages_).imported, 0);
    EXPECT_EQ(ImportTimeZones(windows_, messages_).imported, 0);
    EXPECT_EQ(Count(kCitiesStoreName), 1);
    EXPECT_EQ(Count(kZonesStoreName), 1);
    // Both files go, even one left by a kill between commit and delete.
    EXPECT_FALSE(Present(kMainCitiesFile));
    EXPECT_FALSE(Present(kZonesFile));
}

TEST_F(SeedImport, SupplementaryCitiesNeverDuplicateAStoredName)
{
    const std::string more = "Tacoma, WA[USA]-12244,4725,4,a,b,c\n"
                             "SEATTLE, wa[USA]0,0,4,a,b,c\n";
    // Without a city table yet the supplementary file creates it.
    Write(kMoreCitiesFile, "Seattle, WA[USA]-12233,4761,4,a,b,c\n");
    ASSERT_TRUE(ImportMoreCities(windows_, messages_).ok);
    for (int run = 0; run < 2; ++run)
    {
        Write(kMoreCitiesFile, more);
        ASSERT_TRUE(ImportMoreCities(windows_, messages_).ok);
        EXPECT_FALSE(Present(kMoreCitiesFile));
    }
    EXPECT_EQ(ListCities(), (std::vector<std::string>{"Seattle, WA (USA)", "Tacoma, WA (USA)"}));
    const auto seattle = ReadCity("seattle, wa");
    ASSERT_TRUE(seattle.has_value());
    EXPECT_EQ(seattle->longitude, "-12233");
}

TEST_F(SeedImport, ZoneFieldsLandInTheirPropertiesWithLowSixteenBits)
{
    Write(kZonesFile, "7,S,D,-330,65537,70000,3,5,6,11\n");
    ASSERT_TRUE(ImportTimeZones(windows_, messages_).ok);
    const auto zone = ReadTimeZone(7);
    ASSERT_TRUE(zone.has_value());
    EXPECT_EQ(zone->start.occurrence, 1);
    EXPECT_EQ(zone->start.dayOfWeek, 70000 - 65536);
    EXPECT_EQ(zone->start.month, 3);
    EXPECT_EQ(zone->end.occurrence, 5);
    EXPECT_EQ(zone->end.dayOfWeek, 6);
    EXPECT_EQ(zone->end.month, 11);
    EXPECT_EQ(zone->bias, "-330");
}

TEST_F(SeedImport, StoreFailureIsReportedAndTheFileKept)
{
    Write(kMainCitiesFile, "Seattle, WA[USA]-12233,4761,4,a,b,c\n");
    Write(kZonesFile, "4,P,D,480,2,0,3,1,0,11\n");
    CloseDatabase();
    for (const ImportResult& result :
         {ImportCities(windows_, messages_), ImportTimeZones(windows_, messages_)})
    {
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.failure.find("could not"), std::string::npos) << result.failure;
    }
    EXPECT_TRUE(Present(kMainCitiesFile));
    EXPECT_TRUE(Present(kZonesFile));
}

TEST_F(SeedImport, ImportThatCannotTakeTheLockWritesNothingAndKeepsTheFile)
{
    Write(kMainCitiesFile, "Seattle, WA[USA]-12233,4761,4,a,b,c\n");
    Write(kZonesFile, "4,P,D,480,2,0,3,1,0,11\n");
    for (auto import : {&ImportCities, &ImportTimeZones})
    {
        testing::LockHeldOnce lock(folder_ / "test.db");
        const ImportResult result = import(windows_, messages_);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.failure.find("could not"), std::string::npos) << result.failure;
    }
    // Nothing half-made that a later start would take for a finished import.
    EXPECT_EQ(Count(kCitiesStoreName), -1);
    EXPECT_EQ(Count(kZonesStoreName), -1);
    EXPECT_TRUE(Present(kMainCitiesFile));
    EXPECT_TRUE(Present(kZonesFile));
    ASSERT_TRUE(ImportCities(windows_, messages_).ok);
    ASSERT_TRUE(ImportTimeZones(windows_, messages_).ok);
    EXPECT_EQ(Count(kCitiesStoreName), 1);
    EXPECT_EQ(Count(kZonesStoreName), 1);
}

// A file that cannot be read while its table is missing ends the start (the
// program cannot work without it) and stays; the supplement is only a
// warning. A link that loops cannot be read by anyone, root included.
TEST_F(SeedImport, UnreadableSeedFileFailsOnlyWhereItsTableIsNeeded)
{
    for (const char* name : {kMainCitiesFile, kMoreCitiesFile, kZonesFile})
    {
        std::filesystem::create_symlink(name, windows_ / name);
    }
    for (auto import : {&ImportCities, &ImportTimeZones})
    {
        const ImportResult result = import(windows_, messages_);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.failure.find("could not read " + windows_.string()), std::string::npos)
            << result.failure;
    }
    const ImportResult more = ImportMoreCities(windows_, messages_);
    EXPECT_TRUE(more.ok) << more.failure;
    EXPECT_TRUE(WarnedAbout((windows_ / kMoreCitiesFile).string()));
    EXPECT_EQ(Count(kCitiesStoreName), -1);
    EXPECT_EQ(Count(kZonesStoreName), -1);

    // A file of mode 000, where permissions apply (root reads it anyway).
    if (::geteuid() != 0)
    {
        std::filesystem::remove(windows_ / kMainCitiesFile);
        Write(kMainCitiesFile, "Seattle, WA[USA]-12233,4761,4,a,b,c\n");
        ::chmod((windows_ / kMainCitiesFile).c_str(), 0);
        const ImportResult result = ImportCities(windows_, messages_);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.failure.find((windows_ / kMainCitiesFile).string()), std::string::npos);
        EXPECT_TRUE(Present(kMainCitiesFile));
    }
}

// Lines are read with a cap of 4 KiB, far above the longest valid line; a
// longer one is skipped with its number like any other damaged line.
TEST_F(SeedImport, OverlongLinesAreSkippedWithTheirNumberAndMemoryStaysBounded)
{
    Write(kMainCitiesFile, "Seattle, WA[USA]-12233,4761,4,a,b,c\n" + std::string(1 << 20, 'z') +
                               "\nTacoma, WA[USA]-12244,4725,4,a,b,c\n");
    const ImportResult result = ImportCities(windows_, messages_);
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_TRUE(WarnedAbout(LineWhereForTest(kMainCitiesFile, 2) + ": line skipped, longer than"));
}

// Two first starts overlap: the second looked for the table before the first
// committed, and imports after it. The look and the import are one
// transaction, so the second waits for the first and then finds its table:
// every city once, and neither fails.
TEST_F(SeedImport, OverlappingImportsStoreEveryCityOnce)
{
    constexpr int kCities = 200;
    std::string cities;
    for (int i = 0; i < kCities; ++i)
    {
        cities += "City " + std::to_string(i) + "[Land]" + std::to_string(i) + ",0,4,a,b,c\n";
    }
    Write(kMainCitiesFile, cities);
    CloseDatabase();
    testing::ChildProcess first(&testing::PauseAtStopPoint, TestPoint::kImportChecked, 0,
                                [&]
                                {
                                    testing::RecordingMessages quiet;
                                    if (!OpenDatabase(database_).ok)
                                    {
                                        return 3;
                                    }
                                    return ImportCities(windows_, quiet).ok ? 0 : 4;
                                });
    ASSERT_TRUE(first.AwaitTold()) << "the first import never looked for its table";
    ASSERT_TRUE(OpenDatabase(database_).ok);
    // This import lets the first go on as soon as it has to wait for it.
    g_first = &first;
    sqlite3_busy_handler(
        store_internal::Connection(),
        [](void*, int attempts)
        {
            if (attempts == 0 && g_first != nullptr)
            {
                g_first->Go();
            }
            ::usleep(1000);
            return attempts < 10000 ? 1 : 0;
        },
        nullptr);
    const ImportResult second = ImportCities(windows_, messages_);
    sqlite3_busy_timeout(store_internal::Connection(), 5000);
    // The first may go on only now when the second never had to wait; it
    // then still finds the file, as when it opened it before the second's
    // delete.
    Write(kMainCitiesFile, cities);
    first.Go();
    g_first = nullptr;
    EXPECT_TRUE(first.ExitedWith(0));
    EXPECT_TRUE(second.ok) << second.failure;
    EXPECT_EQ(Count(kCitiesStoreName), kCities);
    ASSERT_TRUE(ImportCities(windows_, messages_).ok);
    EXPECT_EQ(Count(kCitiesStoreName), kCities);
    EXPECT_FALSE(Present(kMainCitiesFile));
}

// A child imports a large city file and is killed at a growing delay; each
// time the store must hold either nothing (with the file still there) or
// every city, and the next start must end with every city exactly once.
TEST_F(SeedImport, ImportSurvivesKillAtAnyMomentWithNothingLostOrDoubled)
{
    constexpr int kCities = 3000;
    std::string cities;
    for (int i = 0; i < kCities; ++i)
    {
        cities += "City " + std::to_string(i) + "[Land]" + std::to_string(i) + ",0,4,a,b,c\n";
    }
    const std::filesystem::path database = folder_ / "test.db";
    int sawNothing = 0;
    int sawEverything = 0;
    for (int attempt = 0; attempt < 12; ++attempt)
    {
        CloseDatabase();
        for (const char* suffix : {"", "-wal", "-shm"})
        {
            std::filesystem::remove(database.string() + suffix);
        }
        Write(kMainCitiesFile, cities);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            testing::RecordingMessages quiet;
            if (!OpenDatabase(database).ok)
            {
                ::_exit(3);
            }
            ::_exit(ImportCities(windows_, quiet).ok ? 0 : 4);
        }
        ::usleep(static_cast<useconds_t>(attempt * 15000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        ASSERT_TRUE(OpenDatabase(database).ok);
        const int stored = Count(kCitiesStoreName);
        if (stored <= 0)
        {
            EXPECT_TRUE(Present(kMainCitiesFile)) << "attempt " << attempt;
            ++sawNothing;
        }
        else
        {
            EXPECT_EQ(stored, kCities) << "attempt " << attempt;
            ++sawEverything;
        }
        // The restart.
        if (Present(kMainCitiesFile))
        {
            ASSERT_TRUE(ImportCities(windows_, messages_).ok);
        }
        EXPECT_EQ(Count(kCitiesStoreName), kCities) << "attempt " << attempt;
        EXPECT_FALSE(Present(kMainCitiesFile));
        EXPECT_GE(FindCity("City 2999"), 0);
    }
    std::printf("killed imports: %d left nothing, %d left everything\n", sawNothing, sawEverything);
}

} // namespace
} // namespace halvo
