#pragma once

// On a start that still shows the first city while the system's time zone
// belongs to another shipped city: one notification offering that city and
// Find City. Nothing when no notification service runs; never again once
// either is chosen or the city has been changed.

#include "platform/ui/desktop_notifier.h"

#include <optional>
#include <string>

namespace halvo
{

class CMainFrame;

inline constexpr char kHintsSubkey[] = "Hints";
inline constexpr char kZoneHintValue[] = "ZoneCity";

// The city to offer now, if any: none once the hint has been answered, or
// when the current city is no longer the first start's.
std::optional<std::string> ZoneHintCity();

class ZoneHint
{
  public:
    explicit ZoneHint(CMainFrame& frame);
    // Sends the notification when ZoneHintCity offers a city.
    void Offer();

  private:
    void OnAction(const std::string& key, const std::string& city);

    CMainFrame& frame_;
    DesktopNotifier notifier_;
};

} // namespace halvo
