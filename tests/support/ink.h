#pragma once

// Finds text painted in a colour. Text is antialiased: its pixels are
// blends of the ink and the background, and thin strokes may never reach
// the ink itself, so a pixel counts when it lies on the way from the
// background to the ink, at least half way.

#include "platform/ui/painting.h"

#include <cmath>

namespace halvo::testing
{

inline bool IsInk(COLORREF pixel, COLORREF ink, COLORREF background)
{
    const auto channel = [](COLORREF colour, int shift)
    { return static_cast<double>((colour >> shift) & 0xFF); };
    double along = 0, span = 0;
    for (const int shift : {0, 8, 16})
    {
        const double towardsInk = channel(ink, shift) - channel(background, shift);
        along += (channel(pixel, shift) - channel(background, shift)) * towardsInk;
        span += towardsInk * towardsInk;
    }
    if (span == 0)
        return false;
    const double share = along / span;
    if (share < 0.5)
        return false;
    double offLine = 0;
    for (const int shift : {0, 8, 16})
    {
        const double expected =
            channel(background, shift) + share * (channel(ink, shift) - channel(background, shift));
        offLine += std::pow(channel(pixel, shift) - expected, 2);
    }
    return std::sqrt(offLine) < 40;
}

// Whether any pixel of the area [x0, x1) x [y0, y1) shows the ink.
inline bool InkIn(const Picture& picture, int x0, int y0, int x1, int y1, COLORREF ink,
                  COLORREF background = 0xFFFFFF)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (IsInk(picture.Pixel(x, y), ink, background))
                return true;
    return false;
}

} // namespace halvo::testing
