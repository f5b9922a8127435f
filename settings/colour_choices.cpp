#include "settings/colour_choices.h"

#include "settings/settings.h"

#include <string>

namespace halvo
{

PendingColourChoices pendingColourChoices;

int PendingChoiceFromPalette(int result)
{
    // The table ends at 10; an 11 would read past it.
    if (result < 0 || result >= static_cast<int>(ColourTable.size()))
        return kNoColourChange;
    return result;
}

void ApplyPendingColours(const PendingColourChoices& choices, ScreenColours& colours)
{
    struct Target
    {
        int choice;
        COLORREF& colour;
        const char* setting;
    };
    const Target targets[] = {
        {choices.background, colours.background, setting::kBg},
        {choices.text, colours.text, setting::kTxt},
        {choices.header, colours.header, setting::kHr},
    };
    for (const Target& target : targets)
    {
        const int index = PendingChoiceFromPalette(target.choice);
        if (index == kNoColourChange)
            continue;
        target.colour = ColourTable[static_cast<std::size_t>(index)].value;
        WriteSetting(target.setting, std::to_string(index));
    }
}

} // namespace halvo
