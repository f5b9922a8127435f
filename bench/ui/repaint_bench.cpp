#include "platform/clock.h"
#include "platform/ui/framework.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "shell/main_frame.h"
#include "startup/startup_data.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

using namespace halvo;

// One refresh as each 20-second tick does it, at the picture's own size
// (argument 1) and twice as large (argument 2), as on a larger screen.
void Repaint(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    CMainFrame frame;
    frame.LoadFrame(FindMenu(IDR_MAINFRAME));
    frame.SetPaneSize(kViewWidth * scale, kViewHeight * scale);
    frame.ShowWindow(true);
    ProcessPendingMessages();
    for (auto _ : state)
    {
        frame.View().Refresh();
        benchmark::DoNotOptimize(dayTexts[3]);
    }
}
BENCHMARK(Repaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto folder =
        std::filesystem::temp_directory_path() / ("halvo-bench-ui-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    EnsureApplication();
    WindowMessages messages(nullptr);
    if (!RunStartupDataSteps(messages).ok)
        return 1;
    SetMessageBoxSink([](CWnd*, const std::string&) {});
    LoadScreenColours();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
