#pragma once

#include "engine/date_record.h"
#include "engine/prayer_engine.h"
#include "platform/user_messages.h"
#include "settings/calculation_options.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace halvo
{

// The nine texts of the displayed day: the location, the Gregorian and
// Hijri dates, then Fajr, Sunrise, Zuhr, Asr, Maghrib and Isha.
enum DayTextIndex : std::size_t
{
    kLocationText = 0,
    kGregorianDateText = 1,
    kHijriDateText = 2,
    kFajrText = 3,
    kSunriseText = 4,
    kZuhrText = 5,
    kAsrText = 6,
    kMaghribText = 7,
    kIshaText = 8,
    kDayTextCount = 9,
};
using DayTexts = std::array<std::string, kDayTextCount>;

// One of the day's times as the Adhan needs it: the minute the display
// shows, and the moment the engine computed, which lies in that minute or
// (should the display ever round up) before it.
struct PrayerMoment
{
    bool hasTime = false;
    int shownMinute = 0;         // minute of the day, 0..1439
    std::int64_t computedMs = 0; // milliseconds of the day, rounded up
};
using DayMoments = std::array<PrayerMoment, kPrayerCount>; // by PrayerIndex

inline constexpr std::int64_t kMsPerMinute = 60000;
inline constexpr std::int64_t kMsPerDay = 24 * 60 * kMsPerMinute;

// The moment of one computed time: its unsplit hours brought into the day
// as the texts bring them, so the shown minute is the text's.
// The minute of the day a time is shown at, from midnight.
int ShownMinuteOfDay(const PrayerTime& time);

PrayerMoment MomentOf(const PrayerTime& time);

// When a prayer's Adhan starts, in milliseconds of the day: at its computed
// moment, but never before the minute the display shows for it nor after
// that minute's end.
std::int64_t AdhanStartMs(const PrayerMoment& moment);

// One day for one city, everything the main display and `tavorin times`
// show, computed from the stores on every call.
struct DayComputation
{
    bool cityFound = false;
    std::int32_t longitude = 0; // hundredths of a degree
    std::int32_t latitude = 0;
    double utcOffset = 0; // hours, daylight saving applied
    PrayerEngine engine;
    // The times as shown: the engine's with the stored options applied
    // (high-latitude rule, minutes added, rounding).
    std::array<PrayerTime, kPrayerCount> times{};
    CalculationOptions options;
    // The latitude the times are taken from on a polar day, when the
    // options ask for it.
    std::optional<double> polarLatitude;
    DayTexts texts;
    // The six times as numbers; none has a time when the city is not stored.
    DayMoments moments{};
};

// What the day's computation takes from the settings: the Asr school
// ("Hanafi" compared exactly) and the two angles in degrees.
struct DaySettings
{
    std::int32_t hanafi = 0;
    double fajrAngle = 0;
    double ishaAngle = 0;
};
DaySettings ReadDaySettings();

// The engine set up for a place in stored hundredths of a degree, as the
// display sets it up.
PrayerEngine SetUpDay(std::int32_t longitude, std::int32_t latitude, double utcOffset,
                      const DateRecord& date, const DaySettings& settings);

// The city's day: AsrMethod, FajrAngle and IshaAngle from the settings,
// LookupCity for the coordinates and the offset on that date, then the
// engine, with the stored calculation options applied to the times, the
// Hijri date and the clock. A city that is not stored gets the lookup's message; its dates
// are still given, its times are "--:--".
DayComputation ComputeDayTexts(const std::string& cityName, const DateRecord& date,
                               UserMessages& messages);
// The same for the current city, the CityName setting.
DayComputation ComputeDay(const DateRecord& date, UserMessages& messages);

} // namespace halvo
