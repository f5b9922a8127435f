#include "shell/set_adhan_dialog.h"

#include "platform/store/device_folder.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/adhan_switches.h"
#include "tests/support/adhan_fakes.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class SetAdhanDialog : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ::setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        ASSERT_TRUE(InstallDefaultSettings());
        screenColours = ScreenColours{};
        adhanSwitches = AdhanSwitches{};
    }

    testing::RecordingPlayer player_;
};

constexpr int kPrayerBoxes[] = {IDC_ADHAN_FAJR, IDC_ADHAN_ZUHR, IDC_ADHAN_ASR, IDC_ADHAN_MAGHRIB,
                                IDC_ADHAN_ISHA};

TEST_F(SetAdhanDialog, OpensOnTheSwitchesTheCountAndTheSoundThatWillPlay)
{
    struct Case
    {
        AdhanSwitches switches;
        const char* reminder;
        const char* alarm;
        const char* repeatShown; // "" for none
        const char* soundShown;
        bool all;
    };
    for (const Case& c :
         {Case{{true, true, true, true, true, true}, "3", "Alarm2", "3", "Alarm2", true},
          Case{{false, true, false, true, true, true}, "1", "HalvoAdhan", "1", "HalvoAdhan", false},
          Case{{true, false, false, false, false, false}, "7", "../../x", "", "HalvoAdhan", false},
          Case{{}, "", "alarm1", "0", "HalvoAdhan", false}})
    {
        adhanSwitches = c.switches;
        WriteSetting("Reminder", c.reminder);
        WriteSetting("Alarm", c.alarm);
        CSetAdhanDlg dialog(nullptr, player_);
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Dialog().GetWindowText(), "Set  Adhan");
        EXPECT_EQ(harness.Checked(IDC_ADHAN_ON), c.switches.enabled);
        EXPECT_EQ(harness.Checked(IDC_ADHAN_FAJR), c.switches.fajr);
        EXPECT_EQ(harness.Checked(IDC_ADHAN_ZUHR), c.switches.zuhr);
        EXPECT_EQ(harness.Checked(IDC_ADHAN_ASR), c.switches.asr);
        EXPECT_EQ(harness.Checked(IDC_ADHAN_MAGHRIB), c.switches.maghrib);
        EXPECT_EQ(harness.Checked(IDC_ADHAN_ISHA), c.switches.isha);
        EXPECT_EQ(harness.Checked(IDC_ADHAN_ALL), c.all);
        EXPECT_EQ(harness.Items(IDC_ADHAN_REPEAT),
                  (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
        EXPECT_EQ(harness.Items(IDC_ADHAN_SOUND),
                  (std::vector<std::string>{"Alarm1", "Alarm2", "Alarm3", "Alarm4", "Alarm5",
                                            "HalvoAdhan"}));
        EXPECT_EQ(harness.Text(IDC_ADHAN_REPEAT), c.repeatShown) << c.reminder;
        EXPECT_EQ(harness.Text(IDC_ADHAN_SOUND), c.soundShown) << c.alarm;
    }
}

// "All" checks the five prayers whatever its own state after the click.
TEST_F(SetAdhanDialog, AllChecksEveryPrayer)
{
    adhanSwitches = {true, true, true, true, true, true};
    CSetAdhanDlg dialog(nullptr, player_);
    DialogHarness harness(dialog);
    harness.Click(IDC_ADHAN_FAJR);
    harness.Click(IDC_ADHAN_ALL);
    EXPECT_FALSE(harness.Checked(IDC_ADHAN_ALL));
    for (const int id : kPrayerBoxes)
        EXPECT_TRUE(harness.Checked(id)) << id;
}

TEST_F(SetAdhanDialog, TestSoundPlaysTheChosenSoundOnce)
{
    CSetAdhanDlg dialog(nullptr, player_);
    DialogHarness harness(dialog);
    ASSERT_TRUE(harness.SelectText(IDC_ADHAN_SOUND, "Alarm4"));
    harness.Click(IDC_TEST_SOUND);
    using Played = testing::RecordingPlayer::Played;
    EXPECT_EQ(player_.played, (std::vector<Played>{{WindowsFolder() / "Alarm4.wav", 1}}));
    EXPECT_FALSE(harness.Ended());
}

// A second press while the test sound plays stops it, and closing the
// dialog stops it too, however it closed; an Adhan that began meanwhile
// plays on.
TEST_F(SetAdhanDialog, TestSoundStopsOnASecondPressAndWhenTheDialogCloses)
{
    struct Case
    {
        const char* name;
        std::function<void(DialogHarness&)> act;
        int stops;
    };
    const std::vector<Case> cases = {
        {"second press", [](DialogHarness& dialog) { dialog.Click(IDC_TEST_SOUND); }, 1},
        {"ok", [](DialogHarness& dialog) { dialog.OK(); }, 1},
        {"cancel", [](DialogHarness& dialog) { dialog.Cancel(); }, 1},
        {"adhan meanwhile",
         [this](DialogHarness& dialog)
         {
             player_.Play("/sounds/HalvoAdhan.wav", 2);
             dialog.Cancel();
         },
         0},
    };
    for (const Case& c : cases)
    {
        player_ = testing::RecordingPlayer{};
        {
            CSetAdhanDlg dialog(nullptr, player_);
            DialogHarness harness(dialog);
            harness.Click(IDC_TEST_SOUND);
            ASSERT_TRUE(player_.playing) << c.name;
            c.act(harness);
        }
        EXPECT_EQ(player_.stops, c.stops) << c.name;
        EXPECT_EQ(player_.playing, c.stops == 0) << c.name;
    }
    // After a stop, the next press plays again.
    player_ = testing::RecordingPlayer{};
    CSetAdhanDlg dialog(nullptr, player_);
    DialogHarness harness(dialog);
    for (int press = 0; press < 3; ++press)
        harness.Click(IDC_TEST_SOUND);
    EXPECT_EQ(player_.played.size(), 2u);
    EXPECT_TRUE(player_.playing);
}

TEST_F(SetAdhanDialog, OkStoresEverythingAndTheSwitchesCancelNothing)
{
    {
        CSetAdhanDlg dialog(nullptr, player_);
        DialogHarness harness(dialog);
        harness.Click(IDC_ADHAN_ON);
        harness.Click(IDC_ADHAN_MAGHRIB);
        harness.Click(IDC_ADHAN_FAJR);
        ASSERT_TRUE(harness.SelectText(IDC_ADHAN_REPEAT, "4"));
        ASSERT_TRUE(harness.SelectText(IDC_ADHAN_SOUND, "Alarm5"));
        EXPECT_TRUE(harness.Cancel());
    }
    EXPECT_EQ(ReadSetting("Adhan"), "Off");
    EXPECT_EQ(ReadSetting("Maghrib"), "0");
    EXPECT_EQ(ReadSetting("Reminder"), "1");
    EXPECT_FALSE(adhanSwitches.enabled);
    {
        CSetAdhanDlg dialog(nullptr, player_);
        DialogHarness harness(dialog);
        harness.Click(IDC_ADHAN_ON);
        harness.Click(IDC_ADHAN_MAGHRIB);
        harness.Click(IDC_ADHAN_FAJR);
        ASSERT_TRUE(harness.SelectText(IDC_ADHAN_REPEAT, "4"));
        ASSERT_TRUE(harness.SelectText(IDC_ADHAN_SOUND, "Alarm5"));
        EXPECT_TRUE(harness.OK());
    }
    EXPECT_EQ(ReadSetting("Adhan"), "On");
    EXPECT_EQ(ReadSetting("Fajr"), "1");
    EXPECT_EQ(ReadSetting("Zuhr"), "0");
    EXPECT_EQ(ReadSetting("Asr"), "0");
    EXPECT_EQ(ReadSetting("Maghrib"), "1");
    EXPECT_EQ(ReadSetting("Isha"), "0");
    EXPECT_EQ(ReadSetting("Reminder"), "4");
    EXPECT_EQ(ReadSetting("Alarm"), "Alarm5");
    EXPECT_TRUE(adhanSwitches.enabled);
    EXPECT_TRUE(adhanSwitches.fajr);
    EXPECT_TRUE(adhanSwitches.maghrib);
    EXPECT_FALSE(adhanSwitches.isha);
    EXPECT_TRUE(player_.played.empty());

    // A count no row shows stays as stored.
    WriteSetting("Reminder", "7");
    CSetAdhanDlg dialog(nullptr, player_);
    DialogHarness harness(dialog);
    harness.Click(IDC_ADHAN_ON);
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(ReadSetting("Reminder"), "7");
    EXPECT_EQ(ReadSetting("Adhan"), "Off");
}

TEST_F(SetAdhanDialog, LabelsArePaintedInTheHeaderColour)
{
    screenColours = ColoursFromIndexTexts("9", "8", "5"); // red text, green headings
    CSetAdhanDlg dialog(nullptr, player_);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    // Text is anti-aliased: a thin face may leave no pixel at the full
    // colour, so a pixel close to it in every channel counts.
    auto inkIn = [&](int x0, int y0, int x1, int y1, COLORREF colour)
    {
        auto near = [](int a, int b) { return std::abs(a - b) <= 40; };
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
            {
                const COLORREF pixel = picture.Pixel(x, y);
                if (near(GetRValue(pixel), GetRValue(colour)) &&
                    near(GetGValue(pixel), GetGValue(colour)) &&
                    near(GetBValue(pixel), GetBValue(colour)))
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(inkIn(60, 15, 90, 29, 0x008000));    // "Fajr"
    EXPECT_TRUE(inkIn(145, 40, 200, 54, 0x008000));  // "Maghrib"
    EXPECT_TRUE(inkIn(30, 170, 100, 184, 0x008000)); // "Alarm/Adhan"
    EXPECT_FALSE(inkIn(0, 0, 240, 268, 0x0000FF));
}

} // namespace
} // namespace halvo
