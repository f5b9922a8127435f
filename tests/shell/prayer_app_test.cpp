#include "platform/ui/framework.h"
#include "shell/prayer_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
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
    testing::internal::CaptureStderr();
    const bool started = app.InitInstance();
    const std::string errors = testing::internal::GetCapturedStderr();
    SetMessageBoxSink({});

    EXPECT_FALSE(started);
    EXPECT_NE(app.ExitInstance(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].empty());
    EXPECT_NE(errors.find(boxes[0]), std::string::npos) << errors;
    EXPECT_EQ(app.Frame(), nullptr);
    std::filesystem::remove_all(base);
}

} // namespace
} // namespace halvo
