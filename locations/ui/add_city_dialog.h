#pragma once

#include "locations/location_database.h"
#include "platform/ui/dialog.h"

#include <cstdint>
#include <optional>
#include <string>

namespace halvo
{

// "Add  City Information": adds a city typed by hand or, in edit mode,
// rewrites a stored one.
class CAddCityDlg : public CDialog
{
  public:
    explicit CAddCityDlg(CWnd* parent);

    // Edit mode: the dialog opens on this stored city and rewrites it.
    void SetEditCity(const std::string& name);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void ShowStoredCity();
    std::optional<std::int32_t> ChosenZone();

    bool editMode_ = false;
    std::string cityName_;
    TimeZoneList zones_;
    // The zone of the city being edited, kept when no zone row is chosen.
    std::optional<std::int32_t> storedZone_;
};

} // namespace halvo
