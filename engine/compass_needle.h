#pragma once

#include <array>
#include <cstdint>

namespace halvo
{

struct NeedlePoint
{
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Turns a bearing into the corners of a thin triangular needle on a dial,
// in window pixels with y growing downwards.
struct CompassNeedle
{
    std::int32_t tipX = 0;
    std::int32_t tipY = 0;
    std::int32_t centreX = 0;
    std::int32_t centreY = 0;

    // bearing: radians clockwise from north, so 0 points straight up.
    void Place(int centreX, int centreY, float bearing, int diameter);
    void Outline(std::array<NeedlePoint, 3>& points) const;
};

} // namespace halvo
