#include "engine/day_texts.h"

#include <cstdio>

namespace halvo
{

namespace
{

// Every text is formatted into a buffer of this many units, as the stores
// and windows expect; a day text never comes near it.
constexpr std::size_t kTextBufferSize = 1024;

template <typename... Args> std::string Format(const char* format, Args... args)
{
    char buffer[kTextBufferSize];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

} // namespace

const char* HijriMonthName(int month)
{
    return month >= 1 && month <= 12 ? HijriMonthNames[month] : "";
}

const char* GregorianMonthName(int month)
{
    return month >= 1 && month <= 12 ? GregorianMonthNames[month] : "";
}

std::string TimeText(const PrayerTime& time)
{
    if (!time.hasTime)
    {
        return kNoTimeText;
    }
    const char* suffix = time.pm == 0 ? "AM" : "PM";
    // The zero is part of the format, not a field width.
    return time.minute > 9 ? Format("%d:%d %s", time.hour, time.minute, suffix)
                           : Format("%d:0%d %s", time.hour, time.minute, suffix);
}

std::string PrayerEngine::HijriDateText() const
{
    return Format("%d %s %d A.H.", hijriDay, HijriMonthName(hijriMonth), hijriYear);
}

std::string PrayerEngine::GregorianDateText() const
{
    return Format("%d %s %d C.E.", day, GregorianMonthName(month), year);
}

std::string PrayerEngine::FajrText() const
{
    return TimeText(times[kFajr]);
}
std::string PrayerEngine::SunriseText() const
{
    return TimeText(times[kSunrise]);
}
std::string PrayerEngine::ZuhrText() const
{
    return TimeText(times[kZuhr]);
}
std::string PrayerEngine::AsrText() const
{
    return TimeText(times[kAsr]);
}
std::string PrayerEngine::MaghribText() const
{
    return TimeText(times[kMaghrib]);
}
std::string PrayerEngine::IshaText() const
{
    return TimeText(times[kIsha]);
}

} // namespace halvo
