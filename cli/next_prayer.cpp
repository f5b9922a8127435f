#include "cli/next_prayer.h"

#include "cli/cli_support.h"
#include "day/adhan_alarm.h"
#include "day/day_model.h"
#include "engine/day_texts.h"
#include "platform/text/quoted.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace halvo::cli
{

namespace
{

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr std::size_t kPrayers[] = {kFajr, kZuhr, kAsr, kMaghrib, kIsha};

// The first second of the shown minute, from midnight.
int SecondOfDay(const PrayerTime& time)
{
    return ((time.hour % 12 + (time.pm != 0 ? 12 : 0)) * 60 + time.minute) * 60;
}

int MinutesUp(int seconds)
{
    return (seconds + 59) / 60;
}

} // namespace

std::optional<NextPrayer> FindNextPrayer(const ShownDay& today, const ShownDay& tomorrow,
                                         double offsetChange, const DateRecord& now)
{
    const int nowSecond = (now.hour * 60 + now.minute) * 60 + now.second;
    const std::int64_t nowMs = nowSecond * std::int64_t{1000} + now.milliseconds;
    for (std::size_t index : kPrayers)
    {
        const PrayerTime& time = today.times[index];
        // Still to come until its Adhan sounds, as the desktop sounds it: at
        // the computed moment, never before the shown minute begins. The time
        // left counts to the shown minute, so inside it a minute is left.
        if (time.hasTime && nowMs < AdhanStartMs(MomentOf(time)))
        {
            return NextPrayer{index, false, time,
                              MinutesUp(std::max(SecondOfDay(time) - nowSecond, 1))};
        }
    }
    // Tomorrow's clock runs offsetChange hours ahead of today's.
    const int shift = static_cast<int>(std::lround(offsetChange * 3600));
    for (std::size_t index : kPrayers)
    {
        const PrayerTime& time = tomorrow.times[index];
        if (time.hasTime)
        {
            const int left = kSecondsPerDay - nowSecond + SecondOfDay(time) - shift;
            return NextPrayer{index, true, time, MinutesUp(left < 0 ? 0 : left)};
        }
    }
    return std::nullopt;
}

std::string LeftText(int minutes)
{
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    return std::to_string(hours) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string FormatNextPrayer(std::string_view format, const NextPrayer& next, bool clock24)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i)
    {
        const char c = format[i];
        if ((c == '{' || c == '}') && i + 1 < format.size() && format[i + 1] == c)
        {
            out += c;
            ++i;
            continue;
        }
        if (c == '}')
        {
            throw UsageError("--format: a lone \"}\" (write \"}}\" for a brace)");
        }
        if (c != '{')
        {
            out += c;
            continue;
        }
        const std::size_t close = format.find('}', i);
        if (close == std::string_view::npos)
        {
            throw UsageError("--format: " + Quoted(format.substr(i)) + " has no closing \"}\"");
        }
        const std::string_view field = format.substr(i + 1, close - i - 1);
        if (field == "name")
        {
            out += kPrayerNames[next.index];
        }
        else if (field == "time")
        {
            out += TimeTextIn(next.time, clock24);
        }
        else if (field == "left")
        {
            out += LeftText(next.minutesLeft);
        }
        else if (field == "minutes")
        {
            out += std::to_string(next.minutesLeft);
        }
        else
        {
            throw UsageError("--format: " + Quoted(format.substr(i, close - i + 1)) +
                             " is not one of {name}, {time}, {left}, {minutes}");
        }
        i = close;
    }
    return out;
}

} // namespace halvo::cli
