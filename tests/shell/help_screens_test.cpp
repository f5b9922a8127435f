#include "platform/ui/dialog_harness.h"
#include "platform/ui/translation.h"
#include "resources/resource_ids.h"
#include "settings/colour_choices.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/about_dialog.h"
#include "shell/help_dialog.h"
#include "shell/help_texts.h"
#include "shell/instructions_dialog.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class HelpScreens : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        screenColours = ScreenColours{};
    }
    void TearDown() override
    {
        screenColours = ScreenColours{};
        pendingColourChoices = PendingColourChoices{};
        StoreTest::TearDown();
    }
};

// Whether a colour is drawn inside a rectangle of a picture. Text is
// anti-aliased: a thin face may leave no pixel at the full colour, so a
// pixel within a sixth of the range of it in every channel counts.
bool InkIn(const Picture& picture, CRect area, COLORREF colour)
{
    auto near = [](int a, int b) { return std::abs(a - b) <= 40; };
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
        {
            const COLORREF pixel = picture.Pixel(x, y);
            if (near(GetRValue(pixel), GetRValue(colour)) &&
                near(GetGValue(pixel), GetGValue(colour)) &&
                near(GetBValue(pixel), GetBValue(colour)))
                return true;
        }
    return false;
}

// Typed out here on its own, so a changed word, space or spelling in the
// program's pieces shows.
TEST_F(HelpScreens, HelpTextIsTheSevenPiecesJoinedAsWritten)
{
    const std::string expected =
        "\"Verily, the prayer is enjoined on the believers at fixed hours\"[Soorat "
        "An-Nisaa(4):103].Prayer times for any location can be determined mathematically if the "
        "longitude and latitude of the location are known.  That's what Halvo Tavorin attempts "
        "to do.  You can select the location where you are and if you can't find it, you can add "
        "your own location to the database.  The application will then calculate the prayer "
        "times for that location and will save your settings for future use.  You can also "
        "choose the method of calculating Asr Time either following the Shafi shcool or the "
        "Hanafi school.  As for the calculation of Fajr and Isha Times, you can choose among the "
        "five famous conventions currently used to determine the twilight angle values and you "
        "can also add your own method and angle values.  It is important to note that the "
        "application also calculates the hijri date corresponding to the current gregorean "
        "date.  There might be -1/+1 day discrepancy since the calculation isn't based on actual "
        "moon sighting.  If you have any questions feel free to contact us, we will be glad to "
        "help you.  You will find us on the web at " +
        std::string(kMakerWebAddress) + ".";
    CHelpDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const std::string shown = harness.Text(IDC_HELP_TEXT);
    EXPECT_EQ(shown, expected);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), '"');
    EXPECT_LT(shown.size(), 6024u);

    // Read-only: typing changes nothing.
    harness.TypeKeys(IDC_HELP_TEXT, "xyz");
    EXPECT_EQ(harness.Text(IDC_HELP_TEXT), expected);
    EXPECT_TRUE(harness.OK());
}

// Header, header, text, text, text, header, header, header, text, text,
// header, header: in the colours in force, also after they were changed.
TEST_F(HelpScreens, InstructionsLinesKeepTheirColoursAfterAColourChange)
{
    const bool header[12] = {true, true, false, false, false, true,
                             true, true, false, false, true,  true};
    for (const bool changed : {false, true})
    {
        if (changed)
        {
            pendingColourChoices = PendingColourChoices{9, 8, 5}; // red text, green headers
            ApplyPendingColours(pendingColourChoices, screenColours);
        }
        else
        {
            screenColours = ColoursFromIndexTexts("9", "8", "3"); // red text, dark red headers
        }
        CInstructionsDlg dialog(nullptr);
        DialogHarness harness(dialog);
        const Picture picture = harness.Snapshot();
        for (int line = 0; line < 12; ++line)
        {
            const CRect band{10, 10 + 20 * line, picture.Width(), 10 + 20 * line + 14};
            const COLORREF wanted = header[line] ? screenColours.header : screenColours.text;
            const COLORREF other = header[line] ? screenColours.text : screenColours.header;
            EXPECT_TRUE(InkIn(picture, band, wanted)) << "line " << line;
            EXPECT_FALSE(InkIn(picture, band, other)) << "line " << line;
        }
        EXPECT_EQ(picture.Pixel(2, 2), screenColours.background);
    }
}

// Each line is drawn whole: the dialog is at least as wide as its longest
// line, the support address included.
TEST_F(HelpScreens, InstructionsEndWithTheSupportAddressAndShowEveryLineWhole)
{
    const auto lines = InstructionsLines();
    ASSERT_EQ(lines.size(), 12u);
    // As English has always shown it, the address filled in at run time.
    EXPECT_EQ(ShownText(lines[11].text, lines[11].argument),
              std::string("contact us at ") + kMakerSupportAddress + ".");
    CInstructionsDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    for (const PaintedText& line : lines)
        EXPECT_LE(line.x + SystemFontTextWidth(line.text, line.argument), picture.Width())
            << line.text;
    // Nothing painted in the last columns: no line runs into the edge.
    EXPECT_FALSE(
        InkIn(picture, CRect{picture.Width() - 3, 0, picture.Width(), 244}, screenColours.header));
}

TEST_F(HelpScreens, AboutShowsNameVersionAndMakerAndClosesWithItsOwnOk)
{
    const auto lines = AboutLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(std::string(lines[0].text), "Halvo Tavorin V 3.0");
    EXPECT_EQ(ShownText(lines[1].text, lines[1].argument),
              std::string("Version ") + kProgramVersion + " for Linux");
    EXPECT_EQ(std::string(lines[2].text), kMakerName);
    EXPECT_EQ(std::string(lines[3].text), kMakerWebAddress);

    screenColours = ColoursFromIndexTexts("10", "2", "8"); // dark blue on yellow
    CAboutDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    EXPECT_TRUE(InkIn(picture, CRect{70, 20, 200, 34}, 0x800000));
    EXPECT_TRUE(InkIn(picture, CRect{10, 80, 200, 94}, 0x800000));
    EXPECT_EQ(picture.Pixel(230, 5), 0x00FFFFu);

    harness.Click(IDC_ABOUT_OK);
    EXPECT_TRUE(harness.Ended());
    EXPECT_EQ(harness.Result(), IDOK);
}

} // namespace
} // namespace halvo
