#include "shell/colour_palette_dialog.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/colour_choices.h"
#include "settings/screen_colours.h"

namespace halvo
{

CColorPaletteDlg::CColorPaletteDlg(CWnd* parent)
    : CDialog(FindDialog(IDD_COLOR_PALETTE), parent), choice_(kNoColourChange)
{
}

const MessageMap& CColorPaletteDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CColorPaletteDlg::OnPaint),
    };
    return map;
}

bool CColorPaletteDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Item k is colour k with swatch k: the index is the stored value.
    CListCtrl swatches = IconList(IDC_PALETTE);
    for (std::size_t k = 0; k < ColourTable.size(); ++k)
        swatches.InsertItem(ColourTable[k].name, IDI_FIRST_SWATCH + static_cast<int>(k));
    return true;
}

void CColorPaletteDlg::OnOK()
{
    const int selected = IconList(IDC_PALETTE).GetSelectedItem();
    choice_ = selected >= 0 ? selected : kNoColourChange;
    CDialog::OnOK();
}

void CColorPaletteDlg::OnCancel()
{
    choice_ = kNoColourChange;
    CDialog::OnCancel();
}

void CColorPaletteDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    dc.SetTextColor(screenColours.text);
}

} // namespace halvo
