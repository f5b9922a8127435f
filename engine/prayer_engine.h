#pragma once

#include "engine/date_record.h"
#include "engine/solar_model.h"

#include <array>
#include <cstdint>
#include <string>

namespace halvo
{

// One event of the day on the 12-hour clock. An event the Sun never brings
// about on that day (polar day or night, a twilight deeper than the night)
// has no time: hasTime is false and its text is "--:--".
struct PrayerTime
{
    std::int32_t hour = 0;   // 1..12
    std::int32_t minute = 0; // 0..59
    std::int32_t pm = 0;     // 0 = AM, 1 = PM
    bool hasTime = false;
    double hours = 0; // the unsplit time in hours, before the 12-hour split
};

enum PrayerIndex
{
    kFajr = 0,
    kSunrise = 1,
    kZuhr = 2,
    kAsr = 3,
    kMaghrib = 4,
    kIsha = 5,
};

inline constexpr int kPrayerCount = 6;

// The calculation object for one day: a date, a place and the chosen
// conventions in; the Hijri date and the six times out.
struct PrayerEngine
{
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    double longitude = 0; // degrees, east positive
    double latitude = 0;  // degrees, north positive
    DateRecord date;
    double fajrAngle = 0; // depression at Fajr, degrees
    double ishaAngle = 0; // depression at Isha; exactly 9.0 means 90 minutes after Maghrib
    std::int32_t hanafi = 0;
    double timeZone = 0; // hours east of Greenwich in force on the date
    std::int32_t hijriDay = 0;
    std::int32_t hijriMonth = 0;
    std::int32_t hijriYear = 0;
    std::array<PrayerTime, kPrayerCount> times{};
    // Kept by Solve for rules applied after it: the Sun's declination on the
    // date (degrees) and the terms of its hour angles at the latitude.
    double declination = 0;
    DayGeometry geometry;
    // The hour angles of the Fajr and Isha depressions (hours), kept for the
    // same rules; NaN where the Sun does not reach the depression, and
    // Isha's when Isha is 90 minutes after Maghrib.
    double fajrHourAngle = 0;
    double ishaHourAngle = 0;

    // Work a caller may leave out when it shows its own result instead: the
    // civil Hijri date (the Hijri fields are then left as they were), and
    // the 45-degree division of a night whose twilight never ends (Fajr and
    // Isha are then left without a time).
    bool withCivilHijri = true;
    bool withReferenceNight = true;

    void Setup(double longitude, double latitude, double timeZone, const DateRecord& date,
               double fajrAngle, double ishaAngle, std::int32_t hanafi);
    void SetDate(const DateRecord& date);
    void Solve();
    double NightFraction(int which, double referenceLatitude) const;
    void ComputeHijri();

    std::string HijriDateText() const;
    std::string GregorianDateText() const;
    std::string FajrText() const;
    std::string SunriseText() const;
    std::string ZuhrText() const;
    std::string AsrText() const;
    std::string MaghribText() const;
    std::string IshaText() const;
};

// Brings an unsplit time into [0, 24) by whole days and splits it into the
// 12-hour record, truncating to the minute (5.9999 h is 5:59).
void SplitTime(double hours, PrayerTime& time);

// The Isha angle that selects "90 minutes after Maghrib".
inline constexpr double kNinetyMinuteIshaAngle = 9.0;

} // namespace halvo
