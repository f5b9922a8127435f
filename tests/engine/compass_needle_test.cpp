#include "engine/compass_needle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvo
{
namespace
{

std::array<NeedlePoint, 3> Needle(float bearing, int diameter = 50)
{
    CompassNeedle needle;
    needle.Place(182, 52, bearing, diameter);
    std::array<NeedlePoint, 3> points;
    needle.Outline(points);
    return points;
}

// The quarter turn is 11/7, a little more than pi/2, so the needle is
// exactly vertical only for a bearing a hair above zero.
TEST(CompassNeedle, VerticalNeedleHasANarrowedHorizontalBase)
{
    const auto up = Needle(0.001f);
    EXPECT_EQ(up[0].x, 182);
    EXPECT_EQ(up[0].y, 27);
    // 5 * sin(11/7) is just under 5 and truncates to 4.
    EXPECT_EQ(up[1].x, 178);
    EXPECT_EQ(up[1].y, 52);
    EXPECT_EQ(up[2].x, 186);
    EXPECT_EQ(up[2].y, 52);
}

TEST(CompassNeedle, HorizontalNeedleHasAVerticalBase)
{
    const auto right = Needle(1.5715f);
    EXPECT_EQ(right[0].y, 52);
    EXPECT_EQ(right[0].x, 207);
    EXPECT_EQ(right[1].x, 182);
    EXPECT_EQ(right[1].y, 57);
    EXPECT_EQ(right[2].x, 182);
    EXPECT_EQ(right[2].y, 47);
}

TEST(CompassNeedle, TruncatesTowardZeroNotToNearest)
{
    // Diameter 81 gives a radius of 40, not 40.5.
    const auto up = Needle(0.001f, 81);
    EXPECT_EQ(up[0].y, 12);
    // Bearing 0 leans a fraction of a pixel left of centre, and truncation
    // puts the tip one pixel left: 182 - 0.016 becomes 181.
    EXPECT_EQ(Needle(0.0f)[0].x, 181);
    // At 45 degrees the base corners move by trunc(5 * 0.7071) = 3 each way.
    const auto diagonal = Needle(static_cast<float>(M_PI / 4), 100);
    EXPECT_EQ(std::abs(diagonal[1].x - 182), 3);
    EXPECT_EQ(std::abs(diagonal[1].y - 52), 3);
    EXPECT_EQ(diagonal[1].x + diagonal[2].x, 2 * 182);
    // The tip: 182 + 35.33 truncates down to 217, 52 - 35.38 truncates down to 16.
    EXPECT_EQ(diagonal[0].x, 217);
    EXPECT_EQ(diagonal[0].y, 16);
}

} // namespace
} // namespace halvo
