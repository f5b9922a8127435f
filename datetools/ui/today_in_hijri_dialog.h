#pragma once

#include "engine/date_record.h"
#include "platform/ui/dialog.h"

#include <string>

namespace halvo
{

// "Today in Hijri": the Hijri date of a Gregorian date the user picks. It
// opens on the main display's date and the Hijri text the display shows.
class CTodayInHijriDlg : public CDialog
{
  public:
    CTodayInHijriDlg(CWnd* parent, const DateRecord& displayDate, std::string displayHijriText);

    bool OnInitDialog() override;

    // The Hijri date shown under the picker.
    const std::string& ResultLine() const { return resultLine_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnDateChange(const DateRecord& picked);

    DateRecord displayDate_;
    std::string displayHijriText_;
    std::string resultLine_;
};

} // namespace halvo
