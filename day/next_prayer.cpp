#include "day/next_prayer.h"

#include "day/adhan_alarm.h"
#include "day/day_model.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace halvo
{

namespace
{

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr std::size_t kPrayers[] = {kFajr, kZuhr, kAsr, kMaghrib, kIsha};

int MinutesUp(int seconds)
{
    return (seconds + 59) / 60;
}

} // namespace

std::optional<NextPrayer> FindNextPrayer(const DayTimes& today, const DayTimes& tomorrow,
                                         double offsetChange, const DateRecord& now)
{
    const int nowSecond = (now.hour * 60 + now.minute) * 60 + now.second;
    const std::int64_t nowMs = nowSecond * std::int64_t{1000} + now.milliseconds;
    for (std::size_t index : kPrayers)
    {
        const PrayerTime& time = today[index];
        // Still to come until its Adhan sounds, as the desktop sounds it: at
        // the computed moment, never before the shown minute begins. The time
        // left counts to the shown minute, so inside it a minute is left.
        if (time.hasTime && nowMs < AdhanStartMs(MomentOf(time)))
        {
            const int second = ShownMinuteOfDay(time) * 60;
            return NextPrayer{index, false, time, MinutesUp(std::max(second - nowSecond, 1))};
        }
    }
    // Tomorrow's clock runs offsetChange hours ahead of today's.
    const int shift = static_cast<int>(std::lround(offsetChange * 3600));
    for (std::size_t index : kPrayers)
    {
        const PrayerTime& time = tomorrow[index];
        if (time.hasTime)
        {
            const int left = kSecondsPerDay - nowSecond + ShownMinuteOfDay(time) * 60 - shift;
            return NextPrayer{index, true, time, MinutesUp(left < 0 ? 0 : left)};
        }
    }
    return std::nullopt;
}

} // namespace halvo
