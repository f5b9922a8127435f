#include "day/day_options.h"
#include "engine/day_texts.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace halvo
{
namespace
{

// One repaint's day with every calculation option away from its default
// (target: under 0.7 us): the method's angles and minutes, rounding, a
// night-portion rule, polar days, Umm al-Qura moved a day, the 24-hour clock.
// Its texts are taken as the day model takes them.
void FullDayWithEveryOption(benchmark::State& state)
{
    CalculationOptions options;
    options.method = FindCalculationMethod("Turkey");
    options.adjust = {1, 0, 0, 0, 0, -2};
    options.rounding = Rounding::kNearest;
    options.highLatitude = HighLatitudeRule::kMiddleOfNight;
    options.polarDays = PolarDays::kNearestLatitude;
    options.hijri = {HijriCalendar::kUmmAlQura, 1};
    options.clock24 = true;
    int day = 1;
    for (auto _ : state)
    {
        OptionDay shown =
            ComputeOptionDay(10.75, 59.91, 2, MakeDate(2026, 6, day), 15, 15, 0, options);
        std::string texts[8] = {shown.engine.GregorianDateText(), std::move(shown.hijri.text)};
        for (int i = 0; i < kPrayerCount; ++i)
            WriteClockText(shown.times[i], true, texts[2 + i]);
        benchmark::DoNotOptimize(texts);
        day = day % 28 + 1;
    }
}
BENCHMARK(FullDayWithEveryOption);

// The same day with the default options, for comparison with the engine's.
void FullDayWithDefaults(benchmark::State& state)
{
    int day = 1;
    for (auto _ : state)
    {
        OptionDay shown =
            ComputeOptionDay(-122.33, 47.61, -8, MakeDate(2004, 1, day), 15, 15, 0, {});
        std::string texts[8] = {shown.engine.GregorianDateText(), std::move(shown.hijri.text)};
        for (int i = 0; i < kPrayerCount; ++i)
            WriteClockText(shown.times[i], false, texts[2 + i]);
        benchmark::DoNotOptimize(texts);
        day = day % 28 + 1;
    }
}
BENCHMARK(FullDayWithDefaults);

} // namespace
} // namespace halvo
