#include "shell/help_dialog.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "shell/help_texts.h"

namespace halvo
{

CHelpDlg::CHelpDlg(CWnd* parent) : CDialog(FindDialog(IDD_HELP), parent) {}

const MessageMap& CHelpDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CHelpDlg::OnPaint),
    };
    return map;
}

bool CHelpDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Edit(IDC_HELP_TEXT).SetWindowText(HelpText());
    return true;
}

void CHelpDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
}

} // namespace halvo
