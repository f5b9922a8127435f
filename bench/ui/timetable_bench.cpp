#include "day/ui/timetable_window.h"
#include "platform/clock.h"
#include "platform/ui/framework.h"
#include "platform/ui/window_messages.h"
#include "startup/startup_data.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

using namespace halvo;

// From Ctrl+T to the month on screen: the window built, its month
// computed and shown (target < 100 ms).
void OpenTimetable(benchmark::State& state)
{
    for (auto _ : state)
    {
        TimetableWindow window(LocalNow());
        window.show();
        ProcessPendingMessages();
        benchmark::DoNotOptimize(window.Month().rows.size());
    }
}
BENCHMARK(OpenTimetable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto folder = std::filesystem::temp_directory_path() /
                        ("halvo-bench-timetable-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    EnsureApplication();
    WindowMessages messages(nullptr);
    if (!RunStartupDataSteps(messages).ok)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
