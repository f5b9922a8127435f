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

// Applies every pending choice that is not "no change" to colours and
// stores its index in Bg, Txt or Hr, in that order. A failed write loses
// only the stored index; the colour stays in effect for this run.
void ApplyPendingColours(const PendingColourChoices& choices, ScreenColours& colours);

} // namespace halvo
