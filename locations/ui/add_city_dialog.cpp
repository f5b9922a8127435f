#include "locations/ui/add_city_dialog.h"
#include "platform/text/translatable.h"

#include "locations/city_entry.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

#include <cstdlib>

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {15, 30, HALVO_TEXT("City Name"), TextColour::kHeader},
    {15, 70, HALVO_TEXT("Country Name"), TextColour::kHeader},
    {15, 105, HALVO_TEXT("Longitude"), TextColour::kHeader},
    {15, 145, HALVO_TEXT("Latitude"), TextColour::kHeader},
    {15, 185, HALVO_TEXT("Timezone"), TextColour::kHeader},
};

// Hundredths of a degree as degrees with two decimals, digit for digit.
std::string Degrees(long long hundredths)
{
    const long long whole = hundredths / 100;
    const long long rest = hundredths % 100;
    return std::to_string(whole) + (rest < 10 ? ".0" : ".") + std::to_string(rest);
}

} // namespace

CAddCityDlg::CAddCityDlg(CWnd* parent) : CDialog(FindDialog(IDD_ADD_CITY), parent) {}

void CAddCityDlg::SetEditCity(const std::string& name)
{
    editMode_ = true;
    cityName_ = name;
}

const MessageMap& CAddCityDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CAddCityDlg::OnPaint),
    };
    return map;
}

bool CAddCityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    zones_ = ListTimeZones();
    CComboBox zoneList = Combo(IDC_CITY_ZONE);
    for (const std::string& label : zones_.labels)
        zoneList.AddString(label);
    CComboBox eastWest = Combo(IDC_EAST_WEST);
    eastWest.AddString("East");
    eastWest.AddString("West");
    eastWest.SelectString(-1, "East");
    CComboBox northSouth = Combo(IDC_NORTH_SOUTH);
    northSouth.AddString("North");
    northSouth.AddString("South");
    northSouth.SelectString(-1, "North");

    if (editMode_)
    {
        ShowStoredCity();
        return true;
    }
    SetDlgItemText(IDC_CITY_NAME, "city name");
    SetDlgItemText(IDC_COUNTRY_NAME, "country name");
    SetDlgItemText(IDC_LONGITUDE, "100");
    SetDlgItemText(IDC_LATITUDE, "100");
    zoneList.SetCurSel(0);
    return true;
}

void CAddCityDlg::ShowStoredCity()
{
    std::string name = cityName_;
    std::int32_t longitude = 0, latitude = 0, zoneId = 0;
    std::string zoneLabel, zoneName, country;
    WindowMessages messages(this);
    SetDlgItemText(IDC_CITY_NAME, name);
    if (!DescribeCity(name, longitude, latitude, zoneLabel, zoneName, country, zoneId, messages))
        return;
    SetDlgItemText(IDC_CITY_NAME, name);
    SetDlgItemText(IDC_COUNTRY_NAME, country);
    SetDlgItemText(IDC_LONGITUDE, Degrees(std::llabs(longitude)));
    Combo(IDC_EAST_WEST).SelectString(-1, longitude < 0 ? "West" : "East");
    SetDlgItemText(IDC_LATITUDE, Degrees(std::llabs(latitude)));
    Combo(IDC_NORTH_SOUTH).SelectString(-1, latitude < 0 ? "South" : "North");
    // By the zone's id, so the row is found while daylight saving renames it too.
    storedZone_ = zoneId;
    for (std::size_t row = 0; row < zones_.ids.size(); ++row)
        if (zones_.ids[row] == zoneId)
            Combo(IDC_CITY_ZONE).SetCurSel(static_cast<int>(row));
}

std::optional<std::int32_t> CAddCityDlg::ChosenZone()
{
    const int row = Combo(IDC_CITY_ZONE).GetCurSel();
    if (row >= 0 && row < static_cast<int>(zones_.ids.size()))
        return zones_.ids[static_cast<std::size_t>(row)];
    return storedZone_;
}

void CAddCityDlg::OnOK()
{
    const CityEntry entry{
        .name = GetDlgItemText(IDC_CITY_NAME),
        .country = GetDlgItemText(IDC_COUNTRY_NAME),
        .longitude = GetDlgItemText(IDC_LONGITUDE),
        .latitude = GetDlgItemText(IDC_LATITUDE),
        .west = Combo(IDC_EAST_WEST).GetCurSel() == 1,
        .south = Combo(IDC_NORTH_SOUTH).GetCurSel() == 1,
    };
    const CheckedCityEntry checked = CheckCityEntry(entry);
    if (!checked.fields)
    {
        MessageBox(this, checked.message);
        return;
    }
    const std::optional<std::int32_t> zoneId = ChosenZone();
    if (!zoneId)
    {
        MessageBox(this, kNoTimezoneMessage);
        return;
    }
    const CityFields& city = *checked.fields;
    WindowMessages messages(this);
    // Whatever the store refuses keeps the dialog open with the entries, so
    // they can be corrected.
    if (editMode_)
    {
        const int replaced =
            ReplaceCity(city.name, city.country, city.longitude, city.latitude, *zoneId, messages);
        if (replaced == kCityNotReplaced)
            MessageBox(this, kCityNotChangedMessage);
        if (replaced < 0)
            return;
    }
    else
    {
        const AddCityResult added =
            AddCity(city.name, city.country, city.longitude, city.latitude, *zoneId, messages);
        if (added.outcome == AddCityOutcome::kStoreFailed)
            MessageBox(this, kCityNotWrittenMessage);
        if (added.outcome != AddCityOutcome::kAdded)
            return;
    }
    CDialog::OnOK();
}

void CAddCityDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
