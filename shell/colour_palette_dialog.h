#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Color Palette": the eleven colours as swatches with their names. Its
// choice is the index of the chosen colour, or kNoColourChange.
class CColorPaletteDlg : public CDialog
{
  public:
    explicit CColorPaletteDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    int Choice() const { return choice_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);

    int choice_;
};

} // namespace halvo
