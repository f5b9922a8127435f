#include "feasts/ui/feasts_dialog.h"

#include "engine/prayer_engine.h"
#include "feasts/feast_table.h"
#include "feasts/ui/remind_me_dialog.h"
#include "platform/clock.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

namespace halvo
{

namespace
{

// Heights are whole character cells.
const FontSpec kNameFont{"Verdana", 14, 700};
const FontSpec kDateFont{"Verdana", 12, 400};

constexpr CRect kTable{10, 10, 230, 235};
constexpr int kColumnX = 120;
constexpr int kRowHeight = 25;
constexpr int kNameX = 15;
constexpr int kDateX = 130;

} // namespace

CFeastsDlg::CFeastsDlg(CWnd* parent) : CDialog(FindDialog(IDD_FEASTS), parent) {}

const MessageMap& CFeastsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CFeastsDlg::OnPaint),
        MapCommand(ID_FEAST_REMINDERS, &CFeastsDlg::OnFeastReminders),
        MapCommand(ID_FEASTS_EXIT, &CFeastsDlg::OnExit),
    };
    return map;
}

bool CFeastsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The year of today, not of a day chosen for the main display.
    hijriYear_ = ShownHijriOf(LocalNow()).year;
    return true;
}

std::vector<std::string> CFeastsDlg::RowDates() const
{
    std::vector<std::string> dates;
    for (const FeastEntry& feast : FeastTable)
        dates.push_back(FeastGregorianDateText(hijriYear_, feast.hijriMonth, feast.hijriDay));
    return dates;
}

void CFeastsDlg::OnFeastReminders()
{
    CRemindMeDlg dialog(this);
    dialog.DoModal();
}

void CFeastsDlg::OnExit()
{
    OnOK();
}

void CFeastsDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    dc.SetTextColor(screenColours.header);
    // The table is white whatever the background.
    dc.Rectangle(kTable);
    dc.MoveTo(kColumnX, kTable.top);
    dc.LineTo(kColumnX, kTable.bottom);

    const std::vector<std::string> dates = RowDates();
    for (std::size_t row = 0; row < FeastTable.size(); ++row)
    {
        const int y = kRowHeight * static_cast<int>(row);
        dc.SelectFont(kNameFont);
        dc.SetTextColor(screenColours.header);
        dc.TextOut(kNameX, y + 15, FeastTable[row].name);
        dc.SelectFont(kDateFont);
        dc.SetTextColor(screenColours.text);
        dc.TextOut(kDateX, y + 15, dates[row]);
        dc.MoveTo(kTable.left, y + 35);
        dc.LineTo(kTable.right, y + 35);
    }
}

} // namespace halvo
