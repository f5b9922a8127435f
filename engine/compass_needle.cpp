// Needle geometry in single precision with 11/7 as the quarter turn. The
// pixels depend on both, and on truncation toward zero: keep them.
#include "engine/compass_needle.h"

#include <cmath>

namespace halvo
{

namespace
{
constexpr double kQuarterTurn = 11.0 / 7.0;
constexpr float kHalfBase = 5.0f;
} // namespace

void CompassNeedle::Place(int centreXIn, int centreYIn, float bearing, int diameter)
{
    const float theta = static_cast<float>(kQuarterTurn - bearing);
    const int radius = diameter / 2;
    tipX = static_cast<std::int32_t>(centreXIn + radius * std::cos(theta));
    tipY = static_cast<std::int32_t>(centreYIn - radius * std::sin(theta));
    centreX = centreXIn;
    centreY = centreYIn;
}

void CompassNeedle::Outline(std::array<NeedlePoint, 3>& points) const
{
    float alpha = static_cast<float>(kQuarterTurn);
    if (tipX != centreX)
    {
        const double slope = static_cast<double>(tipY - centreY) / (tipX - centreX);
        alpha = static_cast<float>(std::atan(slope));
    }
    const std::int32_t ds = static_cast<std::int32_t>(kHalfBase * std::sin(alpha));
    const std::int32_t dc = static_cast<std::int32_t>(kHalfBase * std::cos(alpha));
    points[0] = {tipX, tipY};
    points[1] = {centreX - ds, centreY + dc};
    points[2] = {centreX + ds, centreY - dc};
}

} // namespace halvo
