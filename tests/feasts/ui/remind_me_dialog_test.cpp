#include "feasts/ui/remind_me_dialog.h"

#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/registry.h"
#include "settings/screen_colours.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class RemindMeDialog : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        screenColours = ScreenColours{};
    }
    static void Store(std::uint32_t feastOn, std::uint32_t numDays)
    {
        ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kFeastValue, feastOn));
        ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kNumDaysValue, numDays));
    }
    static std::pair<std::uint32_t, std::uint32_t> Stored()
    {
        std::uint32_t feastOn = 99, numDays = 99;
        ReadRegistryNumber(kFeastSubkey, kFeastValue, feastOn);
        ReadRegistryNumber(kFeastSubkey, kNumDaysValue, numDays);
        return {feastOn, numDays};
    }
};

TEST_F(RemindMeDialog, OpensOnTheStoredNumbersAndOkStoresTheChoice)
{
    struct Case
    {
        std::uint32_t feastOn, numDays;
        const char* choose; // a line to select, or none
        bool toggle;
        std::pair<std::uint32_t, std::uint32_t> stored;
    };
    const Case cases[] = {
        {0, 0, "3 Days Before", true, {1, 3}},
        {1, 2, nullptr, false, {1, 2}},
        {1, 3, "Same Day", true, {0, 0}},
        // A number the list has no line for selects none, and stays.
        {1, 7, nullptr, true, {0, 7}},
    };
    for (const Case& c : cases)
    {
        Store(c.feastOn, c.numDays);
        CRemindMeDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Checked(IDC_REMINDER_CHECK), c.feastOn == 1);
        EXPECT_EQ(harness.Items(IDC_REMIND_DAYS),
                  (std::vector<std::string>{"Same Day", "1 Day Before", "2 Days Before",
                                            "3 Days Before"}));
        EXPECT_EQ(harness.Selection(IDC_REMIND_DAYS), c.numDays < 4 ? int(c.numDays) : -1);
        if (c.toggle)
            harness.Click(IDC_REMINDER_CHECK);
        if (c.choose != nullptr)
            harness.SelectText(IDC_REMIND_DAYS, c.choose);
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(Stored(), c.stored) << c.feastOn << " " << c.numDays;
    }
}

TEST_F(RemindMeDialog, CancelAfterTogglingStoresNothing)
{
    Store(1, 1);
    CRemindMeDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.Click(IDC_REMINDER_CHECK);
    harness.SelectText(IDC_REMIND_DAYS, "3 Days Before");
    EXPECT_FALSE(harness.Checked(IDC_REMINDER_CHECK));
    EXPECT_TRUE(harness.Cancel());
    EXPECT_EQ(Stored(), (std::pair<std::uint32_t, std::uint32_t>{1, 1}));
}

// No registry key at all: reminder off, "Same Day", as the start-up check
// reads it; OK then creates both values.
TEST_F(RemindMeDialog, MissingValuesReadAsOffAndSameDay)
{
    CRemindMeDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_FALSE(harness.Checked(IDC_REMINDER_CHECK));
    EXPECT_EQ(harness.Text(IDC_REMIND_DAYS), "Same Day");
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(Stored(), (std::pair<std::uint32_t, std::uint32_t>{0, 0}));
}

} // namespace
} // namespace halvo
