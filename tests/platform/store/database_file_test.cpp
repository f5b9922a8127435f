#include "platform/store/device_folder.h"
#include "platform/store/record_store.h"
#include "tests/support/child_process.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

namespace halvo
{
namespace
{

using testing::StoreTest;

std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> AsideFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".corrupt-") != std::string::npos &&
            entry.path().extension() != ".db-wal")
            found.push_back(entry.path());
    return found;
}

unsigned Mode(const std::filesystem::path& path)
{
    struct stat status
    {
    };
    return ::stat(path.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0;
}

void FillStore(int records)
{
    ASSERT_NE(RecordStore::Create("s", 1, {{1, kSortCaseInsensitive}}), 0u);
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    StoreTransaction transaction;
    for (int i = 0; i < records; ++i)
        ASSERT_TRUE(
            store.Append({{1, "record number " + std::to_string(i) + std::string(40, 'x')}}));
    ASSERT_TRUE(transaction.Commit());
}

// A damaged file is moved aside whole, never deleted, and a fresh store
// starts in its place; the note names the file.
TEST_F(StoreTest, DamagedDatabaseIsMovedAsideAndReplaced)
{
    enum class Damage
    {
        Garbage,
        Truncated,
        ZeroedHeader
    };
    for (Damage damage : {Damage::Garbage, Damage::Truncated, Damage::ZeroedHeader})
    {
        SCOPED_TRACE(static_cast<int>(damage));
        TearDown();
        SetUp();
        FillStore(3000);
        CloseDatabase();
        // Fold the write-ahead log into the file so the damage hits the data.
        ASSERT_TRUE(OpenDatabase(database_).ok);
        CloseDatabase();
        std::string bytes = FileBytes(database_);
        ASSERT_GT(bytes.size(), 100000u);
        switch (damage)
        {
        case Damage::Garbage:
            bytes = std::string(8192, '\x5A');
            break;
        case Damage::Truncated:
            bytes.resize(bytes.size() / 2);
            break;
        case Damage::ZeroedHeader:
            std::fill(bytes.begin(), bytes.begin() + 100, '\0');
            break;
        }
        std::ofstream(database_, std::ios::binary | std::ios::trunc) << bytes;

        const DatabaseOpenResult opened = OpenDatabase(database_);
        ASSERT_TRUE(opened.ok) << opened.note;
        EXPECT_NE(opened.note.find(database_.string()), std::string::npos) << opened.note;
        EXPECT_EQ(opened.note.find('\n'), std::string::npos) << "one line";
        const auto aside = AsideFiles(folder_);
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_NE(opened.note.find(aside[0].string()), std::string::npos) << opened.note;
        EXPECT_EQ(FileBytes(aside[0]), bytes) << "the damaged file is kept as it was";

        EXPECT_FALSE(RecordStore::Exists("s"));
        ASSERT_NE(RecordStore::Create("s", 1, {}), 0u) << "the fresh store works";
        CloseDatabase();
        const DatabaseOpenResult again = OpenDatabase(database_);
        EXPECT_TRUE(again.ok);
        EXPECT_EQ(again.note, "") << "a healthy file is opened quietly";
        EXPECT_TRUE(RecordStore::Exists("s"));
    }
}

// A file that passed the integrity check is recorded and not read whole at
// every opening; damage written after the record is still found, even when
// it keeps the file's size.
TEST_F(StoreTest, DamageAfterARecordedCheckIsStillFound)
{
    FillStore(3000);
    CloseDatabase();
    ASSERT_TRUE(OpenDatabase(database_).ok);
    CloseDatabase();
    // Only a file that has not changed for a moment is recorded.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_TRUE(OpenDatabase(database_).ok);
    CloseDatabase();
    const std::filesystem::path record = database_.string() + ".checked";
    ASSERT_TRUE(std::filesystem::is_regular_file(record));
    EXPECT_EQ(Mode(record), 0600u);
    ASSERT_TRUE(OpenDatabase(database_).ok);
    CloseDatabase();
    EXPECT_TRUE(AsideFiles(folder_).empty());

    const auto size = std::filesystem::file_size(database_);
    {
        std::fstream file(database_, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(size / 2 / 4096 * 4096));
        file << std::string(8192, '\x5A');
    }
    ASSERT_EQ(std::filesystem::file_size(database_), size);
    const DatabaseOpenResult opened = OpenDatabase(database_);
    ASSERT_TRUE(opened.ok) << opened.note;
    EXPECT_EQ(AsideFiles(folder_).size(), 1u) << "the damage is found";
    EXPECT_NE(opened.note.find(database_.string()), std::string::npos) << opened.note;
}

void Damage(const std::filesystem::path& database)
{
    FillStore(3000);
    CloseDatabase();
    ASSERT_TRUE(OpenDatabase(database).ok);
    CloseDatabase();
    std::string bytes = FileBytes(database);
    bytes.resize(bytes.size() / 2);
    std::ofstream(database, std::ios::binary | std::ios::trunc) << bytes;
}

// Moving a damaged file aside twice: one process judged the old file
// damaged, another moved it aside meanwhile, started a fresh database and
// wrote to it; the first must not then move the fresh one aside too.
TEST_F(StoreTest, DamagedDatabaseIsMovedAsideByExactlyOneProcess)
{
    Damage(database_);
    // The judge stops between its judgement and the move.
    testing::ChildProcess judge(&testing::PauseAtStopPoint, TestPoint::kDamageJudged, 0,
                                [&] { return OpenDatabase(database_).ok ? 0 : 1; });
    ASSERT_TRUE(judge.AwaitTold());
    // The writer opens the same file now; it says so if it has to wait.
    testing::ChildProcess writer(&testing::TellAtStopPoint, TestPoint::kWaitingForLock, 0,
                                 [&]
                                 {
                                     if (!OpenDatabase(database_).ok)
                                         return 1;
                                     return RecordStore::Create("written", 1, {}) != 0 ? 0 : 2;
                                 });
    // Either it waits for the judge, or (without the lock) it is done.
    writer.AwaitTold(5000);
    judge.Go();
    EXPECT_TRUE(judge.ExitedWith(0));
    ASSERT_TRUE(writer.ExitedWith(0));

    ASSERT_TRUE(OpenDatabase(database_).ok);
    EXPECT_TRUE(RecordStore::Exists("written")) << "a write that reported success was lost";
    EXPECT_EQ(AsideFiles(folder_).size(), 1u);
}

// The name no longer leads to the judged file when the move comes (another
// program put a healthy database there): the healthy one is opened, not
// moved aside.
std::filesystem::path g_healthyReplacement;
std::filesystem::path g_judgedFile;

TEST_F(StoreTest, DamagedDatabaseReplacedBeforeTheMoveIsOpenedNotMoved)
{
    g_healthyReplacement = folder_ / "healthy.db";
    g_judgedFile = database_;
    CloseDatabase();
    ASSERT_TRUE(OpenDatabase(g_healthyReplacement).ok);
    ASSERT_NE(RecordStore::Create("healthy", 1, {}), 0u);
    CloseDatabase();
    ASSERT_TRUE(OpenDatabase(database_).ok);
    Damage(database_);

    SetTestPointHandler(
        [](TestPoint point)
        {
            if (point == TestPoint::kDamageJudged)
                std::filesystem::rename(g_healthyReplacement, g_judgedFile);
        });
    const DatabaseOpenResult opened = OpenDatabase(database_);
    SetTestPointHandler(nullptr);
    ASSERT_TRUE(opened.ok) << opened.note;
    EXPECT_EQ(opened.note, "");
    EXPECT_TRUE(RecordStore::Exists("healthy"));
    EXPECT_TRUE(AsideFiles(folder_).empty());
}

// Permissions are changed only on the program's own regular file, never
// through a link to someone else's.
TEST_F(StoreTest, DatabaseIsNeverOpenedThroughALink)
{
    CloseDatabase();
    const std::filesystem::path target = folder_ / "someone-elses-file";
    std::ofstream(target) << "not a database";
    ::chmod(target.c_str(), 0644);
    const std::filesystem::path link = folder_ / "linked.db";
    std::filesystem::create_symlink(target, link);

    const DatabaseOpenResult opened = OpenDatabase(link);
    EXPECT_FALSE(opened.ok);
    EXPECT_NE(opened.note.find(link.string()), std::string::npos) << opened.note;
    EXPECT_EQ(Mode(target), 0644u);
    EXPECT_EQ(FileBytes(target), "not a database");
    EXPECT_TRUE(AsideFiles(folder_).empty());

    // A regular file of the user's that others may read is made private.
    ASSERT_TRUE(OpenDatabase(database_).ok);
    CloseDatabase();
    ::chmod(database_.c_str(), 0644);
    ASSERT_TRUE(OpenDatabase(database_).ok);
    EXPECT_EQ(Mode(database_), 0600u);
}

// A data folder reached through links (a home under /var/home, ~/.local
// on another disk) is the user's own; only a link at the database or its
// companions is refused, and a refused open leaves no file behind.
TEST_F(StoreTest, LinksAboveTheDatabaseAreFollowedButNotAtItOrItsCompanions)
{
    CloseDatabase();
    const std::filesystem::path real = folder_ / "real";
    std::filesystem::create_directories(real / "data");
    std::filesystem::create_directory_symlink(real, folder_ / "linked-home");
    const std::filesystem::path throughLink = folder_ / "linked-home" / "data" / "halvo.db";

    DatabaseOpenResult opened = OpenDatabase(throughLink);
    ASSERT_TRUE(opened.ok) << opened.note;
    ASSERT_NE(RecordStore::Create("kept", 1, {}), 0u);
    CloseDatabase();
    opened = OpenDatabase(throughLink);
    ASSERT_TRUE(opened.ok) << opened.note;
    EXPECT_TRUE(RecordStore::Exists("kept"));
    CloseDatabase();

    const std::filesystem::path elsewhere = folder_ / "elsewhere";
    std::ofstream(elsewhere) << "";
    const struct
    {
        const char* linkedSuffix;
    } cases[] = {{""}, {"-wal"}, {"-shm"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.linkedSuffix);
        const std::filesystem::path fresh = real / "data" / "fresh.db";
        std::filesystem::create_symlink(elsewhere, fresh.string() + c.linkedSuffix);
        const std::filesystem::path named = folder_ / "linked-home" / "data" / "fresh.db";
        opened = OpenDatabase(named);
        EXPECT_FALSE(opened.ok);
        EXPECT_NE(opened.note.find("symbolic link"), std::string::npos) << opened.note;
        std::filesystem::remove(fresh.string() + c.linkedSuffix);
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(real / "data"))
            if (entry.path().filename().string().rfind("fresh.db", 0) == 0 &&
                entry.path().extension() != ".lock")
                left.push_back(entry.path().filename().string());
        EXPECT_TRUE(left.empty()) << left.front();
        EXPECT_EQ(FileBytes(elsewhere), "");
    }
}

// A process that holds the database open while another moves the damaged
// file aside: what it writes afterwards goes to the live file, or fails,
// and never lands in the moved one with success reported.
TEST_F(StoreTest, WritesAfterTheFileWasMovedAsideGoToTheLiveFile)
{
    ASSERT_NE(RecordStore::Create("held", 1, {{1, kSortCaseInsensitive}}), 0u);
    CloseDatabase();
    enum class Writer
    {
        NewTransaction, // a write that begins after the move
        StoreHeldOpen,  // a store opened before the move, written after it
    };
    // Where the writer stands when the file is moved, what it must report,
    // and whether its write is then found in the live file.
    const struct
    {
        Writer writer;
        TestPoint movedAt;
        int exitCode;
        bool inLiveFile;
    } cases[] = {
        {Writer::NewTransaction, TestPoint::kWriteBegins, 0, true},
        {Writer::StoreHeldOpen, TestPoint::kWriteBegins, 2, false},
        {Writer::NewTransaction, TestPoint::kCommitting, 2, false},
    };
    int round = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(static_cast<int>(c.writer) * 10 + static_cast<int>(c.movedAt));
        const std::string written = "written-" + std::to_string(round);
        testing::ChildProcess writer(
            &testing::PauseAtStopPoint, c.movedAt, 0,
            [&]
            {
                SetTestPointHandler(nullptr);
                if (!OpenDatabase(database_).ok)
                    return 1;
                RecordStore store;
                if (c.writer == Writer::StoreHeldOpen && !store.Open("held"))
                    return 1;
                SetTestPointHandler(&testing::PauseAtStopPoint);
                StoreTransaction transaction;
                const bool wrote = c.writer == Writer::NewTransaction
                                       ? RecordStore::Create(written, 1, {}) != 0
                                       : store.Append({{1, written}});
                return wrote && transaction.Commit() ? 0 : 2;
            });
        ASSERT_TRUE(writer.AwaitTold());
        // What the opening does with a damaged file: the file and its
        // journal go aside, and a fresh database starts under the name.
        const std::filesystem::path aside =
            database_.string() + ".corrupt-test-" + std::to_string(round++);
        for (const char* suffix : {"", "-wal", "-shm"})
            if (std::filesystem::exists(database_.string() + suffix))
                std::filesystem::rename(database_.string() + suffix, aside.string() + suffix);
        ASSERT_TRUE(OpenDatabase(database_).ok);
        ASSERT_NE(RecordStore::Create("held", 1, {{1, kSortCaseInsensitive}}), 0u);
        CloseDatabase();
        writer.Go();
        EXPECT_TRUE(writer.ExitedWith(c.exitCode));

        ASSERT_TRUE(OpenDatabase(aside).ok);
        EXPECT_FALSE(RecordStore::Exists(written)) << "written into the moved file";
        RecordStore moved;
        ASSERT_TRUE(moved.Open("held"));
        EXPECT_EQ(moved.SeekFirstEqual(1, written), -1) << "written into the moved file";
        moved.Close();
        CloseDatabase();
        ASSERT_TRUE(OpenDatabase(database_).ok);
        RecordStore live;
        ASSERT_TRUE(live.Open("held"));
        EXPECT_EQ(RecordStore::Exists(written) || live.Count() == 1, c.inLiveFile);
        live.Close();
        CloseDatabase();
    }
}

TEST_F(StoreTest, UnopenableDatabaseFailsWithoutMovingAnything)
{
    CloseDatabase();
    const std::filesystem::path missingFolder = folder_ / "missing" / "test.db";
    const DatabaseOpenResult opened = OpenDatabase(missingFolder);
    EXPECT_FALSE(opened.ok);
    EXPECT_NE(opened.note.find(missingFolder.string()), std::string::npos) << opened.note;
    EXPECT_TRUE(AsideFiles(folder_).empty());
}

TEST_F(StoreTest, DatabaseFileIsPrivateToTheUser)
{
    ASSERT_NE(RecordStore::Create("s", 1, {}), 0u);
    EXPECT_EQ(Mode(database_), 0600u);
    EXPECT_EQ(Mode(database_.string() + "-wal"), 0600u);
}

// Restores the environment variables a test changes.
class Environment
{
  public:
    void Set(const char* name, const char* value)
    {
        if (!saved_.count(name))
        {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value == nullptr)
            unsetenv(name);
        else
            setenv(name, value, 1);
    }
    ~Environment()
    {
        for (const auto& [name, value] : saved_)
        {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

// A relative HOME is passed over like a relative XDG_DATA_HOME: the store
// never lands in whatever folder the program was started from.
TEST_F(StoreTest, RelativeHomeIsPassedOverForTheAccountsHome)
{
    Environment environment;
    environment.Set("XDG_DATA_HOME", nullptr);
    const passwd* account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    const std::filesystem::path expected =
        std::filesystem::path(account->pw_dir) / ".local" / "share" / "halvo-tavorin";
    for (const char* home : {"relative", ".", "./home", "", "~"})
    {
        environment.Set("HOME", home);
        EXPECT_EQ(DeviceFolder(), expected) << home;
        EXPECT_TRUE(DatabaseFile().is_absolute()) << home;
    }
    environment.Set("HOME", nullptr);
    EXPECT_EQ(DeviceFolder(), expected);
}

TEST_F(StoreTest, DeviceFolderFollowsXdgDataHome)
{
    Environment environment;
    const std::string home = (folder_ / "home").string();
    const std::string data = (folder_ / "data").string();
    environment.Set("HOME", home.c_str());
    const std::filesystem::path fallback = folder_ / "home" / ".local" / "share" / "halvo-tavorin";
    const struct
    {
        const char* dataHome;
        std::filesystem::path expected;
    } cases[] = {
        {data.c_str(), folder_ / "data" / "halvo-tavorin"},
        {nullptr, fallback},
        {"", fallback},
        {"relative/path", fallback},
    };
    for (const auto& c : cases)
    {
        environment.Set("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(DeviceFolder(), c.expected) << (c.dataHome ? c.dataHome : "(unset)");
        EXPECT_EQ(WindowsFolder(), c.expected / "windows");
        EXPECT_EQ(DatabaseFile().parent_path(), c.expected);
    }

    environment.Set("XDG_DATA_HOME", nullptr);
    std::string error;
    ASSERT_TRUE(EnsureDeviceFolder(&error)) << error;
    EXPECT_EQ(Mode(fallback), 0700u);
    EXPECT_EQ(Mode(fallback / "windows"), 0700u);
    EXPECT_TRUE(EnsureDeviceFolder(&error)) << "a second call finds it in place";

    // Folders of ours that others can reach are made private again; a
    // folder reached through a link is left as it is, with a warning.
    ::chmod(fallback.c_str(), 0777);
    ::chmod((fallback / "windows").c_str(), 0755);
    std::vector<std::string> warnings;
    ASSERT_TRUE(EnsureDeviceFolder(&error, &warnings)) << error;
    EXPECT_EQ(Mode(fallback), 0700u);
    EXPECT_EQ(Mode(fallback / "windows"), 0700u);
    EXPECT_TRUE(warnings.empty());

    const std::filesystem::path shared = folder_ / "shared";
    std::filesystem::create_directories(shared / "halvo-tavorin" / "windows");
    ::chmod((shared / "halvo-tavorin").c_str(), 0755);
    const std::filesystem::path linked = folder_ / "linked";
    std::filesystem::create_directories(linked);
    std::filesystem::create_directory_symlink(shared / "halvo-tavorin", linked / "halvo-tavorin");
    environment.Set("XDG_DATA_HOME", linked.c_str());
    ASSERT_TRUE(EnsureDeviceFolder(&error, &warnings)) << error;
    EXPECT_EQ(Mode(shared / "halvo-tavorin"), 0755u);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find((linked / "halvo-tavorin").string()), std::string::npos);

    // A file where the folder should be is reported, naming the path.
    const std::filesystem::path blocked = folder_ / "blocked";
    std::ofstream(blocked) << "not a folder";
    environment.Set("XDG_DATA_HOME", blocked.c_str());
    EXPECT_FALSE(EnsureDeviceFolder(&error));
    EXPECT_NE(error.find(blocked.string()), std::string::npos) << error;
}

} // namespace
} // namespace halvo
