#pragma once

#include "engine/hijri_calendar.h"

#include "engine/date_record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace halvo
{

struct FeastEntry
{
    const char* name;        // UTF-8
    const char* description; // UTF-8; no screen shows it
    std::int32_t hijriMonth;
    std::int32_t hijriDay;
};

// The nine feasts in the order of the Hijri year. The names and
// descriptions are shown to people as they are: keep every character,
// including the curly apostrophes and the blank after "Husayn".
inline constexpr std::array<FeastEntry, 9> FeastTable = {{
    {"Islamic New Year", "The Hijra of the prophet from Mecca to Medina.", 1, 1},
    {"Ashura", "The martyrdom of Husayn ", 1, 10},
    {"Mawlid al-Nabiy", "The anniversary of the birth of the Prophet", 3, 12},
    {"Mi\u2019Raj al-Nabiy", "Al-Mi\u2019Raj of the prophet to Heaven.", 7, 27},
    {"First of Ramadan", "The beginning of the holy month of fasting", 9, 1},
    {"Lailat Al Qadr", "The first revelation of the Qur\u2019an", 9, 27},
    {"Eid Al Fitr", "Festival of Breaking the Fast of Ramadan.", 10, 1},
    {"Arafat", "The final revelation to the Prophet at Mt. Arafat", 12, 9},
    {"Eid Al Adha", "Festival of Sacrifice concludes the pilgrimage.", 12, 10},
}};

// Index of the first feast on that Hijri month and day.
std::optional<int> FindFeast(int hijriMonth, int hijriDay);

// The civil date of a feast's Hijri date, in the stored Hijri calendar and
// adjustment.
GregorianDay FeastGregorianDate(int hijriYear, int hijriMonth, int hijriDay);
// The Hijri date shown for a civil date, as the display shows it.
HijriDay ShownHijriOf(const DateRecord& date);
// The civil date of a Hijri date as "22 February, 2004".
std::string FeastGregorianDateText(int hijriYear, int hijriMonth, int hijriDay);

// The reminder's message for a day, or none. feastOn and numDays are the
// stored reminder numbers: nothing is said while the reminder is off, and
// only the day numDays ahead of today is looked at.
std::optional<std::string> FeastReminderText(const DateRecord& today, std::uint32_t feastOn,
                                             std::uint32_t numDays);

} // namespace halvo
