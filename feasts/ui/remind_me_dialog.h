#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Remind Me": the feast reminder on or off, and how many days ahead it
// speaks. Stored in the registry on OK only.
class CRemindMeDlg : public CDialog
{
  public:
    explicit CRemindMeDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
};

} // namespace halvo
