#pragma once

#include "platform/ui/dialog.h"

namespace halvo
{

// "Twilight Conventions": choose the convention whose angles Fajr and Isha
// are computed with; OK selects it into the settings.
class CTwilightConventionsDlg : public CDialog
{
  public:
    explicit CTwilightConventionsDlg(CWnd* parent);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnSelChangeConvention();
    void OnHelp();
    // The chosen convention's angles in the two read-only edits.
    void ShowAngles();
};

} // namespace halvo
