#pragma once

// Finds texts a window cuts: a control whose text needs more room than its
// box gives, a control reaching past its window's edge, or a painted text
// running out of the window. Measured at the screen's density, so a window
// that fits at one scale and not at another is caught (tests).

#include "platform/ui/framework.h"

#include <string>
#include <vector>

class QWidget;

namespace halvo::testing
{

struct CutText
{
    std::string what; // the control's kind or "painted"
    std::string text;
    double needed = 0;    // logical pixels the text takes, across or down
    double available = 0; // what its box gives
};

// The controls of the window and the texts of one repaint of it.
std::vector<CutText> CutTexts(CWnd& window);
// The controls of a window that is plain Qt (our own windows).
std::vector<CutText> CutTexts(QWidget& window);

} // namespace halvo::testing
