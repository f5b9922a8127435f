#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// The About box: the program icon, name, version and maker. Its OK button
// is 1017, not the usual 1.
class CAboutDlg : public CDialog
{
  public:
    explicit CAboutDlg(CWnd* parent);

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnAboutOK();
};

} // namespace halvo
