#include "settings/screen_colours.h"

#include "platform/text/number_text.h"
#include "settings/settings.h"

namespace halvo
{

ScreenColours screenColours;

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
