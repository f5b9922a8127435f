#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/colour_choices.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/colour_palette_dialog.h"
#include "shell/colour_preferences_dialog.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class ColourDialogs : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        screenColours = ScreenColours{};
        pendingColourChoices = PendingColourChoices{};
    }
    void TearDown() override
    {
        pendingColourChoices = PendingColourChoices{};
        screenColours = ScreenColours{};
        StoreTest::TearDown();
    }

    // One Color Preferences session: each step clicks one of its buttons
    // and ends the palette that opens (a colour index picks it and presses
    // OK, -1 presses OK with nothing chosen, -2 cancels the palette).
    struct Step
    {
        int button;
        int colour;
    };
    void RunPreferences(std::vector<Step> steps, bool ok)
    {
        CColorPrefsDlg dialog(nullptr);
        DialogHarness harness(dialog);
        for (const Step step : steps)
        {
            harness.ThenModal(
                [step](DialogHarness& palette)
                {
                    if (step.colour == -2)
                    {
                        palette.Cancel();
                        return;
                    }
                    if (step.colour >= 0)
                        palette.Select(IDC_PALETTE, step.colour);
                    palette.OK();
                });
            harness.Click(step.button);
        }
        EXPECT_TRUE(ok ? harness.OK() : harness.Cancel());
    }
};

TEST_F(ColourDialogs, PaletteListsTheElevenColoursInTableOrderWithTheirSwatches)
{
    CColorPaletteDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Items(IDC_PALETTE),
              (std::vector<std::string>{"BLACK", "BLUE", "DARK BLUE", "DARK RED", "GRAY", "GREEN",
                                        "LIGHT GRAY", "LIGHT GREEN", "RED", "WHITE", "YELLOW"}));
    EXPECT_EQ(harness.Selection(IDC_PALETTE), -1);
    // Each swatch shows its colour as a block, not just a rim: at least
    // 20 x 20 pixels of it (white is the list's own background).
    const Picture picture = harness.Snapshot();
    for (const ColourEntry& colour : ColourTable)
    {
        int count = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                count += picture.Pixel(x, y) == colour.value ? 1 : 0;
        EXPECT_GE(count, 400) << colour.name;
    }
}

TEST_F(ColourDialogs, PaletteChoiceIsTheSelectedIndexOrNoChange)
{
    struct Case
    {
        int select; // -1: none
        bool ok;
        int choice;
    };
    for (const Case c : {Case{8, true, 8}, Case{0, true, 0}, Case{10, true, 10},
                         Case{-1, true, kNoColourChange}, Case{3, false, kNoColourChange}})
    {
        CColorPaletteDlg dialog(nullptr);
        DialogHarness harness(dialog);
        if (c.select >= 0)
            harness.Select(IDC_PALETTE, c.select);
        EXPECT_TRUE(c.ok ? harness.OK() : harness.Cancel());
        EXPECT_EQ(dialog.Choice(), c.choice) << c.select << (c.ok ? " OK" : " Cancel");
    }
}

TEST_F(ColourDialogs, RedBackgroundIsStoredAsEightAndPaintsRed)
{
    RunPreferences({{IDC_CHANGE_BACKGROUND, 8}}, true);
    EXPECT_EQ(ReadSetting("Bg"), "8");
    EXPECT_EQ(screenColours.background, 0x0000FFu);
    EXPECT_EQ(ReadSetting("Txt"), "1");
    EXPECT_EQ(ReadSetting("Hr"), "1");

    // Both dialogs paint their background in the colour now in force.
    CColorPrefsDlg preferences(nullptr);
    DialogHarness harness(preferences);
    EXPECT_EQ(harness.Pixel(5, 230), 0x0000FFu);
    CColorPaletteDlg palette(nullptr);
    DialogHarness paletteHarness(palette);
    EXPECT_EQ(paletteHarness.Pixel(2, 2), 0x0000FFu);
}

TEST_F(ColourDialogs, OkWithNoChoiceWritesNothing)
{
    WriteSetting("Bg", "not touched");
    RunPreferences({}, true);
    EXPECT_EQ(ReadSetting("Bg"), "not touched");
    EXPECT_EQ(ReadSetting("Txt"), "1");
    EXPECT_EQ(screenColours.background, ScreenColours{}.background);
}

// The edge cases of the pending choices: what a session leaves behind for
// the next OK, session after session.
TEST_F(ColourDialogs, CancelSemanticsOfBothDialogs)
{
    struct Session
    {
        std::vector<Step> steps;
        bool ok;
    };
    struct Case
    {
        const char* what;
        std::vector<Session> sessions;
        const char* bg;
        const char* txt;
        const char* hr;
    };
    const std::vector<Case> cases = {
        {"a cancelled palette drops the earlier choice of that colour only",
         {{{{IDC_CHANGE_BACKGROUND, 8}, {IDC_CHANGE_TEXT, 5}, {IDC_CHANGE_BACKGROUND, -2}}, true}},
         "9",
         "5",
         "1"},
        {"a palette OK with nothing chosen drops it too",
         {{{{IDC_CHANGE_HEADERS, 3}, {IDC_CHANGE_HEADERS, -1}}, true}},
         "9",
         "1",
         "1"},
        {"a cancelled Preferences keeps its choices for the next OK",
         {{{{IDC_CHANGE_BACKGROUND, 8}}, false}, {{}, true}},
         "8",
         "1",
         "1"},
        {"a cancelled Preferences applies nothing",
         {{{{IDC_CHANGE_BACKGROUND, 8}, {IDC_CHANGE_HEADERS, 10}}, false}},
         "9",
         "1",
         "1"},
        {"the last choice of a colour wins, across sessions",
         {{{{IDC_CHANGE_TEXT, 4}}, false}, {{{IDC_CHANGE_TEXT, 7}}, true}},
         "9",
         "7",
         "1"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        pendingColourChoices = PendingColourChoices{};
        ASSERT_TRUE(InstallDefaultSettings());
        WriteSetting("Bg", "9");
        WriteSetting("Txt", "1");
        WriteSetting("Hr", "1");
        screenColours = ScreenColours{};
        for (const Session& session : c.sessions)
            RunPreferences(session.steps, session.ok);
        EXPECT_EQ(ReadSetting("Bg"), c.bg);
        EXPECT_EQ(ReadSetting("Txt"), c.txt);
        EXPECT_EQ(ReadSetting("Hr"), c.hr);
        EXPECT_EQ(screenColours.background, ColoursFromIndexTexts(c.bg, c.txt, c.hr).background);
        EXPECT_EQ(screenColours.text, ColoursFromIndexTexts(c.bg, c.txt, c.hr).text);
        EXPECT_EQ(screenColours.header, ColoursFromIndexTexts(c.bg, c.txt, c.hr).header);
    }
}

TEST(PendingChoiceFromPalette, OnlyAColourOfTheTableIsAChoice)
{
    for (int result = -3; result <= 14; ++result)
    {
        const int expected = result >= 0 && result <= 10 ? result : kNoColourChange;
        EXPECT_EQ(PendingChoiceFromPalette(result), expected) << result;
    }
}

} // namespace
} // namespace halvo
