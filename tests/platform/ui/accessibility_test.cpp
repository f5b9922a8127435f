#include "platform/ui/accessibility.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvo
{
namespace
{

// Texts of a made-up dialog, in pixels: "Name" left of a field's row, a
// heading above a list, a caption right of a box.
const std::vector<CRect> kTexts = {
    {10, 30, 60, 43},    // 0: "Name", on the row of y 26..48
    {70, 30, 90, 43},    // 1: a nearer text on the same row
    {10, 100, 120, 113}, // 2: a heading over the list at y 120
    {60, 200, 150, 213}, // 3: right of the box at x 40..55
    {10, 300, 60, 313},  // 4: far above anything at y 350
    {15, 145, 70, 158},  // 5: a little lower than the field at y 131..150
};

struct CaptionCase
{
    const char* what;
    CRect control;
    CaptionPlace place;
    int expected;
};

TEST(CaptionFor, PairsEachControlWithTheTextBesideIt)
{
    const CaptionCase cases[] = {
        {"the nearest text left on its row", {94, 26, 200, 48}, CaptionPlace::kLeftOrAbove, 1},
        {"a text between two others' row", {62, 26, 68, 48}, CaptionPlace::kLeftOrAbove, 0},
        {"the heading just above", {24, 120, 200, 260}, CaptionPlace::kLeftOrAbove, 2},
        {"no text above a control out of reach",
         {10, 350, 60, 370},
         CaptionPlace::kLeftOrAbove,
         -1},
        {"no heading above that is beside it",
         {130, 120, 200, 140},
         CaptionPlace::kLeftOrAbove,
         -1},
        {"a caption a little off its field's row",
         {93, 131, 153, 150},
         CaptionPlace::kLeftOrAbove,
         5},
        {"a box's caption on its right", {40, 198, 55, 214}, CaptionPlace::kRightOfBox, 3},
        {"a box ignores texts on its left", {160, 198, 175, 214}, CaptionPlace::kRightOfBox, -1},
        {"a field right of a caption is not the caption's box",
         {160, 198, 175, 214},
         CaptionPlace::kLeftOrAbove,
         3},
    };
    for (const CaptionCase& c : cases)
        EXPECT_EQ(CaptionFor(c.control, c.place, kTexts), c.expected) << c.what;
}

struct OrderCase
{
    const char* what;
    std::vector<CRect> rects;
    std::vector<std::size_t> expected;
};

TEST(LayoutOrder, RowsFromTopEachFromTheLeft)
{
    const OrderCase cases[] = {
        // Two columns of boxes given column by column read row by row.
        {"columns",
         {{40, 14, 55, 30}, {40, 39, 55, 55}, {124, 14, 139, 30}, {124, 39, 139, 55}},
         {0, 2, 1, 3}},
        // A list box beside a taller one whose top is a little lower.
        {"one row, tops apart", {{100, 143, 190, 220}, {9, 140, 90, 222}}, {1, 0}},
        {"buttons under a field",
         {{30, 214, 105, 237}, {132, 214, 207, 237}, {93, 24, 216, 46}},
         {2, 0, 1}},
        {"nothing", {}, {}},
    };
    for (const OrderCase& c : cases)
        EXPECT_EQ(LayoutOrder(c.rects), c.expected) << c.what;
}

// A bare template dialog paints nothing: its fields are named after the window.
TEST(AccessibleNames, FieldsWithoutCaptionTakeTheWindowTitle)
{
    CDialog dialog(
        DialogTemplate{600,
                       "Pick  One",
                       140,
                       120,
                       {
                           {1001, ControlKind::ComboDropDownList, "", 0, 60, 10, 60, 50},
                           {1002, ControlKind::CheckBox, "Loud", 0, 10, 30, 10, 10},
                           {IDOK, ControlKind::DefaultPushButton, "OK", 0, 10, 90, 50, 14},
                       }},
        nullptr);
    testing::DialogHarness harness(dialog);
    harness.Snapshot();
    EXPECT_EQ(AccessibleName(dialog, 1001), "Pick One");
    EXPECT_EQ(AccessibleName(dialog, 1002), "Loud");
    EXPECT_EQ(AccessibleName(dialog, IDOK), "OK");
    EXPECT_EQ(TabOrder(dialog), (std::vector<int>{1001, 1002, IDOK}));
}

} // namespace
} // namespace halvo
