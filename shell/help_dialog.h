#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Help": what the program does, as a read-only scrolling text.
class CHelpDlg : public CDialog
{
  public:
    explicit CHelpDlg(CWnd* parent);

    bool OnInitDialog() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
};

} // namespace halvo
