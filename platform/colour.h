#pragma once

#include <cstdint>

namespace halvo
{

// A colour as the system stores and compares it: 0x00BBGGRR, blue in the
// high byte. Only the painting code of the framework turns it into red,
// green and blue for the toolkit.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int red, int green, int blue)
{
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF colour)
{
    return static_cast<int>(colour & 0xFF);
}
constexpr int GetGValue(COLORREF colour)
{
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF colour)
{
    return static_cast<int>((colour >> 16) & 0xFF);
}

} // namespace halvo
