#include "conventions/ui/twilight_conventions_dialog.h"
#include "platform/text/translatable.h"

#include "conventions/twilight_conventions.h"
#include "conventions/ui/twilight_help_dialog.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {30, 30, HALVO_TEXT("Fajr/Isha"), TextColour::kText},
    {30, 70, HALVO_TEXT("Fajr Angle"), TextColour::kText},
    {30, 110, HALVO_TEXT("Isha Angle"), TextColour::kText},
};

} // namespace

CTwilightConventionsDlg::CTwilightConventionsDlg(CWnd* parent)
    : CDialog(FindDialog(IDD_TWILIGHT_CONVENTIONS), parent)
{
}

const MessageMap& CTwilightConventionsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CTwilightConventionsDlg::OnPaint),
        MapSelChange(IDC_CONVENTION, &CTwilightConventionsDlg::OnSelChangeConvention),
        MapClicked(IDC_CONVENTIONS_HELP, &CTwilightConventionsDlg::OnHelp),
    };
    return map;
}

bool CTwilightConventionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnsureConventionStore();
    CComboBox names = Combo(IDC_CONVENTION);
    const std::vector<std::string> conventions = ListConventions();
    for (const std::string& name : conventions)
        names.AddString(name);
    // The stored name's own entry; only when none is equal, the entry that
    // begins with it, searched from the second entry on and then the first,
    // whatever the case. A longer name it begins must not win over it: OK
    // would switch the convention without a choice.
    const std::string stored = ReadSetting(setting::kKQMethod);
    if (const std::optional<int> row = RowOfStoredConvention(conventions, stored))
        names.SetCurSel(*row);
    else
        names.SelectString(0, stored);
    ShowAngles();
    return true;
}

void CTwilightConventionsDlg::OnSelChangeConvention()
{
    ShowAngles();
}

void CTwilightConventionsDlg::ShowAngles()
{
    const CComboBox names = Combo(IDC_CONVENTION);
    const int index = names.GetCurSel();
    const auto convention =
        index >= 0 ? FindConvention(names.GetText(index)) : std::optional<Convention>{};
    Edit(IDC_FAJR_ANGLE).SetWindowText(convention ? AngleTextForDisplay(convention->fajr) : "");
    Edit(IDC_ISHA_ANGLE).SetWindowText(convention ? AngleTextForDisplay(convention->isha) : "");
}

void CTwilightConventionsDlg::OnHelp()
{
    CTwilightHelpDlg help(this);
    help.DoModal();
}

void CTwilightConventionsDlg::OnOK()
{
    // With nothing chosen there is nothing to select.
    const CComboBox names = Combo(IDC_CONVENTION);
    bool stored = true;
    if (const int index = names.GetCurSel(); index >= 0)
        stored = SelectConvention(names.GetText(index));
    EndOKIfStored(stored, kSettingsNotWrittenMessage);
}

void CTwilightConventionsDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
