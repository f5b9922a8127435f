#include "shell/zone_hint.h"

#include "locations/location_database.h"
#include "locations/zone_city.h"
#include "resources/resource_ids.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "shell/main_frame.h"
#include "shell/tray_texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

namespace halvo
{

namespace
{

const char* const kUseAction = "use-city";
const char* const kFindAction = "find-city";

std::string FirstStartCity()
{
    const auto found = std::find_if(kDefaultSettings.begin(), kDefaultSettings.end(),
                                    [](const SettingDefault& entry)
                                    { return std::string_view(entry.name) == setting::kCityName; });
    return found->value;
}

void MarkAnswered()
{
    WriteRegistryNumber(kHintsSubkey, kZoneHintValue, 1);
}

} // namespace

std::optional<std::string> ZoneHintCity()
{
    std::uint32_t answered = 0;
    ReadRegistryNumber(kHintsSubkey, kZoneHintValue, answered);
    if (answered != 0)
        return std::nullopt;
    const std::string current = ReadSetting(setting::kCityName);
    if (current != FirstStartCity())
    {
        // The user has chosen a city: the hint has nothing more to offer.
        MarkAnswered();
        return std::nullopt;
    }
    const std::string zone = SystemZoneName();
    if (zone.empty())
        return std::nullopt;
    // Most starts end here, without reading the whole city list.
    if (const std::optional<CityRecord> stored = ReadCity(current);
        stored && stored->ianaZone == zone)
        return std::nullopt;
    return CityForZone(zone, current, ReadAllCities());
}

ZoneHint::ZoneHint(CMainFrame& frame) : frame_(frame) {}

void ZoneHint::Offer()
{
    const std::optional<std::string> city = ZoneHintCity();
    if (!city)
        return;
    const std::string current = ReadSetting(setting::kCityName);
    notifier_.Ask(
        TrayTexts::ZoneHint(current, *city).toStdString(), {},
        {{kUseAction, TrayTexts::UseCity(*city).toStdString()},
         {kFindAction, QCoreApplication::translate("TrayTexts", "Find City…").toStdString()}},
        [this, city = *city](const std::string& key) { OnAction(key, city); });
}

void ZoneHint::OnAction(const std::string& key, const std::string& city)
{
    MarkAnswered();
    if (key == kUseAction)
    {
        if (WriteSetting(setting::kCityName, city))
            frame_.View().Refresh();
        return;
    }
    frame_.ShowWindow(true);
    frame_.BringToFront();
    frame_.SendCommand(ID_LOCATION_FIND_CITY);
}

} // namespace halvo
