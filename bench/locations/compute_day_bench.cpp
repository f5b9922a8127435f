// ComputeDay from the stores: four settings reads, the city lookup with its
// zone, and the engine, as every repaint does. The store is seeded once
// from the shipped data in a temporary device folder.
#include "day/day_model.h"
#include "locations/location_database.h"
#include "platform/store/record_store.h"
#include "startup/startup_data.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{

class QuietMessages : public halvo::UserMessages
{
  public:
    void Show(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void Warn(const std::string&) override {}
};

void BM_ComputeDay(benchmark::State& state)
{
    QuietMessages messages;
    halvo::DateRecord date = halvo::MakeDate(2026, 7, 1);
    for (auto _ : state)
    {
        halvo::DayComputation day = halvo::ComputeDay(date, messages);
        benchmark::DoNotOptimize(day);
    }
}
BENCHMARK(BM_ComputeDay)->Unit(benchmark::kMicrosecond);

void BM_LookupCity(benchmark::State& state)
{
    QuietMessages messages;
    const halvo::DateRecord date = halvo::MakeDate(2026, 7, 1);
    for (auto _ : state)
    {
        std::int32_t longitude = 0;
        std::int32_t latitude = 0;
        double offset = 0;
        benchmark::DoNotOptimize(
            halvo::LookupCity(date, "Seattle, WA", longitude, latitude, offset, messages));
    }
}
BENCHMARK(BM_LookupCity)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    const auto home = std::filesystem::temp_directory_path() / "halvo_bench_compute_day";
    std::filesystem::remove_all(home);
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    ::setenv("HALVO_DATA_DIR", HALVO_SOURCE_DATA_DIR, 1);
    QuietMessages messages;
    if (!halvo::RunStartupDataSteps(messages).ok)
    {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    halvo::CloseDatabase();
    std::filesystem::remove_all(home);
    return 0;
}
