#pragma once

#include "platform/ui/dialog.h"

#include <string>

namespace halvo
{

// "Hijri To Gregorean": the Gregorian date of a Hijri day, month and year
// chosen in three lists. It opens on today.
class CHijriToGregDlg : public CDialog
{
  public:
    explicit CHijriToGregDlg(CWnd* parent);

    bool OnInitDialog() override;

    // The Gregorian date shown under the lists, "15 October, 2004".
    const std::string& ResultLine() const { return resultLine_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnHijriChange();

    std::string resultLine_;
};

} // namespace halvo
