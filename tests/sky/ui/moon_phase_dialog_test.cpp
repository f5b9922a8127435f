#include "sky/ui/moon_phase_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class FixedClock : public Clock
{
  public:
    DateRecord Now() const override { return now; }
    DateRecord now = MakeDate(2026, 3, 20);
};

// Puts the process into a time zone for one test and back again.
class ZoneForTest
{
  public:
    explicit ZoneForTest(const char* zone)
    {
        if (const char* saved = std::getenv("TZ"))
            saved_ = saved;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneForTest()
    {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    ZoneForTest(const ZoneForTest&) = delete;
    ZoneForTest& operator=(const ZoneForTest&) = delete;

  private:
    std::optional<std::string> saved_;
};

DateRecord Moment(int year, int month, int day, int hour, int minute)
{
    DateRecord moment = MakeDate(year, month, day);
    moment.hour = static_cast<std::uint16_t>(hour);
    moment.minute = static_cast<std::uint16_t>(minute);
    return moment;
}

class MoonPhaseDialog : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        SetClock(&clock_);
        screenColours = ScreenColours{};
    }
    void TearDown() override { SetClock(nullptr); }

    // What the dialog shows for a local moment picked in it.
    MoonPhase ShownFor(const DateRecord& local)
    {
        CMoonPhaseDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.SetDate(IDC_MOON_DATE, local);
        harness.Snapshot();
        return dialog.Shown();
    }

    FixedClock clock_;
};

// The worked moments are universal times. Picked as the local times they
// are in Tokyo (UTC+9) and New York (UTC-5, UTC-4 in summer time), the
// dialog must show the same values: without the zone they are off by up
// to 14 hours, enough to change the phase name near a boundary.
TEST_F(MoonPhaseDialog, LocalTimesInAnyZoneGiveTheUniversalTimeValues)
{
    struct Case
    {
        DateRecord tokyo;
        DateRecord newYork;
        int days, hours;
        const char* phase;
        const char* lit;
        int lunation;
    };
    const Case cases[] = {
        // 7 January 2004, 15:40 UTC.
        {Moment(2004, 1, 8, 0, 40), Moment(2004, 1, 7, 10, 40), 14, 18, "Full Moon", "100.00 %",
         1002},
        // 20 February 2004, 12:00 UTC.
        {Moment(2004, 2, 20, 21, 0), Moment(2004, 2, 20, 7, 0), 0, 2, "New Moon", "0.02 %", 1004},
        // 26 March 2004, 21:00 UTC; New York keeps summer time from 14 March
        // under the rule given below.
        {Moment(2004, 3, 27, 6, 0), Moment(2004, 3, 26, 17, 0), 5, 12, "Moon in its first quarter",
         "30.59 %", 1005},
        // 6 January 2000, 18:14 UTC, just before a new moon.
        {Moment(2000, 1, 7, 3, 14), Moment(2000, 1, 6, 13, 14), 29, 12, "Waning Crescent Moon",
         "0.00 %", 953},
    };
    for (const char* zone : {"JST-9", "EST5EDT,M3.2.0,M11.1.0"})
    {
        const ZoneForTest inZone(zone);
        const bool tokyo = std::string(zone) == "JST-9";
        for (const Case& c : cases)
        {
            const MoonPhase shown = ShownFor(tokyo ? c.tokyo : c.newYork);
            EXPECT_EQ(shown.days, c.days) << zone << " " << c.phase;
            EXPECT_EQ(shown.hours, c.hours) << zone << " " << c.phase;
            EXPECT_EQ(shown.phaseName, c.phase) << zone;
            EXPECT_EQ(shown.illuminationText, c.lit) << zone << " " << c.phase;
            EXPECT_EQ(shown.lunation, c.lunation) << zone << " " << c.phase;
        }
    }
    const ZoneForTest inZone("JST-9");
    EXPECT_EQ(ShownFor(Moment(2004, 1, 8, 0, 40)).ageText, "14 Days 18 Hr 21 Mn");
    EXPECT_EQ(ShownFor(Moment(2004, 2, 20, 21, 0)).ageText, "0 Days 2 Hr 51 Mn");
    EXPECT_EQ(ShownFor(Moment(2004, 3, 27, 6, 0)).ageText, "5 Days 12 Hr 12 Mn");
}

// First quarter lights the right half of the picture, last quarter the
// left; the picture fills the square (100, 50)-(150, 100).
TEST_F(MoonPhaseDialog, PhasePictureLightsTheSideOfItsQuarter)
{
    const ZoneForTest inZone("UTC0");
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
        DialogHarness harness(dialog);
        harness.SetDate(IDC_MOON_DATE, c.moment);
        const Picture picture = harness.Snapshot();
        ASSERT_EQ(dialog.Shown().phaseName, c.phase);
        const auto bright = [&](int x, int y) { return picture.Pixel(x, y) == 0xFFFFFFu; };
        const int centreX = 125, centreY = 75;
        for (const int dy : {-10, 0, 10})
        {
            EXPECT_EQ(bright(centreX + 12, centreY + dy), c.rightLit) << c.phase << " " << dy;
            EXPECT_EQ(bright(centreX - 12, centreY + dy), !c.rightLit) << c.phase << " " << dy;
        }
        EXPECT_EQ(picture.Pixel(102, 52), 0x000000u); // the sky around the Moon
    }
}

// It opens at the clock's date and time; picking another day keeps the
// time of day.
TEST_F(MoonPhaseDialog, PickingADayKeepsTheTimeOfDay)
{
    clock_.now = Moment(2026, 3, 20, 21, 15);
    clock_.now.second = 30;
    CMoonPhaseDlg dialog(nullptr);
    DialogHarness harness(dialog);
    DateRecord shown = dialog.DatePicker(IDC_MOON_DATE).GetTime();
    EXPECT_EQ(shown.day, 20);
    EXPECT_EQ(shown.hour, 21);
    EXPECT_EQ(shown.minute, 15);
    harness.PickDay(IDC_MOON_DATE, 2004, 1, 7);
    shown = dialog.DatePicker(IDC_MOON_DATE).GetTime();
    EXPECT_EQ(shown.year, 2004);
    EXPECT_EQ(shown.day, 7);
    EXPECT_EQ(shown.hour, 21);
    EXPECT_EQ(shown.minute, 15);
    EXPECT_EQ(shown.second, 30);
}

TEST(MoonPhaseBitmap, EachPhaseHasItsPicture)
{
    const int expected[] = {IDB_MOON_NEW,
                            IDB_MOON_WAXING_CRESCENT,
                            IDB_MOON_FIRST_QUARTER,
                            IDB_MOON_WAXING_GIBBOUS,
                            IDB_MOON_FULL,
                            IDB_MOON_WANING_GIBBOUS,
                            IDB_MOON_LAST_QUARTER,
                            IDB_MOON_WANING_CRESCENT,
                            IDB_MOON_WANING_CRESCENT};
    for (int index = 0; index < 9; ++index)
    {
        EXPECT_EQ(MoonPhaseBitmap(index), expected[index]) << MoonPhaseNames()[index];
        EXPECT_EQ(BitmapSize(MoonPhaseBitmap(index)), (CPoint{50, 50}));
    }
}

} // namespace
} // namespace halvo
