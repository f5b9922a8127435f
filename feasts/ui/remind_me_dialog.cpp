#include "feasts/ui/remind_me_dialog.h"
#include "platform/text/translatable.h"

#include "feasts/feast_reminder.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/registry.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"

#include <array>
#include <cstdint>

namespace halvo
{

namespace
{

// Row index is the number of days ahead, as NumDays stores it.
constexpr std::array<const char*, 4> kLookAheadRows = {
    HALVO_TEXT("Same Day"), HALVO_TEXT("1 Day Before"), HALVO_TEXT("2 Days Before"),
    HALVO_TEXT("3 Days Before")};

constexpr PaintedText kLabels[] = {
    {60, 25, HALVO_TEXT("Feast Reminder ON/OFF"), TextColour::kHeader},
    {30, 55, HALVO_TEXT("Remind me"), TextColour::kHeader},
};

} // namespace

CRemindMeDlg::CRemindMeDlg(CWnd* parent) : CDialog(FindDialog(IDD_REMIND_ME), parent) {}

const MessageMap& CRemindMeDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CRemindMeDlg::OnPaint),
    };
    return map;
}

bool CRemindMeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A missing key or value reads as reminder off, "Same Day", as the
    // start-up check reads it.
    std::uint32_t feastOn = 0;
    std::uint32_t numDays = 0;
    ReadRegistryNumber(kFeastSubkey, kFeastValue, feastOn);
    ReadRegistryNumber(kFeastSubkey, kNumDaysValue, numDays);
    Button(IDC_REMINDER_CHECK).SetCheck(feastOn != 0);
    CComboBox rows = Combo(IDC_REMIND_DAYS);
    for (const char* row : kLookAheadRows)
        rows.AddString(row);
    // A number the list has no line for (edited in by hand) selects none.
    if (numDays < kLookAheadRows.size())
        rows.SetCurSel(static_cast<int>(numDays));
    return true;
}

void CRemindMeDlg::OnOK()
{
    // With no line selected the stored number stays as it was.
    const int row = Combo(IDC_REMIND_DAYS).GetCurSel();
    const bool stored = StoreFeastReminder(
        Button(IDC_REMINDER_CHECK).GetCheck() ? 1u : 0u,
        row >= 0 ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(row)) : std::nullopt);
    EndOKIfStored(stored, kSettingsNotWrittenMessage);
}

void CRemindMeDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
