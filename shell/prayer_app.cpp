#include "shell/prayer_app.h"

#include "platform/ui/own_window_parent.h"
#include "platform/ui/quit_on_signal.h"
#include "platform/ui/translation.h"
#include "platform/ui/window_activation.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/calculation_options.h"
#include "settings/screen_colours.h"
#include "shell/about_dialog.h"
#include "shell/adhan_switches.h"
#include "shell/window_placement.h"
#include "startup/startup_data.h"

#include <QTimer>
#include <QWidget>

#include <vector>

namespace halvo
{

namespace
{

// What the start-up has to say before the main window shows: on screen and
// on stderr, so a start that fails is never silent.
class StartupMessages : public WindowMessages
{
  public:
    StartupMessages() : WindowMessages(nullptr) {}
    void Show(const std::string& text) override
    {
        shown = true;
        Warn(text);
        WindowMessages::Show(text);
    }
    // Kept until the start-up steps have let go of their lock: a box left
    // open must not hold up every other start.
    void Notify(const std::string& text) override { notices.push_back(text); }
    void ShowNotices()
    {
        for (const std::string& notice : notices)
            WindowMessages::Show(notice);
        notices.clear();
    }

    bool shown = false;
    std::vector<std::string> notices;
};

} // namespace

CPrayerApp::CPrayerApp() : CWinApp("Halvo Tavorin") {}

const MessageMap& CPrayerApp::GetMessageMap() const
{
    static const MessageMap map = {
        MapCommand(ID_APP_ABOUT, &CPrayerApp::OnAppAbout),
    };
    return map;
}

void CPrayerApp::OnAppAbout()
{
    CAboutDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

CPrayerApp::~CPrayerApp()
{
    // The tray and the hint hold the frame.
    zoneHint_.reset();
    tray_.reset();
    m_pMainWnd = nullptr;
}

bool CPrayerApp::InitInstance()
{
    SetApplicationIcon(IDI_PROGRAM);
    QuitOnSignals([this] { OnAppExit(); });
    // Lets the window system find the desktop entry, and with it the icon.
    SetDesktopFileName(HALVO_APP_ID);
    // The language of the user's locale, before any window or message; the
    // stored choice, once the store can be read, takes its place.
    InstallLanguageOf("");

    // A second start only asks the first to come forward.
    instance_ = std::make_unique<SingleInstance>();
    if (!instance_->Claim(
            [this](const std::string& activationToken)
            {
                if (!frame_)
                    return;
                SetPendingActivationToken(activationToken);
                frame_->PostMessage(WM_BRING_FORWARD);
            }))
    {
        exitStatus_ = 0;
        return false;
    }

    StartupMessages messages;
    const StartupDataResult data = RunStartupDataSteps(messages);
    if (!data.ok)
    {
        // Never end silently: say what failed, on screen and on stderr.
        if (!messages.shown)
            messages.Show(data.failure);
        exitStatus_ = 1;
        return false;
    }
    messages.ShowNotices();
    if (const std::string stored = ReadCalculationOptions().language; !stored.empty())
        InstallLanguageOf(stored);

    LoadAdhanSwitches();
    frame_ = std::make_unique<CMainFrame>();
    m_pMainWnd = frame_.get();
    // Before the window exists, so the first paint has the stored colours.
    LoadScreenColours();
    if (!frame_->LoadFrame(FindMenu(IDR_MAINFRAME)))
    {
        messages.Show("Halvo Tavorin cannot start: the main window could not be created");
        exitStatus_ = 1;
        return false;
    }
    frame_->SetPaneSize(kViewWidth, kViewHeight);
    RestoreFramePlacement(*frame_);
    // Where the desktop has no tray, everything stays as it was: the
    // window shows, and closing it ends the program.
    if (DesktopHasTray())
        tray_ = std::make_unique<TrayIcon>(*frame_);
    if (!tray_ || !startHidden_)
    {
        frame_->ShowWindow(true);
        frame_->UpdateWindow();
    }
    // After the first paint: the hint may read the whole city list.
    zoneHint_ = std::make_unique<ZoneHint>(*frame_);
    // The frame's window is the timer's context: gone with the frame, the
    // hint is never asked after it.
    QTimer::singleShot(0, OwnWindowParent(*frame_), [hint = zoneHint_.get()] { hint->Offer(); });
    return true;
}

int CPrayerApp::ExitInstance()
{
    if (frame_)
        SaveFramePlacement(*frame_);
    return exitStatus_;
}

} // namespace halvo
