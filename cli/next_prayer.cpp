#include "cli/next_prayer.h"

#include "cli/cli_support.h"
#include "day/adhan_alarm.h"
#include "day/day_model.h"
#include "day/day_options.h"
#include "engine/day_texts.h"
#include "platform/text/quoted.h"

namespace halvo::cli
{

std::optional<NextPrayer> FindNextPrayer(const ShownDay& today, const ShownDay& tomorrow,
                                         double offsetChange, const DateRecord& now)
{
    return halvo::FindNextPrayer(today.times, tomorrow.times, offsetChange, now);
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
            out += ClockText(next.time, clock24);
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
