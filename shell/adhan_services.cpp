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
    used_ = {ownPlayer_.get(), ownTimer_.get(), ownNotifier_.get()};
}

AdhanServiceSet::~AdhanServiceSet() = default;

} // namespace halvo
