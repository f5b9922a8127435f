#include "platform/ui/dialog.h"
#include "platform/ui/dialog_harness.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvo
{
namespace
{

using testing::DialogHarness;
using testing::ModalScripts;

constexpr int kCombo = 1001;
constexpr int kList = 1002;
constexpr int kCheck = 1003;
constexpr int kDate = 1004;
constexpr int kEdit = 1005;
constexpr int kMoment = 1006;
constexpr int kOpenOther = 1007;
constexpr int kMenuCommand = 40001;

const MenuResource kTestMenu = {900, {{"Tools", {{"Do it", kMenuCommand}, {"", 0}}}}};

DialogTemplate RecordingTemplate()
{
    return DialogTemplate{
        500,
        "Test",
        140,
        120,
        {
            {kCombo, ControlKind::ComboDropDownList, "", kStyleSorted, 10, 10, 60, 50},
            {kList, ControlKind::ListBox, "", kStyleSorted, 10, 30, 60, 40},
            {kCheck, ControlKind::CheckBox, "Check", 0, 80, 10, 40, 10},
            {kDate, ControlKind::DatePicker, "", 0, 80, 30, 50, 12},
            {kEdit, ControlKind::Edit, "", 0, 80, 50, 50, 12},
            {kMoment, ControlKind::DateTimePicker, "", 0, 80, 70, 50, 12},
            {kOpenOther, ControlKind::PushButton, "More", 0, 80, 85, 40, 12},
            {IDC_STATIC, ControlKind::StaticPicture, "", kStyleIcon, 130, 5, 16, 16, IDI_PROGRAM},
            {IDOK, ControlKind::DefaultPushButton, "OK", 0, 10, 100, 50, 14},
            {IDCANCEL, ControlKind::PushButton, "Cancel", 0, 70, 100, 50, 14},
        },
        &kTestMenu};
}

// A dialog that records what reached its message map, with each payload.
class RecordingDialog : public CDialog
{
  public:
    RecordingDialog() : CDialog(RecordingTemplate(), nullptr) {}

    bool OnInitDialog() override
    {
        events.push_back("init");
        return true;
    }
    void OnOK() override
    {
        events.push_back("ok");
        CDialog::OnOK();
    }

    std::vector<std::string> events;
    int otherResult = 0;

  protected:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map = {
            MapPaint(&RecordingDialog::OnPaint),
            MapSelChange(kCombo, &RecordingDialog::OnComboChange),
            MapSelEndOk(kCombo, &RecordingDialog::OnComboDone),
            MapSelChange(kList, &RecordingDialog::OnListChange),
            MapClicked(kCheck, &RecordingDialog::OnCheck),
            MapDateChange(kDate, &RecordingDialog::OnDate),
            MapDateChange(kMoment, &RecordingDialog::OnMoment),
            MapEditChange(kEdit, &RecordingDialog::OnEdit),
            MapLButtonDown(&RecordingDialog::OnPress),
            MapCommand(kMenuCommand, &RecordingDialog::OnMenu),
            MapClicked(kOpenOther, &RecordingDialog::OnOpenOther),
        };
        return map;
    }

  private:
    void OnPaint(CDC& dc)
    {
        dc.FillSolidRect(GetClientRect(), 0xFFFFFF);
        dc.FillSolidRect(CRect{0, 0, 12, 12}, 0x0000FF);
    }
    void OnComboChange()
    {
        events.push_back("combo " + Combo(kCombo).GetText(Combo(kCombo).GetCurSel()));
    }
    void OnComboDone() { events.push_back("combo done"); }
    void OnListChange()
    {
        events.push_back("list " + List(kList).GetText(List(kList).GetCurSel()));
    }
    void OnCheck() { events.push_back(Button(kCheck).GetCheck() ? "checked" : "unchecked"); }
    void OnDate(const DateRecord& date)
    {
        events.push_back("date " + std::to_string(date.day) + " dow " +
                         std::to_string(date.dayOfWeek));
    }
    void OnMoment(const DateRecord& date)
    {
        events.push_back("moment " + std::to_string(date.day) + " " + std::to_string(date.hour) +
                         ":" + std::to_string(date.minute));
    }
    void OnEdit() { events.push_back("edit " + Edit(kEdit).GetWindowText()); }
    void OnPress(CPoint point)
    {
        events.push_back("press " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    void OnMenu() { events.push_back("menu"); }
    void OnOpenOther()
    {
        CDialog other(RecordingTemplate(), this);
        otherResult = other.DoModal();
        events.push_back("other " + std::to_string(otherResult));
    }
};

TEST(Dialogs, ControlsStandWhereTheTemplatePutsThemOnTheScreenSizedSurface)
{
    RecordingDialog dialog;
    DialogHarness harness(dialog);
    // Painted texts were placed for a 240 x 268 screen, whatever the template says.
    EXPECT_EQ(dialog.GetClientRect().Width(), kScreenWidth);
    EXPECT_EQ(dialog.GetClientRect().Height(), kScreenHeight);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"init"});
    for (const int id : {kCombo, kList, kCheck, kDate, kEdit, kMoment, IDOK, IDCANCEL})
        EXPECT_TRUE(dialog.HasControl(id)) << id;
    EXPECT_FALSE(dialog.HasControl(IDC_STATIC));
    EXPECT_FALSE(dialog.HasControl(4242));
}

TEST(Dialogs, EveryNotificationComesFromTheUserWithItsPayload)
{
    RecordingDialog dialog;
    DialogHarness harness(dialog);
    CComboBox combo = dialog.Combo(kCombo);
    combo.AddString("beta");
    combo.AddString("Alpha");
    // What the program does notifies nobody.
    combo.SetCurSel(1);
    dialog.DatePicker(kDate).SetTime(MakeDate(2020, 5, 6));
    dialog.Button(kCheck).SetCheck(true);
    dialog.SetDlgItemText(kEdit, "typed by the program");
    EXPECT_EQ(dialog.events, std::vector<std::string>{"init"});

    harness.Select(kCombo, 0);
    harness.Click(kCheck);
    harness.SetDate(kDate, MakeDate(2020, 5, 7)); // a Thursday
    harness.Type(kEdit, "abc");
    DateRecord moment = MakeDate(2004, 1, 7);
    moment.hour = 15;
    moment.minute = 40;
    harness.SetDate(kMoment, moment);
    harness.PickDay(kMoment, 2004, 2, 20); // the time of day stays
    harness.PressAt(200, 250);
    harness.Command(kMenuCommand);
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"init", "combo Alpha", "combo done", "unchecked",
                                        "date 7 dow 4", "edit abc", "moment 7 15:40",
                                        "moment 20 15:40", "press 200,250", "menu", "ok"}));
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST(Dialogs, EnterIsTheDefaultButtonAndEscapeCancels)
{
    {
        RecordingDialog dialog;
        DialogHarness harness(dialog);
        harness.PressKey(KeyCode::kReturn);
        EXPECT_TRUE(harness.Ended());
        EXPECT_EQ(harness.Result(), IDOK);
    }
    {
        RecordingDialog dialog;
        DialogHarness harness(dialog);
        harness.PressKey(KeyCode::kEscape);
        EXPECT_TRUE(harness.Ended());
        EXPECT_EQ(harness.Result(), IDCANCEL);
        EXPECT_EQ(dialog.events, std::vector<std::string>{"init"});
    }
}

// Lists sort as the stores do: "Örebro" stands among the O's, and the
// prefix searches ignore case but not accents.
TEST(Dialogs, SortedListsFollowTheStoresCollation)
{
    RecordingDialog dialog;
    DialogHarness harness(dialog);
    CListBox list = dialog.List(kList);
    for (const char* name : {"Oslo", "Zürich", "Örebro", "odense", "Ankara", "Aachen"})
        list.AddString(name);
    EXPECT_EQ(harness.Items(kList),
              (std::vector<std::string>{"Aachen", "Ankara", "odense", "Örebro", "Oslo", "Zürich"}));
    EXPECT_EQ(list.GetCurSel(), -1); // adding selects nothing

    struct Case
    {
        int startAfter;
        const char* prefix;
        int expected;
    };
    const Case cases[] = {
        {-1, "ör", 3}, {-1, "ÖREB", 3}, {-1, "or", -1}, {-1, "O", 2},  {2, "o", 4},
        {4, "o", 2},   {-1, "a", 0},    {0, "a", 1},    {-1, "x", -1}, {-1, "zu", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.FindString(c.startAfter, c.prefix), c.expected)
            << c.startAfter << " " << c.prefix;

    EXPECT_EQ(list.SelectString(-1, "OS"), 4);
    EXPECT_EQ(list.GetWindowText(), "Oslo");
    EXPECT_EQ(dialog.events, std::vector<std::string>{"init"});
}

TEST(Dialogs, TypingInAListJumpsToTheFirstEntryBeginningWithTheLetters)
{
    struct Case
    {
        const char* typed;
        const char* selected;
    };
    for (const Case& c :
         {Case{"os", "Oslo"}, Case{"ö", "Örebro"}, Case{"OR", "Oran"}, Case{"x", ""}})
    {
        RecordingDialog dialog;
        DialogHarness harness(dialog);
        for (const char* name : {"Oslo", "Örebro", "odense", "Oran"})
            dialog.List(kList).AddString(name);
        harness.TypeKeys(kList, c.typed);
        EXPECT_EQ(harness.Text(kList), c.selected) << c.typed;
        if (*c.selected != '\0')
        {
            EXPECT_EQ(dialog.events.back(), std::string("list ") + c.selected) << c.typed;
        }
    }
}

TEST(Dialogs, ThePixelReadIsWhatTheDialogShows)
{
    RecordingDialog dialog;
    DialogHarness harness(dialog);
    EXPECT_EQ(dialog.GetPixel(5, 5), std::optional<COLORREF>(0x0000FF));
    EXPECT_EQ(dialog.GetPixel(20, 2), std::optional<COLORREF>(0xFFFFFF));
    EXPECT_EQ(dialog.GetPixel(-1, 5), std::nullopt);
    EXPECT_EQ(dialog.GetPixel(kScreenWidth, 5), std::nullopt);
    EXPECT_EQ(harness.Pixel(5, 5), 0x0000FFu);
}

TEST(Dialogs, ModalScriptsDriveTheDialogsADialogOpens)
{
    RecordingDialog dialog;
    DialogHarness harness(dialog);
    harness.ThenModal(
        [](DialogHarness& other)
        {
            other.Type(kEdit, "nested");
            MessageBox(&other.Dialog(), "hello from inside");
            other.OK();
        });
    harness.Click(kOpenOther);
    EXPECT_EQ(dialog.otherResult, IDOK);
    // A dialog with no script left is cancelled.
    harness.Click(kOpenOther);
    EXPECT_EQ(dialog.otherResult, IDCANCEL);
    EXPECT_EQ(harness.OpenedModally(), (std::vector<int>{500, 500}));
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{"hello from inside"});
}

TEST(Dialogs, EveryTemplateBuildsWithItsTitleAndControls)
{
    ModalScripts scripts;
    for (const int id : AllDialogIds())
    {
        const DialogTemplate& dialogTemplate = FindDialog(id);
        CDialog dialog(dialogTemplate, nullptr);
        ASSERT_TRUE(dialog.CreateModeless()) << id;
        EXPECT_EQ(dialog.GetWindowText(), dialogTemplate.title);
        EXPECT_GE(dialog.GetClientRect().Width(), kScreenWidth) << id;
        for (const ControlTemplate& control : dialogTemplate.controls)
        {
            if (control.id != IDC_STATIC)
            {
                EXPECT_TRUE(dialog.HasControl(control.id)) << id << " " << control.id;
            }
        }
    }
    EXPECT_EQ(FindDialog(IDD_SET_ADHAN).title, "Set  Adhan");
    EXPECT_EQ(FindDialog(IDD_ADD_CITY).title, "Add  City Information");
    ASSERT_NE(FindDialog(IDD_FEASTS).menu, nullptr);
    EXPECT_EQ(FindDialog(IDD_FEASTS).menu->id, IDR_FEASTS_MENU);
}

#ifndef NDEBUG
TEST(DialogsDeathTest, AControlTheTemplateDoesNotHaveIsAProgrammingError)
{
    RecordingDialog dialog;
    dialog.CreateModeless();
    EXPECT_DEATH(dialog.Edit(4242).GetWindowText(), "no control of this id");
}
#endif

} // namespace
} // namespace halvo
