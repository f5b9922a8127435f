#pragma once

#include "cli/day_commands.h"
#include "cli/day_output.h"
#include "locations/location_records.h"
#include "platform/user_messages.h"

#include <optional>
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

// The system's messages on the command line: what a window would show in a
// message box is a line on stderr.
UserMessages& CommandLineMessages();

// Runs the start-up data steps; a failure has been told on stderr and ends
// the program with status 1.
void StartUp();

// The stored city a typed name means (see ResolveCity), or the current city
// when none was typed. An unknown name is bad input: status 2 with up to
// five candidates. Runs the start-up data steps first.
CityRecord StoredCity(const std::optional<std::string>& typed, const char* what);

// "Seattle, WA (USA)".
std::string CityTitle(const CityRecord& city);

// One day of a stored city as `tavorin times` shows it: the lookup on that
// date, the stored settings (or the method's angles) and the shown times.
// A city the lookup cannot find has been told on stderr: status 1.
struct StoredCityDay
{
    double utcOffset = 0;
    ConventionFacts convention;
    ShownDay shown;
};
StoredCityDay ComputeStoredCityDay(const CityRecord& city, const DateRecord& date,
                                   const DayStyle& style);

// CityJson's fields: name, country, degrees and the stored hundredths.
nlohmann::ordered_json CityJson(const CityRecord& city);

// For `tavorin table` without coordinates: the stored city's days, with
// each date's own UTC offset, the settings' angles and Asr school (or the
// method's angles). The stores are read once for the whole table.
TableSource StoredCityTable(const std::optional<std::string>& typed, const DayStyle& style);

} // namespace halvo::cli
