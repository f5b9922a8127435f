#pragma once

#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <functional>
#include <string>

namespace CLI
{
class App;
}

namespace halvo::cli
{

// times, cities, zones, settings, conventions: the commands that work on
// the device folder's stores.
void AddStoreCommands(CLI::App& app);

// For `tavorin table --city`: runs the start-up data steps, then gives each
// date's engine for the stored city with that date's own UTC offset. Ends
// the program with status 1 when the city is not stored.
std::function<PrayerEngine(const DateRecord&)> StoredCityDays(const std::string& cityName);

} // namespace halvo::cli
