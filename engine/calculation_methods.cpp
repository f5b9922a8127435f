#include "engine/calculation_methods.h"

#include "engine/solar_model.h"

#include <cmath>

namespace halvo
{

namespace
{

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
        {
            return false;
        }
    }
    return true;
}

constexpr int kMinutesPerDay = 24 * 60;

} // namespace

const CalculationMethod* FindCalculationMethod(std::string_view name)
{
    for (const CalculationMethod& method : kCalculationMethods)
    {
        if (EqualIgnoringAsciiCase(name, method.name))
        {
            return &method;
        }
    }
    return nullptr;
}

PrayerTime AdjustedTime(const PrayerTime& time, int minutes, bool round)
{
    PrayerTime adjusted = time;
    AdjustTime(adjusted, minutes, round);
    return adjusted;
}

void AdjustTime(PrayerTime& time, int minutes, bool round)
{
    if (!time.hasTime || (minutes == 0 && !round))
    {
        return;
    }
    // The same split as the engine's, so without rounding the minute of the
    // day is exactly the truncated one the engine shows.
    double t = time.hours;
    while (t >= 24)
    {
        t -= 24;
    }
    while (t < 0)
    {
        t += 24;
    }
    // t is no longer negative here, so truncation is the floor.
    const int hour = static_cast<int>(t);
    const double minuteOfHour = (t - hour) * 60;
    const int minute = static_cast<int>(round ? minuteOfHour + 0.5 : minuteOfHour);
    int minuteOfDay = (hour * 60 + minute + minutes) % kMinutesPerDay;
    if (minuteOfDay < 0)
    {
        minuteOfDay += kMinutesPerDay;
    }
    time.hours += minutes / 60.0;
    time.minute = minuteOfDay % 60;
    time.pm = minuteOfDay >= 12 * 60 ? 1 : 0;
    time.hour = To12Hour(minuteOfDay / 60);
}

} // namespace halvo
