#pragma once

#include "platform/ui/framework.h"
#include "platform/ui/single_instance.h"
#include "shell/main_frame.h"
#include "shell/tray_icon.h"
#include "shell/zone_hint.h"

#include <memory>

namespace halvo
{

// The program: the start-up sequence, then the main frame.
class CPrayerApp : public CWinApp
{
  public:
    CPrayerApp();
    ~CPrayerApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    CMainFrame* Frame() { return frame_.get(); }
    TrayIcon* Tray() { return tray_.get(); }

    // --hidden: with a tray the window starts hidden to it.
    void SetStartHidden(bool hidden) { startHidden_ = hidden; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnAppAbout();

    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<ZoneHint> zoneHint_;
    bool startHidden_ = false;
    int exitStatus_ = 0;
};

} // namespace halvo
