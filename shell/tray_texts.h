#pragma once

// The words of the tray icon and of the notices around the prayers, built
// from whole translatable sentences.

#include "day/prayer_status.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <string>

namespace halvo
{

class TrayTexts
{
    Q_DECLARE_TR_FUNCTIONS(TrayTexts)

  public:
    // "Fajr", "Sunrise", ...
    static QString PrayerName(std::size_t prayer);
    // "1 h 12 min", "12 min".
    static QString TimeLeft(int minutes);
    // "Asr 2:00 PM, in 1 h 12 min"; "Maghrib now".
    static QString ToolTip(const PrayerStatus& status);
    // "Asr      2:00 PM" for the menu; the next one marked.
    static QString Row(const PrayerRow& row);
    // "Asr 2:00 PM in 10 min, Seattle, WA".
    static QString Notice(std::size_t prayer, const std::string& time, int minutesLeft,
                          const std::string& city);
    // "Prayer times are for Seattle, WA. Use Toronto (your time zone)?"
    static QString ZoneHint(const std::string& current, const std::string& suggested);
    // "Use Toronto".
    static QString UseCity(const std::string& suggested);
};

} // namespace halvo
