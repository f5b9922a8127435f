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

// A closed polygon's outline passes through all its corners, the way the
// needle's triangle must be drawn at every bearing.
TEST(FrameworkPainting, PolygonOutlineCoversEveryCorner)
{
    const std::vector<std::vector<CPoint>> shapes = {
        {{186, 53}, {178, 51}, {190, 27}},
        {{5, 5}, {40, 9}, {12, 33}},
        {{30, 2}, {2, 30}, {31, 31}},
    };
    for (const auto& shape : shapes)
    {
        const Picture picture = RenderPicture(240, 80,
                                              [&](CDC& dc)
                                              {
                                                  dc.FillSolidRect(CRect{0, 0, 240, 80}, 0xFFFFFF);
                                                  dc.Polygon(shape, BrushSpec{0xFF0000, false, {}});
                                              });
        for (const CPoint& corner : shape)
            EXPECT_EQ(picture.Pixel(corner.x, corner.y), 0u) << corner.x << "," << corner.y;
    }
}

// The Moon's picture fills its square as a pattern that starts at the
// square's corner, so a 50 x 50 picture stands whole in a 50 x 50 square.
TEST(FrameworkPainting, PatternRectangleStartsThePictureAtItsCorner)
{
    const Picture picture =
        RenderPicture(120, 120,
                      [](CDC& dc) {
                          dc.PatternRectangle(CRect{30, 40, 94, 104}, IDB_COMPASS);
                      });
    const Picture dial = RenderPicture(64, 64, [](CDC& dc) { dc.DrawBitmap(0, 0, IDB_COMPASS); });
    EXPECT_EQ(picture.Pixel(30, 40), 0u); // the outline
    for (const CPoint at : {CPoint{32, 32}, CPoint{10, 30}, CPoint{50, 12}})
        EXPECT_EQ(picture.Pixel(30 + at.x, 40 + at.y), dial.Pixel(at.x, at.y));
}

} // namespace
} // namespace halvo
