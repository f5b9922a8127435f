#include "sky/moon_phase.h"
#include "sky/qibla.h"

#include <benchmark/benchmark.h>

namespace
{

// One paint of the Moon Phase window: the lunar theory, the new-moon
// search and the four texts.
void MoonPhaseForOneMoment(benchmark::State& state)
{
    int day = 1;
    for (auto _ : state)
    {
        halvo::MoonPhase phase = halvo::ComputeMoonPhase(2004, 3, day, 21, 0, 0);
        benchmark::DoNotOptimize(phase);
        day = day % 28 + 1;
    }
}
BENCHMARK(MoonPhaseForOneMoment);

// One paint of the Qibla window: the bearing and its line.
void QiblaBearingAndText(benchmark::State& state)
{
    int longitude = -12;
    for (auto _ : state)
    {
        const double bearing = halvo::QiblaBearingAt(longitude, 5151);
        std::string text = halvo::QiblaText(bearing);
        benchmark::DoNotOptimize(text);
        longitude = longitude == -12 ? 10680 : -12;
    }
}
BENCHMARK(QiblaBearingAndText);

} // namespace
