#pragma once

// What screen readers and the keyboard are given of windows that paint
// their texts: the painted caption beside a control becomes its accessible
// name, a painted window offers its texts as static texts, and Tab visits
// the controls in the order they stand on the screen.

#include "platform/ui/framework.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace halvo
{

class CDialog;

// Where a control's caption is painted. A box alone has its caption on its
// right; every other control has it on its left on the same row or, failing
// that, just above it.
enum class CaptionPlace
{
    kLeftOrAbove,
    kRightOfBox,
};

// The index in texts of the painted caption that names a control standing
// at `control`, or -1 when no text stands where a caption would.
int CaptionFor(const CRect& control, CaptionPlace place, std::span<const CRect> texts);

// The indexes of the rectangles in reading order: rows from top to bottom
// (a rectangle whose top lies above the bottom of a row's first one stands
// on that row), each row from left to right.
std::vector<std::size_t> LayoutOrder(std::span<const CRect> rects);

// A text a window shows to a screen reader, in the window's own pixels.
struct AccessibleText
{
    std::string name;
    CRect rect;
};
using AccessibleTextSource = std::function<std::vector<AccessibleText>()>;

// Gives a painted window accessible children: the texts the source returns
// whenever a screen reader asks (dialogs offer what they painted last).
void SetAccessibleTexts(CWnd& window, AccessibleTextSource source);
// Tells screen readers which of those texts changed since they were last told.
void AnnounceAccessibleTexts(CWnd& window);
// Tests: while set, every text announced as changed is handed to the sink
// as well (the toolkit drops the events where no screen reader listens).
void SetAnnouncementSink(std::function<void(const std::string&)> sink);

// What a screen reader finds under a window, depth first (the window
// itself at depth 0): tests read the tree the desktop's bridge reads.
struct AccessibleItem
{
    std::string role; // "static text", "edit", "combo box", "list", "check box", ...
    std::string name;
    int depth = 0;
};
std::vector<AccessibleItem> AccessibleItems(const CWnd& window);

// The accessible name of a dialog's control.
std::string AccessibleName(const CDialog& dialog, int id);

// The ids of a dialog's controls in the order Tab visits them from the
// first; controls Tab passes over (pictures, static texts) are left out.
std::vector<int> TabOrder(const CDialog& dialog);

} // namespace halvo
