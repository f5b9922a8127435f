#include "shell/tray_texts.h"

#include "engine/day_texts.h"
#include "locations/zone_city.h"

namespace halvo
{

namespace
{

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

QString TrayTexts::PrayerName(std::size_t prayer)
{
    return QCoreApplication::translate("PrayerNames", kPrayerNames.at(prayer));
}

QString TrayTexts::TimeLeft(int minutes)
{
    if (minutes < 60)
        return tr("%1 min").arg(minutes);
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString TrayTexts::ToolTip(const PrayerStatus& status)
{
    switch (status.kind)
    {
    case PrayerStatus::Kind::kNoCity:
        return tr("%1 is not in the city list").arg(Utf8(status.city));
    case PrayerStatus::Kind::kNoTime:
        return tr("No prayer time in %1 today or tomorrow").arg(Utf8(status.city));
    case PrayerStatus::Kind::kNow:
        return tr("%1 now").arg(PrayerName(status.prayer));
    case PrayerStatus::Kind::kNext:
        break;
    }
    return tr("%1 %2, in %3")
        .arg(PrayerName(status.prayer), Utf8(status.timeText), TimeLeft(status.minutesLeft));
}

QString TrayTexts::Row(const PrayerRow& row)
{
    if (row.next)
        return tr("%1  %2  (next)").arg(PrayerName(row.prayer), Utf8(row.timeText));
    return tr("%1  %2").arg(PrayerName(row.prayer), Utf8(row.timeText));
}

QString TrayTexts::Notice(std::size_t prayer, const std::string& time, int minutesLeft,
                          const std::string& city)
{
    return tr("%1 %2 in %3, %4")
        .arg(PrayerName(prayer), Utf8(time), TimeLeft(minutesLeft), Utf8(city));
}

QString TrayTexts::ZoneHint(const std::string& current, const std::string& suggested)
{
    return tr("Prayer times are for %1. Use %2 (your time zone)?")
        .arg(Utf8(current), Utf8(ShortCityName(suggested)));
}

QString TrayTexts::UseCity(const std::string& suggested)
{
    return tr("Use %1").arg(Utf8(ShortCityName(suggested)));
}

} // namespace halvo
