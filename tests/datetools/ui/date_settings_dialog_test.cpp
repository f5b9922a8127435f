#include "datetools/ui/date_settings_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"

#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class DateSettingsDialog : public ::testing::Test
{
  protected:
    void SetUp() override { SetClock(&clock_); }
    void TearDown() override { SetClock(nullptr); }

    // The day, month and year the lists of each side show.
    static std::vector<std::string> Gregorian(const DialogHarness& dialog)
    {
        return {dialog.Text(IDC_GREG_DAY), dialog.Text(IDC_GREG_MONTH), dialog.Text(IDC_GREG_YEAR)};
    }
    static std::vector<std::string> Hijri(const DialogHarness& dialog)
    {
        return {dialog.Text(IDC_HIJRI_DAY), dialog.Text(IDC_HIJRI_MONTH),
                dialog.Text(IDC_HIJRI_YEAR)};
    }

    testing::TestClock clock_; // 1 Shawwal 1447
};

// Each side moves the other; a Hijri year outside its list leaves the Hijri
// year list where it was while day and month follow.
TEST_F(DateSettingsDialog, EachSideKeepsTheOtherInStep)
{
    struct Step
    {
        int list;
        const char* row;
        std::vector<std::string> gregorian;
        std::vector<std::string> hijri;
    };
    const Step steps[] = {
        {IDC_HIJRI_YEAR, "1425", {"14", "November", "2004"}, {"1", "Shawwal", "1425"}},
        {IDC_HIJRI_MONTH, "Ramadan", {"15", "October", "2004"}, {"1", "Ramadan", "1425"}},
        {IDC_GREG_YEAR, "2000", {"15", "October", "2000"}, {"16", "Rajab", "1421"}},
        {IDC_GREG_MONTH, "January", {"15", "January", "2000"}, {"8", "Shawwal", "1420"}},
        {IDC_GREG_DAY, "1", {"1", "January", "2000"}, {"24", "Ramadan", "1420"}},
        // 1 January 1995 is 29 Rajab 1415, before the Hijri list.
        {IDC_GREG_YEAR, "1995", {"1", "January", "1995"}, {"29", "Rajab", "1420"}},
    };
    CDateSettingsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(Gregorian(harness), (std::vector<std::string>{"20", "March", "2026"}));
    EXPECT_EQ(Hijri(harness), (std::vector<std::string>{"1", "Shawwal", "1447"}));
    for (const Step& step : steps)
    {
        ASSERT_TRUE(harness.SelectText(step.list, step.row)) << step.row;
        EXPECT_EQ(Gregorian(harness), step.gregorian) << step.row;
        EXPECT_EQ(Hijri(harness), step.hijri) << step.row;
    }
}

// Opened on a day beyond the Gregorian list the year list has no selection:
// Apply says so and stays open until a year is chosen.
TEST_F(DateSettingsDialog, ApplyWithoutAYearIsRefusedAndTheDialogStaysOpen)
{
    clock_.now = MakeDate(2080, 6, 1);
    CDateSettingsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Selection(IDC_GREG_YEAR), -1);
    EXPECT_EQ(harness.Selection(IDC_HIJRI_YEAR), -1);
    EXPECT_EQ(harness.Text(IDC_GREG_MONTH), "June");

    EXPECT_FALSE(harness.OK());
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{"Please select a year"});
    EXPECT_FALSE(dialog.Applied());

    // Without a year the other lists have nothing to follow.
    harness.SelectText(IDC_GREG_DAY, "2");
    EXPECT_EQ(harness.Selection(IDC_HIJRI_YEAR), -1);

    harness.SelectText(IDC_GREG_YEAR, "2031");
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(dialog.ChosenDate().year, 2031);
    EXPECT_EQ(dialog.ChosenDate().month, 6);
    EXPECT_EQ(dialog.ChosenDate().day, 2);
}

} // namespace
} // namespace halvo
