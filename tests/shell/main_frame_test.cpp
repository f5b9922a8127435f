#include "day/ui/timetable_window.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/write_lock_held.h"

#include "conventions/twilight_conventions.h"
#include "datetools/ui/today_in_hijri_dialog.h"
#include "day/day_model.h"
#include "engine/compass_needle.h"
#include "locations/location_database.h"
#include "platform/clock.h"
#include "platform/store/device_folder.h"
#include "platform/store/record_store.h"
#include "platform/ui/framework.h"
#include "platform/ui/single_instance.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/colour_choices.h"
#include "settings/registry.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/main_frame.h"
#include "shell/window_placement.h"
#include "sky/qibla.h"
#include "startup/startup_data.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace halvo
{
namespace
{

using testing::MainWindow;

TEST_F(MainWindow, FirstStartFillsTheTablesAndRemovesTheSeedFiles)
{
    EXPECT_EQ(ReadSetting("KQMethod"), "Islamic Society of North America");
    RecordStore cities;
    ASSERT_TRUE(cities.Open("Cities List"));
    EXPECT_GT(cities.Count(), 1000);
    RecordStore zones;
    ASSERT_TRUE(zones.Open("Timezones List"));
    EXPECT_GT(zones.Count(), 10);
    for (const char* seed : {"HalvoCities.txt", "HalvoCities2.txt", "HalvoZones.txt"})
        EXPECT_FALSE(std::filesystem::exists(WindowsFolder() / seed)) << seed;
}

// Seattle on 20 March 2026, daylight saving time (UTC-7) in force since
// 8 March: the whole path from the settings through the lookup to the texts.
TEST_F(MainWindow, ShowsTheDayOfAKnownCityWithDaylightSaving)
{
    OpenFrame();
    const DayTexts expected = {"Seattle, WA",
                               "20 March 2026 C.E.",
                               "1 Shawwal 1447 A.H.",
                               "5:46 AM",
                               "7:12 AM",
                               "1:16 PM",
                               "4:37 PM",
                               "7:21 PM",
                               "8:46 PM"};
    EXPECT_EQ(dayTexts, expected);
    EXPECT_EQ(frame_->View().DisplayHijriText(), "1 Shawwal 1447 A.H.");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(MainWindow, ClientAreaIsTheDisplaySizeAndTheBackgroundFillsIt)
{
    OpenFrame();
    const CRect client = frame_->View().GetClientRect();
    EXPECT_EQ(client.Width(), kViewWidth);
    EXPECT_EQ(client.Height(), kViewHeight);
    const Picture picture = frame_->View().Snapshot();
    for (const CPoint p :
         {CPoint{0, 0}, CPoint{239, 0}, CPoint{0, 267}, CPoint{239, 267}, CPoint{120, 250}})
        EXPECT_EQ(picture.Pixel(p.x, p.y), 0xFFFFFFu) << p.x << "," << p.y;
}

TEST_F(MainWindow, StoredBackgroundColoursTheFirstPaint)
{
    WriteSetting("Bg", "8");
    OpenFrame();
    const Picture picture = frame_->View().Snapshot();
    EXPECT_EQ(picture.Pixel(2, 2), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(230, 260), 0x0000FFu);
}

TEST_F(MainWindow, NeedleOfAKnownCityIsFilledInTheTextColour)
{
    WriteSetting("Txt", "5");
    OpenFrame();
    std::int32_t longitude = 0, latitude = 0;
    double offset = 0;
    WindowMessages messages(nullptr);
    ASSERT_TRUE(LookupCity(clock_.now, "Seattle, WA", longitude, latitude, offset, messages));
    CompassNeedle needle;
    needle.Place(kNeedleCentreX, kNeedleCentreY,
                 static_cast<float>(QiblaBearingAt(longitude, latitude)), kNeedleDiameter);
    std::array<NeedlePoint, 3> corners;
    needle.Outline(corners);
    const Picture picture = frame_->View().Snapshot();
    const int x = (corners[1].x + corners[2].x + 2 * corners[0].x) / 4;
    const int y = (corners[1].y + corners[2].y + 2 * corners[0].y) / 4;
    EXPECT_EQ(picture.Pixel(x, y), 0x008000u);
}

TEST_F(MainWindow, TimerTickAndRestoreDateBringTheDisplayBackToToday)
{
    CMainFrame& frame = OpenFrame();
    CPrayerView& view = frame.View();
    struct Step
    {
        bool byTimer;
    };
    for (const Step step : {Step{true}, Step{false}})
    {
        DateRecord chosen = MakeDate(2025, 12, 25);
        chosen.hour = 7;
        view.SetDisplayDate(chosen);
        EXPECT_EQ(dayTexts[1], "25 December 2025 C.E.");
        clock_.now = MakeDate(2026, 4, 2);
        if (step.byTimer)
            Tick();
        else
            frame.SendCommand(ID_FILE_RESTORE_DATE);
        EXPECT_EQ(view.DisplayDate().year, 2026);
        EXPECT_EQ(view.DisplayDate().month, 4);
        EXPECT_EQ(view.DisplayDate().day, 2);
        EXPECT_EQ(dayTexts[1], "2 April 2026 C.E.") << (step.byTimer ? "timer" : "restore date");
        clock_.now = MakeDate(2026, 3, 20);
    }
}

TEST_F(MainWindow, SetDisplayDateKeepsTheTimeOfDay)
{
    clock_.now.hour = 9;
    clock_.now.minute = 41;
    CMainFrame& frame = OpenFrame(); // the first paint takes the clock's date and time
    DateRecord chosen = MakeDate(2026, 2, 2);
    chosen.hour = 3;
    frame.View().SetDisplayDate(chosen);
    EXPECT_EQ(frame.View().DisplayDate().day, 2);
    EXPECT_EQ(frame.View().DisplayDate().month, 2);
    EXPECT_EQ(frame.View().DisplayDate().hour, 9);
    EXPECT_EQ(frame.View().DisplayDate().minute, 41);
}

TEST_F(MainWindow, MissingCityIsReportedOnceAcrossTicksAndAgainForANewName)
{
    WriteSetting("CityName", "Atlantis");
    OpenFrame();
    for (int tick = 0; tick < 5; ++tick)
        Tick();
    frame_->View().Refresh();
    ProcessPendingMessages();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"City is not found in database"});
    EXPECT_EQ(dayTexts[0], "Atlantis");
    EXPECT_EQ(dayTexts[1], "20 March 2026 C.E.");
    EXPECT_EQ(dayTexts[2], "1 Shawwal 1447 A.H.");
    for (int i = 3; i < 9; ++i)
        EXPECT_EQ(dayTexts[static_cast<std::size_t>(i)], "--:--");

    // The dial shows no needle: nothing painted in the text colour there.
    const Picture picture = frame_->View().Snapshot();
    for (int y = 20; y < 84; ++y)
        for (int x = 150; x < 214; ++x)
            ASSERT_NE(picture.Pixel(x, y), screenColours.text) << x << "," << y;

    WriteSetting("CityName", "Lemuria");
    Tick();
    Tick();
    ProcessPendingMessages();
    EXPECT_EQ(Boxes().size(), 2u);

    // Found again, then lost again: worth telling again.
    WriteSetting("CityName", "Seattle, WA");
    Tick();
    WriteSetting("CityName", "Lemuria");
    Tick();
    ProcessPendingMessages();
    EXPECT_EQ(Boxes().size(), 3u);
}

// A box opened inside the paint let the next tick repaint into the running
// paint (a recursive repaint, then a crash). The box must wait until the
// paint is over, and a tick while it is open must still repaint the day.
TEST_F(MainWindow, MissingCityBoxOpensAfterThePaintAndTicksStillRepaintUnderIt)
{
    OpenFrame();
    CPrayerView& view = frame_->View();
    std::vector<const CWnd*> owners;
    std::string dateAfterTickUnderBox;
    std::vector<std::string> recorded;
    SetMessageBoxSink(
        [&](CWnd* owner, const std::string& text)
        {
            recorded.push_back(text);
            owners.push_back(owner);
            clock_.now = MakeDate(2026, 4, 2);
            Tick();
            dateAfterTickUnderBox = dayTexts[1];
        });

    WriteSetting("CityName", "Atlantis");
    Tick();
    EXPECT_EQ(dayTexts[0], "Atlantis");
    EXPECT_TRUE(recorded.empty()) << "a box opened inside the paint";
    ProcessPendingMessages();
    ASSERT_EQ(recorded, std::vector<std::string>{"City is not found in database"});
    EXPECT_EQ(owners[0], &view);
    EXPECT_EQ(dateAfterTickUnderBox, "2 April 2026 C.E.");
    clock_.now = MakeDate(2026, 3, 20);
}

// Every command of the menu has its window or action; About is the
// application object's (tests/shell/prayer_app_test.cpp), which this
// fixture's application lacks.
TEST_F(MainWindow, OnlyCommandsWithAHandlerAreEnabled)
{
    CMainFrame& frame = OpenFrame();
    EXPECT_EQ(frame.GetWindowText(), "Halvo Tavorin");
    for (const MenuPopupResource& popup : FindMenu(IDR_MAINFRAME).popups)
    {
        for (const MenuItemResource& item : popup.items)
        {
            if (item.id == 0 || item.id == ID_APP_ABOUT)
                continue;
            EXPECT_TRUE(frame.IsMenuItemEnabled(item.id)) << item.text;
        }
    }
    EXPECT_FALSE(frame.IsMenuItemEnabled(ID_APP_ABOUT));
}

// A minimised, hidden or covered window is not painted, yet the Adhan check
// reads the day's times after every tick: the tick computes the day itself.
TEST_F(MainWindow, TickComputesTheDayWhileTheWindowIsHidden)
{
    CMainFrame& frame = OpenFrame();
    frame.ShowWindow(false);
    clock_.now = MakeDate(2026, 6, 21);
    Tick();
    EXPECT_EQ(dayTexts[kGregorianDateText], "21 June 2026 C.E.");
    WindowMessages messages(nullptr);
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);

    // A paint of its own (shown again, exposed) reads the stores afresh: only
    // the paint inside a refresh takes the day the refresh just computed.
    WriteSetting("CityName", "Atlantis");
    frame.ShowWindow(true);
    frame.View().Snapshot();
    EXPECT_EQ(dayTexts[kLocationText], "Atlantis");
    clock_.now = MakeDate(2026, 3, 20);
}

TEST_F(MainWindow, DisplayDateCarriesItsOwnDayOfTheWeek)
{
    CMainFrame& frame = OpenFrame();
    DateRecord chosen = MakeDate(2004, 10, 15); // a Friday
    chosen.dayOfWeek = 2;                       // whatever the caller left there
    frame.View().SetDisplayDate(chosen);
    EXPECT_EQ(frame.View().DisplayDate().dayOfWeek, 5);
}

// The Asr school chosen in its dialog reaches the display at once; Cancel
// changes nothing.
TEST_F(MainWindow, AsrMethodCommandStoresTheSchoolAndRecomputes)
{
    OpenFrame();
    const std::string shafiAsr = dayTexts[kAsrText];
    Command(ID_SETTINGS_ASR_METHOD, {[](testing::DialogHarness& dialog)
                                     {
                                         dialog.SelectText(IDC_ASR_SCHOOL, "Hanafi");
                                         dialog.Cancel();
                                     }});
    EXPECT_EQ(ReadSetting("AsrMethod"), "Shafi");
    EXPECT_EQ(dayTexts[kAsrText], shafiAsr);

    Command(ID_SETTINGS_ASR_METHOD, {[](testing::DialogHarness& dialog)
                                     {
                                         dialog.SelectText(IDC_ASR_SCHOOL, "Hanafi");
                                         dialog.OK();
                                     }});
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_ASR_METHOD, IDD_ASR_METHOD}));
    EXPECT_EQ(ReadSetting("AsrMethod"), "Hanafi");
    WindowMessages messages(nullptr);
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);
    EXPECT_NE(dayTexts[kAsrText], shafiAsr);
}

TEST_F(MainWindow, ExitClosesTheMainWindow)
{
    CMainFrame& frame = OpenFrame();
    app_.m_pMainWnd = &frame;
    frame.SendCommand(ID_FILE_EXIT);
    EXPECT_FALSE(frame.IsWindowVisible());
    app_.m_pMainWnd = nullptr;
}

TEST_F(MainWindow, FeastReminderSpeaksOnceAtCreation)
{
    // 20 March 2026 is 1 Shawwal 1447 by the engine.
    WriteRegistryNumber("Feast", "Feast", 1);
    WriteRegistryNumber("Feast", "NumDays", 0);
    OpenFrame();
    Tick();
    Tick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Happy Feast: Eid Al Fitr is today"});
}

TEST_F(MainWindow, SecondStartBringsTheFirstForwardAndEnds)
{
    OpenFrame();
    frame_->ShowWindow(false);
    SingleInstance first;
    ASSERT_TRUE(first.Claim([this] { frame_->PostMessage(WM_BRING_FORWARD); }));

    // The same data folder, so the same program: it must only knock and go.
    const int status = std::system("timeout 20 " HALVO_TAVORIN_EXE);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (int wait = 0; wait < 100 && !frame_->IsWindowVisible(); ++wait)
        ProcessMessagesFor(20);
    EXPECT_TRUE(frame_->IsWindowVisible());
}

// The date tools, the feasts and the sky windows from the File menu.

// The applied day shows until the next tick; Cancel leaves the display as
// it was.
TEST_F(MainWindow, ChangeDateShowsTheAppliedDayUntilTheNextTick)
{
    OpenFrame();
    Command(ID_FILE_CHANGE_DATE, {[](testing::DialogHarness& dialog)
                                  {
                                      dialog.SelectText(IDC_GREG_YEAR, "2000");
                                      dialog.Cancel();
                                  }});
    EXPECT_EQ(dayTexts[kGregorianDateText], "20 March 2026 C.E.");

    Command(ID_FILE_CHANGE_DATE, {[](testing::DialogHarness& dialog)
                                  {
                                      dialog.SelectText(IDC_HIJRI_YEAR, "1425");
                                      dialog.SelectText(IDC_HIJRI_MONTH, "Ramadan");
                                      EXPECT_EQ(dialog.Text(IDC_GREG_DAY), "15");
                                      EXPECT_EQ(dialog.Text(IDC_GREG_MONTH), "October");
                                      EXPECT_EQ(dialog.Text(IDC_GREG_YEAR), "2004");
                                      dialog.OK();
                                  }});
    EXPECT_EQ(dayTexts[kGregorianDateText], "15 October 2004 C.E.");
    EXPECT_EQ(dayTexts[kHijriDateText], "1 Ramadan 1425 A.H.");
    Tick();
    EXPECT_EQ(dayTexts[kGregorianDateText], "20 March 2026 C.E.");
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_DATE_SETTINGS, IDD_DATE_SETTINGS}));
}

// Greg To Hijri opens on the day the display shows, not on today.
TEST_F(MainWindow, GregToHijriStartsAtTheDisplayedDay)
{
    OpenFrame();
    frame_->View().SetDisplayDate(MakeDate(2004, 10, 15));
    std::string opened;
    std::string picked;
    Command(ID_FILE_GREG_TO_HIJRI,
            {[&](testing::DialogHarness& dialog)
             {
                 auto& hijri = static_cast<CTodayInHijriDlg&>(dialog.Dialog());
                 opened = dialog.Text(IDC_GREG_DATE) + " " + hijri.ResultLine();
                 dialog.PickDay(IDC_GREG_DATE, 2000, 1, 1);
                 picked = hijri.ResultLine();
                 dialog.OK();
             }});
    EXPECT_EQ(opened, "15-Oct-2004 1 Ramadan 1425 A.H.");
    EXPECT_EQ(picked, "24 Ramadan 1420 A.H.");
    EXPECT_EQ(dayTexts[kGregorianDateText], "15 October 2004 C.E.");
}

TEST_F(MainWindow, FileCommandsOpenTheirWindows)
{
    OpenFrame();
    const std::pair<int, int> commands[] = {
        {ID_FILE_HIJRI_TO_GREG, IDD_HIJRI_TO_GREG},
        {ID_FILE_ISLAMIC_FEASTS, IDD_FEASTS},
        {ID_FILE_QIBLA_DIRECTION, IDD_QIBLA},
        {ID_FILE_MOON_PHASE, IDD_MOON_PHASE},
    };
    std::vector<int> expected;
    for (const auto& [command, dialog] : commands)
    {
        Command(command, {[](testing::DialogHarness&) {}}); // left open: cancelled
        expected.push_back(dialog);
    }
    EXPECT_EQ(Opened(), expected);
    EXPECT_TRUE(Boxes().empty());
}

// The six times of "tavorin times" for a stored city on a date, in minutes
// after midnight, read from its text lines ("Zuhr     1:16 PM").
std::vector<int> TavorinMinutes(const std::string& city, const std::string& date)
{
    const std::string command = std::string(HALVO_TAVORIN_CLI) + " times --city '" + city +
                                "' --date " + date + " 2>/dev/null";
    std::vector<int> minutes;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return minutes;
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr)
    {
        int hour = 0, minute = 0;
        char name[32], half[3];
        if (std::sscanf(line, "%31s %d:%d %2s", name, &hour, &minute, half) == 4)
            minutes.push_back((hour % 12 + (half[0] == 'P' ? 12 : 0)) * 60 + minute);
    }
    ::pclose(pipe);
    return minutes;
}

void ChooseCairo(testing::DialogHarness& dialog)
{
    dialog.SelectText(IDC_REGION, "Africa");
    dialog.SelectText(IDC_COUNTRIES, "Egypt");
    dialog.SelectText(IDC_CITIES, "Cairo");
}

// OK stores the chosen city and the display shows it at once; Cancel keeps
// the city, and the display is refreshed all the same.
TEST_F(MainWindow, SelectLocationStoresTheChosenCityAndRefreshesTheDisplay)
{
    OpenFrame();
    WriteSetting("AsrMethod", "Hanafi"); // behind the display's back
    Command(ID_LOCATION_SELECT, {[](testing::DialogHarness& dialog)
                                 {
                                     ChooseCairo(dialog);
                                     dialog.Cancel();
                                 }});
    WindowMessages messages(nullptr);
    EXPECT_EQ(ReadSetting("CityName"), "Seattle, WA");
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);

    Command(ID_LOCATION_SELECT, {[](testing::DialogHarness& dialog)
                                 {
                                     dialog.PressAt(133, 40); // Africa, where Cairo lies
                                     dialog.SelectText(IDC_COUNTRIES, "Egypt");
                                     dialog.SelectText(IDC_CITIES, "Cairo");
                                     dialog.OK();
                                 }});
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_SELECT_LOCATION, IDD_SELECT_LOCATION}));
    EXPECT_EQ(ReadSetting("CityName"), "Cairo");
    EXPECT_EQ(dayTexts[kLocationText], "Cairo");
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);
    EXPECT_TRUE(Boxes().empty());

    // A city the store does not take is said in the dialog, which stays
    // open on it; the display keeps the city that is stored.
    bool endedWhileLocked = true;
    Command(ID_LOCATION_SELECT, {[&](testing::DialogHarness& dialog)
                                 {
                                     dialog.SelectText(IDC_REGION, "North America");
                                     dialog.SelectText(IDC_COUNTRIES, "USA");
                                     dialog.SelectText(IDC_CITIES, "Seattle, WA");
                                     testing::WriteLockHeld lock(DatabaseFile());
                                     endedWhileLocked = dialog.OK();
                                 }});
    EXPECT_FALSE(endedWhileLocked);
    EXPECT_EQ(Boxes(), std::vector<std::string>{kSettingsNotWrittenMessage});
    EXPECT_EQ(ReadSetting("CityName"), "Cairo");
    EXPECT_EQ(dayTexts[kLocationText], "Cairo");
}

// The city to edit is chosen first; cancelling that opens no city dialog,
// and editing changes the city without choosing it.
TEST_F(MainWindow, EditLocationEditsTheCityChosenFirst)
{
    OpenFrame();
    Command(ID_LOCATION_EDIT, {[](testing::DialogHarness& dialog) { dialog.Cancel(); }});
    EXPECT_EQ(Opened(), std::vector<int>{IDD_SELECT_LOCATION});

    std::string shownName;
    Command(ID_LOCATION_EDIT, {[](testing::DialogHarness& dialog)
                               {
                                   ChooseCairo(dialog);
                                   dialog.OK();
                               },
                               [&](testing::DialogHarness& dialog)
                               {
                                   shownName = dialog.Text(IDC_CITY_NAME);
                                   dialog.Type(IDC_LATITUDE, "30.1");
                                   dialog.OK();
                               }});
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_SELECT_LOCATION, IDD_SELECT_LOCATION, IDD_ADD_CITY}));
    EXPECT_EQ(shownName, "Cairo");
    EXPECT_EQ(ReadCity("Cairo")->latitude, "3010");
    EXPECT_EQ(ReadSetting("CityName"), "Seattle, WA");
}

// A city added by hand can be chosen, is protected while it is the current
// city, and can be deleted once it is not.
TEST_F(MainWindow, AddedCityCanBeChosenAndLaterDeleted)
{
    OpenFrame();
    Command(ID_LOCATION_ADD, {[](testing::DialogHarness& dialog)
                              {
                                  dialog.Type(IDC_CITY_NAME, "Oasis (Siwa)");
                                  dialog.Type(IDC_COUNTRY_NAME, "egypt");
                                  dialog.Type(IDC_LONGITUDE, "25.52");
                                  dialog.Type(IDC_LATITUDE, "29.2");
                                  dialog.OK();
                              }});
    ASSERT_TRUE(ReadCity("Oasis (Siwa)"));
    EXPECT_EQ(ReadCity("Oasis (Siwa)")->country, "Egypt");
    Command(ID_LOCATION_SELECT, {[](testing::DialogHarness& dialog)
                                 {
                                     dialog.SelectText(IDC_COUNTRIES, "Egypt");
                                     dialog.SelectText(IDC_CITIES, "Oasis (Siwa)");
                                     dialog.OK();
                                 }});
    EXPECT_EQ(dayTexts[kLocationText], "Oasis (Siwa)");
    EXPECT_NE(dayTexts[kFajrText], "--:--");

    const auto deleteOasis = [](testing::DialogHarness& dialog)
    {
        dialog.SelectText(IDC_DELETE_CITIES, "Oasis (Siwa) (Egypt)");
        dialog.OK();
    };
    Command(ID_LOCATION_DELETE, {deleteOasis});
    EXPECT_EQ(Boxes(), std::vector<std::string>{
                           "Sorry, This is your current location, it can't be deleted"});
    EXPECT_TRUE(ReadCity("Oasis (Siwa)"));

    WriteSetting("CityName", "Cairo");
    Command(ID_LOCATION_DELETE, {deleteOasis});
    EXPECT_FALSE(ReadCity("Oasis (Siwa)"));
    EXPECT_EQ(Boxes().size(), 1u);
}

// Daylight saving switched on for India's zone from April to October: the
// display moves at once, "tavorin times" in July shows every time an hour
// later, and no other zone changes.
TEST_F(MainWindow, EditTimezonesMovesTheTimesOfThatZonesCities)
{
    WriteSetting("CityName", "New Delhi");
    clock_.now = MakeDate(2026, 7, 1);
    OpenFrame();
    const DayTexts before = dayTexts;
    const std::vector<int> tavorinBefore = TavorinMinutes("Delhi", "2026-07-01");
    ASSERT_EQ(tavorinBefore.size(), 6u);
    const std::vector<int> januaryBefore = TavorinMinutes("Delhi", "2026-01-15");
    const std::vector<TimeZoneRecord> zonesBefore = ReadAllTimeZones();

    Command(ID_SETTINGS_EDIT_TIMEZONES, {[](testing::DialogHarness& dialog)
                                         {
                                             dialog.Select(IDC_START_MONTH, 4);
                                             dialog.Select(IDC_START_DAY_OF_WEEK, 0);
                                             dialog.Select(IDC_START_OCCURRENCE, 1);
                                             dialog.Select(IDC_END_MONTH, 10);
                                             dialog.Select(IDC_END_DAY_OF_WEEK, 0);
                                             dialog.Select(IDC_END_OCCURRENCE, 5);
                                             dialog.OK();
                                         }});
    EXPECT_NE(dayTexts[kZuhrText], before[kZuhrText]);
    WindowMessages messages(nullptr);
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);

    const std::vector<int> tavorinAfter = TavorinMinutes("Delhi", "2026-07-01");
    ASSERT_EQ(tavorinAfter.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(tavorinAfter[k] - tavorinBefore[k], 60) << k;
    // In January, outside the new daylight period, nothing moves.
    EXPECT_EQ(TavorinMinutes("Delhi", "2026-01-15"), januaryBefore);

    const std::vector<TimeZoneRecord> zonesAfter = ReadAllTimeZones();
    ASSERT_EQ(zonesAfter.size(), zonesBefore.size());
    const std::int32_t india = ReadCity("New Delhi")->zoneId;
    for (std::size_t k = 0; k < zonesAfter.size(); ++k)
    {
        const bool changed = zonesAfter[k].start.month != zonesBefore[k].start.month ||
                             zonesAfter[k].end.month != zonesBefore[k].end.month ||
                             zonesAfter[k].end.occurrence != zonesBefore[k].end.occurrence;
        EXPECT_EQ(changed, zonesAfter[k].id == india) << zonesAfter[k].standardName;
    }
    clock_.now = MakeDate(2026, 3, 20);
}

// The convention chosen in its dialog reaches the display at once; a new
// convention is added without being selected.
TEST_F(MainWindow, ConventionCommandsSelectAndAdd)
{
    OpenFrame();
    const std::string isnaFajr = dayTexts[kFajrText];
    Command(ID_SETTINGS_TWILIGHT_ANGLES, {[](testing::DialogHarness& dialog)
                                          {
                                              dialog.SelectText(IDC_CONVENTION,
                                                                "Um Ul-Qura, Makkah");
                                              dialog.OK();
                                          }});
    EXPECT_EQ(ReadSetting("FajrAngle"), "190");
    EXPECT_NE(dayTexts[kFajrText], isnaFajr);
    WindowMessages messages(nullptr);
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);

    Command(ID_SETTINGS_ADD_ANGLES, {[](testing::DialogHarness& dialog)
                                     {
                                         dialog.Type(IDC_METHOD_NAME, "Frame Test Method");
                                         dialog.Type(IDC_FAJR_ANGLE, "16");
                                         dialog.Type(IDC_ISHA_ANGLE, "14");
                                         dialog.OK();
                                     }});
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_TWILIGHT_CONVENTIONS, IDD_ADD_TWILIGHT_ANGLES}));
    EXPECT_TRUE(FindConvention("Frame Test Method"));
    EXPECT_EQ(ReadSetting("KQMethod"), "Um Ul-Qura, Makkah");
    ASSERT_TRUE(SelectConvention("Islamic Society of North America"));
}

// Seattle's Maghrib on 20 March 2026 is 7:21 PM. With the Adhan switched on
// in its dialog, the ticks of that minute sound it once, and a click or a
// key in the main window stops it.
TEST_F(MainWindow, SetAdhanThenTheTicksAtMaghribSoundItOnceAndAKeyStopsIt)
{
    clock_.now.hour = 19;
    clock_.now.minute = 20;
    OpenFrame();
    EXPECT_EQ(timer_.cancels, 1); // off at start: our waiting start is withdrawn
    EXPECT_TRUE(timer_.requests.empty());
    Command(ID_SETTINGS_ADHAN, {[](testing::DialogHarness& dialog)
                                {
                                    dialog.Click(IDC_ADHAN_ON);
                                    dialog.Click(IDC_ADHAN_MAGHRIB);
                                    dialog.SelectText(IDC_ADHAN_REPEAT, "2");
                                    dialog.SelectText(IDC_ADHAN_SOUND, "Alarm1");
                                    dialog.OK();
                                }});
    EXPECT_EQ(Opened(), std::vector<int>{IDD_SET_ADHAN});
    EXPECT_TRUE(adhanSwitches.enabled && adhanSwitches.maghrib);

    Tick();
    ASSERT_EQ(timer_.requests.size(), 1u);
    EXPECT_EQ(timer_.requests[0].hour, 19);
    EXPECT_EQ(timer_.requests[0].minute, 21);
    EXPECT_TRUE(player_.played.empty());

    clock_.now.minute = 21;
    for (const int second : {0, 20, 40})
    {
        clock_.now.second = static_cast<std::uint16_t>(second);
        Tick();
    }
    using Played = testing::RecordingPlayer::Played;
    EXPECT_EQ(player_.played, (std::vector<Played>{{WindowsFolder() / "Alarm1.wav", 2}}));
    EXPECT_EQ(notifier_.shown, std::vector<std::string>{"Maghrib 7:21 PM, Seattle, WA"});
    ASSERT_EQ(timer_.requests.size(), 2u);
    EXPECT_EQ(timer_.requests[1].hour, 20); // Isha, 8:46 PM
    EXPECT_EQ(timer_.requests[1].minute, 46);

    testing::PressKeyOnWindow(frame_->View(), KeyCode::kOther);
    EXPECT_FALSE(player_.playing);
    EXPECT_EQ(player_.stops, 1);
    EXPECT_EQ(notifier_.withdrawn, 1);

    // The next day's Maghrib, then a click on the display stops it.
    clock_.now = MakeDate(2026, 3, 21);
    Tick();
    int hour = 0, minute = 0;
    ParseTimeText(dayTexts[kMaghribText], hour, minute);
    clock_.now.hour = static_cast<std::uint16_t>(hour);
    clock_.now.minute = static_cast<std::uint16_t>(minute);
    clock_.now.second = 59; // past the computed second, whatever it is
    Tick();
    ASSERT_EQ(player_.played.size(), 2u);
    testing::PressOnWindow(frame_->View(), 120, 230);
    EXPECT_FALSE(player_.playing);
    EXPECT_EQ(player_.stops, 2);
    // With nothing playing a key changes nothing.
    testing::PressKeyOnWindow(frame_->View(), KeyCode::kEscape);
    EXPECT_EQ(player_.stops, 2);
    clock_.now = MakeDate(2026, 3, 20);
}

// A program the system starts at a prayer minute, after its computed
// second, sounds at once, before the first tick.
TEST_F(MainWindow, StartedAtAPrayerMinuteSoundsBeforeTheFirstTick)
{
    adhanSwitches = AdhanSwitches{true, false, false, false, true, false};
    clock_.now.hour = 19;
    clock_.now.minute = 21;
    clock_.now.second = 59;
    OpenFrame();
    EXPECT_EQ(player_.played.size(), 1u);
    Tick();
    EXPECT_EQ(player_.played.size(), 1u);
    EXPECT_EQ(timer_.cancels, 0);
    clock_.now = MakeDate(2026, 3, 20);
}

// The Adhan starts at the prayer's computed second, not at the first tick
// of its minute; the check reads the times the tick computed for today,
// whatever day the display shows meanwhile. Each case moves the clock and
// fires the frame's timers by hand.
TEST_F(MainWindow, AdhanStartsAtTheComputedSecondAndToleratesSleepAndJumps)
{
    WindowMessages messages(nullptr);
    const PrayerMoment maghrib = ComputeDay(clock_.now, messages).moments[kMaghrib];
    const PrayerMoment isha = ComputeDay(clock_.now, messages).moments[kIsha];
    ASSERT_TRUE(maghrib.hasTime && isha.hasTime);
    ASSERT_EQ(maghrib.shownMinute, 19 * 60 + 21); // 7:21 PM
    ASSERT_GT(maghrib.computedMs % kMsPerMinute, 1000) << "needs a second past the minute";
    auto at = [this](std::int64_t ms)
    {
        clock_.now = MakeDate(2026, 3, 20);
        clock_.now.hour = static_cast<std::uint16_t>(ms / 3600000);
        clock_.now.minute = static_cast<std::uint16_t>(ms / kMsPerMinute % 60);
        clock_.now.second = static_cast<std::uint16_t>(ms / 1000 % 60);
        clock_.now.milliseconds = static_cast<std::uint16_t>(ms % 1000);
    };
    auto fireStart = [this]
    {
        ASSERT_TRUE(frame_->HasTimer(kAdhanStartTimerId));
        frame_->Dispatch(Message::Timer, MessageArgs{.id = static_cast<int>(kAdhanStartTimerId)});
    };
    const std::int64_t maghribMinute = maghrib.shownMinute * kMsPerMinute;
    adhanSwitches = AdhanSwitches{true, true, false, false, true, true};
    at(maghribMinute - 30000);
    OpenFrame();

    // The first tick of the minute waits; a timer that comes early waits
    // again; at the computed second it sounds, once.
    at(maghribMinute);
    Tick();
    EXPECT_TRUE(player_.played.empty());
    at(maghrib.computedMs - 1);
    fireStart();
    EXPECT_TRUE(player_.played.empty());
    // A day chosen by hand and painted does not move the Adhan's day.
    frame_->View().SetDisplayDate(MakeDate(2026, 7, 1));
    dayTexts[kMaghribText] = "19:21";
    at(maghrib.computedMs);
    fireStart();
    EXPECT_EQ(player_.played.size(), 1u);
    EXPECT_FALSE(frame_->HasTimer(kAdhanStartTimerId));
    at(maghribMinute + 40000);
    Tick();
    EXPECT_EQ(player_.played.size(), 1u);

    // Asleep from before Isha's second until after its minute: the late
    // timer sounds nothing, and the next prayer's tick still works.
    const std::int64_t ishaMinute = isha.shownMinute * kMsPerMinute;
    at(ishaMinute);
    Tick();
    if (isha.computedMs > ishaMinute)
    {
        at(ishaMinute + kMsPerMinute + 5000);
        fireStart();
        EXPECT_EQ(player_.played.size(), 1u);
        EXPECT_FALSE(frame_->HasTimer(kAdhanStartTimerId));
    }
    // The next day's Fajr, reached by a jump of the clock and a second
    // start handing over: it sounds at once, without a tick.
    const std::size_t before = player_.played.size();
    clock_.now = MakeDate(2026, 3, 21);
    Tick();
    const PrayerMoment fajr = ComputeDay(clock_.now, messages).moments[kFajr];
    clock_.now.hour = static_cast<std::uint16_t>(fajr.shownMinute / 60);
    clock_.now.minute = static_cast<std::uint16_t>(fajr.shownMinute % 60);
    clock_.now.second = 59;
    frame_->PostMessage(WM_BRING_FORWARD);
    ProcessPendingMessages();
    EXPECT_EQ(player_.played.size(), before + 1);
    clock_.now = MakeDate(2026, 3, 20);
}

} // namespace
} // namespace halvo

namespace halvo
{
namespace
{

using testing::DialogHarness;
using testing::MainWindow;

class MainWindowColours : public MainWindow
{
  protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        pendingColourChoices = PendingColourChoices{};
    }
    void TearDown() override
    {
        pendingColourChoices = PendingColourChoices{};
        MainWindow::TearDown();
    }
};

// Preferences opens the palette from its button; the display takes the new
// background at its next full repaint, the tick's at the latest.
TEST_F(MainWindowColours, PreferencesStoresTheColourAndTheNextTickShowsIt)
{
    OpenFrame();
    Command(ID_SETTINGS_PREFERENCES, {[](DialogHarness& preferences)
                                      {
                                          preferences.ThenModal(
                                              [](DialogHarness& palette)
                                              {
                                                  palette.Select(IDC_PALETTE, 8); // RED
                                                  palette.OK();
                                              });
                                          preferences.Click(IDC_CHANGE_BACKGROUND);
                                          preferences.OK();
                                      }});
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_COLOR_PREFERENCES, IDD_COLOR_PALETTE}));
    EXPECT_EQ(ReadSetting("Bg"), "8");
    EXPECT_EQ(screenColours.background, 0x0000FFu);
    Tick();
    EXPECT_EQ(frame_->View().Snapshot().Pixel(2, 2), 0x0000FFu);
}

TEST_F(MainWindow, HelpMenuOpensInstructionsAndHelp)
{
    OpenFrame();
    Command(ID_HELP_INSTRUCTIONS);
    Command(ID_HELP_CONTENTS);
    EXPECT_EQ(Opened(), (std::vector<int>{IDD_INSTRUCTIONS, IDD_HELP}));
}

// The keys act without any menu item showing them.
TEST_F(MainWindow, F1OpensHelpAndCtrlQQuitsWithoutChangingTheMenu)
{
    CMainFrame& frame = OpenFrame();
    testing::PressShortcut(frame, "F1");
    EXPECT_EQ(Opened(), std::vector<int>{IDD_HELP});

    app_.m_pMainWnd = &frame;
    testing::PressShortcut(frame, "Ctrl+Q");
    EXPECT_FALSE(frame.IsWindowVisible());
    app_.m_pMainWnd = nullptr;

    const MenuResource& menu = FindMenu(IDR_MAINFRAME);
    for (const MenuPopupResource& popup : menu.popups)
        for (const MenuItemResource& item : popup.items)
            EXPECT_EQ(item.text.find('\t'), std::string::npos) << item.text;
}

// Ours, after the seed's items: the last of the Settings menu, behind a
// separator, on Ctrl+M; OK writes and the display recomputes at once.
TEST_F(MainWindow, CtrlMOpensCalculationOptionsAndOkRedrawsTheTimes)
{
    const MenuResource& menu = FindMenu(IDR_MAINFRAME);
    const auto settings =
        std::find_if(menu.popups.begin(), menu.popups.end(),
                     [](const MenuPopupResource& popup) { return popup.text == "&Settings"; });
    ASSERT_NE(settings, menu.popups.end());
    const auto& items = settings->items;
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items.back().text, "Calculation Options...");
    EXPECT_EQ(items.back().id, ID_SETTINGS_CALCULATION_OPTIONS);
    EXPECT_EQ(items[items.size() - 2].id, 0);

    CMainFrame& frame = OpenFrame();
    EXPECT_NE(dayTexts[kFajrText].find('M'), std::string::npos);
    bool seen = false;
    // The window runs its own modal loop: answer it once it is up.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout,
                     [&]
                     {
                         auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                         if (dialog == nullptr)
                             return;
                         answer.stop();
                         seen = dialog->windowTitle() == "Calculation Options";
                         auto* clock = dialog->findChild<QComboBox*>("clock");
                         clock->setCurrentIndex(clock->findData(QString("24")));
                         dialog->accept();
                     });
    answer.start(10);
    testing::PressShortcut(frame, "Ctrl+M");
    EXPECT_TRUE(seen);
    EXPECT_EQ(ReadSetting("Clock"), "24");
    EXPECT_EQ(dayTexts[kFajrText].size(), 5u) << dayTexts[kFajrText];
    EXPECT_EQ(dayTexts[kFajrText].find('M'), std::string::npos);
}

// Ours: the last of the Location menu, behind a separator, on Ctrl+F;
// typing a name and Enter make the city current and the display shows it.
TEST_F(MainWindow, CtrlFFindsACityByTypingAndEnterMakesItCurrent)
{
    const MenuResource& menu = FindMenu(IDR_MAINFRAME);
    const auto location =
        std::find_if(menu.popups.begin(), menu.popups.end(),
                     [](const MenuPopupResource& popup) { return popup.text == "Location"; });
    ASSERT_NE(location, menu.popups.end());
    const auto& items = location->items;
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items.back().text, "Find City...");
    EXPECT_EQ(items.back().id, ID_LOCATION_FIND_CITY);
    EXPECT_EQ(items[items.size() - 2].id, 0);

    CMainFrame& frame = OpenFrame();
    std::string title;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout,
                     [&]
                     {
                         auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                         if (dialog == nullptr)
                             return;
                         answer.stop();
                         title = dialog->windowTitle().toStdString();
                         auto* search = dialog->findChild<QLineEdit*>("search");
                         for (const QChar c : QString("toronto"))
                         {
                             QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                             QApplication::sendEvent(search, &key);
                         }
                         QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                         QApplication::sendEvent(search, &enter);
                     });
    answer.start(10);
    testing::PressShortcut(frame, "Ctrl+F");
    EXPECT_EQ(title, "Find City");
    EXPECT_EQ(ReadSetting("CityName"), "Toronto");
    EXPECT_EQ(dayTexts[kLocationText], "Toronto");
    WindowMessages messages(nullptr);
    EXPECT_EQ(dayTexts, ComputeDay(clock_.now, messages).texts);
}

// Ours too: the last File item before the separator above Exit, on
// Ctrl+T; it opens on the clock's month with today's row marked.
TEST_F(MainWindow, CtrlTOpensTheTimetableOnTodaysMonth)
{
    const MenuResource& menu = FindMenu(IDR_MAINFRAME);
    const auto& file = menu.popups.front().items;
    ASSERT_GE(file.size(), 3u);
    EXPECT_EQ(file.back().id, ID_FILE_EXIT);
    EXPECT_EQ(file[file.size() - 2].id, 0);
    EXPECT_EQ(file[file.size() - 3].text, "Timetable...");
    EXPECT_EQ(file[file.size() - 3].id, ID_FILE_TIMETABLE);

    CMainFrame& frame = OpenFrame();
    QString title;
    int todayRow = -2;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout,
                     [&]
                     {
                         auto* window =
                             dynamic_cast<TimetableWindow*>(QApplication::activeModalWidget());
                         if (window == nullptr)
                             return;
                         answer.stop();
                         title = window->windowTitle();
                         todayRow = window->TodayRow();
                         window->reject();
                     });
    answer.start(10);
    testing::PressShortcut(frame, "Ctrl+T");
    EXPECT_EQ(title, "Timetable");
    EXPECT_EQ(todayRow, clock_.now.day - 1);
}

TEST(PictureFit, ScalesUniformlyToTheSmallerSideAndCentres)
{
    struct Case
    {
        int width, height;
        double scale;
        int x, y;
    };
    for (const Case c :
         {Case{240, 268, 1.0, 0, 0}, Case{480, 536, 2.0, 0, 0}, Case{720, 536, 2.0, 120, 0},
          Case{480, 800, 2.0, 0, 132}, Case{360, 268, 1.0, 60, 0}, Case{1920, 1005, 3.75, 510, 0}})
    {
        const PictureFit fit = FitPicture(c.width, c.height);
        EXPECT_DOUBLE_EQ(fit.scale, c.scale) << c.width << "x" << c.height;
        EXPECT_EQ(fit.origin, (CPoint{c.x, c.y})) << c.width << "x" << c.height;
    }
}

// At twice the size every position of the picture is twice as far, and
// the texts are drawn at twice their height rather than left small.
TEST_F(MainWindow, ScaledWindowDrawsItsLinesAtTwiceThePositions)
{
    CMainFrame& frame = OpenFrame();
    frame.SetPaneSize(2 * kViewWidth, 2 * kViewHeight);
    ProcessPendingMessages();
    const Picture picture = frame.View().Snapshot();
    ASSERT_EQ(picture.Width(), 2 * kViewWidth);
    for (const int y : {100, 145})
    {
        for (const int x : {4, 240, 470})
            EXPECT_EQ(picture.Pixel(x, 2 * y), 0x000000u) << x << "," << 2 * y;
        EXPECT_NE(picture.Pixel(470, y), 0x000000u) << "the line stayed at " << y;
    }
    // "Seattle, WA" in the bold 12-pixel font at (30, 40): its ink now
    // reaches below y = 2 * (40 + 12) - 6, where the unscaled text ends.
    int lowestInk = 0;
    for (int y = 80; y < 120; ++y)
        for (int x = 60; x < 240; ++x)
            if (picture.Pixel(x, y) == screenColours.header)
                lowestInk = y;
    EXPECT_GT(lowestInk, 2 * 52 - 6);

    // Wider than the picture: centred, the background on both sides.
    frame.SetPaneSize(2 * kViewWidth + 240, 2 * kViewHeight);
    ProcessPendingMessages();
    const Picture wide = frame.View().Snapshot();
    EXPECT_EQ(wide.Pixel(110, 200), 0xFFFFFFu);
    EXPECT_EQ(wide.Pixel(130, 200), 0x000000u);
    EXPECT_EQ(wide.Pixel(600 + 10, 200), 0xFFFFFFu);
}

// Between runs the window keeps its size and place, in registry values of
// its own; values no run could have written are ignored.
TEST_F(MainWindow, WindowPlacementIsRestoredFromTheRegistry)
{
    CMainFrame& frame = OpenFrame();
    WindowPlacement placement;
    placement.normal = CRect{40, 30, 40 + 500, 30 + 420};
    frame.SetWindowPlacement(placement);
    ProcessPendingMessages();
    SaveFramePlacement(frame);
    frame_.reset();

    CMainFrame& again = OpenFrame();
    ASSERT_TRUE(RestoreFramePlacement(again));
    ProcessPendingMessages();
    const WindowPlacement restored = again.GetWindowPlacement();
    EXPECT_EQ(restored.normal.Width(), 500);
    EXPECT_EQ(restored.normal.Height(), 420);
    EXPECT_EQ(restored.normal.left, 40);
    EXPECT_EQ(restored.normal.top, 30);
    EXPECT_FALSE(restored.maximized);

    WriteRegistryNumber("Window", "Width", 0);
    EXPECT_FALSE(RestoreFramePlacement(again));
    WriteRegistryNumber("Window", "Width", 500);
    WriteRegistryNumber("Window", "Left", 0x7FFFFFF0u);
    EXPECT_FALSE(RestoreFramePlacement(again));
    WriteRegistryNumber("Window", "Left", static_cast<std::uint32_t>(-30));
    EXPECT_TRUE(RestoreFramePlacement(again));
}

} // namespace
} // namespace halvo
