#pragma once

#include "platform/alarm_services.h"
#include "platform/ui/dialog.h"

namespace halvo
{

// "Set  Adhan": which prayers sound, the Adhan as a whole, how many times
// and which sound. OK stores them and the program-wide switches; "Test
// Sound" plays the chosen sound once through the player given.
class CSetAdhanDlg : public CDialog
{
  public:
    CSetAdhanDlg(CWnd* parent, SoundPlayer& player);

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnAll();
    void OnTestSound();

    SoundPlayer& player_;
};

} // namespace halvo
