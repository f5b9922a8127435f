#include "shell/about_dialog.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "shell/help_texts.h"

namespace halvo
{

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(FindDialog(IDD_ABOUTBOX), parent) {}

const MessageMap& CAboutDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CAboutDlg::OnPaint),
        MapClicked(IDC_ABOUT_OK, &CAboutDlg::OnAboutOK),
    };
    return map;
}

void CAboutDlg::OnAboutOK()
{
    EndDialog(IDOK);
}

void CAboutDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, AboutLines(), screenColours.text, screenColours.header);
}

} // namespace halvo
