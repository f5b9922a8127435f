#pragma once

// Desktop notifications through the freedesktop notification service on the
// session bus: the Adhan's with a "Stop" action, and others with actions of
// their own. Where no bus or no service answers, nothing is shown and
// nothing is said.

#include "platform/alarm_services.h"

#include <memory>
#include <string>
#include <vector>

namespace halvo
{

class DesktopNotifier : public AlarmNotifier
{
  public:
    DesktopNotifier();
    ~DesktopNotifier() override;

    void Notify(const std::string& summary, std::function<void()> onStop) override;
    void Withdraw() override;

    // A button of a notification: the key it answers with, the text it shows.
    struct Action
    {
        std::string key;
        std::string label;
    };
    // Shows a notification with these buttons (none: a plain notice), in
    // place of this notifier's last one; onAction gets the key of the one
    // pressed. A click on the notification itself is no action.
    void Ask(const std::string& summary, const std::string& body,
             const std::vector<Action>& actions,
             std::function<void(const std::string& key)> onAction);

    class Receiver;

  private:
    std::unique_ptr<Receiver> receiver_;
};

} // namespace halvo
