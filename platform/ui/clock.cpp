#include "platform/ui/clock.h"

#include <QDate>
#include <QDateTime>

namespace halvo {

namespace {

class SystemClock : public Clock
{
public:
    DateRecord Now() const override
    {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate date = now.date();
        const QTime time = now.time();
        DateRecord record;
        record.year = static_cast<std::uint16_t>(date.year());
        record.month = static_cast<std::uint16_t>(date.month());
        record.day = static_cast<std::uint16_t>(date.day());
        record.dayOfWeek = static_cast<std::uint16_t>(date.dayOfWeek() % 7);
        record.hour = static_cast<std::uint16_t>(time.hour());
        record.minute = static_cast<std::uint16_t>(time.minute());
        record.second = static_cast<std::uint16_t>(time.second());
        record.milliseconds = static_cast<std::uint16_t>(time.msec());
        return record;
    }
};

const SystemClock systemClock;
const Clock* installedClock = &systemClock;

} // namespace

DateRecord LocalNow()
{
    return installedClock->Now();
}

void SetClock(const Clock* clock)
{
    installedClock = clock != nullptr ? clock : &systemClock;
}

} // namespace halvo
