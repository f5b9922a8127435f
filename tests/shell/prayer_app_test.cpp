#include "platform/store/record_store.h"
#include "platform/ui/dialog_harness.h"
#include "platform/ui/framework.h"
#include "platform/ui/translation.h"
#include "resources/resource_ids.h"
#include "settings/calculation_options.h"
#include "shell/command_line.h"
#include "shell/help_texts.h"
#include "shell/prayer_app.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace halvo
{
namespace
{

// A data folder that cannot be created (its parent is a file): the start
// must end, and say why both on screen and on stderr.
TEST(StartupFailure, IsShownInAMessageBoxAndOnStderrBeforeTheProgramEnds)
{
    const auto base =
        std::filesystem::temp_directory_path() / ("halvo-ui-fail-" + std::to_string(getpid()));
    std::filesystem::create_directories(base);
    const auto blocker = base / "not-a-folder";
    std::ofstream(blocker) << "a file where the data folder should go\n";
    setenv("XDG_DATA_HOME", blocker.c_str(), 1);

    std::vector<std::string> boxes;
    SetMessageBoxSink([&](CWnd*, const std::string& text) { boxes.push_back(text); });
    CPrayerApp app;
    EnsureApplication();
    ::testing::internal::CaptureStderr();
    const bool started = app.InitInstance();
    const std::string errors = ::testing::internal::GetCapturedStderr();
    SetMessageBoxSink({});

    EXPECT_FALSE(started);
    EXPECT_NE(app.ExitInstance(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].empty());
    EXPECT_NE(errors.find(boxes[0]), std::string::npos) << errors;
    EXPECT_EQ(app.Frame(), nullptr);
    std::filesystem::remove_all(base);
}

// Asked to stop by the session (SIGTERM) or a closed terminal (SIGHUP), the
// desktop program ends as its Exit does: status 0, the database closed and
// its write-ahead log folded back, rather than killed where it stood.
TEST(EndingOnASignal, TermAndHupEndTheProgramAsExitDoes)
{
    using namespace std::chrono_literals;
    for (const int signal : {SIGTERM, SIGHUP})
    {
        const auto base =
            std::filesystem::temp_directory_path() /
            ("halvo-ui-signal-" + std::to_string(getpid()) + "-" + std::to_string(signal));
        std::filesystem::remove_all(base);
        std::filesystem::create_directories(base);
        const auto database = base / "halvo-tavorin" / "halvo-tavorin.db";
        // Under the sanitizers: fontconfig keeps a few blocks for the life of
        // the process, as the test programs' built-in suppressions say.
        const auto suppressions = base / "lsan.supp";
        std::ofstream(suppressions) << "leak:libfontconfig.so\n";
        const std::string lsanOptions = "suppressions=" + suppressions.string();
        const pid_t program = fork();
        ASSERT_GE(program, 0);
        if (program == 0)
        {
            setenv("XDG_DATA_HOME", base.c_str(), 1);
            setenv("HALVO_DATA_DIR", HALVO_TEST_DATA_DIR "/startup/shipped", 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("LSAN_OPTIONS", lsanOptions.c_str(), 1);
            execl(HALVO_TAVORIN_EXE, HALVO_TAVORIN_EXE, static_cast<char*>(nullptr));
            _exit(127);
        }
        // The database appears after the handlers are in place.
        for (int wait = 0; wait < 400 && !std::filesystem::exists(database); ++wait)
            std::this_thread::sleep_for(25ms);
        ASSERT_TRUE(std::filesystem::exists(database));
        std::this_thread::sleep_for(300ms);
        ASSERT_EQ(kill(program, signal), 0);
        int status = 0;
        pid_t ended = 0;
        for (int wait = 0; wait < 400 && ended == 0; ++wait)
        {
            ended = waitpid(program, &status, WNOHANG);
            if (ended == 0)
                std::this_thread::sleep_for(25ms);
        }
        if (ended == 0)
        {
            kill(program, SIGKILL);
            waitpid(program, &status, 0);
            FAIL() << "the program did not end on signal " << signal;
        }
        EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_FALSE(std::filesystem::exists(database.string() + "-wal"))
            << "the database was not closed";
        std::filesystem::remove_all(base);
    }
}

} // namespace
} // namespace halvo

namespace halvo
{
namespace
{

// A first start that finds no shipped data ends with a message naming
// every folder it looked in, instead of starting on an empty store.
TEST(StartupFailure, NoShippedDataNamesTheFoldersSearched)
{
    const auto base =
        std::filesystem::temp_directory_path() / ("halvo-ui-nodata-" + std::to_string(getpid()));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base / "empty");
    setenv("XDG_DATA_HOME", (base / "home").c_str(), 1);
    setenv("HALVO_DATA_DIR", (base / "empty").c_str(), 1);

    std::vector<std::string> boxes;
    SetMessageBoxSink([&](CWnd*, const std::string& text) { boxes.push_back(text); });
    CPrayerApp app;
    EnsureApplication();
    ::testing::internal::CaptureStderr();
    const bool started = app.InitInstance();
    ::testing::internal::GetCapturedStderr();
    SetMessageBoxSink({});
    unsetenv("HALVO_DATA_DIR");
    CloseDatabase();

    EXPECT_FALSE(started);
    EXPECT_NE(app.ExitInstance(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("HalvoCities.txt"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find((base / "empty").string()), std::string::npos) << boxes[0];
    std::filesystem::remove_all(base);
}

// The desktop program tells the user in a box, once, that a damaged
// database was moved aside and the settings and cities were reset.
TEST(StartupNotice, DamagedDatabaseIsShownInAMessageBoxNamingTheMovedFile)
{
    const auto base =
        std::filesystem::temp_directory_path() / ("halvo-ui-damaged-" + std::to_string(getpid()));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base / "home" / "halvo-tavorin");
    const auto database = base / "home" / "halvo-tavorin" / "halvo-tavorin.db";
    std::ofstream(database) << std::string(8192, 'Z');
    setenv("XDG_DATA_HOME", (base / "home").c_str(), 1);
    setenv("HALVO_DATA_DIR", HALVO_TEST_DATA_DIR "/startup/shipped", 1);

    std::vector<std::string> boxes;
    SetMessageBoxSink([&](CWnd*, const std::string& text) { boxes.push_back(text); });
    bool started = false;
    {
        CPrayerApp app;
        EnsureApplication();
        ::testing::internal::CaptureStderr();
        started = app.InitInstance();
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find(database.string()), std::string::npos) << errors;
        app.ExitInstance();
    }
    SetMessageBoxSink({});
    unsetenv("HALVO_DATA_DIR");
    CloseDatabase();

    EXPECT_TRUE(started);
    const auto moved =
        std::count_if(boxes.begin(), boxes.end(),
                      [&](const std::string& text)
                      {
                          return text.find(database.string() + ".corrupt-") != std::string::npos &&
                                 text.find("reset") != std::string::npos;
                      });
    EXPECT_EQ(moved, 1) << (boxes.empty() ? "no box" : boxes[0]);
    std::filesystem::remove_all(base);
}

// About belongs to the application object: its menu item is enabled
// whenever the program runs, and it closes with its own OK button.
TEST(PrayerApp, AboutIsTheApplicationsCommand)
{
    CPrayerApp app;
    EnsureApplication();
    EXPECT_TRUE(app.HasCommandHandler(ID_APP_ABOUT));
    testing::ModalScripts scripts;
    scripts.Then([](testing::DialogHarness& about) { about.Click(IDC_ABOUT_OK); });
    EXPECT_TRUE(app.OnCmdMsg(ID_APP_ABOUT));
    EXPECT_EQ(scripts.Opened(), std::vector<int>{IDD_ABOUTBOX});
}

// Where the desktop has no tray (the offscreen platform has none), --hidden
// changes nothing: the window shows, and no tray icon is made.
TEST(PrayerApp, HiddenWithoutATrayShowsTheWindowAsBefore)
{
    const auto base =
        std::filesystem::temp_directory_path() / ("halvo-ui-hidden-" + std::to_string(getpid()));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    setenv("XDG_DATA_HOME", base.c_str(), 1);
    setenv("HALVO_DATA_DIR", HALVO_TEST_DATA_DIR "/startup/shipped", 1);
    EXPECT_TRUE(StartsHidden({"halvo-tavorin", "--hidden"}));
    EXPECT_FALSE(StartsHidden({"halvo-tavorin", "-style", "fusion"}));
    {
        CPrayerApp app;
        EnsureApplication();
        app.SetStartHidden(true);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.Tray(), nullptr);
        ASSERT_NE(app.Frame(), nullptr);
        EXPECT_TRUE(app.Frame()->IsWindowVisible());
        app.ExitInstance();
    }
    unsetenv("HALVO_DATA_DIR");
    CloseDatabase();
    std::filesystem::remove_all(base);
}

// The language chosen in the store comes before the one the environment
// names; stored English is English whatever the locale, and nothing stored
// leaves the environment's.
TEST(PrayerApp, StoredLanguageComesBeforeTheEnvironments)
{
    const auto base =
        std::filesystem::temp_directory_path() / ("halvo-ui-language-" + std::to_string(getpid()));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    setenv("XDG_DATA_HOME", base.c_str(), 1);
    setenv("HALVO_DATA_DIR", HALVO_TEST_DATA_DIR "/startup/shipped", 1);
    // A package build runs the tests with LC_ALL=C.UTF-8, which would
    // outrank the LANG the cases rely on.
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANGUAGE", "fr", 1);
    setenv("LANG", "fr_FR.UTF-8", 1);
    struct Case
    {
        const char* stored; // nullptr: never written
        const char* shown;
    };
    for (const Case& c : {Case{nullptr, "fr"}, Case{"de", "de"}, Case{"en", ""}, Case{"", "fr"}})
    {
        if (c.stored != nullptr)
        {
            ASSERT_TRUE(WriteCalculationOption("Language", c.stored));
        }
        CPrayerApp app;
        EnsureApplication();
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(ActiveLanguage(), c.shown) << (c.stored ? c.stored : "(none)");
        app.ExitInstance();
    }
    RemoveTranslations();
    unsetenv("LANGUAGE");
    unsetenv("LANG");
    unsetenv("HALVO_DATA_DIR");
    CloseDatabase();
    std::filesystem::remove_all(base);
}

TEST(DesktopCommandLine, HelpVersionAndADisplayToShowOn)
{
    struct Case
    {
        std::vector<std::string> arguments;
        std::map<std::string, std::string> environment;
        StartRequest expected;
    };
    const std::vector<Case> cases = {
        {{"halvo-tavorin"}, {{"DISPLAY", ":0"}}, StartRequest::kRun},
        {{"halvo-tavorin"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, StartRequest::kRun},
        {{"halvo-tavorin"}, {}, StartRequest::kNoDisplay},
        {{"halvo-tavorin"}, {{"DISPLAY", ""}}, StartRequest::kNoDisplay},
        {{"halvo-tavorin", "--help"}, {}, StartRequest::kHelp},
        {{"halvo-tavorin", "-h"}, {{"DISPLAY", ":0"}}, StartRequest::kHelp},
        {{"halvo-tavorin", "--version"}, {}, StartRequest::kVersion},
        // The autostart entry's option: the program starts as usual.
        {{"halvo-tavorin", "--hidden"}, {{"DISPLAY", ":0"}}, StartRequest::kRun},
        {{"halvo-tavorin", "-style", "fusion", "-v"}, {}, StartRequest::kVersion},
        {{"halvo-tavorin"}, {{"QT_QPA_PLATFORM", "offscreen"}}, StartRequest::kRun},
        {{"halvo-tavorin"}, {{"QT_QPA_PLATFORM", "xcb"}}, StartRequest::kNoDisplay},
        {{"halvo-tavorin"},
         {{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}},
         StartRequest::kNoDisplay},
        {{"halvo-tavorin"},
         {{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":1"}},
         StartRequest::kRun},
        {{"halvo-tavorin", "-platform", "offscreen"}, {}, StartRequest::kRun},
        {{"halvo-tavorin", "-platform", "xcb"},
         {{"QT_QPA_PLATFORM", "offscreen"}},
         StartRequest::kNoDisplay},
    };
    for (const Case& c : cases)
    {
        const auto lookup = [&c](const char* name) -> const char*
        {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(ReadStartRequest(c.arguments, lookup), c.expected)
            << c.arguments.back() << " with " << c.environment.size() << " variables";
    }
    EXPECT_EQ(DesktopVersionText().rfind(std::string("halvo-tavorin ") + kProgramVersion + "\n", 0),
              0u);
    EXPECT_EQ(DesktopUsageText().rfind("Usage: halvo-tavorin", 0), 0u);
    EXPECT_NE(DesktopUsageText().find("--hidden"), std::string::npos);
}

} // namespace
} // namespace halvo
