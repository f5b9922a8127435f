#include "feasts/ui/feasts_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/registry.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "tests/support/ink.h"
#include "tests/support/store_fixture.h"

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
    DateRecord now = MakeDate(2004, 6, 1); // in Hijri 1425
};

class FeastsDialog : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
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

// The whole year, feasts already past included; the last two rows fall in
// the next Gregorian year.
TEST_F(FeastsDialog, ListsTheNineFeastsOfTheCurrentHijriYearInOrder)
{
    CFeastsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(dialog.HijriYear(), 1425);
    EXPECT_EQ(dialog.RowDates(), (std::vector<std::string>{
                                     "22 February, 2004", "2 March, 2004", "2 May, 2004",
                                     "12 September, 2004", "15 October, 2004", "10 November, 2004",
                                     "14 November, 2004", "20 January, 2005", "21 January, 2005"}));
}

// The table is white on any background, with a black column line.
TEST_F(FeastsDialog, PaintsAWhiteTableOnTheBackground)
{
    screenColours = ColoursFromIndexTexts("8", "1", "5"); // red background
    CFeastsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    EXPECT_EQ(picture.Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(225, 13), 0xFFFFFFu);
    EXPECT_EQ(picture.Pixel(120, 12), 0x000000u);
    EXPECT_EQ(picture.Pixel(200, 35), 0x000000u); // under the first row
    EXPECT_EQ(picture.Pixel(235, 240), 0x0000FFu);
    EXPECT_TRUE(testing::InkIn(picture, 15, 15, 115, 32, 0x008000))
        << "a name in the header colour";
    EXPECT_TRUE(testing::InkIn(picture, 130, 15, 228, 32, 0xFF0000)) << "a date in the text colour";
}

TEST_F(FeastsDialog, ToolsMenuOpensTheReminderAndExitCloses)
{
    CFeastsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.ThenModal(
        [](DialogHarness& remind)
        {
            remind.Click(IDC_REMINDER_CHECK);
            remind.SelectText(IDC_REMIND_DAYS, "2 Days Before");
            remind.OK();
        });
    harness.Command(ID_FEAST_REMINDERS);
    EXPECT_EQ(harness.OpenedModally(), std::vector<int>{IDD_REMIND_ME});
    std::uint32_t feastOn = 0, numDays = 0;
    ReadRegistryNumber(kFeastSubkey, kFeastValue, feastOn);
    ReadRegistryNumber(kFeastSubkey, kNumDaysValue, numDays);
    EXPECT_EQ(feastOn, 1u);
    EXPECT_EQ(numDays, 2u);
    EXPECT_FALSE(harness.Ended());

    harness.Command(ID_FEASTS_EXIT);
    EXPECT_TRUE(harness.Ended());
    EXPECT_EQ(harness.Result(), IDOK);
}

} // namespace
} // namespace halvo
