#include "shell/instructions_dialog.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "shell/help_texts.h"

#include <algorithm>

namespace halvo
{

namespace
{

constexpr int kRightMargin = 10; // pixels, as on the left

// Every line is drawn whole: the dialog is widened to its longest line in
// the font it paints with (the last line holds the support address this
// build was configured with), and its OK button stays in the middle.
DialogTemplate FittedTemplate()
{
    DialogTemplate fitted = FindDialog(IDD_INSTRUCTIONS);
    int widest = 0;
    for (const PaintedText& line : InstructionsLines())
        widest =
            std::max(widest, line.x + SystemFontTextWidth(line.text, line.argument) + kRightMargin);
    const int units = (widest * 2 + 2) / 3; // pixels to dialog units, rounded up
    if (units <= fitted.width)
        return fitted;
    fitted.width = units;
    for (ControlTemplate& control : fitted.controls)
        if (control.id == IDOK)
            control.x = (units - control.width) / 2;
    return fitted;
}

} // namespace

CInstructionsDlg::CInstructionsDlg(CWnd* parent) : CDialog(FittedTemplate(), parent) {}

const MessageMap& CInstructionsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CInstructionsDlg::OnPaint),
    };
    return map;
}

void CInstructionsDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, InstructionsLines(), screenColours.text, screenColours.header);
}

} // namespace halvo
