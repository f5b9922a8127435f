#pragma once

// What the tray icon says about the prayers at a moment: the next prayer
// and the time left, or the prayer whose Adhan is on now, and the rows of
// today's six times with the next one marked. The words themselves are the
// window's, so they can be translated; this is the choice of what to say.

#include "day/adhan_alarm.h"
#include "day/day_model.h"
#include "engine/date_record.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace halvo
{

struct PrayerStatus
{
    enum class Kind
    {
        kNoCity, // the current city is not stored: no times at all
        kNoTime, // neither today nor tomorrow has a prayer time left (polar)
        kNext,   // `prayer` comes in minutesLeft minutes
        kNow,    // `prayer` has come: its Adhan plays, or it is its minute
    };
    Kind kind = Kind::kNoCity;
    std::string city;
    std::size_t prayer = 0; // into the six times; never Sunrise
    std::string timeText;   // as the display shows it
    int minutesLeft = 0;
    bool tomorrow = false;
};

// The status at `now` from today's computed day. A prayer is "now" while
// its Adhan plays, and during its own minute when its Adhan is switched on
// (the minute the Adhan sounds in); otherwise the next prayer is counted
// down, tomorrow's Fajr after Isha. `tomorrow` is asked only when today has
// no prayer left.
PrayerStatus PrayerStatusAt(const DayComputation& today,
                            const std::function<DayComputation()>& tomorrow,
                            const AdhanSwitches& switches, bool adhanPlaying,
                            const DateRecord& now);

struct PrayerRow
{
    std::size_t prayer = 0; // into the six times
    std::string timeText;
    bool next = false;
};
// Today's six times in order, the next prayer of the status marked (none
// when it is tomorrow's).
std::array<PrayerRow, kPrayerCount> PrayerRows(const DayComputation& today,
                                               const PrayerStatus& status);

} // namespace halvo
