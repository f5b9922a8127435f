#include "datetools/ui/date_settings_dialog.h"
#include "platform/text/translatable.h"

#include "datetools/date_lists.h"
#include "datetools/ui/date_list_controls.h"
#include "platform/clock.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

namespace halvo
{

namespace
{

constexpr DateListIds kGregorianLists = {IDC_GREG_DAY, IDC_GREG_MONTH, IDC_GREG_YEAR};
constexpr DateListIds kHijriLists = {IDC_HIJRI_DAY, IDC_HIJRI_MONTH, IDC_HIJRI_YEAR};

constexpr PaintedText kLabels[] = {
    {10, 7, HALVO_TEXT("Go to Gregorean Date:"), TextColour::kHeader},
    {10, 30, HALVO_TEXT("Select Day"), TextColour::kText},
    {10, 60, HALVO_TEXT("Select Month"), TextColour::kText},
    {10, 90, HALVO_TEXT("Select Year"), TextColour::kText},
    {10, 115, HALVO_TEXT("Go to Hijri Date:"), TextColour::kHeader},
    {10, 140, HALVO_TEXT("Select Day"), TextColour::kText},
    {10, 170, HALVO_TEXT("Select Month"), TextColour::kText},
    {10, 195, HALVO_TEXT("Select Year"), TextColour::kText},
};

} // namespace

CDateSettingsDlg::CDateSettingsDlg(CWnd* parent) : CDialog(FindDialog(IDD_DATE_SETTINGS), parent) {}

const MessageMap& CDateSettingsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CDateSettingsDlg::OnPaint),
        MapSelEndOk(IDC_GREG_DAY, &CDateSettingsDlg::OnGregorianChange),
        MapSelEndOk(IDC_GREG_MONTH, &CDateSettingsDlg::OnGregorianChange),
        MapSelEndOk(IDC_GREG_YEAR, &CDateSettingsDlg::OnGregorianChange),
        MapSelEndOk(IDC_HIJRI_DAY, &CDateSettingsDlg::OnHijriChange),
        MapSelEndOk(IDC_HIJRI_MONTH, &CDateSettingsDlg::OnHijriChange),
        MapSelEndOk(IDC_HIJRI_YEAR, &CDateSettingsDlg::OnHijriChange),
    };
    return map;
}

bool CDateSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const GregorianDay today = GregorianDayOf(LocalNow());
    FillRows(Combo(IDC_GREG_DAY), DayRowTexts());
    FillRows(Combo(IDC_GREG_MONTH), GregorianMonthRowTexts());
    FillRows(Combo(IDC_GREG_YEAR), GregorianYearRowTexts());
    FillRows(Combo(IDC_HIJRI_DAY), DayRowTexts());
    FillRows(Combo(IDC_HIJRI_MONTH), HijriMonthRowTexts());
    FillRows(Combo(IDC_HIJRI_YEAR), HijriYearRowTexts());
    // A year outside a list opens that list with no selection.
    ShowRows(*this, kGregorianLists, GregorianRowsOf(today));
    ShowRows(*this, kHijriLists, HijriRowsOf(HijriOf(today)));
    return true;
}

void CDateSettingsDlg::OnGregorianChange()
{
    const std::optional<GregorianDay> chosen =
        GregorianOfRows(SelectedRows(*this, kGregorianLists));
    if (!chosen)
        return;
    chosenDate_ = MakeDate(chosen->year, chosen->month, chosen->day);
    ShowRows(*this, kHijriLists, HijriRowsOf(HijriOf(*chosen)));
}

void CDateSettingsDlg::OnHijriChange()
{
    const std::optional<HijriDay> chosen = HijriOfRows(SelectedRows(*this, kHijriLists));
    if (!chosen)
        return;
    ShowRows(*this, kGregorianLists, GregorianRowsOf(GregorianOf(*chosen)));
}

void CDateSettingsDlg::OnOK()
{
    // A list without a selected row gives no date: say which, and stay open.
    const DateRows rows = SelectedRows(*this, kGregorianLists);
    const std::optional<GregorianDay> chosen = GregorianOfRows(rows);
    if (!chosen)
    {
        MessageBox(this, rows.day < 0     ? "Please select a day"
                         : rows.month < 0 ? "Please select a month"
                                          : "Please select a year");
        return;
    }
    chosenDate_ = MakeDate(chosen->year, chosen->month, chosen->day);
    applied_ = true;
    CDialog::OnOK();
}

void CDateSettingsDlg::OnCancel()
{
    applied_ = false;
    CDialog::OnCancel();
}

void CDateSettingsDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
