#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Select Asr Method": the school for the afternoon prayer, stored as
// AsrMethod on OK.
class CAsrMethodDlg : public CDialog
{
  public:
    explicit CAsrMethodDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
};

} // namespace halvo
