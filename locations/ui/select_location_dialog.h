#pragma once

#include "platform/ui/dialog.h"

#include <string>

namespace halvo
{

// "Select Location": a region from the list or the world map, a country of
// it, then one of the stored cities of that country. The caller stores the
// chosen city.
class CSelectLocationDlg : public CDialog
{
  public:
    explicit CSelectLocationDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

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
};

} // namespace halvo
