#include "datetools/ui/today_in_hijri_dialog.h"
#include "platform/text/translatable.h"

#include "datetools/date_lists.h"
#include "day/day_model.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

#include <utility>

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {10, 15, HALVO_TEXT("Gregorean Date:"), TextColour::kText},
};

// Calculation is tabular, so the day may differ from the one announced.
constexpr PaintedText kSightingNote[] = {
    {10, 70, HALVO_TEXT("Since Calculations are not based on "), TextColour::kText},
    {10, 90, HALVO_TEXT("actual moon sightings, "), TextColour::kText},
    {10, 110, HALVO_TEXT("There may be a +/-1 day discrepancy"), TextColour::kText},
};

constexpr int kResultX = 40;
constexpr int kResultY = 45;

} // namespace

CTodayInHijriDlg::CTodayInHijriDlg(CWnd* parent, const DateRecord& displayDate,
                                   std::string displayHijriText)
    : CDialog(FindDialog(IDD_TODAY_IN_HIJRI), parent), displayDate_(displayDate),
      displayHijriText_(std::move(displayHijriText))
{
}

const MessageMap& CTodayInHijriDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CTodayInHijriDlg::OnPaint),
        MapDateChange(IDC_GREG_DATE, &CTodayInHijriDlg::OnDateChange),
    };
    return map;
}

bool CTodayInHijriDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CDateTimeCtrl picker = DatePicker(IDC_GREG_DATE);
    picker.SetFormat("dd-MMM-yyyy");
    // A picker cannot hold 31 April: it opens on the day the display shows
    // for it, never on a default of its own.
    picker.SetTime(CalendarDateOf(displayDate_));
    resultLine_ = displayHijriText_;
    return true;
}

void CTodayInHijriDlg::OnDateChange(const DateRecord&)
{
    // The day is computed as the main display computes it, for the current
    // city; a city that is not stored gets the lookup's message, and the
    // Hijri date, which needs only the date, is shown all the same.
    WindowMessages messages(this);
    resultLine_ = ComputeDay(DatePicker(IDC_GREG_DATE).GetTime(), messages).texts[kHijriDateText];
    Invalidate();
    UpdateWindow();
}

void CTodayInHijriDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
    dc.SetTextColor(screenColours.header);
    dc.TextOut(kResultX, kResultY, resultLine_);
    PaintTexts(dc, kSightingNote, screenColours.text, screenColours.header);
}

} // namespace halvo
