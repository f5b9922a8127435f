#include "locations/ui/select_location_dialog.h"

#include "locations/location_database.h"
#include "locations/world_regions.h"
#include "platform/ui/bitmap_pixel.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"

namespace halvo
{

namespace
{

constexpr const char* kNoRegionMessage = "Didn't get your selection, please try once again!";
constexpr const char* kNoCityMessage = "Please select a city";

} // namespace

CSelectLocationDlg::CSelectLocationDlg(CWnd* parent)
    : CDialog(FindDialog(IDD_SELECT_LOCATION), parent)
{
}

const MessageMap& CSelectLocationDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CSelectLocationDlg::OnPaint),
        MapLButtonDown(&CSelectLocationDlg::OnMapTap),
        MapSelChange(IDC_REGION, &CSelectLocationDlg::OnRegionChange),
        MapSelChange(IDC_COUNTRIES, &CSelectLocationDlg::OnCountryChange),
    };
    return map;
}

bool CSelectLocationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CComboBox regions = Combo(IDC_REGION);
    // Nothing is painted beside the lists: the map above them says it all.
    regions.SetAccessibleName("Region");
    List(IDC_COUNTRIES).SetAccessibleName("Countries");
    List(IDC_CITIES).SetAccessibleName("Cities");
    for (const std::string& name : RegionNames())
        regions.AddString(name);
    regions.SelectString(-1, kWorldCountries);
    FillCountries(kWorldCountries);
    ListCitiesOfSelectedCountry();
    return true;
}

void CSelectLocationDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    dc.DrawBitmap(0, 0, IDB_WORLD_MAP);
}

// The colour is the map picture's own pixel under the tap, so the lookup
// sees exactly the map painted there; the surface around the picture is
// no part of the map, whatever colour the background has.
void CSelectLocationDlg::OnMapTap(CPoint point)
{
    if (point.x > kWorldMapWidth || point.y > kWorldMapHeight)
        return;
    const std::optional<COLORREF> colour = BitmapPixel(IDB_WORLD_MAP, point.x, point.y);
    if (!colour)
        return;
    const WorldRegion* region = RegionAtMapPoint(*colour, point.x);
    if (region == nullptr)
    {
        MessageBox(this, kNoRegionMessage);
        return;
    }
    Combo(IDC_REGION).SelectString(-1, region->name);
    FillCountries(region->name);
    ListCitiesOfSelectedCountry();
}

void CSelectLocationDlg::OnRegionChange()
{
    CComboBox regions = Combo(IDC_REGION);
    const int selected = regions.GetCurSel();
    if (selected < 0)
        return;
    FillCountries(regions.GetText(selected));
    ListCitiesOfSelectedCountry();
}

void CSelectLocationDlg::OnCountryChange()
{
    ListCitiesOfSelectedCountry();
}

void CSelectLocationDlg::FillCountries(const std::string& region)
{
    CListBox countries = List(IDC_COUNTRIES);
    countries.ResetContent();
    for (const std::string& country : CountriesOfRegion(region))
        countries.AddString(country);
    countries.SetCurSel(0);
}

void CSelectLocationDlg::ListCitiesOfSelectedCountry()
{
    CListBox countries = List(IDC_COUNTRIES);
    CListBox cities = List(IDC_CITIES);
    cities.ResetContent();
    const int selected = countries.GetCurSel();
    if (selected < 0)
        return;
    for (const std::string& city : ListCitiesOfCountry(countries.GetText(selected)))
        cities.AddString(city);
}

void CSelectLocationDlg::OnOK()
{
    CListBox cities = List(IDC_CITIES);
    const int selected = cities.GetCurSel();
    if (selected < 0)
    {
        MessageBox(this, kNoCityMessage);
        return;
    }
    const std::string chosen = cities.GetText(selected);
    if (storeAsCurrent_ && !WriteSetting(setting::kCityName, chosen))
    {
        MessageBox(this, kSettingsNotWrittenMessage);
        return;
    }
    chosenCity_ = chosen;
    CDialog::OnOK();
}

} // namespace halvo
