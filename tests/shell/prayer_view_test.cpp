#include "engine/compass_needle.h"
#include "platform/ui/framework.h"
#include "resources/resource_ids.h"
#include "settings/screen_colours.h"
#include "shell/prayer_view.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>

namespace halvo
{
namespace
{

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

DayTexts HandMadeDay()
{
    return DayTexts{"Seattle, WA",
                    "20 March 2026 C.E.",
                    "1 Shawwal 1447 A.H.",
                    "5:46 AM",
                    "7:12 AM",
                    "1:16 PM",
                    "4:37 PM",
                    "7:21 PM",
                    "8:46 PM"};
}

Picture Paint(const ScreenColours& colours, std::optional<float> bearing, int width = kViewWidth,
              int height = kViewHeight)
{
    return RenderPicture(
        width, height,
        [&](CDC& dc) {
            PaintDay(dc, CRect{0, 0, width, height}, HandMadeDay(), colours, bearing);
        });
}

// Where the needle and the Kaaba land for a bearing, as the paint places them.
struct NeedleGeometry
{
    std::array<NeedlePoint, 3> corners;
    CPoint kaaba;
};

NeedleGeometry Geometry(float bearing)
{
    CompassNeedle needle;
    needle.Place(kNeedleCentreX, kNeedleCentreY, bearing, kNeedleDiameter);
    NeedleGeometry geometry;
    needle.Outline(geometry.corners);
    geometry.kaaba = KaabaPosition(needle.tipX, needle.tipY);
    return geometry;
}

// A point well inside the needle: between the base centre and the tip.
CPoint InsideNeedle(const NeedleGeometry& g)
{
    return CPoint{(g.corners[1].x + g.corners[2].x + 2 * g.corners[0].x) / 4,
                  (g.corners[1].y + g.corners[2].y + 2 * g.corners[0].y) / 4};
}

TEST(DayPainting, BackgroundFillsTheWholeClientAreaEvenWhenLarger)
{
    const ScreenColours colours = ColoursFromIndexTexts("8", "1", "1");
    const Picture picture = Paint(colours, std::nullopt, 320, 400);
    for (const CPoint p :
         {CPoint{0, 0}, CPoint{239, 0}, CPoint{5, 267}, CPoint{319, 399}, CPoint{300, 150}})
        EXPECT_EQ(picture.Pixel(p.x, p.y), 0x0000FFu) << p.x << "," << p.y;
}

TEST(DayPainting, TwoBlackLinesCrossTheWidthAtTheirRows)
{
    const Picture picture = Paint(ScreenColours{}, std::nullopt);
    for (int x = 0; x < kViewWidth; x += 7)
    {
        EXPECT_EQ(picture.Pixel(x, 100), kBlack) << x;
        EXPECT_EQ(picture.Pixel(x, 145), kBlack) << x;
        EXPECT_EQ(picture.Pixel(x, 99), kWhite) << x;
        EXPECT_EQ(picture.Pixel(x, 146), kWhite) << x;
    }
}

TEST(DayPainting, TextsUseTheirOwnColoursWhateverTheChosenOnes)
{
    // Green header and text: the city is green, the dates stay dark blue,
    // the times stay black.
    const ScreenColours colours = ColoursFromIndexTexts("9", "5", "5");
    const Picture picture = Paint(colours, std::nullopt);
    auto hasColour = [&](int left, int top, int right, int bottom, COLORREF colour)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (picture.Pixel(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasColour(30, 40, 140, 56, 0x008000));
    EXPECT_TRUE(hasColour(10, 110, 140, 140, 0x800000));
    EXPECT_FALSE(hasColour(10, 110, 140, 140, 0x008000));
    EXPECT_TRUE(hasColour(20, 160, 240, 230, kBlack));
    EXPECT_FALSE(hasColour(20, 160, 240, 230, 0x008000));
}

TEST(DayPainting, NamesAndTimesTurnWhiteOnADarkBackground)
{
    // The names and times are drawn in `shown`; `hidden` (the other of
    // black and white, when it is not the background) appears nowhere in
    // their rows.
    struct Case
    {
        const char* background;
        COLORREF shown;
        std::optional<COLORREF> hidden;
    };
    const Case cases[] = {
        {"0", 0xFFFFFF, std::nullopt}, // BLACK
        {"3", 0xFFFFFF, kBlack},       // DARK RED
        {"9", kBlack, std::nullopt},   // WHITE, the default
        {"4", kBlack, 0xFFFFFF},       // GRAY
    };
    for (const Case& c : cases)
    {
        const Picture picture = Paint(ColoursFromIndexTexts(c.background, "1", "1"), std::nullopt);
        int shown = 0;
        int hidden = 0;
        for (int y = 160; y < 230; ++y)
        {
            for (int x = 20; x < 240; ++x)
            {
                shown += picture.Pixel(x, y) == c.shown;
                hidden += c.hidden && picture.Pixel(x, y) == *c.hidden;
            }
        }
        EXPECT_GT(shown, 20) << "background " << c.background;
        EXPECT_EQ(hidden, 0) << "background " << c.background;
    }
}

TEST(DayPainting, DialIsCopiedUnchangedAtItsPlace)
{
    const Picture dial = RenderPicture(64, 64, [](CDC& dc) { dc.DrawBitmap(0, 0, IDB_COMPASS); });
    const Picture picture = Paint(ScreenColours{}, std::nullopt);
    int differing = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            differing += picture.Pixel(150 + x, 20 + y) != dial.Pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST(DayPainting, NeedleIsFilledInTheTextColourAndTheKaabaSitsOnTheRuleSide)
{
    const ScreenColours colours = ColoursFromIndexTexts("9", "8", "1"); // red needle
    const Picture kaaba = RenderPicture(25, 25, [](CDC& dc) { dc.DrawBitmap(0, 0, IDB_KAABA); });
    // Bearings into each quarter of the dial, so each case of the rule is used.
    const float bearings[] = {0.3f, 2.0f, 4.0f, 5.5f};
    for (const float bearing : bearings)
    {
        SCOPED_TRACE(bearing);
        const NeedleGeometry g = Geometry(bearing);
        const Picture picture = Paint(colours, bearing);
        const CPoint inside = InsideNeedle(g);
        EXPECT_EQ(picture.Pixel(inside.x, inside.y), 0x0000FFu);
        // The Kaaba's picture where the rule puts it (wherever it is on screen).
        int matching = 0;
        int visible = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x)
            {
                const int px = g.kaaba.x + x;
                const int py = g.kaaba.y + y;
                if (px < 0 || py < 0 || px >= kViewWidth || py >= kViewHeight)
                    continue;
                ++visible;
                matching += picture.Pixel(px, py) == kaaba.Pixel(x, y);
            }
        EXPECT_GT(visible, 100);
        EXPECT_EQ(matching, visible);
    }
}

TEST(DayPainting, WithoutABearingTheDialHasNeitherNeedleNorKaaba)
{
    const Picture with = Paint(ColoursFromIndexTexts("9", "8", "1"), 0.3f);
    const Picture without = Paint(ColoursFromIndexTexts("9", "8", "1"), std::nullopt);
    const Picture plain = Paint(ScreenColours{}, std::nullopt);
    int red = 0;
    int changed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 100; x < kViewWidth; ++x)
        {
            red += without.Pixel(x, y) == 0x0000FF;
            changed += without.Pixel(x, y) != plain.Pixel(x, y);
        }
    EXPECT_EQ(red, 0);
    EXPECT_EQ(changed, 0);
    const NeedleGeometry g = Geometry(0.3f);
    EXPECT_EQ(with.Pixel(InsideNeedle(g).x, InsideNeedle(g).y), 0x0000FFu);
}

TEST(DayPainting, KaabaPositionFollowsTheFourCaseRule)
{
    struct Case
    {
        int tipX, tipY;
        CPoint expected;
    };
    const Case cases[] = {
        {190, 30, {200, 0}},  // right, above the centre
        {190, 52, {200, 47}}, // right, level counts as below
        {182, 30, {147, 20}}, // on the centre line counts as left
        {170, 70, {135, 65}}, // left, below
    };
    for (const Case& c : cases)
    {
        const CPoint at = KaabaPosition(c.tipX, c.tipY);
        EXPECT_EQ(at.x, c.expected.x) << c.tipX << "," << c.tipY;
        EXPECT_EQ(at.y, c.expected.y) << c.tipX << "," << c.tipY;
    }
}

TEST(ScreenColours, StoredIndicesPickTableColoursAndBadOnesFallBackToTheDefault)
{
    struct Case
    {
        const char *bg, *txt, *hr;
        ScreenColours expected;
    };
    const Case cases[] = {
        {"9", "1", "1", {0xFFFFFF, 0xFF0000, 0xFF0000}},
        {"8", "0", "10", {0x0000FF, 0x000000, 0x00FFFF}},
        {"11", "-1", "99", {0xFFFFFF, 0xFF0000, 0xFF0000}}, // outside the table
        {"2x", " 3", "+4", {0x800000, 0x000080, 0x808080}}, // leading integer of the text
    };
    for (const Case& c : cases)
    {
        const ScreenColours colours = ColoursFromIndexTexts(c.bg, c.txt, c.hr);
        EXPECT_EQ(colours.background, c.expected.background) << c.bg;
        EXPECT_EQ(colours.text, c.expected.text) << c.txt;
        EXPECT_EQ(colours.header, c.expected.header) << c.hr;
    }
}

// The needle's outline passes through all three corners at every bearing:
// the tip and both base corners are drawn in the pen's black, never left in
// the dial's colour.
TEST(DayPainting, NeedleOutlineCoversAllThreeCornersAtEveryBearing)
{
    int missing = 0;
    for (int step = 0; step < 628; ++step)
    {
        const float bearing = static_cast<float>(step) * 0.01f;
        const NeedleGeometry g = Geometry(bearing);
        const Picture picture = Paint(ScreenColours{}, bearing);
        for (const NeedlePoint& corner : g.corners)
        {
            if (picture.Pixel(corner.x, corner.y) != kBlack)
            {
                ++missing;
                ADD_FAILURE() << "bearing " << bearing << " corner " << corner.x << "," << corner.y;
            }
        }
        if (missing > 5)
            break;
    }
    EXPECT_EQ(missing, 0);
}

} // namespace
} // namespace halvo
