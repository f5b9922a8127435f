#include "locations/ui/delete_city_dialog.h"

#include "resources/resource_ids.h"
#include "tests/locations/ui/location_dialogs_fixture.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;
using DeleteCityDialog = testing::LocationDialogs;

constexpr const char* kCurrentCityMessage =
    "Sorry, This is your current location, it can't be deleted";

std::string SelectedText(DialogHarness& dialog, int id)
{
    const int row = dialog.Selection(id);
    return row < 0 ? std::string() : dialog.Items(id)[static_cast<std::size_t>(row)];
}

TEST_F(DeleteCityDialog, OpensOnTheCurrentCityWhichCannotBeDeleted)
{
    for (const char* setting : {"Seattle, WA", "SEATTLE, wa"})
    {
        WriteSetting("CityName", setting);
        CDeleteCityDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Items(IDC_DELETE_CITIES),
                  (std::vector<std::string>{"Alexandria (Egypt)", "Cairo (Egypt)", "Delhi (India)",
                                            "Kabul (Afghanistan)", "Seattle, WA (USA)"}));
        EXPECT_EQ(SelectedText(harness, IDC_DELETE_CITIES), "Seattle, WA (USA)") << setting;
        EXPECT_FALSE(harness.OK());
        EXPECT_EQ(harness.Messages(), std::vector<std::string>{kCurrentCityMessage});
        EXPECT_TRUE(ReadCity("Seattle, WA"));
    }
}

// Cutting the entry at its first "(" would look up "Springfield" and delete
// the wrong city.
TEST_F(DeleteCityDialog, DeletesTheCityOfTheEntryEvenWhenItsNameHoldsAParenthesis)
{
    ASSERT_EQ(
        AddCity("Springfield", "USA", "-8965", "3980", testing::kPacificZone, messages_).outcome,
        AddCityOutcome::kAdded);
    ASSERT_EQ(AddCity("Springfield (MA)", "USA", "-7259", "4210", testing::kPacificZone, messages_)
                  .outcome,
              AddCityOutcome::kAdded);
    CDeleteCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    ASSERT_TRUE(harness.SelectText(IDC_DELETE_CITIES, "Springfield (MA) (USA)"));
    EXPECT_TRUE(harness.OK());
    EXPECT_TRUE(harness.Messages().empty());
    EXPECT_FALSE(ReadCity("Springfield (MA)"));
    EXPECT_TRUE(ReadCity("Springfield"));
}

TEST_F(DeleteCityDialog, DeleteNeedsASelectionAndCancelDeletesNothing)
{
    WriteSetting("CityName", "Atlantis");
    {
        CDeleteCityDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Selection(IDC_DELETE_CITIES), -1);
        EXPECT_FALSE(harness.OK());
        EXPECT_EQ(harness.Messages(), std::vector<std::string>{"Please select a city"});
        harness.SelectText(IDC_DELETE_CITIES, "Cairo (Egypt)");
        EXPECT_TRUE(harness.Cancel());
    }
    EXPECT_TRUE(ReadCity("Cairo"));
    {
        CDeleteCityDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.SelectText(IDC_DELETE_CITIES, "Cairo (Egypt)");
        EXPECT_TRUE(harness.OK());
    }
    EXPECT_FALSE(ReadCity("Cairo"));
    EXPECT_EQ(ListCities().size(), 4u);
}

TEST_F(DeleteCityDialog, PaintsItsHeadingInTheHeaderColour)
{
    screenColours = ColoursFromIndexTexts("9", "8", "5");
    CDeleteCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    EXPECT_TRUE(InkIn(picture, {10, 20, 80, 34}, 0x008000));
    EXPECT_FALSE(InkIn(picture, {10, 20, 80, 34}, 0x0000FF));
}

} // namespace
} // namespace halvo
