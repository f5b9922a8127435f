#include "shell/screen_colours.h"

#include "shell/settings.h"

#include <cctype>
#include <climits>

namespace halvo {

ScreenColours screenColours;

int TextToInt(const std::string& text)
{
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

static COLORREF TableColour(const std::string& indexText, int defaultIndex)
{
    int index = TextToInt(indexText);
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
    screenColours = ColoursFromIndexTexts(ReadSetting("Bg"), ReadSetting("Txt"), ReadSetting("Hr"));
}

} // namespace halvo
