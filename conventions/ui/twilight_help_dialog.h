#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Twilight Angles Help": which organisation's convention is used where.
class CTwilightHelpDlg : public CDialog
{
  public:
    explicit CTwilightHelpDlg(CWnd* parent);

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
};

} // namespace halvo
