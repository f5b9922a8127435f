#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Color Preferences...": three buttons, each choosing one colour in a
// fresh Color Palette; OK applies and stores the pending choices.
class CColorPrefsDlg : public CDialog
{
  public:
    explicit CColorPrefsDlg(CWnd* parent);

    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnChangeBackground();
    void OnChangeText();
    void OnChangeHeaders();
};

} // namespace halvo
