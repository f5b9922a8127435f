#include "shell/prayer_app.h"

#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "shell/adhan_switches.h"
#include "shell/screen_colours.h"
#include "shell/startup_data.h"

#include <cstdio>

namespace halvo {

CPrayerApp::CPrayerApp() : CWinApp("Halvo Tavorin") {}

CPrayerApp::~CPrayerApp()
{
    m_pMainWnd = nullptr;
}

bool CPrayerApp::InitInstance()
{
    SetApplicationIcon(IDI_PROGRAM);

    // A second start only asks the first to come forward.
    instance_ = std::make_unique<SingleInstance>();
    if (!instance_->Claim([this] {
            if (frame_)
                frame_->PostMessage(WM_BRING_FORWARD);
        })) {
        exitStatus_ = 0;
        return false;
    }

    WindowMessages messages(nullptr);
    const StartupDataResult data = RunStartupDataSteps(messages);
    if (!data.ok) {
        // Never end silently: say what failed, on screen and on stderr.
        std::fprintf(stderr, "halvo-tavorin: %s\n", data.failure.c_str());
        MessageBox(nullptr, data.failure);
        exitStatus_ = 1;
        return false;
    }

    LoadAdhanSwitches();
    frame_ = std::make_unique<CMainFrame>();
    m_pMainWnd = frame_.get();
    // Before the window exists, so the first paint has the stored colours.
    LoadScreenColours();
    if (!frame_->LoadFrame(FindMenu(IDR_MAINFRAME))) {
        std::fprintf(stderr, "halvo-tavorin: the main window could not be created\n");
        exitStatus_ = 1;
        return false;
    }
    frame_->SetPaneSize(kViewWidth, kViewHeight);
    frame_->ShowWindow(true);
    frame_->UpdateWindow();
    return true;
}

int CPrayerApp::ExitInstance()
{
    return exitStatus_;
}

} // namespace halvo
