#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Add Twilight Angles": a convention of the user's own, a name and two
// angles in degrees. It joins the list; it is not selected.
class CAddTwilightAnglesDlg : public CDialog
{
  public:
    explicit CAddTwilightAnglesDlg(CWnd* parent);

    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
};

} // namespace halvo
