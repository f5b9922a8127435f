#include "datetools/timetable_rows.h"

#include "engine/day_texts.h"
#include "engine/prayer_engine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace halvo
{

void AppendCsvField(std::string& out, const std::string& text)
{
    if (text.find_first_of(",\"") == std::string::npos)
    {
        out += text;
        return;
    }
    out += '"';
    for (char c : text)
    {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
}

void AppendTimetableCsvRow(std::string& out, const std::string& isoDate,
                           const std::string& gregorian, const std::string& hijri,
                           const std::array<std::string, 6>& times)
{
    out += isoDate;
    out += ',';
    AppendCsvField(out, gregorian);
    out += ',';
    AppendCsvField(out, hijri);
    for (const std::string& time : times)
    {
        out += ',';
        out += time;
    }
    out += '\n';
}

void AppendTimetableIcsEvents(std::string& out, const TimetableIcsDay& day,
                              const std::string& placeKey, const TimetableIcsChoice& choice,
                              const UtcMoment& stamp)
{
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", day.year, day.month, day.day);
    for (std::size_t i = 0; i < day.minutes.size(); ++i)
    {
        if (day.minutes[i] < 0 || (i == kSunrise && !choice.withSunrise))
            continue;
        IcsEvent event;
        std::string prayer = kPrayerNames[i];
        std::transform(prayer.begin(), prayer.end(), prayer.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        event.uid =
            std::string(date) + "-" + prayer + "-" + IcsPlaceKey(placeKey) + "@tavorin.halvo";
        event.summary = kPrayerNames[i];
        event.start = UtcFromLocal(day.year, day.month, day.day, day.minutes[i], day.utcOffset);
        event.minutes = choice.minutes;
        out += IcsEventText(event, stamp);
    }
}

} // namespace halvo
