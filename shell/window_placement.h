#pragma once

#include "platform/ui/framework.h"

namespace halvo
{

// The main window's size and position from one run to the next, in
// registry values of our own under Software\Halvo\Window.
void SaveFramePlacement(const CFrameWnd& frame);
// Puts the frame where the last run left it; false (and the frame as it
// is) when nothing usable was stored.
bool RestoreFramePlacement(CFrameWnd& frame);

} // namespace halvo
