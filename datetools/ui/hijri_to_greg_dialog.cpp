#include "datetools/ui/hijri_to_greg_dialog.h"
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

constexpr DateListIds kHijriLists = {IDC_HIJRI_DAY, IDC_HIJRI_MONTH, IDC_HIJRI_YEAR};

constexpr PaintedText kLabels[] = {
    {10, 15, HALVO_TEXT("Hijri Day"), TextColour::kText},
    {10, 45, HALVO_TEXT("Hijri Month"), TextColour::kText},
    {10, 80, HALVO_TEXT("Hijri Year"), TextColour::kText},
};

constexpr PaintedText kSightingNote[] = {
    {10, 140, HALVO_TEXT("Since Calculations are not based on "), TextColour::kText},
    {10, 160, HALVO_TEXT("actual moon sightings, "), TextColour::kText},
    {10, 180, HALVO_TEXT("There may be a +/-1 day discrepancy"), TextColour::kText},
};

constexpr int kResultX = 50;
constexpr int kResultY = 115;

} // namespace

CHijriToGregDlg::CHijriToGregDlg(CWnd* parent) : CDialog(FindDialog(IDD_HIJRI_TO_GREG), parent) {}

const MessageMap& CHijriToGregDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CHijriToGregDlg::OnPaint),
        MapSelEndOk(IDC_HIJRI_DAY, &CHijriToGregDlg::OnHijriChange),
        MapSelEndOk(IDC_HIJRI_MONTH, &CHijriToGregDlg::OnHijriChange),
        MapSelEndOk(IDC_HIJRI_YEAR, &CHijriToGregDlg::OnHijriChange),
    };
    return map;
}

bool CHijriToGregDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const GregorianDay today = GregorianDayOf(LocalNow());
    FillRows(Combo(IDC_HIJRI_DAY), DayRowTexts());
    FillRows(Combo(IDC_HIJRI_MONTH), HijriMonthRowTexts());
    FillRows(Combo(IDC_HIJRI_YEAR), HijriYearRowTexts());
    ShowRows(*this, kHijriLists, HijriRowsOf(HijriOf(today)));
    resultLine_ = CivilDateLine(today);
    return true;
}

void CHijriToGregDlg::OnHijriChange()
{
    // While a list has no row selected (a year beyond the list) there is no
    // date to convert, and the line keeps what it showed.
    const std::optional<HijriDay> chosen = HijriOfRows(SelectedRows(*this, kHijriLists));
    if (!chosen)
        return;
    resultLine_ = CivilDateLine(GregorianOf(*chosen));
    Invalidate();
    UpdateWindow();
}

void CHijriToGregDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
    dc.SetTextColor(screenColours.header);
    dc.TextOut(kResultX, kResultY, resultLine_);
    PaintTexts(dc, kSightingNote, screenColours.text, screenColours.header);
}

} // namespace halvo
