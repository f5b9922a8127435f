#include "locations/ui/edit_timezone_dialog.h"
#include "platform/text/translatable.h"

#include "locations/zone_rule_rows.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"

#include <span>

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {10, 10, HALVO_TEXT("Timezone Name"), TextColour::kHeader},
    {10, 35, HALVO_TEXT("Daylight Saving Time Begins: "), TextColour::kText},
    {10, 60, HALVO_TEXT("Month"), TextColour::kHeader},
    {10, 85, HALVO_TEXT("DayofWeek"), TextColour::kHeader},
    {10, 110, HALVO_TEXT("Day"), TextColour::kHeader},
    {10, 135, HALVO_TEXT("Daylight Saving Time Ends: "), TextColour::kText},
    {10, 160, HALVO_TEXT("Month"), TextColour::kHeader},
    {10, 185, HALVO_TEXT("DayofWeek"), TextColour::kHeader},
    {10, 210, HALVO_TEXT("Day"), TextColour::kHeader},
};

void Fill(CComboBox list, std::span<const char* const> rows)
{
    for (const char* row : rows)
        list.AddString(row);
}

} // namespace

CEditTimezoneDlg::CEditTimezoneDlg(CWnd* parent) : CDialog(FindDialog(IDD_EDIT_TIMEZONE), parent) {}

const MessageMap& CEditTimezoneDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CEditTimezoneDlg::OnPaint),
        MapSelChange(IDC_ZONE, &CEditTimezoneDlg::OnZoneChange),
    };
    return map;
}

bool CEditTimezoneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    zones_ = ListTimeZones();
    CComboBox zoneList = Combo(IDC_ZONE);
    for (const std::string& label : zones_.labels)
        zoneList.AddString(label);
    for (const int id : {IDC_START_MONTH, IDC_END_MONTH})
        Fill(Combo(id), kRuleMonthRows);
    for (const int id : {IDC_START_DAY_OF_WEEK, IDC_END_DAY_OF_WEEK})
        Fill(Combo(id), kRuleDayOfWeekRows);
    for (const int id : {IDC_START_OCCURRENCE, IDC_END_OCCURRENCE})
        Fill(Combo(id), kRuleOccurrenceRows);

    std::string name = ReadSetting(setting::kCityName);
    std::int32_t longitude = 0, latitude = 0, zoneId = 0;
    std::string zoneLabel, zoneName, country;
    WindowMessages messages(this);
    int row = -1;
    if (DescribeCity(name, longitude, latitude, zoneLabel, zoneName, country, zoneId, messages))
        for (std::size_t k = 0; k < zones_.ids.size(); ++k)
            if (zones_.ids[k] == zoneId)
                row = static_cast<int>(k);
    // Without the current city's zone, the first zone's rules are shown.
    zoneList.SetCurSel(row >= 0 ? row : 0);
    ShowSelectedZoneRules();
    return true;
}

void CEditTimezoneDlg::OnZoneChange()
{
    ShowSelectedZoneRules();
}

void CEditTimezoneDlg::ShowSelectedZoneRules()
{
    const int row = Combo(IDC_ZONE).GetCurSel();
    shown_.reset();
    if (row >= 0 && row < static_cast<int>(zones_.ids.size()))
        shown_ = ReadTimeZone(zones_.ids[static_cast<std::size_t>(row)]);
    const TimeZoneRecord zone = shown_.value_or(TimeZoneRecord{});
    const auto show = [&](int id, std::uint16_t value, std::size_t rows)
    { Combo(id).SetCurSel(shown_ ? RuleRowOfValue(value, static_cast<int>(rows)) : -1); };
    show(IDC_START_OCCURRENCE, zone.start.occurrence, kRuleOccurrenceRows.size());
    show(IDC_START_MONTH, zone.start.month, kRuleMonthRows.size());
    show(IDC_START_DAY_OF_WEEK, zone.start.dayOfWeek, kRuleDayOfWeekRows.size());
    show(IDC_END_OCCURRENCE, zone.end.occurrence, kRuleOccurrenceRows.size());
    show(IDC_END_MONTH, zone.end.month, kRuleMonthRows.size());
    show(IDC_END_DAY_OF_WEEK, zone.end.dayOfWeek, kRuleDayOfWeekRows.size());
}

void CEditTimezoneDlg::OnOK()
{
    bool written = true;
    if (shown_)
    {
        const auto value = [&](int id, std::uint16_t stored)
        { return RuleValueOfRow(Combo(id).GetCurSel(), stored); };
        written = WriteDstRules(shown_->id, value(IDC_START_OCCURRENCE, shown_->start.occurrence),
                                value(IDC_START_MONTH, shown_->start.month),
                                value(IDC_START_DAY_OF_WEEK, shown_->start.dayOfWeek),
                                value(IDC_END_OCCURRENCE, shown_->end.occurrence),
                                value(IDC_END_MONTH, shown_->end.month),
                                value(IDC_END_DAY_OF_WEEK, shown_->end.dayOfWeek));
    }
    EndOKIfStored(written, kZoneNotWrittenMessage);
}

void CEditTimezoneDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
