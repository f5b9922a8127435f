#include "engine/hijri_calendar.h"
#include "engine/prayer_engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace halvo
{
namespace
{

// What one repaint of the main display costs the engine: Setup with the
// Hijri date, Solve, and the eight texts.
void FullDay(benchmark::State& state)
{
    int day = 1;
    for (auto _ : state)
    {
        PrayerEngine engine;
        engine.Setup(-122.33, 47.61, -8, MakeDate(2004, 1, day), 15, 15, 0);
        std::string texts[8] = {engine.GregorianDateText(), engine.HijriDateText(),
                                engine.FajrText(),          engine.SunriseText(),
                                engine.ZuhrText(),          engine.AsrText(),
                                engine.MaghribText(),       engine.IshaText()};
        benchmark::DoNotOptimize(texts);
        day = day % 28 + 1;
    }
}
BENCHMARK(FullDay);

void HighLatitudeDay(benchmark::State& state)
{
    for (auto _ : state)
    {
        PrayerEngine engine;
        engine.Setup(10.75, 59.91, 2, MakeDate(2004, 6, 21), 15, 15, 0);
        benchmark::DoNotOptimize(engine.times);
    }
}
BENCHMARK(HighLatitudeDay);

void GregorianToHijri(benchmark::State& state)
{
    int day = 1;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(HijriFromJulianDay(JulianDayNumber(2026, 12, day)));
        day = day % 28 + 1;
    }
}
BENCHMARK(GregorianToHijri);

void HijriToGregorian(benchmark::State& state)
{
    int day = 1;
    for (auto _ : state)
    {
        const HijriDate date(1448, 6, day);
        benchmark::DoNotOptimize(date.gregorianDay);
        day = day % 29 + 1;
    }
}
BENCHMARK(HijriToGregorian);

} // namespace
} // namespace halvo
