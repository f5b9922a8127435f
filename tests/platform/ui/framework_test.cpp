#include "platform/ui/dialog.h"
#include "platform/ui/framework.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvo
{
namespace
{

// 0x00BBGGRR must reach the screen as red, green and blue in that order.
TEST(FrameworkPainting, ColourValuesKeepBlueInTheHighByte)
{
    const COLORREF colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x800000, 0x00FFFF, 0x808080};
    for (const COLORREF colour : colours)
    {
        const Picture picture = RenderPicture(4, 4,
                                              [&](CDC& dc) {
                                                  dc.FillSolidRect(CRect{0, 0, 4, 4}, colour);
                                              });
        EXPECT_EQ(picture.Pixel(2, 2), colour) << std::hex << colour;
    }
}

TEST(FrameworkPainting, TextStartsAtItsTopLeftCornerNotAtItsBaseline)
{
    const Picture picture = RenderPicture(60, 40,
                                          [](CDC& dc)
                                          {
                                              dc.FillSolidRect(CRect{0, 0, 60, 40}, 0xFFFFFF);
                                              dc.SelectFont(FontSpec{"Verdana", -12, 700});
                                              dc.SetTextColor(0);
                                              dc.TextOut(10, 20, "HH");
                                          });
    bool inkAbove = false;
    bool inkInside = false;
    for (int x = 0; x < 60; ++x)
    {
        for (int y = 0; y < 20; ++y)
            inkAbove = inkAbove || picture.Pixel(x, y) != 0xFFFFFF;
        for (int y = 20; y < 34; ++y)
            inkInside = inkInside || picture.Pixel(x, y) != 0xFFFFFF;
    }
    EXPECT_FALSE(inkAbove);
    EXPECT_TRUE(inkInside);
}

TEST(FrameworkPainting, PolygonIsFilledWithItsBrushAndBitmapsAreFound)
{
    const Picture picture = RenderPicture(
        80, 80,
        [](CDC& dc)
        {
            dc.FillSolidRect(CRect{0, 0, 80, 80}, 0xFFFFFF);
            dc.Polygon({{10, 10}, {70, 10}, {10, 70}}, BrushSpec{0x008000, false, {}});
            EXPECT_TRUE(dc.DrawBitmap(40, 40, IDB_KAABA));
            EXPECT_FALSE(dc.DrawBitmap(0, 0, 9999));
        });
    EXPECT_EQ(picture.Pixel(20, 20), 0x008000u);
    EXPECT_EQ(picture.Pixel(10, 10), 0x000000u); // outlined with the black pen
    EXPECT_EQ(BitmapSize(IDB_COMPASS).x, 64);
    EXPECT_EQ(BitmapSize(IDB_KAABA).y, 25);
}

// A dialog that records what reached its message map.
class RecordingDialog : public CDialog
{
  public:
    static constexpr int kCombo = 1001;
    static constexpr int kList = 1002;
    static constexpr int kCheck = 1003;
    static constexpr int kDate = 1004;

    static DialogTemplate Template()
    {
        return DialogTemplate{
            500,
            "Test",
            140,
            120,
            {
                {kCombo, ControlKind::ComboDropDownList, "", kStyleSorted, 10, 10, 60, 50},
                {kList, ControlKind::ListBox, "", 0, 10, 30, 60, 40},
                {kCheck, ControlKind::CheckBox, "Check", 0, 80, 10, 40, 10},
                {kDate, ControlKind::DatePicker, "", 0, 80, 30, 50, 12},
                {IDOK, ControlKind::DefaultPushButton, "OK", 0, 10, 100, 50, 14},
                {IDCANCEL, ControlKind::PushButton, "Cancel", 0, 70, 100, 50, 14},
            }};
    }

    RecordingDialog() : CDialog(Template(), nullptr) {}

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

  protected:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map = {
            MapSelChange(kCombo, &RecordingDialog::OnComboChange),
            MapClicked(kCheck, &RecordingDialog::OnCheck),
            MapDateChange(kDate, &RecordingDialog::OnDate),
        };
        return map;
    }

  private:
    void OnComboChange()
    {
        events.push_back("combo " + Combo(kCombo).GetText(Combo(kCombo).GetCurSel()));
    }
    void OnCheck() { events.push_back(Button(kCheck).GetCheck() ? "checked" : "unchecked"); }
    void OnDate() { events.push_back("date " + std::to_string(DatePicker(kDate).GetTime().day)); }
};

TEST(FrameworkDialogs, ControlsAreBuiltFromTheTemplateInDialogUnits)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    EXPECT_EQ(dialog.GetClientRect().Width(), 210);  // 140 * 3 / 2
    EXPECT_EQ(dialog.GetClientRect().Height(), 195); // 120 * 13 / 8
    EXPECT_EQ(dialog.events, std::vector<std::string>{"init"});
    for (const int id : {RecordingDialog::kCombo, RecordingDialog::kList, RecordingDialog::kCheck,
                         RecordingDialog::kDate, IDOK, IDCANCEL})
        EXPECT_TRUE(CControl(dialog, id).Exists()) << id;
}

TEST(FrameworkDialogs, NotificationsComeFromTheUserNotFromTheProgram)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    CComboBox combo = dialog.Combo(RecordingDialog::kCombo);
    combo.AddString("beta");
    combo.AddString("Alpha");
    combo.SetCurSel(1); // the program: no notification
    dialog.DatePicker(RecordingDialog::kDate).SetTime(MakeDate(2020, 5, 6));
    dialog.Button(RecordingDialog::kCheck).SetCheck(true);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"init"});

    combo.SelectByUser(0);
    dialog.Button(RecordingDialog::kCheck).Click();
    dialog.DatePicker(RecordingDialog::kDate).SetTimeByUser(MakeDate(2020, 5, 7));
    dialog.Button(IDOK).Click();
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"init", "combo Alpha", "unchecked", "date 7", "ok"}));
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST(FrameworkDialogs, CancelButtonEndsWithCancel)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    dialog.Button(IDCANCEL).Click();
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}

TEST(FrameworkDialogs, SortedListsSortWithoutCaseAndSearchesWrapFromTheGivenRow)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    CComboBox sorted = dialog.Combo(RecordingDialog::kCombo);
    for (const char* name : {"Medina", "mecca", "Amman", "Makkah", "ankara"})
        sorted.AddString(name);
    std::vector<std::string> order;
    for (int i = 0; i < sorted.GetCount(); ++i)
        order.push_back(sorted.GetText(i));
    EXPECT_EQ(order, (std::vector<std::string>{"Amman", "ankara", "Makkah", "mecca", "Medina"}));
    EXPECT_EQ(sorted.GetCurSel(), -1); // adding selects nothing

    CListBox unsorted = dialog.List(RecordingDialog::kList);
    for (const char* name : {"Medina", "mecca", "Amman"})
        unsorted.AddString(name);
    EXPECT_EQ(unsorted.GetText(0), "Medina");

    struct Case
    {
        int startAfter;
        const char* prefix;
        int expected;
    };
    const Case cases[] = {
        {-1, "m", 2},  {-1, "ME", 3}, {2, "m", 3},     {3, "m", 4}, {4, "m", 2}, // wraps round
        {-1, "an", 1}, {-1, "x", -1}, {4, "Amman", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sorted.FindString(c.startAfter, c.prefix), c.expected)
            << c.startAfter << " " << c.prefix;

    EXPECT_EQ(sorted.SelectString(-1, "MED"), 4);
    EXPECT_EQ(sorted.GetCurSel(), 4);
    EXPECT_EQ(sorted.GetWindowText(), "Medina");
}

} // namespace
} // namespace halvo
