#include "day/day_model.h"

#include "conventions/twilight_conventions.h"
#include "engine/day_texts.h"
#include "locations/location_database.h"
#include "settings/settings.h"

namespace halvo
{

DayComputation ComputeDayTexts(const std::string& cityName, const DateRecord& date,
                               UserMessages& messages)
{
    DayComputation day;
    day.cityFound =
        LookupCity(date, cityName, day.longitude, day.latitude, day.utcOffset, messages);
    // Compared exactly: "hanafi" in any other case counts as Shafi.
    const std::int32_t hanafi = ReadSetting("AsrMethod") == "Hanafi" ? 1 : 0;
    const double fajrAngle = AngleTextToDegrees(ReadSetting("FajrAngle"));
    const double ishaAngle = AngleTextToDegrees(ReadSetting("IshaAngle"));
    day.engine.Setup(day.longitude * 0.01, day.latitude * 0.01, day.utcOffset, date, fajrAngle,
                     ishaAngle, hanafi);
    day.texts[0] = cityName;
    day.texts[1] = day.engine.GregorianDateText();
    day.texts[2] = day.engine.HijriDateText();
    if (!day.cityFound)
    {
        // No place, no times: never show the times of latitude 0, longitude 0.
        for (int i = 3; i < kDayTextCount; ++i)
        {
            day.texts[i] = kNoTimeText;
        }
        return day;
    }
    day.texts[3] = day.engine.FajrText();
    day.texts[4] = day.engine.SunriseText();
    day.texts[5] = day.engine.ZuhrText();
    day.texts[6] = day.engine.AsrText();
    day.texts[7] = day.engine.MaghribText();
    day.texts[8] = day.engine.IshaText();
    return day;
}

DayComputation ComputeDay(const DateRecord& date, UserMessages& messages)
{
    return ComputeDayTexts(ReadSetting("CityName"), date, messages);
}

} // namespace halvo
