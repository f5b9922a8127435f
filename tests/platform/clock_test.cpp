#include "platform/clock.h"

#include "engine/hijri_calendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace halvo
{
namespace
{

DateRecord Moment(int year, int month, int day, int hour, int minute)
{
    DateRecord moment = MakeDate(year, month, day);
    moment.hour = static_cast<std::uint16_t>(hour);
    moment.minute = static_cast<std::uint16_t>(minute);
    return moment;
}

// Zones as POSIX rules, so the test needs no zone database.
TEST(UniversalFromLocal, AppliesTheZoneAndItsSummerTimeAcrossDayAndYearEnds)
{
    struct Case
    {
        const char* zone;
        DateRecord local;
        DateRecord universal;
    };
    const Case cases[] = {
        {"JST-9", Moment(2004, 1, 8, 0, 40), Moment(2004, 1, 7, 15, 40)},
        {"JST-9", Moment(2000, 1, 1, 8, 59), Moment(1999, 12, 31, 23, 59)},
        {"EST5EDT,M3.2.0,M11.1.0", Moment(2004, 12, 31, 20, 0), Moment(2005, 1, 1, 1, 0)},
        {"EST5EDT,M3.2.0,M11.1.0", Moment(2004, 7, 1, 12, 0), Moment(2004, 7, 1, 16, 0)},
        {"UTC0", Moment(1700, 3, 1, 12, 30), Moment(1700, 3, 1, 12, 30)},
    };
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved != nullptr ? saved : "";
    for (const Case& c : cases)
    {
        ::setenv("TZ", c.zone, 1);
        ::tzset();
        DateRecord local = c.local;
        local.milliseconds = 250;
        const DateRecord universal = UniversalFromLocal(local);
        EXPECT_EQ(universal.year, c.universal.year) << c.zone;
        EXPECT_EQ(universal.month, c.universal.month) << c.zone;
        EXPECT_EQ(universal.day, c.universal.day) << c.zone;
        EXPECT_EQ(universal.hour, c.universal.hour) << c.zone;
        EXPECT_EQ(universal.minute, c.universal.minute) << c.zone;
        EXPECT_EQ(universal.milliseconds, 250) << c.zone;
        EXPECT_EQ(universal.dayOfWeek, DayOfWeek(universal.year, universal.month, universal.day));
    }
    if (saved != nullptr)
        ::setenv("TZ", savedZone.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

} // namespace
} // namespace halvo
