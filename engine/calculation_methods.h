#pragma once

// The parameters organisations publish their timetables with, and the two
// habits of published tables the seed's own times do not have: fixed
// minutes added to some times, and rounding to the nearest minute.

#include "engine/prayer_engine.h"

#include <array>
#include <string_view>

namespace halvo
{

using MinuteAdjustments = std::array<int, kPrayerCount>; // Fajr, Sunrise, Zuhr, Asr, Maghrib, Isha

struct CalculationMethod
{
    const char* name;         // what --method takes: "MWL", "ISNA", ...
    const char* organisation; // who publishes it
    double fajrAngle;
    double ishaAngle; // kNinetyMinuteIshaAngle: Isha 90 minutes after Maghrib
    MinuteAdjustments adjustments;
};

inline constexpr std::array<CalculationMethod, 10> kCalculationMethods = {{
    {"MWL", "Muslim World League", 18, 17, {}},
    {"ISNA", "Islamic Society of North America", 15, 15, {}},
    {"Egypt", "Egyptian General Authority of Survey", 19.5, 17.5, {}},
    {"Karachi", "University of Islamic Sciences, Karachi", 18, 18, {}},
    {"UmmAlQura", "Umm al-Qura University, Makkah", 18.5, kNinetyMinuteIshaAngle, {}},
    {"Dubai", "Dubai (Islamic Affairs and Charitable Activities)", 18.2, 18.2, {0, -3, 3, 3, 3, 0}},
    {"Kuwait", "Kuwait (Ministry of Awqaf)", 18, 17.5, {}},
    {"Qatar", "Qatar (Ministry of Awqaf)", 18, kNinetyMinuteIshaAngle, {}},
    {"Singapore", "Majlis Ugama Islam Singapura", 20, 18, {0, 0, 1, 0, 0, 0}},
    {"Turkey", "Diyanet (Presidency of Religious Affairs), Turkey", 18, 17, {0, -7, 5, 4, 7, 0}},
}};

// The method of that name, compared without regard to ASCII case; nullptr
// when there is none.
const CalculationMethod* FindCalculationMethod(std::string_view name);

// A time as a published table prints it: whole minutes added after the
// computation, and with round the time rounded to the nearest minute
// instead of truncated. With no minutes and no rounding the time comes back
// unchanged, so the seed's own times stay exactly as they are. hours carries
// the added minutes too; a time without a value stays without one.
PrayerTime AdjustedTime(const PrayerTime& time, int minutes, bool round);

// The same, changing the time where it lies: a day's times are adjusted in
// place rather than copied out and back.
void AdjustTime(PrayerTime& time, int minutes, bool round);

} // namespace halvo
