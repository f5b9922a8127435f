#pragma once

#include "platform/ui/framework.h"
#include "platform/ui/single_instance.h"
#include "shell/main_frame.h"

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

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    void OnAppAbout();

    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<CMainFrame> frame_;
    int exitStatus_ = 0;
};

} // namespace halvo
