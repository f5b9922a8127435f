#include "settings/screen_colours.h"

#include "platform/text/number_text.h"
#include "settings/settings.h"

#include <cmath>

namespace halvo
{

ScreenColours screenColours;

namespace
{

// One sRGB channel (0..255) as linear light.
double LinearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(COLORREF colour)
{
    return 0.2126 * LinearChannel(GetRValue(colour)) + 0.7152 * LinearChannel(GetGValue(colour)) +
           0.0722 * LinearChannel(GetBValue(colour));
}

} // namespace

COLORREF ReadableTextColour(COLORREF background)
{
    constexpr COLORREF kBlack = 0x000000;
    constexpr COLORREF kWhite = 0xFFFFFF;
    // Black's luminance is 0, so its contrast with the background is
    // (L + 0.05) / 0.05.
    const double blackContrast = (RelativeLuminance(background) + 0.05) / 0.05;
    return blackContrast >= 4.5 ? kBlack : kWhite;
}

static COLORREF TableColour(const std::string& indexText, int defaultIndex)
{
    int index = LeadingInteger(indexText);
    if (index < 0 || index >= static_cast<int>(ColourTable.size()))
        index = defaultIndex;
    return ColourTable[static_cast<std::size_t>(index)].value;
}

ScreenColours ColoursFromIndexTexts(const std::string& background, const std::string& text,
                                    const std::string& header)
{
    ScreenColours colours;
    colours.background = TableColour(background, kDefaultBackgroundIndex);
    colours.text = TableColour(text, kDefaultTextIndex);
    colours.header = TableColour(header, kDefaultHeaderIndex);
    return colours;
}

void LoadScreenColours()
{
    screenColours = ColoursFromIndexTexts(ReadSetting(setting::kBg), ReadSetting(setting::kTxt),
                                          ReadSetting(setting::kHr));
}

} // namespace halvo
