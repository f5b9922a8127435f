#include "conventions/twilight_conventions.h"
#include "conventions/ui/add_twilight_angles_dialog.h"
#include "conventions/ui/twilight_conventions_dialog.h"
#include "conventions/ui/twilight_help_dialog.h"
#include "platform/store/record_store.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class ConventionDialogs : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        screenColours = ScreenColours{};
    }

    static bool InkIn(const Picture& picture, CRect area, COLORREF colour)
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (picture.Pixel(x, y) == colour)
                    return true;
        return false;
    }
};

// The store is made on the first opening; the stored convention is chosen
// (its name's beginning, whatever the case) and its angles shown.
TEST_F(ConventionDialogs, ConventionsOpenOnTheStoredConventionWithItsAngles)
{
    struct Case
    {
        const char* stored;
        const char* selected;
        const char* fajr;
        const char* isha;
    };
    for (const Case& c :
         {Case{"Islamic Society of North America", "Islamic Society of North America", "15.0",
               "15.0"},
          Case{"um ul-qura, makkah", "Um Ul-Qura, Makkah", "19.0", "90 min after Maghrib"},
          Case{"Egyptian", "Egyptian General Organization of Surveying", "19.5", "17.5"},
          Case{"Nobody's", "", "", ""}})
    {
        WriteSetting("KQMethod", c.stored);
        CTwilightConventionsDlg dialog(nullptr);
        DialogHarness harness(dialog);
        const std::vector<std::string> items = harness.Items(IDC_CONVENTION);
        ASSERT_EQ(items.size(), 5u);
        EXPECT_EQ(items[0], "Egyptian General Organization of Surveying");
        const int selected = harness.Selection(IDC_CONVENTION);
        EXPECT_EQ(selected < 0 ? "" : items[static_cast<std::size_t>(selected)], c.selected)
            << c.stored;
        EXPECT_EQ(harness.Text(IDC_FAJR_ANGLE), c.fajr) << c.stored;
        EXPECT_EQ(harness.Text(IDC_ISHA_ANGLE), c.isha) << c.stored;
    }
}

// A stored name that another entry begins with keeps its own entry, so OK
// without a choice leaves the convention and its angles as they were.
TEST_F(ConventionDialogs, ConventionsKeepTheStoredEntryWhenALongerNameFollowsIt)
{
    ASSERT_TRUE(EnsureConventionStore());
    ASSERT_TRUE(AddConvention("Egyptian General Organization of Surveying (summer)", "200", "180"));
    ASSERT_TRUE(SelectConvention("Egyptian General Organization of Surveying"));
    CTwilightConventionsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const std::vector<std::string> items = harness.Items(IDC_CONVENTION);
    ASSERT_EQ(items.size(), 6u);
    ASSERT_EQ(items[1], "Egyptian General Organization of Surveying (summer)");
    EXPECT_EQ(harness.Selection(IDC_CONVENTION), 0);
    EXPECT_EQ(harness.Text(IDC_FAJR_ANGLE), "19.5");
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(ReadSetting("KQMethod"), "Egyptian General Organization of Surveying");
    EXPECT_EQ(ReadSetting("FajrAngle"), "195");
}

TEST_F(ConventionDialogs, ChoosingShowsTheAnglesOkSelectsCancelKeeps)
{
    {
        CTwilightConventionsDlg dialog(nullptr);
        DialogHarness harness(dialog);
        ASSERT_TRUE(harness.SelectText(IDC_CONVENTION, "World Islamic League"));
        EXPECT_EQ(harness.Text(IDC_FAJR_ANGLE), "18.0");
        EXPECT_EQ(harness.Text(IDC_ISHA_ANGLE), "17.0");
        EXPECT_TRUE(harness.Cancel());
        EXPECT_EQ(ReadSetting("KQMethod"), "Islamic Society of North America");
        EXPECT_EQ(ReadSetting("FajrAngle"), "150");
    }
    {
        CTwilightConventionsDlg dialog(nullptr);
        DialogHarness harness(dialog);
        ASSERT_TRUE(harness.SelectText(IDC_CONVENTION, "Um Ul-Qura, Makkah"));
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(ReadSetting("KQMethod"), "Um Ul-Qura, Makkah");
        EXPECT_EQ(ReadSetting("FajrAngle"), "190");
        EXPECT_EQ(ReadSetting("IshaAngle"), "90 min after Maghrib");
    }
    {
        // Nothing chosen: OK stores nothing.
        WriteSetting("KQMethod", "Nobody's");
        CTwilightConventionsDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(ReadSetting("KQMethod"), "Nobody's");
        EXPECT_EQ(ReadSetting("FajrAngle"), "190");
    }
}

TEST_F(ConventionDialogs, HelpOpensFromTheConventionsAndPaintsItsLinesInTheirColours)
{
    CTwilightConventionsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.ThenModal([](DialogHarness& help) { help.OK(); });
    harness.Click(IDC_CONVENTIONS_HELP);
    EXPECT_EQ(harness.OpenedModally(), std::vector<int>{IDD_TWILIGHT_HELP});
    EXPECT_FALSE(harness.Ended());

    screenColours = ColoursFromIndexTexts("9", "8", "5"); // red text, green headings
    CTwilightHelpDlg help(nullptr);
    DialogHarness helpHarness(help);
    const Picture picture = helpHarness.Snapshot();
    EXPECT_TRUE(InkIn(picture, {10, 10, 200, 24}, 0x0000FF)); // the introduction
    EXPECT_FALSE(InkIn(picture, {10, 10, 200, 24}, 0x008000));
    EXPECT_TRUE(InkIn(picture, {10, 50, 200, 64}, 0x008000));   // an organisation
    EXPECT_TRUE(InkIn(picture, {10, 230, 200, 244}, 0x008000)); // the last line
    EXPECT_EQ(picture.Pixel(235, 5), 0xFFFFFFu);
}

// Each check stops at its first failure with its message and the dialog
// stays open; what passes them all is added, not selected.
TEST_F(ConventionDialogs, AddRefusesWhatItCannotStoreAndAddsTheRest)
{
    const std::string no = "Your method cannot be added!  ";
    struct Case
    {
        const char* name;
        const char* fajr;
        const char* isha;
        std::string message;
    };
    for (const Case& c :
         {Case{"", "", "", no + "You must enter a Method Name"},
          Case{"   ", "18", "17", no + "You must enter a Method Name"},
          Case{"Mine", "", "17", no + "You must enter the Fajr Twilight Angle"},
          Case{"Mine", "18", "", no + "You must enter the Isha Twilight Angle"},
          Case{"Mine", "eighteen", "17",
               no + "The Fajr Twilight Angle must be a number between 0 and 90"},
          Case{"Mine", "90", "17",
               no + "The Fajr Twilight Angle must be a number between 0 and 90"},
          Case{"Mine", "18", "0", no + "The Isha Twilight Angle must be a number between 0 and 90"},
          Case{"Mine", "18", "17x",
               no + "The Isha Twilight Angle must be a number between 0 and 90"},
          Case{" world islamic league", "18", "17",
               no + "There is already a method with this name"},
          Case{"Mine", "0.05", "17", no + "The Fajr Twilight Angle must be at least 0.1"},
          Case{"Mine", "18", "+0.09", no + "The Isha Twilight Angle must be at least 0.1"}})
    {
        CAddTwilightAnglesDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.Type(IDC_METHOD_NAME, c.name);
        harness.Type(IDC_FAJR_ANGLE, c.fajr);
        harness.Type(IDC_ISHA_ANGLE, c.isha);
        EXPECT_FALSE(harness.OK()) << c.message;
        EXPECT_EQ(harness.Messages(), std::vector<std::string>{c.message});
    }
    EXPECT_FALSE(RecordStore::Exists(kConventionsStoreName));

    {
        CAddTwilightAnglesDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.Type(IDC_METHOD_NAME, "  Mine ");
        harness.Type(IDC_FAJR_ANGLE, "19.35");
        harness.Type(IDC_ISHA_ANGLE, "9");
        EXPECT_TRUE(harness.OK());
        EXPECT_TRUE(harness.Messages().empty());
    }
    const auto mine = FindConvention("Mine");
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->name, "Mine");
    EXPECT_EQ(mine->fajr, "193");
    EXPECT_EQ(mine->isha, "90");
    EXPECT_EQ(ListConventions().size(), 6u); // the built-ins came first
    EXPECT_EQ(ReadSetting("KQMethod"), "Islamic Society of North America");

    CAddTwilightAnglesDlg again(nullptr);
    DialogHarness harness(again);
    harness.Type(IDC_METHOD_NAME, "MINE");
    harness.Type(IDC_FAJR_ANGLE, "18");
    harness.Type(IDC_ISHA_ANGLE, "18");
    EXPECT_FALSE(harness.OK());
    EXPECT_TRUE(harness.Cancel());
    EXPECT_EQ(ListConventions().size(), 6u);
}

TEST_F(ConventionDialogs, LabelsArePaintedInTheTextColour)
{
    screenColours = ColoursFromIndexTexts("6", "3", "5"); // grey, dark red text, green headings
    CTwilightConventionsDlg conventions(nullptr);
    DialogHarness first(conventions);
    EXPECT_TRUE(InkIn(first.Snapshot(), {30, 70, 100, 84}, 0x000080));
    EXPECT_EQ(first.Pixel(235, 260), 0xC0C0C0u);
    CAddTwilightAnglesDlg add(nullptr);
    DialogHarness second(add);
    EXPECT_TRUE(InkIn(second.Snapshot(), {40, 25, 120, 39}, 0x000080));
}

} // namespace
} // namespace halvo
