#include "shell/main_frame.h"

#include "conventions/ui/calculation_options_dialog.h"
#include "day/ui/timetable_window.h"
#include "locations/ui/find_city_dialog.h"
#include "platform/ui/own_window_parent.h"

#include "conventions/ui/add_twilight_angles_dialog.h"
#include "conventions/ui/asr_method_dialog.h"
#include "conventions/ui/twilight_conventions_dialog.h"
#include "datetools/ui/date_settings_dialog.h"
#include "datetools/ui/hijri_to_greg_dialog.h"
#include "datetools/ui/today_in_hijri_dialog.h"
#include "feasts/feast_reminder.h"
#include "feasts/ui/feasts_dialog.h"
#include "locations/ui/add_city_dialog.h"
#include "locations/ui/delete_city_dialog.h"
#include "locations/ui/edit_timezone_dialog.h"
#include "locations/ui/select_location_dialog.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "platform/store/device_folder.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"
#include "shell/adhan_switches.h"
#include "shell/colour_preferences_dialog.h"
#include "shell/help_dialog.h"
#include "shell/instructions_dialog.h"
#include "shell/set_adhan_dialog.h"
#include "shell/tray_texts.h"
#include "sky/ui/moon_phase_dialog.h"
#include "sky/ui/qibla_dialog.h"

namespace halvo
{

CMainFrame::CMainFrame()
    : alarm_({adhanServices_.Player(), adhanServices_.Timer(), adhanServices_.Notifier(),
              adhanMessages_},
             WindowsFolder(), ExecutablePath())
{
}

const MessageMap& CMainFrame::GetMessageMap() const
{
    static const MessageMap map = {
        MapCreate(&CMainFrame::OnCreate),
        MapSetFocus(&CMainFrame::OnSetFocus),
        MapTimer(&CMainFrame::OnTimer),
        MapCommand(ID_FILE_RESTORE_DATE, &CMainFrame::OnRestoreDate),
        MapCommand(ID_FILE_CHANGE_DATE, &CMainFrame::OnChangeDate),
        MapCommand(ID_FILE_GREG_TO_HIJRI, &CMainFrame::OnGregToHijri),
        MapCommand(ID_FILE_HIJRI_TO_GREG, &CMainFrame::OnHijriToGreg),
        MapCommand(ID_FILE_ISLAMIC_FEASTS, &CMainFrame::OnIslamicFeasts),
        MapCommand(ID_FILE_QIBLA_DIRECTION, &CMainFrame::OnQiblaDirection),
        MapCommand(ID_FILE_MOON_PHASE, &CMainFrame::OnMoonPhase),
        MapCommand(ID_FILE_TIMETABLE, &CMainFrame::OnTimetable),
        MapCommand(ID_SETTINGS_ASR_METHOD, &CMainFrame::OnAsrMethod),
        MapCommand(ID_LOCATION_SELECT, &CMainFrame::OnSelectLocation),
        MapCommand(ID_LOCATION_ADD, &CMainFrame::OnAddLocation),
        MapCommand(ID_LOCATION_EDIT, &CMainFrame::OnEditLocation),
        MapCommand(ID_LOCATION_DELETE, &CMainFrame::OnDeleteLocation),
        MapCommand(ID_LOCATION_FIND_CITY, &CMainFrame::OnFindCity),
        MapCommand(ID_SETTINGS_EDIT_TIMEZONES, &CMainFrame::OnEditTimezones),
        MapCommand(ID_SETTINGS_PREFERENCES, &CMainFrame::OnPreferences),
        MapCommand(ID_SETTINGS_CALCULATION_OPTIONS, &CMainFrame::OnCalculationOptions),
        MapCommand(ID_HELP_INSTRUCTIONS, &CMainFrame::OnInstructions),
        MapCommand(ID_HELP_CONTENTS, &CMainFrame::OnHelpContents),
        MapAppMessage(WM_BRING_FORWARD, &CMainFrame::OnBringForward),
        MapCommand(ID_SETTINGS_TWILIGHT_ANGLES, &CMainFrame::OnTwilightAngles),
        MapCommand(ID_SETTINGS_ADD_ANGLES, &CMainFrame::OnAddAngles),
        MapCommand(ID_SETTINGS_ADHAN, &CMainFrame::OnSetAdhan),
        MapAppMessage(WM_FIRST_ADHAN_CHECK, &CMainFrame::OnFirstAdhanCheck),
        MapLButtonDown(&CMainFrame::OnLButtonDown),
        MapKeyDown(&CMainFrame::OnKeyDown),
    };
    return map;
}

void CMainFrame::PreCreateWindow()
{
    SetWindowText("Halvo Tavorin");
}

bool CMainFrame::OnCmdMsg(int id)
{
    if (m_wndView.OnCmdMsg(id))
        return true;
    return CFrameWnd::OnCmdMsg(id);
}

bool CMainFrame::HasCommandHandler(int id) const
{
    return m_wndView.HasCommandHandler(id) || CFrameWnd::HasCommandHandler(id);
}

int CMainFrame::OnCreate()
{
    if (!m_wndView.Create(this, kFirstPaneId, CRect{}))
        return -1;
    SetTimer(kRefreshTimerId, kRefreshMilliseconds);
    PostMessage(WM_FIRST_ADHAN_CHECK);
    // The keys every desktop program has; the menu stays as it is.
    AddShortcut("Ctrl+Q", ID_APP_EXIT);
    AddShortcut("F1", ID_HELP_CONTENTS);
    AddShortcut("Ctrl+M", ID_SETTINGS_CALCULATION_OPTIONS);
    AddShortcut("Ctrl+F", ID_LOCATION_FIND_CITY);
    AddShortcut("Ctrl+T", ID_FILE_TIMETABLE);
    WindowMessages reminderMessages(&m_wndView);
    CheckFeastReminder(reminderMessages);
    return 0;
}

void CMainFrame::OnSetFocus()
{
    m_wndView.SetFocus();
}

void CMainFrame::OnTimer(unsigned id)
{
    if (id == kAdhanStartTimerId)
    {
        KillTimer(kAdhanStartTimerId);
        CheckAdhanNow();
        return;
    }
    Tick();
}

void CMainFrame::Tick()
{
    // Back to today: a date chosen by hand stays only until the next tick.
    // One reading of the clock for both steps, so the times checked are
    // always those of the day checked.
    const DateRecord now = LocalNow();
    m_wndView.SetDisplayDate(now);
    alarmDay_ = m_wndView.Day();
    CheckAdhan(now);
}

void CMainFrame::OnRestoreDate()
{
    m_wndView.SetDisplayDate(LocalNow());
}

// The chosen day stays on the display until the next tick.
void CMainFrame::OnChangeDate()
{
    CDateSettingsDlg dialog(this);
    dialog.DoModal();
    if (dialog.Applied())
        m_wndView.SetDisplayDate(dialog.ChosenDate());
}

void CMainFrame::OnGregToHijri()
{
    CTodayInHijriDlg dialog(this, m_wndView.DisplayDate(), m_wndView.DisplayHijriText());
    dialog.DoModal();
}

void CMainFrame::OnHijriToGreg()
{
    CHijriToGregDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnIslamicFeasts()
{
    CFeastsDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnQiblaDirection()
{
    CQiblaDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnMoonPhase()
{
    CMoonPhaseDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnAsrMethod()
{
    CAsrMethodDlg dialog(this);
    dialog.DoModal();
    m_wndView.Refresh();
}

// The display is refreshed after Cancel too.
void CMainFrame::OnSelectLocation()
{
    CSelectLocationDlg dialog(this);
    dialog.StoreAsCurrentCity();
    dialog.DoModal();
    m_wndView.Refresh();
}

void CMainFrame::OnAddLocation()
{
    CAddCityDlg dialog(this);
    dialog.DoModal();
}

// The city to edit is chosen first; cancelling that ends the command.
void CMainFrame::OnEditLocation()
{
    CSelectLocationDlg select(this);
    if (select.DoModal() != IDOK)
        return;
    CAddCityDlg dialog(this);
    dialog.SetEditCity(select.ChosenCity());
    dialog.DoModal();
}

void CMainFrame::OnDeleteLocation()
{
    CDeleteCityDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnFindCity()
{
    FindCityDialog dialog(OwnWindowParent(*this));
    if (dialog.exec() == QDialog::Accepted)
        m_wndView.Refresh();
}

// A changed rule counts for the current city at once, whichever button ended it.
void CMainFrame::OnEditTimezones()
{
    CEditTimezoneDlg dialog(this);
    dialog.DoModal();
    m_wndView.Refresh();
}

// New colours show at each window's next full repaint, the display's at
// the next tick at the latest.
void CMainFrame::OnPreferences()
{
    CColorPrefsDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnCalculationOptions()
{
    CalculationOptionsDialog dialog(OwnWindowParent(*this));
    if (dialog.exec() == QDialog::Accepted)
        m_wndView.Refresh();
}

void CMainFrame::OnTimetable()
{
    TimetableWindow window(LocalNow(), OwnWindowParent(*this));
    window.exec();
}

void CMainFrame::OnInstructions()
{
    CInstructionsDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnHelpContents()
{
    CHelpDlg dialog(this);
    dialog.DoModal();
}

int CMainFrame::OnBringForward()
{
    BringToFront();
    // A second start may come from the system's timed start at a prayer:
    // check now rather than at the next tick.
    CheckAdhanNow();
    return 0;
}

void CMainFrame::OnTwilightAngles()
{
    CTwilightConventionsDlg dialog(this);
    dialog.DoModal();
    m_wndView.Refresh();
}

void CMainFrame::OnAddAngles()
{
    CAddTwilightAnglesDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnSetAdhan()
{
    CSetAdhanDlg dialog(this, adhanServices_.Player());
    dialog.DoModal();
}

int CMainFrame::OnFirstAdhanCheck()
{
    // The display shows today from its first paint on: computing it is
    // enough, and keeps the time of day that paint takes.
    m_wndView.Refresh();
    alarmDay_ = m_wndView.Day();
    CheckAdhanNow();
    return 0;
}

void CMainFrame::CheckAdhanNow()
{
    const DateRecord now = LocalNow();
    const DateRecord& day = alarmDay_.engine.date;
    if (day.year != now.year || day.month != now.month || day.day != now.day)
    {
        Tick();
        return;
    }
    CheckAdhan(now);
}

void CMainFrame::CheckAdhan(const DateRecord& now)
{
    // The clock is read again at the timer: one that came early, or a clock
    // set back meanwhile, only sets it again; one that comes after the
    // minute sounds nothing.
    if (const std::optional<int> wait = alarm_.Check(alarmDay_, adhanSwitches, now))
        SetTimer(kAdhanStartTimerId, *wait, true);
    else
        KillTimer(kAdhanStartTimerId);
    CheckPrayerNotice(now);
    if (adhanListener_)
        adhanListener_();
}

void CMainFrame::CheckPrayerNotice(const DateRecord& now)
{
    const std::optional<DuePrayerNotice> due =
        notice_.Check(alarmDay_, adhanSwitches, alarmDay_.options.notifyBeforeMinutes, now);
    if (!due)
        return;
    adhanServices_.Notices().Notify(
        TrayTexts::Notice(due->prayer, alarmDay_.texts[kFajrText + due->prayer], due->minutesLeft,
                          alarmDay_.texts[kLocationText])
            .toStdString(),
        {});
}

void CMainFrame::StopAdhan()
{
    alarm_.Stop();
    if (adhanListener_)
        adhanListener_();
}

// A click or a key in the main window stops a playing Adhan.
void CMainFrame::OnLButtonDown(CPoint)
{
    StopAdhan();
}

void CMainFrame::OnKeyDown(KeyCode)
{
    StopAdhan();
}

} // namespace halvo
