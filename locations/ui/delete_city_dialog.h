#pragma once

#include "locations/location_records.h"
#include "platform/ui/dialog.h"

#include <vector>

namespace halvo
{

// "Delete City": removes one stored city, never the current one.
class CDeleteCityDlg : public CDialog
{
  public:
    explicit CDeleteCityDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);

    // The cities the list shows, to map an entry back to its stored name.
    std::vector<CityRecord> cities_;
};

} // namespace halvo
