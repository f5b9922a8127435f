#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Instructions": twelve painted lines on how to set the program up.
class CInstructionsDlg : public CDialog
{
  public:
    explicit CInstructionsDlg(CWnd* parent);

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
};

} // namespace halvo
