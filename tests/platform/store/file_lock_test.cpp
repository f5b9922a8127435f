// The lock file that lets one start at a time do the data steps.
#include "platform/store/file_lock.h"
#include "tests/support/child_process.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace halvo
{
namespace
{

class FileLockTest : public ::testing::Test
{
  protected:
    void SetUp() override { folder_ = testing::FreshFolder("halvo_lock"); }
    void TearDown() override
    {
        SetTestPointHandler(nullptr);
        std::filesystem::remove_all(folder_);
    }
    std::filesystem::path folder_;
};

TEST_F(FileLockTest, AHolderNestsAndAnotherProcessWaitsForItsRelease)
{
    const std::filesystem::path file = folder_ / "db.lock";
    {
        FileLock outer(file, std::chrono::milliseconds(0));
        ASSERT_TRUE(outer.Held()) << outer.Problem();
        {
            FileLock inner(file, std::chrono::milliseconds(0));
            EXPECT_TRUE(inner.Held()) << "this process holds it already";
        }
        // The inner holder's end does not let go: another process still
        // finds it held and gives up after its wait.
        testing::ChildProcess other(nullptr, TestPoint::kWaitingForLock, 0,
                                    [&]
                                    {
                                        FileLock lock(file, std::chrono::milliseconds(50));
                                        return lock.Held() ? 0 : 1;
                                    });
        EXPECT_TRUE(other.ExitedWith(1));
    }

    // A child holds it and waits; this process asks, and lets the child go
    // on once it finds the lock held: it then gets the lock.
    testing::ChildProcess holder(&testing::PauseAtStopPoint, TestPoint::kImportChecked, 0,
                                 [&]
                                 {
                                     FileLock lock(file, std::chrono::milliseconds(0));
                                     ReachTestPoint(TestPoint::kImportChecked);
                                     return lock.Held() ? 0 : 1;
                                 });
    ASSERT_TRUE(holder.AwaitTold());
    testing::g_childToRelease = &holder;
    SetTestPointHandler(&testing::ReleaseChildAtPoint);
    FileLock lock(file, std::chrono::seconds(20));
    EXPECT_TRUE(lock.Held()) << lock.Problem();
    EXPECT_EQ(testing::g_childToRelease, nullptr) << "it had to wait";
    EXPECT_TRUE(holder.ExitedWith(0));

    struct stat status
    {
    };
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

TEST_F(FileLockTest, ALockFileThatIsALinkIsRefused)
{
    std::filesystem::create_symlink(folder_ / "elsewhere", folder_ / "db.lock");
    FileLock lock(folder_ / "db.lock", std::chrono::milliseconds(0));
    EXPECT_FALSE(lock.Held());
    EXPECT_NE(lock.Problem().find((folder_ / "db.lock").string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "elsewhere"));
}

} // namespace
} // namespace halvo
