#pragma once

// Desktop notifications through the freedesktop notification service on the
// session bus, with a "Stop" action. Where no bus or no service answers,
// nothing is shown and nothing is said.

#include "platform/alarm_services.h"

#include <memory>

namespace halvo
{

class DesktopNotifier : public AlarmNotifier
{
  public:
    DesktopNotifier();
    ~DesktopNotifier() override;

    void Notify(const std::string& summary, std::function<void()> onStop) override;
    void Withdraw() override;

    class Receiver;

  private:
    std::unique_ptr<Receiver> receiver_;
};

} // namespace halvo
