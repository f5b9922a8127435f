#include "day/prayer_notice.h"

namespace halvo
{

std::optional<DuePrayerNotice> PrayerNotice::Check(const DayComputation& day,
                                                   const AdhanSwitches& switches, int minutesBefore,
                                                   const DateRecord& now)
{
    const Date today{now.year, now.month, now.day};
    if (lastDay_ != today)
    {
        lastDay_ = today;
        givenToday_ = 0;
    }
    if (minutesBefore <= 0 || !switches.enabled)
        return std::nullopt;
    const std::int64_t nowMs = (now.hour * 60 + now.minute) * kMsPerMinute +
                               now.second * std::int64_t{1000} + now.milliseconds;
    const std::int64_t ahead = minutesBefore * kMsPerMinute;
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        const PrayerMoment& moment = day.moments[slot.time];
        const unsigned bit = 1u << slot.time;
        if (!(switches.*slot.on) || !moment.hasTime || (givenToday_ & bit) != 0)
            continue;
        const std::int64_t startMs = moment.shownMinute * kMsPerMinute;
        if (nowMs >= startMs || nowMs < startMs - ahead)
            continue;
        givenToday_ |= bit;
        const int left = static_cast<int>((startMs - nowMs + kMsPerMinute - 1) / kMsPerMinute);
        return DuePrayerNotice{slot.time, left};
    }
    return std::nullopt;
}

} // namespace halvo
