#include "day/day_model.h"

#include "conventions/asr_method.h"
#include "conventions/twilight_conventions.h"
#include "day/day_options.h"
#include "engine/day_texts.h"
#include "locations/location_database.h"
#include "settings/settings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace halvo
{

DaySettings ReadDaySettings()
{
    DaySettings settings;
    settings.hanafi = IsHanafi(ReadSetting(setting::kAsrMethod)) ? 1 : 0;
    settings.fajrAngle = AngleTextToDegrees(ReadSetting("FajrAngle"));
    settings.ishaAngle = AngleTextToDegrees(ReadSetting("IshaAngle"));
    return settings;
}

PrayerEngine SetUpDay(std::int32_t longitude, std::int32_t latitude, double utcOffset,
                      const DateRecord& date, const DaySettings& settings)
{
    PrayerEngine engine;
    engine.Setup(longitude * 0.01, latitude * 0.01, utcOffset, date, settings.fajrAngle,
                 settings.ishaAngle, settings.hanafi);
    return engine;
}

int ShownMinuteOfDay(const PrayerTime& time)
{
    return (time.hour % 12 + (time.pm != 0 ? 12 : 0)) * 60 + time.minute;
}

PrayerMoment MomentOf(const PrayerTime& time)
{
    PrayerMoment moment;
    if (!time.hasTime || !std::isfinite(time.hours))
        return moment;
    double hours = time.hours;
    while (hours >= 24)
        hours -= 24;
    while (hours < 0)
        hours += 24;
    moment.hasTime = true;
    moment.shownMinute = ShownMinuteOfDay(time);
    // Rounded up, so a sound started at this millisecond is never early.
    const auto ms = static_cast<std::int64_t>(std::ceil(hours * 3600000.0));
    moment.computedMs = std::clamp<std::int64_t>(ms, 0, kMsPerDay - 1);
    return moment;
}

std::int64_t AdhanStartMs(const PrayerMoment& moment)
{
    const std::int64_t minuteStart = moment.shownMinute * kMsPerMinute;
    return std::clamp(moment.computedMs, minuteStart, minuteStart + kMsPerMinute - 1);
}

DayComputation ComputeDayTexts(const std::string& cityName, const DateRecord& date,
                               UserMessages& messages)
{
    DayComputation day;
    day.cityFound =
        LookupCity(date, cityName, day.longitude, day.latitude, day.utcOffset, messages);
    day.options = ReadCalculationOptions();
    const DaySettings settings = ReadDaySettings();
    OptionDay shown =
        ComputeOptionDay(day.longitude * 0.01, day.latitude * 0.01, day.utcOffset, date,
                         settings.fajrAngle, settings.ishaAngle, settings.hanafi, day.options);
    day.engine = shown.engine;
    day.times = shown.times;
    day.polarLatitude = shown.polarLatitude;
    day.texts[kLocationText] = cityName;
    day.texts[kGregorianDateText] = day.engine.GregorianDateText();
    day.texts[kHijriDateText] = std::move(shown.hijri.text);
    if (!day.cityFound)
    {
        // No place, no times: never show the times of latitude 0, longitude 0.
        for (std::size_t i = kFajrText; i <= kIshaText; ++i)
        {
            day.texts[i] = kNoTimeText;
        }
        for (PrayerTime& time : day.times)
        {
            time = PrayerTime{};
        }
        return day;
    }
    for (std::size_t i = 0; i < day.times.size(); ++i)
    {
        WriteClockText(day.times[i], day.options.clock24, day.texts[kFajrText + i]);
    }
    // The moments of the times as shown, so the Adhan follows the method,
    // the minutes added and the rounding as the display does.
    for (std::size_t i = 0; i < day.moments.size(); ++i)
        day.moments[i] = MomentOf(day.times[i]);
    return day;
}

DayComputation ComputeDay(const DateRecord& date, UserMessages& messages)
{
    return ComputeDayTexts(ReadSetting("CityName"), date, messages);
}

} // namespace halvo
