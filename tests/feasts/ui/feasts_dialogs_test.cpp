#include "feasts/ui/feasts_dialog.h"
#include "feasts/ui/remind_me_dialog.h"

#include "platform/clock.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/registry.h"
#include "settings/screen_colours.h"
#include "tests/support/store_fixture.h"

#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace halvo
{
namespace
{

using testing::DialogHarness;
using Numbers = std::pair<std::uint32_t, std::uint32_t>; // Feast, NumDays

class FeastsDialogs : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        SetClock(&clock_);
        screenColours = ScreenColours{};
    }
    void TearDown() override
    {
        SetClock(nullptr);
        StoreTest::TearDown();
    }
    static void Store(Numbers numbers)
    {
        ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kFeastValue, numbers.first));
        ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kNumDaysValue, numbers.second));
    }
    static Numbers Stored()
    {
        Numbers numbers{99, 99};
        ReadRegistryNumber(kFeastSubkey, kFeastValue, numbers.first);
        ReadRegistryNumber(kFeastSubkey, kNumDaysValue, numbers.second);
        return numbers;
    }
    testing::TestClock clock_{MakeDate(2004, 6, 1)}; // in Hijri 1425
};

// The whole current year, past feasts included, on a white table whatever
// the background; the last two rows fall in the next Gregorian year.
TEST_F(FeastsDialogs, ListsTheNineFeastsOfTheCurrentHijriYear)
{
    screenColours = ColoursFromIndexTexts("8", "1", "5"); // red background
    CFeastsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(dialog.HijriYear(), 1425);
    EXPECT_EQ(dialog.RowDates(), (std::vector<std::string>{
                                     "22 February, 2004", "2 March, 2004", "2 May, 2004",
                                     "12 September, 2004", "15 October, 2004", "10 November, 2004",
                                     "14 November, 2004", "20 January, 2005", "21 January, 2005"}));
    const Picture picture = harness.Snapshot();
    EXPECT_EQ(picture.Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(225, 13), 0xFFFFFFu);
    EXPECT_EQ(picture.Pixel(120, 12), 0x000000u); // the column line
}

TEST_F(FeastsDialogs, ToolsMenuOpensTheReminderAndExitCloses)
{
    Store({0, 0});
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
    EXPECT_EQ(Stored(), (Numbers{1, 2}));
    EXPECT_FALSE(harness.Ended());
    harness.Command(ID_FEASTS_EXIT);
    EXPECT_TRUE(harness.Ended());
    EXPECT_EQ(harness.Result(), IDOK);
}

// OK stores the box and the line; no key at all reads as off, "Same Day";
// a number the list has no line for selects none, and stays.
TEST_F(FeastsDialogs, RemindMeOpensOnTheStoredNumbersAndOkStoresTheChoice)
{
    struct Case
    {
        std::optional<Numbers> before; // none: no registry key
        bool toggle;
        const char* choose;
        Numbers after;
    };
    const Case cases[] = {
        {std::nullopt, false, nullptr, {0, 0}},  {Numbers{0, 0}, true, "3 Days Before", {1, 3}},
        {Numbers{1, 2}, false, nullptr, {1, 2}}, {Numbers{1, 3}, true, "Same Day", {0, 0}},
        {Numbers{1, 7}, true, nullptr, {0, 7}},
    };
    for (const Case& c : cases)
    {
        if (c.before)
            Store(*c.before);
        const Numbers shown = c.before.value_or(Numbers{0, 0});
        CRemindMeDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Checked(IDC_REMINDER_CHECK), shown.first == 1);
        EXPECT_EQ(harness.Selection(IDC_REMIND_DAYS), shown.second < 4 ? int(shown.second) : -1);
        if (c.toggle)
            harness.Click(IDC_REMINDER_CHECK);
        if (c.choose != nullptr)
            harness.SelectText(IDC_REMIND_DAYS, c.choose);
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(Stored(), c.after) << shown.first << " " << shown.second;
    }
}

TEST_F(FeastsDialogs, RemindMeCancelAfterTogglingStoresNothing)
{
    Store({1, 1});
    CRemindMeDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.Click(IDC_REMINDER_CHECK);
    harness.SelectText(IDC_REMIND_DAYS, "3 Days Before");
    EXPECT_TRUE(harness.Cancel());
    EXPECT_EQ(Stored(), (Numbers{1, 1}));
}

} // namespace
} // namespace halvo
