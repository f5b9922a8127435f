#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace halvo
{

namespace
{

class SystemClock : public Clock
{
  public:
    DateRecord Now() const override
    {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t seconds = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&seconds, &local);
        const auto milliseconds =
            duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
        DateRecord record;
        record.year = static_cast<std::uint16_t>(local.tm_year + 1900);
        record.month = static_cast<std::uint16_t>(local.tm_mon + 1);
        record.dayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
        record.day = static_cast<std::uint16_t>(local.tm_mday);
        record.hour = static_cast<std::uint16_t>(local.tm_hour);
        record.minute = static_cast<std::uint16_t>(local.tm_min);
        record.second = static_cast<std::uint16_t>(local.tm_sec);
        record.milliseconds = static_cast<std::uint16_t>(milliseconds < 0 ? 0 : milliseconds);
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
