#include "settings/screen_colours.h"

#include <gtest/gtest.h>

#include <string>

namespace halvo
{
namespace
{

// Black's contrast ratio with each palette colour, worked out by hand from
// the sRGB relative luminance: 4.5 or more keeps black, less turns white.
TEST(ReadableTextColour, EveryPaletteBackgroundGetsTheColourThatReadsOnIt)
{
    struct Case
    {
        const char* name;
        COLORREF expected;
    };
    const Case cases[] = {
        {"BLACK", 0xFFFFFF},       // 1.0
        {"BLUE", 0xFFFFFF},        // 2.4
        {"DARK BLUE", 0xFFFFFF},   // 1.3
        {"DARK RED", 0xFFFFFF},    // 1.9
        {"GRAY", 0x000000},        // 5.3
        {"GREEN", 0xFFFFFF},       // 4.1
        {"LIGHT GRAY", 0x000000},  // 11.6
        {"LIGHT GREEN", 0x000000}, // 15.3
        {"RED", 0x000000},         // 5.3
        {"WHITE", 0x000000},       // 21.0
        {"YELLOW", 0x000000},      // 19.6
    };
    ASSERT_EQ(std::size(cases), ColourTable.size());
    for (std::size_t i = 0; i < ColourTable.size(); ++i)
    {
        ASSERT_EQ(std::string(ColourTable[i].name), cases[i].name);
        EXPECT_EQ(ReadableTextColour(ColourTable[i].value), cases[i].expected) << cases[i].name;
    }
    // The default background keeps the black the display always had.
    EXPECT_EQ(ReadableTextColour(ScreenColours{}.background), 0x000000u);
}

} // namespace
} // namespace halvo
