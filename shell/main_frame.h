#pragma once

#include "platform/ui/framework.h"
#include "shell/prayer_view.h"

namespace halvo
{

inline constexpr unsigned kRefreshTimerId = 105;
inline constexpr int kRefreshMilliseconds = 20000;
// Asks the running program to come forward.
inline constexpr unsigned WM_BRING_FORWARD = WM_APP + 0x64;

// The program's one top-level window: the menu bar over the main display.
class CMainFrame : public CFrameWnd
{
  public:
    CMainFrame() = default;

    CPrayerView& View() { return m_wndView; }

    // The display sees every command first.
    bool OnCmdMsg(int id) override;
    bool HasCommandHandler(int id) const override;

  protected:
    void PreCreateWindow() override;
    const MessageMap& GetMessageMap() const override;

  private:
    int OnCreate();
    void OnSetFocus();
    void OnTimer(unsigned id);
    void OnRestoreDate();
    void OnChangeDate();
    void OnGregToHijri();
    void OnHijriToGreg();
    void OnIslamicFeasts();
    void OnQiblaDirection();
    void OnMoonPhase();
    void OnAsrMethod();
    void OnSelectLocation();
    void OnAddLocation();
    void OnEditLocation();
    void OnDeleteLocation();
    void OnEditTimezones();
    int OnBringForward();

    CPrayerView m_wndView;
};

} // namespace halvo
