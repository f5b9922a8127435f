#pragma once

// The notice a chosen number of minutes before each prayer whose Adhan is
// switched on. It is given once per prayer and day, on the first check
// inside the time before the prayer, so a check that comes late (after a
// sleep, a clock moved forward) still gives it while the prayer is ahead,
// and a clock moved back never gives it twice.

#include "day/adhan_alarm.h"
#include "day/day_model.h"
#include "engine/date_record.h"

#include <cstddef>
#include <optional>

namespace halvo
{

struct DuePrayerNotice
{
    std::size_t prayer = 0; // into the six times
    int minutesLeft = 0;    // until the prayer's shown minute, a part counted as one
};

class PrayerNotice
{
  public:
    // The prayer to announce at `now` (today's local date and time) on
    // today's day: none when minutesBefore is 0, the Adhan or the prayer's
    // switch is off, or no prayer lies within minutesBefore minutes ahead.
    std::optional<DuePrayerNotice> Check(const DayComputation& day, const AdhanSwitches& switches,
                                         int minutesBefore, const DateRecord& now);

  private:
    struct Date
    {
        int year = 0, month = 0, day = 0;
        bool operator==(const Date&) const = default;
    };
    // The notices given on lastDay_; another day's are forgotten.
    std::optional<Date> lastDay_;
    unsigned givenToday_ = 0; // a bit per prayer index
};

} // namespace halvo
