#pragma once

// The next prayer from a moment of the local clock: what `tavorin next`
// prints and what the tray icon says.

#include "day/day_model.h"
#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <array>
#include <cstddef>
#include <optional>

namespace halvo
{

using DayTimes = std::array<PrayerTime, kPrayerCount>;

struct NextPrayer
{
    std::size_t index = 0; // into the six times; never Sunrise
    bool tomorrow = false; // tomorrow's Fajr, after today's Isha
    PrayerTime time;
    int minutesLeft = 0; // whole minutes, a part of a minute counted as one
};

// The first of the five prayers of today still to come at `now` (a prayer
// has come once its Adhan would sound: at its computed moment, but not
// before the first second of its shown minute), else tomorrow's
// first prayer with a time. offsetChange is tomorrow's UTC offset less
// today's, in hours, so a night that changes the clocks counts right.
// Nothing when neither day has a prayer time left (polar days and nights).
std::optional<NextPrayer> FindNextPrayer(const DayTimes& today, const DayTimes& tomorrow,
                                         double offsetChange, const DateRecord& now);

} // namespace halvo
