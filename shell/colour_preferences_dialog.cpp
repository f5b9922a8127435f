#include "shell/colour_preferences_dialog.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/colour_choices.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/colour_palette_dialog.h"

namespace halvo
{

namespace
{

// A cancelled palette is a choice too: it drops the earlier one.
int ChooseInPalette(CWnd* parent)
{
    CColorPaletteDlg palette(parent);
    palette.DoModal();
    return PendingChoiceFromPalette(palette.Choice());
}

} // namespace

CColorPrefsDlg::CColorPrefsDlg(CWnd* parent) : CDialog(FindDialog(IDD_COLOR_PREFERENCES), parent) {}

const MessageMap& CColorPrefsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CColorPrefsDlg::OnPaint),
        MapClicked(IDC_CHANGE_BACKGROUND, &CColorPrefsDlg::OnChangeBackground),
        MapClicked(IDC_CHANGE_TEXT, &CColorPrefsDlg::OnChangeText),
        MapClicked(IDC_CHANGE_HEADERS, &CColorPrefsDlg::OnChangeHeaders),
    };
    return map;
}

void CColorPrefsDlg::OnChangeBackground()
{
    pendingColourChoices.background = ChooseInPalette(this);
}

void CColorPrefsDlg::OnChangeText()
{
    pendingColourChoices.text = ChooseInPalette(this);
}

void CColorPrefsDlg::OnChangeHeaders()
{
    pendingColourChoices.header = ChooseInPalette(this);
}

void CColorPrefsDlg::OnOK()
{
    // Cancel leaves the pending choices for the next OK, and so does a
    // failed write: nothing was applied.
    EndOKIfStored(ApplyPendingColours(pendingColourChoices, screenColours),
                  kSettingsNotWrittenMessage);
}

void CColorPrefsDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    dc.SetTextColor(screenColours.text);
}

} // namespace halvo
