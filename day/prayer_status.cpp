#include "day/prayer_status.h"

#include "day/next_prayer.h"

#include <optional>

namespace halvo
{

namespace
{

const std::string& TimeTextOf(const DayComputation& day, std::size_t prayer)
{
    return day.texts[kFajrText + prayer];
}

// The last of the five prayers whose shown minute has begun at nowMinute.
std::optional<std::size_t> LastComeBy(const DayComputation& day, int nowMinute)
{
    std::optional<std::size_t> last;
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        const PrayerMoment& moment = day.moments[slot.time];
        if (moment.hasTime && moment.shownMinute <= nowMinute)
            last = slot.time;
    }
    return last;
}

} // namespace

PrayerStatus PrayerStatusAt(const DayComputation& today,
                            const std::function<DayComputation()>& tomorrow,
                            const AdhanSwitches& switches, bool adhanPlaying, const DateRecord& now)
{
    PrayerStatus status;
    status.city = today.texts[kLocationText];
    if (!today.cityFound)
        return status;
    const int nowMinute = now.hour * 60 + now.minute;
    std::optional<std::size_t> current;
    if (adhanPlaying)
        current = LastComeBy(today, nowMinute);
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        const PrayerMoment& moment = today.moments[slot.time];
        if (!current && switches.enabled && switches.*slot.on && moment.hasTime &&
            moment.shownMinute == nowMinute)
            current = slot.time;
    }
    if (current)
    {
        status.kind = PrayerStatus::Kind::kNow;
        status.prayer = *current;
        status.timeText = TimeTextOf(today, *current);
        return status;
    }
    DayComputation next;
    const DayComputation* nextDay = &today;
    std::optional<NextPrayer> found = FindNextPrayer(today.times, DayTimes{}, 0, now);
    if (!found)
    {
        next = tomorrow();
        nextDay = &next;
        found = FindNextPrayer(today.times, next.times, next.utcOffset - today.utcOffset, now);
    }
    if (!found)
    {
        status.kind = PrayerStatus::Kind::kNoTime;
        return status;
    }
    status.kind = PrayerStatus::Kind::kNext;
    status.prayer = found->index;
    status.timeText = TimeTextOf(*nextDay, found->index);
    status.minutesLeft = found->minutesLeft;
    status.tomorrow = found->tomorrow;
    return status;
}

std::array<PrayerRow, kPrayerCount> PrayerRows(const DayComputation& today,
                                               const PrayerStatus& status)
{
    std::array<PrayerRow, kPrayerCount> rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        rows[i].prayer = i;
        rows[i].timeText = TimeTextOf(today, i);
        rows[i].next =
            status.kind == PrayerStatus::Kind::kNext && !status.tomorrow && status.prayer == i;
    }
    return rows;
}

} // namespace halvo
