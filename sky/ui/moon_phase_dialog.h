#pragma once

#include "platform/ui/dialog.h"
#include "sky/moon_phase.h"

namespace halvo
{

// "Moon Phase": the Moon's age, phase, illumination, lunation and distance
// for a local date and time the user picks.
class CMoonPhaseDlg : public CDialog
{
  public:
    explicit CMoonPhaseDlg(CWnd* parent);

    bool OnInitDialog() override;

    // The values the last paint showed.
    const MoonPhase& Shown() const { return shown_; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnPaint(CDC& dc);
    void OnDateChange(const DateRecord& picked);

    MoonPhase shown_;
};

} // namespace halvo
