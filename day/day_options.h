#pragma once

// A day as the stored calculation options show it: the method's angles,
// the rules for high latitudes and polar days, minutes added, rounding,
// the Hijri calendar with its day offset, and the clock. With the default
// options every time and text is the engine's own, unchanged.

#include "engine/date_record.h"
#include "engine/prayer_engine.h"
#include "settings/calculation_options.h"

#include <array>
#include <optional>
#include <string>

namespace halvo
{

// A Hijri date as shown: in the chosen calendar and moved by the days asked.
struct ShownHijri
{
    int day = 0;
    int month = 0;
    int year = 0;
    std::string text; // "24 Ramadan 1420 A.H."
    // Umm al-Qura was asked for a date outside the years its table covers:
    // the date is the civil one.
    bool civilInstead = false;
};
ShownHijri HijriFor(const DateRecord& date, const CalendarChoice& choice);

struct OptionDay
{
    PrayerEngine engine; // set up with the angles used, at the latitude used
    std::array<PrayerTime, kPrayerCount> times{};
    ShownHijri hijri;
    // Set when the Sun neither rose nor set at the place and the times are
    // those of this latitude (degrees) instead.
    std::optional<double> polarLatitude;
};

// The day at a place in degrees. fajrAngle and ishaAngle are the
// convention's; a method in options replaces them.
OptionDay ComputeOptionDay(double longitude, double latitude, double utcOffset,
                           const DateRecord& date, double fajrAngle, double ishaAngle,
                           std::int32_t hanafi, const CalculationOptions& options);

// Fajr and Isha held inside the night by one of the night-portion rules;
// the other four times and the Reference45 rule leave the engine's times
// as they are.
void ApplyHighLatitudeRule(const PrayerEngine& engine, HighLatitudeRule rule,
                           std::array<PrayerTime, kPrayerCount>& times);

// "5:07 AM" on the 12-hour clock, "05:07" on the 24-hour one; "--:--" for an
// event without a time.
std::string ClockText(const PrayerTime& time, bool clock24);
// The same, written into a string whose storage is reused.
void WriteClockText(const PrayerTime& time, bool clock24, std::string& into);

} // namespace halvo
