#pragma once

#include "engine/prayer_engine.h"

#include <array>
#include <string>

namespace halvo
{

// Month names, indexed 1..12; entry 0 is empty so a month number indexes directly.
inline constexpr std::array<const char*, 13> HijriMonthNames = {"",
                                                                "Muharram",
                                                                "Safar",
                                                                "Raby' al-awal",
                                                                "Raby al-thany",
                                                                "Jumada al-awal",
                                                                "Jumada al-thany",
                                                                "Rajab",
                                                                "Shaa'ban",
                                                                "Ramadan",
                                                                "Shawwal",
                                                                "Thw al-qi'dah",
                                                                "Thw al-hijjah"};

inline constexpr std::array<const char*, 13> GregorianMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

// The six events' names in display order, as the screens label them.
inline constexpr std::array<const char*, kPrayerCount> kPrayerNames = {"Fajr", "Sunrise", "Zuhr",
                                                                       "Asr",  "Maghrib", "Isha"};

// Name of a month 1..12, or an empty text for any other number.
const char* HijriMonthName(int month);
const char* GregorianMonthName(int month);

// "24 Ramadan 1420 A.H." for any Hijri date, as PrayerEngine::HijriDateText
// writes the engine's own.
std::string HijriDateText(int day, int month, int year);

// "5:07 AM", "12:30 PM"; "--:--" for an event without a time.
std::string TimeText(const PrayerTime& time);
// The same, written into a string whose storage is reused: a screen's
// texts are rewritten in place rather than built and moved in.
void WriteTimeText(const PrayerTime& time, std::string& into);

// Shown in place of a time the Sun does not bring about that day.
inline constexpr const char* kNoTimeText = "--:--";

} // namespace halvo
