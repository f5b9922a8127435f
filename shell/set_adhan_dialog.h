#pragma once

#include "platform/alarm_services.h"
#include "platform/ui/dialog.h"

#include <optional>

namespace halvo
{

// "Set  Adhan": which prayers sound, the Adhan as a whole, how many times
// and which sound. OK stores them and the program-wide switches; "Test
// Sound" plays the chosen sound once through the player given, a second
// press while it plays stops it, and so does closing the dialog.
class CSetAdhanDlg : public CDialog
{
  public:
    CSetAdhanDlg(CWnd* parent, SoundPlayer& player);
    ~CSetAdhanDlg() override;
    CSetAdhanDlg(const CSetAdhanDlg&) = delete;
    CSetAdhanDlg& operator=(const CSetAdhanDlg&) = delete;

    bool OnInitDialog() override;
    void OnOK() override;

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnAll();
    void OnTestSound();
    // Stops the test sound if it still plays; an Adhan that began since
    // plays on.
    bool StopTestSound();

    SoundPlayer& player_;
    // The player's count just after the test sound was asked for.
    std::optional<unsigned> testPlay_;
};

} // namespace halvo
