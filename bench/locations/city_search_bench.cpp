// One keystroke of Find City: the search over all the shipped cities (read
// from their seed file once), for each text a user has typed so far on the
// way to a city, an other name and a country. Target: under 30 ms each.
#include "locations/city_search.h"
#include "startup/seed_lines.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace
{

const std::vector<halvo::CityRecord>& ShippedCities()
{
    static const std::vector<halvo::CityRecord> cities = []
    {
        std::vector<halvo::CityRecord> read;
        std::ifstream file(std::string(HALVO_SOURCE_DATA_DIR) + "/HalvoCities.txt");
        for (std::string line; std::getline(file, line);)
        {
            halvo::CityLine parsed = halvo::ParseCityLine(line);
            if (parsed.kind == halvo::SeedLineKind::kRecord)
                read.push_back(std::move(parsed.city));
        }
        return read;
    }();
    return cities;
}

void BM_FindCityKeystroke(benchmark::State& state, const char* typed)
{
    const std::vector<halvo::CityRecord>& cities = ShippedCities();
    for (auto _ : state)
    {
        std::vector<halvo::CityMatch> found = halvo::SearchCities(cities, typed);
        benchmark::DoNotOptimize(found);
    }
    state.counters["cities"] = static_cast<double>(cities.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_FindCityKeystroke, t, "t")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindCityKeystroke, to, "to")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindCityKeystroke, toro, "toro")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindCityKeystroke, toronto, "toronto")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindCityKeystroke, tehran_accented, "tehrān")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindCityKeystroke, makkah, "makkah")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindCityKeystroke, united_states, "united states")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
