#include "sky/ui/moon_phase_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"

#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace halvo
{
namespace
{

using testing::DialogHarness;

DateRecord Moment(int year, int month, int day, int hour, int minute)
{
    DateRecord moment = MakeDate(year, month, day);
    moment.hour = static_cast<std::uint16_t>(hour);
    moment.minute = static_cast<std::uint16_t>(minute);
    return moment;
}

// Zones as POSIX rules, so no zone database is needed; TZ is restored after.
class MoonPhaseDialog : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (const char* zone = std::getenv("TZ"))
            savedZone_ = zone;
        SetClock(&clock_);
        screenColours = ScreenColours{};
    }
    void TearDown() override
    {
        SetClock(nullptr);
        if (savedZone_.empty())
            ::unsetenv("TZ");
        else
            ::setenv("TZ", savedZone_.c_str(), 1);
        ::tzset();
    }
    static void UseZone(const char* zone)
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    // The dialog after a local moment is picked, and what it paints.
    static Picture Pick(CMoonPhaseDlg& dialog, const DateRecord& local)
    {
        DialogHarness harness(dialog);
        harness.SetDate(IDC_MOON_DATE, local);
        return harness.Snapshot();
    }

    testing::TestClock clock_;
    std::string savedZone_;
};

// The worked moments are universal times. Picked as the local times they
// are in Tokyo (UTC+9) and New York (UTC-5, UTC-4 in summer time) the
// dialog must show the same values; taken as universal time unchanged they
// would be off by up to 14 hours.
TEST_F(MoonPhaseDialog, LocalTimesInAnyZoneGiveTheUniversalTimeValues)
{
    struct Case
    {
        DateRecord tokyo;
        DateRecord newYork;
        const char* age; // only days and hours for the last, a minute from a new moon
        const char* phase;
        const char* lit;
        int lunation;
    };
    const Case cases[] = {
        // 7 January 2004, 15:40 UTC.
        {Moment(2004, 1, 8, 0, 40), Moment(2004, 1, 7, 10, 40), "14 Days 18 Hr 21 Mn", "Full Moon",
         "100.00 %", 1002},
        // 20 February 2004, 12:00 UTC.
        {Moment(2004, 2, 20, 21, 0), Moment(2004, 2, 20, 7, 0), "0 Days 2 Hr 51 Mn", "New Moon",
         "0.02 %", 1004},
        // 26 March 2004, 21:00 UTC: New York on summer time since 14 March
        // under the rule below.
        {Moment(2004, 3, 27, 6, 0), Moment(2004, 3, 26, 17, 0), "5 Days 12 Hr 12 Mn",
         "Moon in its first quarter", "30.59 %", 1005},
        // 6 January 2000, 18:14 UTC, just before a new moon.
        {Moment(2000, 1, 7, 3, 14), Moment(2000, 1, 6, 13, 14), "29 Days 12 Hr",
         "Waning Crescent Moon", "0.00 %", 953},
    };
    for (const char* zone : {"JST-9", "EST5EDT,M3.2.0,M11.1.0"})
    {
        UseZone(zone);
        for (const Case& c : cases)
        {
            CMoonPhaseDlg dialog(nullptr);
            Pick(dialog, zone[0] == 'J' ? c.tokyo : c.newYork);
            const MoonPhase& shown = dialog.Shown();
            EXPECT_EQ(shown.ageText.rfind(c.age, 0), 0u) << zone << " " << shown.ageText;
            EXPECT_EQ(shown.phaseName, c.phase) << zone;
            EXPECT_EQ(shown.illuminationText, c.lit) << zone << " " << c.phase;
            EXPECT_EQ(shown.lunation, c.lunation) << zone << " " << c.phase;
        }
    }
}

// First quarter lights the right half of the picture in the square
// (100, 50)-(150, 100), last quarter the left half.
TEST_F(MoonPhaseDialog, PhasePictureLightsTheSideOfItsQuarter)
{
    UseZone("UTC0");
    struct Case
    {
        DateRecord moment;
        const char* phase;
        bool rightLit;
    };
    for (const Case& c : {Case{Moment(2004, 3, 26, 21, 0), "Moon in its first quarter", true},
                          Case{Moment(2004, 1, 14, 15, 40), "Moon in its last quarter", false}})
    {
        CMoonPhaseDlg dialog(nullptr);
        const Picture picture = Pick(dialog, c.moment);
        ASSERT_EQ(dialog.Shown().phaseName, c.phase);
        for (const int y : {65, 75, 85})
        {
            EXPECT_EQ(picture.Pixel(137, y) == 0xFFFFFFu, c.rightLit) << c.phase << " " << y;
            EXPECT_EQ(picture.Pixel(113, y) == 0xFFFFFFu, !c.rightLit) << c.phase << " " << y;
        }
        EXPECT_EQ(picture.Pixel(102, 52), 0x000000u); // the sky around the Moon
    }
}

TEST_F(MoonPhaseDialog, OpensAtTheClockAndPickingADayKeepsTheTimeOfDay)
{
    clock_.now = Moment(2026, 3, 20, 21, 15);
    CMoonPhaseDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(dialog.DatePicker(IDC_MOON_DATE).GetTime().hour, 21);
    harness.PickDay(IDC_MOON_DATE, 2004, 1, 7);
    const DateRecord shown = dialog.DatePicker(IDC_MOON_DATE).GetTime();
    EXPECT_EQ(shown.year, 2004);
    EXPECT_EQ(shown.day, 7);
    EXPECT_EQ(shown.hour, 21);
    EXPECT_EQ(shown.minute, 15);
}

// 8 March 2026 springs forward from 02:00 to 03:00 in New York. Stepping
// through that day keeps the picked 02:30 on every later day; on the day
// itself 02:30 is read with the offset of the night before (07:30 UTC, the
// moment the clocks showed 03:30).
TEST_F(MoonPhaseDialog, SteppingThroughSpringForwardKeepsThePickedTimeOfDay)
{
    UseZone("EST5EDT,M3.2.0,M11.1.0");
    clock_.now = Moment(2026, 3, 7, 2, 30);
    CMoonPhaseDlg dialog(nullptr);
    DialogHarness harness(dialog);
    struct Step
    {
        int day;
        DateRecord universal;
    };
    for (const Step& step : {Step{8, Moment(2026, 3, 8, 7, 30)}, Step{9, Moment(2026, 3, 9, 6, 30)},
                             Step{10, Moment(2026, 3, 10, 6, 30)}})
    {
        harness.PickDay(IDC_MOON_DATE, 2026, 3, step.day);
        const DateRecord picked = dialog.DatePicker(IDC_MOON_DATE).GetTime();
        EXPECT_EQ(picked.day, step.day);
        EXPECT_EQ(picked.hour, 2) << step.day;
        EXPECT_EQ(picked.minute, 30) << step.day;
        harness.Snapshot();
        const MoonPhase expected =
            ComputeMoonPhase(step.universal.year, step.universal.month, step.universal.day,
                             step.universal.hour, step.universal.minute, 0);
        EXPECT_EQ(dialog.Shown().ageText, expected.ageText) << step.day;
    }
}

} // namespace
} // namespace halvo
