#include "settings/colour_choices.h"

#include "platform/store/record_store.h"
#include "settings/settings.h"

#include <algorithm>
#include <iterator>
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

bool ApplyPendingColours(const PendingColourChoices& choices, ScreenColours& colours)
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
    const auto chosen = [](const Target& target)
    { return PendingChoiceFromPalette(target.choice) != kNoColourChange; };
    if (std::none_of(std::begin(targets), std::end(targets), chosen))
        return true;
    // The screen shows what is stored: the colours change only after the
    // commit, so a failed write leaves both as they were.
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    for (const Target& target : targets)
    {
        const int index = PendingChoiceFromPalette(target.choice);
        if (index != kNoColourChange && !WriteSetting(target.setting, std::to_string(index)))
            return false;
    }
    if (!transaction.Commit())
        return false;
    for (const Target& target : targets)
    {
        const int index = PendingChoiceFromPalette(target.choice);
        if (index != kNoColourChange)
            target.colour = ColourTable[static_cast<std::size_t>(index)].value;
    }
    return true;
}

} // namespace halvo
