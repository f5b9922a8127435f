#include "conventions/ui/asr_method_dialog.h"

#include "platform/ui/dialog_harness.h"
#include "platform/ui/translation.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"

#include <QApplication>
#include <QComboBox>

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class AsrMethodDialog : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        screenColours = ScreenColours{};
    }
};

TEST_F(AsrMethodDialog, OpensOnTheStoredSchoolAndOnlyOnItsExactText)
{
    struct Case
    {
        const char* stored;
        int selected;
    };
    for (const Case& c : {Case{"Shafi", 1}, Case{"Hanafi", 0}, Case{"hanafi", -1}, Case{"", -1}})
    {
        WriteSetting("AsrMethod", c.stored);
        CAsrMethodDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Items(IDC_ASR_SCHOOL), (std::vector<std::string>{"Hanafi", "Shafi"}));
        EXPECT_EQ(harness.Selection(IDC_ASR_SCHOOL), c.selected) << c.stored;
    }
}

TEST_F(AsrMethodDialog, OkStoresTheChosenSchoolCancelAndNoChoiceStoreNothing)
{
    {
        CAsrMethodDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.SelectText(IDC_ASR_SCHOOL, "Hanafi");
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(ReadSetting("AsrMethod"), "Hanafi");
    }
    {
        CAsrMethodDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.SelectText(IDC_ASR_SCHOOL, "Shafi");
        EXPECT_TRUE(harness.Cancel());
        EXPECT_EQ(ReadSetting("AsrMethod"), "Hanafi");
    }
    {
        WriteSetting("AsrMethod", "something else");
        CAsrMethodDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(ReadSetting("AsrMethod"), "something else");
    }
}

// Under a translation the schools read in the language, while the dialog
// still finds, selects and stores their English names.
TEST_F(AsrMethodDialog, SchoolsAreShownTranslatedAndStoredInEnglish)
{
    ASSERT_EQ(InstallTranslations({"tr"}), "tr");
    ASSERT_NE(Translate("Hanafi"), "Hanafi");
    {
        CAsrMethodDlg dialog(nullptr);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Items(IDC_ASR_SCHOOL), (std::vector<std::string>{"Hanafi", "Shafi"}));
        std::vector<std::string> shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (const QComboBox* combo : window->findChildren<QComboBox*>())
                for (int i = 0; i < combo->count(); ++i)
                    shown.push_back(combo->itemText(i).toStdString());
        EXPECT_EQ(shown, (std::vector<std::string>{Translate("Hanafi"), Translate("Shafi")}));
        EXPECT_TRUE(harness.SelectText(IDC_ASR_SCHOOL, "Shafi"));
        EXPECT_EQ(harness.Text(IDC_ASR_SCHOOL), "Shafi");
        EXPECT_TRUE(harness.OK());
    }
    RemoveTranslations();
    EXPECT_EQ(ReadSetting("AsrMethod"), "Shafi");
}

// The headings are in the header colour, the explanations in the text colour.
TEST_F(AsrMethodDialog, PaintsItsTextsInTheirColours)
{
    screenColours = ColoursFromIndexTexts("9", "8", "5"); // red text, green headings
    CAsrMethodDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    auto inkIn = [&](int x0, int y0, int x1, int y1, COLORREF colour)
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (picture.Pixel(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(inkIn(10, 60, 90, 74, 0x008000)); // "Hanafi Method:"
    EXPECT_FALSE(inkIn(10, 60, 90, 74, 0x0000FF));
    EXPECT_TRUE(inkIn(10, 80, 200, 94, 0x0000FF));  // its explanation
    EXPECT_TRUE(inkIn(10, 120, 90, 134, 0x008000)); // "Shafi Method:"
    EXPECT_EQ(picture.Pixel(235, 5), 0xFFFFFFu);    // the background
}

} // namespace
} // namespace halvo
