#include "datetools/ui/hijri_to_greg_dialog.h"
#include "datetools/ui/today_in_hijri_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"
#include "tests/support/test_cities.h"

#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class ConverterDialogs : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        testing::CreateTestZone();
        testing::AddTestCity("Seattle, WA", "-12233", "4761", messages_);
        WriteSetting("CityName", "Seattle, WA");
        SetClock(&clock_);
    }
    void TearDown() override
    {
        SetClock(nullptr);
        StoreTest::TearDown();
    }
    testing::TestClock clock_{MakeDate(2004, 10, 15)}; // 1 Ramadan 1425
};

// It opens on what the main display shows and converts every day picked
// afterwards. A city that is not stored gets the lookup's message at each
// change, and the Hijri date, which needs only the date, is shown anyway.
TEST_F(ConverterDialogs, TodayInHijriStartsAtTheDisplayDateAndConvertsPickedDays)
{
    for (const char* city : {"Seattle, WA", "Atlantis"})
    {
        WriteSetting("CityName", city);
        CTodayInHijriDlg dialog(nullptr, MakeDate(2004, 10, 15), "1 Ramadan 1425 A.H.");
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Text(IDC_GREG_DATE), "15-Oct-2004");
        EXPECT_EQ(dialog.ResultLine(), "1 Ramadan 1425 A.H.");
        harness.PickDay(IDC_GREG_DATE, 2000, 1, 1);
        EXPECT_EQ(dialog.ResultLine(), "24 Ramadan 1420 A.H.") << city;
        harness.PickDay(IDC_GREG_DATE, 2004, 2, 22);
        EXPECT_EQ(dialog.ResultLine(), "1 Muharram 1425 A.H.") << city;
        EXPECT_EQ(harness.Messages().size(), std::string(city) == "Atlantis" ? 2u : 0u);
    }
}

// An impossible display date (31 April, applied from the date lists) is
// the day the display computes for it; the picker must not fall back to a
// date of its own.
TEST_F(ConverterDialogs, TodayInHijriOpensOnTheDayAnImpossibleDisplayDateStandsFor)
{
    struct Case
    {
        DateRecord display;
        const char* shown;
    };
    for (const Case& c :
         {Case{MakeDate(2026, 4, 31), "01-May-2026"}, Case{MakeDate(2027, 2, 31), "03-Mar-2027"},
          Case{MakeDate(2024, 2, 29), "29-Feb-2024"}})
    {
        CTodayInHijriDlg dialog(nullptr, c.display, "-");
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Text(IDC_GREG_DATE), c.shown);
    }
}

TEST_F(ConverterDialogs, HijriToGregorianOpensOnTodayAndConvertsEachChoice)
{
    CHijriToGregDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(dialog.ResultLine(), "15 October, 2004");
    EXPECT_EQ(harness.Text(IDC_HIJRI_DAY), "1");
    EXPECT_EQ(harness.Text(IDC_HIJRI_MONTH), "Ramadan");
    EXPECT_EQ(harness.Text(IDC_HIJRI_YEAR), "1425");

    struct Step
    {
        int list;
        const char* row;
        const char* line;
    };
    const Step steps[] = {
        {IDC_HIJRI_YEAR, "1420", "9 December, 1999"},
        {IDC_HIJRI_DAY, "24", "1 January, 2000"},
        {IDC_HIJRI_MONTH, "Muharram", "10 May, 1999"},
        {IDC_HIJRI_YEAR, "1500", "21 December, 2076"},
    };
    for (const Step& step : steps)
    {
        ASSERT_TRUE(harness.SelectText(step.list, step.row)) << step.row;
        EXPECT_EQ(dialog.ResultLine(), step.line) << step.row;
    }
}

// Beyond the Hijri list the year list opens with no selection; the other
// lists then give no date, and the line keeps today's.
TEST_F(ConverterDialogs, HijriToGregorianWithoutAYearKeepsItsLine)
{
    clock_.now = MakeDate(2080, 6, 1);
    CHijriToGregDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Selection(IDC_HIJRI_YEAR), -1);
    harness.SelectText(IDC_HIJRI_DAY, "5");
    EXPECT_EQ(dialog.ResultLine(), "1 June, 2080");
}

} // namespace
} // namespace halvo
