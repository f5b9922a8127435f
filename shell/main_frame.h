#pragma once

#include "day/adhan_alarm.h"
#include "day/prayer_notice.h"
#include "platform/ui/framework.h"
#include "platform/ui/window_messages.h"
#include "shell/adhan_services.h"
#include "shell/prayer_view.h"

#include <functional>

namespace halvo
{

inline constexpr unsigned kRefreshTimerId = 105;
inline constexpr int kRefreshMilliseconds = 20000;
// One shot, at a prayer's computed second when a tick came earlier in its
// minute.
inline constexpr unsigned kAdhanStartTimerId = 106;
// Asks the running program to come forward.
inline constexpr unsigned WM_BRING_FORWARD = WM_APP + 0x64;
// The Adhan's first check, right after the first paint: a program the
// system started at a prayer minute sounds at once, not a tick later.
inline constexpr unsigned WM_FIRST_ADHAN_CHECK = WM_APP + 0x6A;

// The program's one top-level window: the menu bar over the main display.
class CMainFrame : public CFrameWnd
{
  public:
    CMainFrame();

    CPrayerView& View() { return m_wndView; }

    // Today's times as the last tick computed them.
    const DayComputation& Today() const { return alarmDay_; }
    bool AdhanPlaying() const { return adhanServices_.Player().IsPlaying(); }
    void StopAdhan();
    // Called after every Adhan check and stop, so the tray can show
    // whether the Adhan plays.
    void SetAdhanListener(std::function<void()> listener) { adhanListener_ = std::move(listener); }

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
    void OnFindCity();
    void OnEditTimezones();
    void OnPreferences();
    void OnCalculationOptions();
    void OnTimetable();
    void OnInstructions();
    void OnHelpContents();
    int OnBringForward();
    void OnTwilightAngles();
    void OnAddAngles();
    void OnSetAdhan();
    int OnFirstAdhanCheck();
    void OnLButtonDown(CPoint point);
    void OnKeyDown(KeyCode key);
    // Today again on the display, then the Adhan check on that day.
    void Tick();
    // The Adhan check at once, on the day of the last tick while it is
    // still today's.
    void CheckAdhanNow();
    // The Adhan step, on alarmDay_ for now.
    void CheckAdhan(const DateRecord& now);
    // The notice before a prayer whose Adhan is on, on alarmDay_ for now.
    void CheckPrayerNotice(const DateRecord& now);

    CPrayerView m_wndView;
    AdhanServiceSet adhanServices_;
    WindowMessages adhanMessages_{nullptr};
    AdhanAlarm alarm_;
    // Today's times as the last tick computed them: the Adhan's, whatever
    // day the display shows or paints meanwhile.
    DayComputation alarmDay_;
    PrayerNotice notice_;
    std::function<void()> adhanListener_;
};

} // namespace halvo
