#pragma once

#include "platform/ui/dialog.h"

#include <string>

namespace halvo
{

// "Select Location": a region from the list or the world map, a country of
// it, then one of the stored cities of that country. As the current city
// it is stored at OK, so that a failed write keeps the dialog open; Edit
// Location only chooses a city with it.
class CSelectLocationDlg : public CDialog
{
  public:
    explicit CSelectLocationDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

    // OK then stores the chosen city as the current one (CityName).
    void StoreAsCurrentCity() { storeAsCurrent_ = true; }
    // The city chosen with OK.
    const std::string& ChosenCity() const { return chosenCity_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnMapTap(CPoint point);
    void OnRegionChange();
    void OnCountryChange();
    void FillCountries(const std::string& region);
    void ListCitiesOfSelectedCountry();

    std::string chosenCity_;
    bool storeAsCurrent_ = false;
};

} // namespace halvo
