// Running other programs, and the systemd user manager's timers: the names
// and calendar texts offline, the real manager where one answers.
#include "platform/process.h"
#include "platform/systemd_timed_start.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace halvo
{
namespace
{

DateRecord At(int year, int month, int day, int hour, int minute)
{
    DateRecord date = MakeDate(year, month, day);
    date.hour = static_cast<std::uint16_t>(hour);
    date.minute = static_cast<std::uint16_t>(minute);
    return date;
}

TEST(RunProgram, GivesOutputStatusAndEndsWhatTakesTooLong)
{
    const ProgramResult echoed = RunProgram({"sh", "-c", "echo out; echo err >&2; exit 3"}, 5000);
    EXPECT_TRUE(echoed.started);
    EXPECT_EQ(echoed.status, 3);
    EXPECT_EQ(echoed.output, "out\nerr\n");

    const ProgramResult slow = RunProgram({"sleep", "10"}, 200);
    EXPECT_TRUE(slow.started);
    EXPECT_TRUE(slow.timedOut);
    EXPECT_NE(slow.status, 0);

    const ProgramResult missing = RunProgram({"no-such-program-halvo"}, 1000);
    EXPECT_FALSE(missing.started);
    EXPECT_NE(missing.output.find("no-such-program-halvo"), std::string::npos);

    EXPECT_TRUE(ExecutablePath().is_absolute());
}

TEST(SystemdTimedStart, UnitNamesCarryTheWantedTimeAndOnlyOursAreRead)
{
    SystemdTimedStart timer("halvo-test");
    EXPECT_EQ(timer.UnitName(At(2026, 3, 20, 19, 21)), "halvo-test-20260320-1921");
    EXPECT_EQ(timer.UnitName(At(2027, 1, 1, 0, 0)), "halvo-test-20270101-0000");
    for (const DateRecord& when : {At(2026, 3, 20, 19, 21), At(2027, 1, 1, 0, 0)})
    {
        const auto back = timer.TimeOfUnit(timer.UnitName(when) + ".timer");
        ASSERT_TRUE(back);
        EXPECT_EQ(timer.UnitName(*back), timer.UnitName(when));
    }
    for (const char* other :
         {"halvo-test-20261320-1921.timer", "halvo-tests-20260320-1921.timer",
          "other-20260320-1921.timer", "halvo-test-20260320-1921x.timer", "halvo-test.timer"})
        EXPECT_FALSE(timer.TimeOfUnit(other)) << other;
}

// The calendar text is in UTC, so the user manager's own zone cannot shift
// the start; daylight saving of the wanted day is applied.
TEST(SystemdTimedStart, CalendarTextIsTheLocalTimeInUtc)
{
    const char* saved = std::getenv("TZ");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("TZ", "America/Los_Angeles", 1);
    ::tzset();
    EXPECT_EQ(UtcCalendarText(At(2026, 3, 20, 19, 21)), "2026-03-21 02:21:00 UTC");
    EXPECT_EQ(UtcCalendarText(At(2026, 1, 20, 19, 21)), "2026-01-21 03:21:00 UTC");
    if (saved != nullptr)
        ::setenv("TZ", previous.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

// Where a user manager answers: a start is left waiting under its name, a
// second request replaces it, a cancel withdraws it.
TEST(SystemdTimedStart, RealUserManagerKeepsOneWaitingStart)
{
    SystemdTimedStart timer("halvo-tavorin-test-" + std::to_string(::getpid()));
    if (!timer.Available())
        GTEST_SKIP() << "no systemd user manager answers here: " << timer.LastFailure();
    const std::time_t inAnHour = std::time(nullptr) + 3600;
    std::tm local{};
    ::localtime_r(&inAnHour, &local);
    const DateRecord first =
        At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    DateRecord second = first;
    second.minute = static_cast<std::uint16_t>((first.minute + 1) % 60);

    ASSERT_TRUE(timer.Request(first, "/bin/true")) << timer.LastFailure();
    auto pending = timer.Pending();
    ASSERT_TRUE(pending);
    EXPECT_EQ(timer.UnitName(*pending), timer.UnitName(first));

    ASSERT_TRUE(timer.Request(second, "/bin/true")) << timer.LastFailure();
    pending = timer.Pending();
    ASSERT_TRUE(pending);
    EXPECT_EQ(timer.UnitName(*pending), timer.UnitName(second));

    EXPECT_TRUE(timer.Cancel());
    EXPECT_FALSE(timer.Pending());
}

} // namespace
} // namespace halvo
