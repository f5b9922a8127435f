#include "datetools/ui/hijri_to_greg_dialog.h"
#include "datetools/ui/today_in_hijri_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "tests/support/ink.h"
#include "tests/support/store_fixture.h"
#include "tests/support/test_cities.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class FixedClock : public Clock
{
  public:
    DateRecord Now() const override { return now; }
    DateRecord now = MakeDate(2004, 10, 15); // 1 Ramadan 1425
};

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
        screenColours = ScreenColours{};
    }
    void TearDown() override
    {
        SetClock(nullptr);
        StoreTest::TearDown();
    }
    FixedClock clock_;
};

// It opens on what the main display shows, whatever day that is, and
// converts every day picked afterwards.
TEST_F(ConverterDialogs, TodayInHijriStartsAtTheDisplayDateAndConvertsPickedDays)
{
    CTodayInHijriDlg dialog(nullptr, MakeDate(2004, 10, 15), "1 Ramadan 1425 A.H.");
    DialogHarness harness(dialog);
    const DateRecord shown = dialog.DatePicker(IDC_GREG_DATE).GetTime();
    EXPECT_EQ(shown.year, 2004);
    EXPECT_EQ(shown.month, 10);
    EXPECT_EQ(shown.day, 15);
    EXPECT_EQ(harness.Text(IDC_GREG_DATE), "15-Oct-2004");
    EXPECT_EQ(dialog.ResultLine(), "1 Ramadan 1425 A.H.");

    struct Case
    {
        DateRecord picked;
        const char* hijri;
    };
    for (const Case& c : {Case{MakeDate(2000, 1, 1), "24 Ramadan 1420 A.H."},
                          Case{MakeDate(2004, 2, 22), "1 Muharram 1425 A.H."},
                          Case{MakeDate(2026, 3, 20), "1 Shawwal 1447 A.H."}})
    {
        harness.PickDay(IDC_GREG_DATE, c.picked.year, c.picked.month, c.picked.day);
        EXPECT_EQ(dialog.ResultLine(), c.hijri);
    }
    EXPECT_TRUE(harness.Messages().empty());
    EXPECT_TRUE(harness.OK());
}

// A city that is not stored gets the lookup's message at each change; the
// Hijri date, which needs only the date, is shown all the same.
TEST_F(ConverterDialogs, TodayInHijriWithAMissingCityStillConverts)
{
    WriteSetting("CityName", "Atlantis");
    CTodayInHijriDlg dialog(nullptr, MakeDate(2004, 10, 15), "1 Ramadan 1425 A.H.");
    DialogHarness harness(dialog);
    harness.PickDay(IDC_GREG_DATE, 2000, 1, 1);
    EXPECT_EQ(dialog.ResultLine(), "24 Ramadan 1420 A.H.");
    harness.PickDay(IDC_GREG_DATE, 2000, 1, 2);
    EXPECT_EQ(dialog.ResultLine(), "25 Ramadan 1420 A.H.");
    EXPECT_EQ(harness.Messages(), (std::vector<std::string>{"City is not found in database",
                                                            "City is not found in database"}));
}

TEST_F(ConverterDialogs, HijriToGregorianOpensOnTodayAndConvertsEachChoice)
{
    CHijriToGregDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(dialog.ResultLine(), "15 October, 2004");
    EXPECT_EQ(harness.Text(IDC_HIJRI_DAY), "1");
    EXPECT_EQ(harness.Text(IDC_HIJRI_MONTH), "Ramadan");
    EXPECT_EQ(harness.Text(IDC_HIJRI_YEAR), "1425");
    EXPECT_EQ(harness.Items(IDC_HIJRI_YEAR).front(), "1417");
    EXPECT_EQ(harness.Items(IDC_HIJRI_YEAR).back(), "1500");

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
    EXPECT_TRUE(harness.OK());
}

// Beyond the Hijri list the year list opens with no selection; the other
// lists then give no date, and the line keeps today's.
TEST_F(ConverterDialogs, HijriToGregorianWithoutAYearKeepsItsLine)
{
    clock_.now = MakeDate(2080, 6, 1);
    CHijriToGregDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Selection(IDC_HIJRI_YEAR), -1);
    EXPECT_EQ(dialog.ResultLine(), "1 June, 2080");
    harness.SelectText(IDC_HIJRI_DAY, "5");
    EXPECT_EQ(dialog.ResultLine(), "1 June, 2080");
}

// The result line is painted in the header colour beside its picture.
TEST_F(ConverterDialogs, ResultLinesArePaintedInTheHeaderColour)
{
    screenColours = ColoursFromIndexTexts("9", "8", "5"); // red text, green header
    using testing::InkIn;
    {
        CTodayInHijriDlg dialog(nullptr, MakeDate(2004, 10, 15), "1 Ramadan 1425 A.H.");
        DialogHarness harness(dialog);
        const Picture picture = harness.Snapshot();
        EXPECT_TRUE(InkIn(picture, 40, 45, 160, 58, 0x008000));
        EXPECT_TRUE(InkIn(picture, 10, 70, 200, 83, 0x0000FF));
    }
    {
        CHijriToGregDlg dialog(nullptr);
        DialogHarness harness(dialog);
        const Picture picture = harness.Snapshot();
        EXPECT_TRUE(InkIn(picture, 50, 115, 160, 128, 0x008000));
        EXPECT_TRUE(InkIn(picture, 10, 140, 200, 153, 0x0000FF));
    }
}

} // namespace
} // namespace halvo
