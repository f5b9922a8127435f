#include "shell/adhan_services.h"

#include "day/adhan_alarm.h"
#include "platform/systemd_timed_start.h"
#include "platform/ui/desktop_notifier.h"
#include "platform/ui/desktop_sound.h"

#include <optional>

namespace halvo
{

namespace
{

std::optional<AdhanServices> installed;

// Notices of their own, so the Adhan's notification and its withdrawal
// never take one away; they have nothing to stop.
class PlainNotices : public AlarmNotifier
{
  public:
    void Notify(const std::string& summary, std::function<void()>) override
    {
        notifier_.Ask(summary, {}, {}, {});
    }
    void Withdraw() override { notifier_.Withdraw(); }

  private:
    DesktopNotifier notifier_;
};

} // namespace

void InstallAdhanServices(const AdhanServices* services)
{
    installed = services != nullptr ? std::optional<AdhanServices>(*services) : std::nullopt;
}

AdhanServiceSet::AdhanServiceSet()
{
    if (installed)
    {
        used_ = *installed;
        return;
    }
    ownPlayer_ = std::make_unique<DesktopSoundPlayer>();
    ownTimer_ = std::make_unique<SystemdTimedStart>(TimedStartUnitPrefix());
    ownNotifier_ = std::make_unique<DesktopNotifier>();
    ownNotices_ = std::make_unique<PlainNotices>();
    used_ = {ownPlayer_.get(), ownTimer_.get(), ownNotifier_.get(), ownNotices_.get()};
}

AdhanServiceSet::~AdhanServiceSet() = default;

} // namespace halvo
