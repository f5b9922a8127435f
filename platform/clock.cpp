#include "platform/clock.h"

#include <cerrno>
#include <chrono>
#include <ctime>

namespace halvo
{

namespace
{

// Date and time of day from the C library's broken-down time; the
// milliseconds are left as they are.
void CopyFields(const std::tm& fields, DateRecord& record)
{
    record.year = static_cast<std::uint16_t>(fields.tm_year + 1900);
    record.month = static_cast<std::uint16_t>(fields.tm_mon + 1);
    record.dayOfWeek = static_cast<std::uint16_t>(fields.tm_wday);
    record.day = static_cast<std::uint16_t>(fields.tm_mday);
    record.hour = static_cast<std::uint16_t>(fields.tm_hour);
    record.minute = static_cast<std::uint16_t>(fields.tm_min);
    record.second = static_cast<std::uint16_t>(fields.tm_sec);
}

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
        CopyFields(local, record);
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

DateRecord UniversalFromLocal(const DateRecord& local)
{
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1; // the zone's own rules decide
    // -1 is also a real moment (a second before 1970 in universal time):
    // only errno tells a failure.
    errno = 0;
    const std::time_t moment = std::mktime(&fields);
    if (moment == static_cast<std::time_t>(-1) && errno != 0)
        return local;
    std::tm universal{};
    if (gmtime_r(&moment, &universal) == nullptr)
        return local;
    DateRecord record = local;
    CopyFields(universal, record);
    return record;
}

void SetClock(const Clock* clock)
{
    installedClock = clock != nullptr ? clock : &systemClock;
}

} // namespace halvo
