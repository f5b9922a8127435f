#include "shell/window_placement.h"

#include "settings/registry.h"

#include <cstdint>

namespace halvo
{

namespace
{

constexpr char kWindowSubkey[] = "Window";
constexpr char kLeft[] = "Left";
constexpr char kTop[] = "Top";
constexpr char kWidth[] = "Width";
constexpr char kHeight[] = "Height";
constexpr char kMaximized[] = "Maximized";

// Registry numbers are unsigned; a window left of or above the first
// screen has a negative position, kept as its two's complement.
std::uint32_t AsNumber(int value)
{
    return static_cast<std::uint32_t>(value);
}

int AsPosition(std::uint32_t number)
{
    return static_cast<int>(static_cast<std::int32_t>(number));
}

} // namespace

void SaveFramePlacement(const CFrameWnd& frame)
{
    if (!frame.IsCreated())
        return;
    const WindowPlacement placement = frame.GetWindowPlacement();
    if (placement.normal.Width() <= 0 || placement.normal.Height() <= 0)
        return;
    WriteRegistryNumber(kWindowSubkey, kLeft, AsNumber(placement.normal.left));
    WriteRegistryNumber(kWindowSubkey, kTop, AsNumber(placement.normal.top));
    WriteRegistryNumber(kWindowSubkey, kWidth, AsNumber(placement.normal.Width()));
    WriteRegistryNumber(kWindowSubkey, kHeight, AsNumber(placement.normal.Height()));
    WriteRegistryNumber(kWindowSubkey, kMaximized, placement.maximized ? 1 : 0);
}

bool RestoreFramePlacement(CFrameWnd& frame)
{
    // A size of 0 means none was stored; a size or position beyond any
    // screen was not written by us.
    constexpr std::uint32_t kLargest = 100000;
    std::uint32_t left = 0, top = 0, width = 0, height = 0, maximized = 0;
    ReadRegistryNumber(kWindowSubkey, kLeft, left);
    ReadRegistryNumber(kWindowSubkey, kTop, top);
    ReadRegistryNumber(kWindowSubkey, kWidth, width);
    ReadRegistryNumber(kWindowSubkey, kHeight, height);
    ReadRegistryNumber(kWindowSubkey, kMaximized, maximized);
    if (width == 0 || height == 0 || width > kLargest || height > kLargest)
        return false;
    const auto far = [](std::uint32_t number)
    {
        return AsPosition(number) > static_cast<int>(kLargest) ||
               AsPosition(number) < -static_cast<int>(kLargest);
    };
    if (far(left) || far(top))
        return false;
    WindowPlacement placement;
    placement.normal.left = AsPosition(left);
    placement.normal.top = AsPosition(top);
    placement.normal.right = placement.normal.left + static_cast<int>(width);
    placement.normal.bottom = placement.normal.top + static_cast<int>(height);
    placement.maximized = maximized != 0;
    frame.SetWindowPlacement(placement);
    return true;
}

} // namespace halvo
