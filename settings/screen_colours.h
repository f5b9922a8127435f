#pragma once

#include "platform/colour.h"

#include <array>
#include <string>

namespace halvo
{

struct ColourEntry
{
    const char* name;
    COLORREF value;
};

// The eleven colours a person can choose from, by the index stored in the
// settings Bg, Txt and Hr.
inline constexpr std::array<ColourEntry, 11> ColourTable = {{
    {"BLACK", 0x000000},
    {"BLUE", 0xFF0000},
    {"DARK BLUE", 0x800000},
    {"DARK RED", 0x000080},
    {"GRAY", 0x808080},
    {"GREEN", 0x008000},
    {"LIGHT GRAY", 0xC0C0C0},
    {"LIGHT GREEN", 0x00FF00},
    {"RED", 0x0000FF},
    {"WHITE", 0xFFFFFF},
    {"YELLOW", 0x00FFFF},
}};

inline constexpr int kDefaultBackgroundIndex = 9; // white
inline constexpr int kDefaultTextIndex = 1;       // blue
inline constexpr int kDefaultHeaderIndex = 1;     // blue

// The three colours every window paints with.
struct ScreenColours
{
    COLORREF background = 0xFFFFFF;
    COLORREF text = 0xFF0000;
    COLORREF header = 0xFF0000;
};

// Program-wide: set at start-up and by the colour preferences, read by
// every paint.
extern ScreenColours screenColours;

// The colours of three stored index texts. An index outside the table falls
// back to that setting's default.
ScreenColours ColoursFromIndexTexts(const std::string& background, const std::string& text,
                                    const std::string& header);

// The colour that stays readable on a background: black when black has a
// contrast ratio of at least 4.5 to 1 with it (relative luminance as the
// web's accessibility guidelines define it), else white. White, the
// default background, keeps black.
COLORREF ReadableTextColour(COLORREF background);

// Reads Bg, Txt and Hr into screenColours.
void LoadScreenColours();

} // namespace halvo
