// Screen readers and the keyboard in every window the program opens: each
// dialog as the class the program opens it with (the screenshot catalogue's
// list), and the main display.

#include "platform/ui/accessibility.h"
#include "platform/ui/framework_impl.h"
#include "shell/prayer_view_accessible.h"
#include "shell/screenshot_catalog.h"
#include "tests/support/main_window_fixture.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace halvo::testing
{
namespace
{

bool IsButton(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton;
}

bool IsStatic(ControlKind kind)
{
    return kind == ControlKind::StaticText || kind == ControlKind::StaticPicture;
}

// Each shot's dialog, built and painted once, with the work of its picture.
void ForEveryShot(CMainFrame& frame,
                  const std::function<void(const DialogShot&, DialogHarness&)>& check)
{
    for (const DialogShot& shot : DialogShots())
    {
        SCOPED_TRACE(shot.file);
        std::unique_ptr<CDialog> dialog = shot.make(frame);
        DialogHarness harness(*dialog);
        if (shot.prepare)
            shot.prepare(harness);
        harness.Snapshot();
        check(shot, harness);
    }
}

TEST_F(MainWindow, EveryControlOfEveryDialogHasAName)
{
    CMainFrame& frame = OpenFrame();
    ForEveryShot(frame,
                 [](const DialogShot&, DialogHarness& harness)
                 {
                     for (const ControlTemplate& control : harness.Dialog().Template().controls)
                     {
                         if (control.id == IDC_STATIC || IsStatic(control.kind))
                             continue;
                         const std::string name = AccessibleName(harness.Dialog(), control.id);
                         if (IsButton(control.kind))
                             EXPECT_EQ(name, control.text) << control.id;
                         else
                             EXPECT_FALSE(name.empty()) << control.id;
                     }
                 });
}

// The caption painted beside a control names it: the one a person reads.
TEST_F(MainWindow, ControlsAreNamedByThePaintedCaptionBesideThem)
{
    struct Expected
    {
        int dialog;
        int control;
        const char* name;
    };
    const Expected expected[] = {
        {IDD_ADD_CITY, IDC_CITY_NAME, "City Name"},
        {IDD_ADD_CITY, IDC_COUNTRY_NAME, "Country Name"},
        {IDD_ADD_CITY, IDC_LATITUDE, "Latitude"},
        {IDD_ADD_CITY, IDC_CITY_ZONE, "Timezone"},
        {IDD_SET_ADHAN, IDC_ADHAN_FAJR, "Fajr"},
        {IDD_SET_ADHAN, IDC_ADHAN_MAGHRIB, "Maghrib"},
        {IDD_SET_ADHAN, IDC_ADHAN_ON, "Adhan Sound ON/OFF"},
        {IDD_SET_ADHAN, IDC_ADHAN_REPEAT, "Repeat Adhan"},
        {IDD_SET_ADHAN, IDC_ADHAN_SOUND, "Alarm/Adhan"},
        {IDD_DELETE_CITY, IDC_DELETE_CITIES, "Select City:"},
        {IDD_DATE_SETTINGS, IDC_GREG_YEAR, "Select Year"},
        {IDD_DATE_SETTINGS, IDC_HIJRI_MONTH, "Select Month"},
        {IDD_EDIT_TIMEZONE, IDC_ZONE, "Timezone Name"},
        {IDD_EDIT_TIMEZONE, IDC_END_DAY_OF_WEEK, "DayofWeek"},
        {IDD_MOON_PHASE, IDC_MOON_DATE, "Date:"},
        {IDD_TODAY_IN_HIJRI, IDC_GREG_DATE, "Gregorean Date:"},
        {IDD_HIJRI_TO_GREG, IDC_HIJRI_YEAR, "Hijri Year"},
        {IDD_TWILIGHT_CONVENTIONS, IDC_CONVENTION, "Fajr/Isha"},
        {IDD_TWILIGHT_CONVENTIONS, IDC_ISHA_ANGLE, "Isha Angle"},
        {IDD_ADD_TWILIGHT_ANGLES, IDC_METHOD_NAME, "Method Name"},
        {IDD_ASR_METHOD, IDC_ASR_SCHOOL, "Asr Method"},
        {IDD_REMIND_ME, IDC_REMINDER_CHECK, "Feast Reminder ON/OFF"},
        {IDD_REMIND_ME, IDC_REMIND_DAYS, "Remind me"},
    };
    std::map<std::pair<int, int>, std::string> found;
    CMainFrame& frame = OpenFrame();
    ForEveryShot(frame,
                 [&found, &expected](const DialogShot& shot, DialogHarness& harness)
                 {
                     for (const Expected& e : expected)
                         if (e.dialog == shot.id &&
                             !found.contains(std::make_pair(e.dialog, e.control)))
                             found[std::make_pair(e.dialog, e.control)] =
                                 AccessibleName(harness.Dialog(), e.control);
                 });
    for (const Expected& e : expected)
        EXPECT_EQ(found[std::make_pair(e.dialog, e.control)], e.name)
            << e.dialog << " " << e.control;
}

// Tab goes from the top down and, on one row, from the left: it never
// climbs back to a control higher up.
TEST_F(MainWindow, TabFollowsTheLayoutInEveryDialog)
{
    CMainFrame& frame = OpenFrame();
    ForEveryShot(frame,
                 [](const DialogShot&, DialogHarness& harness)
                 {
                     std::map<int, const ControlTemplate*> byId;
                     std::set<int> focusable;
                     for (const ControlTemplate& control : harness.Dialog().Template().controls)
                     {
                         byId[control.id] = &control;
                         if (control.id != IDC_STATIC && !IsStatic(control.kind))
                             focusable.insert(control.id);
                     }
                     const std::vector<int> order = TabOrder(harness.Dialog());
                     EXPECT_EQ(std::set<int>(order.begin(), order.end()), focusable);
                     for (std::size_t i = 1; i < order.size(); ++i)
                     {
                         const ControlTemplate& before = *byId[order[i - 1]];
                         const ControlTemplate& after = *byId[order[i]];
                         const bool sameRow = std::abs(after.y - before.y) <= 3;
                         EXPECT_TRUE(sameRow ? after.x > before.x : after.y > before.y)
                             << before.id << " then " << after.id;
                     }
                 });
}

TEST_F(MainWindow, SetAdhanTabsRowByRow)
{
    OpenFrame();
    ForEveryShot(*frame_,
                 [](const DialogShot& shot, DialogHarness& harness)
                 {
                     if (shot.file != "set-adhan")
                         return;
                     EXPECT_EQ(TabOrder(harness.Dialog()),
                               (std::vector<int>{IDC_ADHAN_FAJR, IDC_ADHAN_ZUHR, IDC_ADHAN_ASR,
                                                 IDC_ADHAN_MAGHRIB, IDC_ADHAN_ISHA, IDC_ADHAN_ALL,
                                                 IDC_ADHAN_ON, IDC_ADHAN_REPEAT, IDC_ADHAN_SOUND,
                                                 IDC_TEST_SOUND, IDOK, IDCANCEL}));
                 });
}

// A key as the window system delivers it: to the control that has the focus.
void PressOnFocus(CDialog& dialog, int key)
{
    QWidget* window = dialog.impl().widget.data();
    QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(focus, &press);
    ProcessPendingMessages();
}

struct Outcome
{
    bool ended = false;
    int result = 0;
    std::vector<std::string> messages;
    bool operator==(const Outcome&) const = default;
};

// Enter does what a click on the default button does, Escape what Cancel
// does (a dialog without Cancel closes), wherever the focus starts.
TEST_F(MainWindow, EnterIsTheDefaultButtonAndEscapeCancelsInEveryDialog)
{
    CMainFrame& frame = OpenFrame();
    for (const DialogShot& shot : DialogShots())
    {
        SCOPED_TRACE(shot.file);
        const auto defaultButton =
            std::find_if(FindDialog(shot.id).controls.begin(), FindDialog(shot.id).controls.end(),
                         [](const ControlTemplate& control)
                         { return control.kind == ControlKind::DefaultPushButton; });
        const auto outcome = [&](const std::function<void(DialogHarness&)>& act)
        {
            std::unique_ptr<CDialog> dialog = shot.make(frame);
            DialogHarness harness(*dialog);
            act(harness);
            return Outcome{harness.Ended(), harness.Result(), harness.Messages()};
        };
        const Outcome escaped =
            outcome([](DialogHarness& harness) { PressOnFocus(harness.Dialog(), Qt::Key_Escape); });
        EXPECT_TRUE(escaped.ended);
        EXPECT_EQ(escaped.result, IDCANCEL);
        if (defaultButton == FindDialog(shot.id).controls.end())
            continue;
        const Outcome entered =
            outcome([](DialogHarness& harness) { PressOnFocus(harness.Dialog(), Qt::Key_Return); });
        const int id = defaultButton->id;
        const Outcome clicked = outcome([id](DialogHarness& harness) { harness.Click(id); });
        EXPECT_EQ(entered, clicked);
        EXPECT_TRUE(entered.ended || !entered.messages.empty());
    }
}

// Windows that only paint their answer offer it as text: the Qibla's line,
// the Moon's figures with their labels.
TEST_F(MainWindow, PaintedAnswersAreReadAsTexts)
{
    struct Expected
    {
        const char* shot;
        std::vector<std::string> texts;
    };
    const Expected expected[] = {
        {"qibla-direction", {"The Qibla is 17\u00b0 36' E of N"}},
        {"moon-phase", {"Date:", "Moon Age:", "Moon Phase:", "% Luminated:"}},
        {"today-in-hijri", {"Gregorean Date:"}},
    };
    std::map<std::string, std::vector<std::string>> read;
    CMainFrame& frame = OpenFrame();
    ForEveryShot(frame,
                 [&read](const DialogShot& shot, DialogHarness& harness)
                 {
                     for (const AccessibleItem& item : AccessibleItems(harness.Dialog()))
                         if (item.role == "static text")
                             read[shot.file].push_back(item.name);
                 });
    for (const Expected& e : expected)
        for (const std::string& text : e.texts)
            EXPECT_NE(std::find(read[e.shot].begin(), read[e.shot].end(), text), read[e.shot].end())
                << e.shot << " lacks " << text << ": " << ::testing::PrintToString(read[e.shot]);
}

// The main display reads as it shows: Seattle on 20 March 2026.
TEST_F(MainWindow, MainDisplayReadsTheDayItShows)
{
    CMainFrame& frame = OpenFrame();
    std::vector<std::string> names;
    for (const AccessibleItem& item : AccessibleItems(frame.View()))
        if (item.role == "static text")
            names.push_back(item.name);
    const std::vector<std::string> expected = {
        "Seattle, WA",  "20 March 2026 C.E.", "1 Shawwal 1447 A.H.",
        "Fajr 5:46 AM", "Sunrise 7:12 AM",    "Zuhr 1:16 PM",
        "Asr 4:37 PM",  "Maghrib 7:21 PM",    "Isha 8:46 PM"};
    ASSERT_EQ(names.size(), expected.size() + 1) << ::testing::PrintToString(names);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.end() - 1), expected);
    EXPECT_EQ(names.back().rfind("The Qibla is ", 0), 0U) << names.back();
}

TEST(PrayerViewTexts, WithoutABearingThereIsNoQiblaLine)
{
    DayTexts texts = {"Nowhere", "1 May 2026 C.E.", "14 Dhul-Qa'dah 1447 A.H.",
                      "--:--",   "--:--",           "--:--",
                      "--:--",   "--:--",           "--:--"};
    EXPECT_EQ(PrayerViewTexts(texts, std::nullopt).size(), 9U);
    EXPECT_EQ(PrayerViewTexts(texts, std::nullopt)[3].name, "Fajr --:--");
    EXPECT_EQ(PrayerViewTexts(texts, 0.0).back().name, "The Qibla is North");
}

// A new day is announced: its changed texts, not the ones that stay.
TEST_F(MainWindow, ANewDayAnnouncesTheTextsThatChanged)
{
    CMainFrame& frame = OpenFrame();
    std::vector<std::string> names;
    SetAnnouncementSink([&names](const std::string& name) { names.push_back(name); });
    frame.View().SetDisplayDate(MakeDate(2026, 3, 21));
    ProcessPendingMessages();
    const std::vector<std::string> afterNewDay = names;
    names.clear();
    frame.View().SetDisplayDate(MakeDate(2026, 3, 21));
    ProcessPendingMessages();
    SetAnnouncementSink({});

    EXPECT_NE(std::find(afterNewDay.begin(), afterNewDay.end(), "21 March 2026 C.E."),
              afterNewDay.end())
        << ::testing::PrintToString(afterNewDay);
    EXPECT_EQ(std::find(afterNewDay.begin(), afterNewDay.end(), "Seattle, WA"), afterNewDay.end());
    EXPECT_TRUE(names.empty()) << "the same day again: " << ::testing::PrintToString(names);
}

} // namespace
} // namespace halvo::testing
