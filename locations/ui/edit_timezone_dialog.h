#pragma once

#include "locations/location_database.h"
#include "platform/ui/dialog.h"

#include <optional>

namespace halvo
{

// "EditTimezone": the daylight-saving rules of one zone, START and END each
// as a month, a day of the week and its occurrence in the month.
class CEditTimezoneDlg : public CDialog
{
  public:
    explicit CEditTimezoneDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnZoneChange();
    void ShowSelectedZoneRules();

    TimeZoneList zones_;
    // The shown zone as stored: a list with no row selected keeps its value.
    std::optional<TimeZoneRecord> shown_;
};

} // namespace halvo
