#include "locations/ui/delete_city_dialog.h"
#include "platform/text/translatable.h"

#include "locations/city_entry.h"
#include "locations/location_database.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {10, 20, HALVO_TEXT("Select City: "), TextColour::kHeader},
};

constexpr const char* kNoCityMessage = "Please select a city";
constexpr const char* kCurrentCityMessage =
    "Sorry, This is your current location, it can't be deleted";

// The stored name of the current city: the setting may differ from it in
// case, and the store's lookup still finds that city.
std::string CurrentCityName()
{
    const std::string setting = ReadSetting(setting::kCityName);
    const std::optional<CityRecord> stored = ReadCity(setting);
    return stored ? stored->name : setting;
}

} // namespace

CDeleteCityDlg::CDeleteCityDlg(CWnd* parent) : CDialog(FindDialog(IDD_DELETE_CITY), parent) {}

const MessageMap& CDeleteCityDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CDeleteCityDlg::OnPaint),
    };
    return map;
}

bool CDeleteCityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    cities_ = ReadAllCities();
    CListBox list = List(IDC_DELETE_CITIES);
    const std::string current = CurrentCityName();
    std::string currentEntry;
    for (const CityRecord& city : cities_)
    {
        list.AddString(CityListEntry(city));
        if (city.name == current)
            currentEntry = CityListEntry(city);
    }
    // The current city's own entry, not the first one that begins with its name.
    for (int row = 0; !currentEntry.empty() && row < list.GetCount(); ++row)
        if (list.GetText(row) == currentEntry)
            list.SetCurSel(row);
    return true;
}

void CDeleteCityDlg::OnOK()
{
    CListBox list = List(IDC_DELETE_CITIES);
    const int row = list.GetCurSel();
    if (row < 0)
    {
        MessageBox(this, kNoCityMessage);
        return;
    }
    const std::optional<std::string> name = StoredNameOfEntry(cities_, list.GetText(row));
    if (!name)
    {
        MessageBox(this, kCityNotFoundMessage);
        return;
    }
    if (*name == CurrentCityName())
    {
        MessageBox(this, kCurrentCityMessage);
        return;
    }
    WindowMessages messages(this);
    // A city gone since the list was read has had its message; one still
    // stored was not deleted, and the person may try again.
    const bool gone = DeleteCity(messages, *name) || FindCity(*name) < 0;
    EndOKIfStored(gone, kCityNotDeletedMessage);
}

void CDeleteCityDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
