// halvo-screenshots as a user runs it: it answers --help, and the colours
// and the city it stores to draw its variants never reach the user's data.
#include "tests/support/run_shell.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// A path as one shell word. Built by appending: g++ 12 at -O3 warns
// (-Wrestrict) about a one-letter literal joined in front of a temporary.
std::string InQuotes(const std::filesystem::path& path)
{
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

using halvo::testing::Ran;
using halvo::testing::RunShell;

class Screenshots : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        root_ = std::filesystem::temp_directory_path() /
                ("halvo-screenshots-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "user");
        std::filesystem::create_directories(root_ / "out");
        // Under the sanitizers: fontconfig keeps a few blocks for the life of
        // the process, as the test programs' built-in suppressions say.
        std::FILE* suppressions = std::fopen((root_ / "lsan.supp").c_str(), "w");
        ASSERT_NE(suppressions, nullptr);
        std::fputs("leak:libfontconfig.so\nleak:libdbus-1.so\n", suppressions);
        std::fclose(suppressions);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string AsUser(const std::string& program, const std::string& args) const
    {
        return "XDG_DATA_HOME='" + (root_ / "user").string() +
               "' QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions='" +
               (root_ / "lsan.supp").string() + "' '" + program + "' " + args + " 2>/dev/null";
    }

    std::filesystem::path root_;
};

TEST_F(Screenshots, AnswersHelpOnStdout)
{
    const Ran help = RunShell(AsUser(HALVO_SCREENSHOTS_EXE, "--help"));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: halvo-screenshots", 0), 0u) << help.out;
    EXPECT_EQ(RunShell(AsUser(HALVO_SCREENSHOTS_EXE, "")).status, 2);
}

TEST_F(Screenshots, RendersWithoutTouchingTheUsersData)
{
    ASSERT_EQ(RunShell(AsUser(HALVO_TAVORIN_CLI, "settings set Bg 3")).status, 0);
    ASSERT_EQ(RunShell(AsUser(HALVO_TAVORIN_CLI, "settings set Hr 5")).status, 0);
    const std::string before = RunShell(AsUser(HALVO_TAVORIN_CLI, "settings")).out;
    ASSERT_NE(before.find("Bg         3"), std::string::npos) << before;

    const Ran shots = RunShell(AsUser(HALVO_SCREENSHOTS_EXE, InQuotes(root_ / "out") + " main"));
    EXPECT_EQ(shots.status, 0);
    EXPECT_TRUE(std::filesystem::exists(root_ / "out" / "main-missing-city.png"));
    EXPECT_EQ(RunShell(AsUser(HALVO_TAVORIN_CLI, "settings")).out, before);
}

} // namespace
