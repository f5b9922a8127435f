#pragma once

// The services the Adhan of a main frame uses: the desktop's own (sound
// server, systemd user manager, notification service), or those a test
// installed before the frame was made.

#include "platform/alarm_services.h"

#include <memory>

namespace halvo
{

struct AdhanServices
{
    SoundPlayer* player = nullptr;
    TimedStart* timer = nullptr;
    AlarmNotifier* notifier = nullptr;
    // The notices before the prayers; none: the Adhan's notifier.
    AlarmNotifier* notices = nullptr;
};

// Tests: the services main frames made from now on use; nullptr brings the
// desktop's back. The caller keeps them alive while frames use them.
void InstallAdhanServices(const AdhanServices* services);

// One frame's services: the installed ones, or its own desktop services.
class AdhanServiceSet
{
  public:
    AdhanServiceSet();
    ~AdhanServiceSet();
    AdhanServiceSet(const AdhanServiceSet&) = delete;
    AdhanServiceSet& operator=(const AdhanServiceSet&) = delete;

    SoundPlayer& Player() const { return *used_.player; }
    TimedStart& Timer() const { return *used_.timer; }
    AlarmNotifier& Notifier() const { return *used_.notifier; }
    AlarmNotifier& Notices() const
    {
        return used_.notices != nullptr ? *used_.notices : *used_.notifier;
    }

  private:
    std::unique_ptr<SoundPlayer> ownPlayer_;
    std::unique_ptr<TimedStart> ownTimer_;
    std::unique_ptr<AlarmNotifier> ownNotifier_;
    std::unique_ptr<AlarmNotifier> ownNotices_;
    AdhanServices used_;
};

} // namespace halvo
