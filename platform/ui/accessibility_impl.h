#pragma once

// Inside the framework: where painting and dialog building hand their
// results to the screen readers and the keyboard.

#include "platform/ui/framework_impl.h"

namespace halvo
{

// Set on a control whose accessible name the program gave.
inline constexpr const char* kNamedByProgram = "halvoNamedByProgram";

// After each paint: names the surface's controls from the captions just
// painted and announces the painted texts that changed.
void AfterPaintForScreenReaders(CWnd& window, QWidget& surface);

// Once a dialog's controls are built: Tab follows their layout, and the
// texts the dialog paints are offered to screen readers.
void PrepareDialogForScreenReaders(CWnd& dialog, QWidget& surface);

} // namespace halvo
