#pragma once

#include "settings/screen_colours.h"

namespace halvo
{

// A pending choice, or a palette's result, that changes nothing.
inline constexpr int kNoColourChange = 12;

// The colours chosen in Color Palette and not yet applied. Program-wide and
// never reset: a choice made before a cancelled Color Preferences is still
// applied at the next OK.
struct PendingColourChoices
{
    int background = kNoColourChange;
    int text = kNoColourChange;
    int header = kNoColourChange;
};

extern PendingColourChoices pendingColourChoices;

// A palette's result as a pending choice. Only a colour of the table is a
// choice; anything else (no selection, cancel) is no change.
int PendingChoiceFromPalette(int result);

// Stores the index of every pending choice that is not "no change" in Bg,
// Txt or Hr, in one commit, then applies those choices to colours. When
// the store does not take them, nothing is stored or applied and the
// result is false.
bool ApplyPendingColours(const PendingColourChoices& choices, ScreenColours& colours);

} // namespace halvo
