#pragma once

namespace CLI
{
class App;
}

namespace halvo::cli
{

// Each group of subcommands registers itself on the application.
void AddDayCommands(CLI::App& app);      // day, table
void AddCalendarCommands(CLI::App& app); // hijri, gregorian
void AddSkyCommands(CLI::App& app);      // moon, qibla

} // namespace halvo::cli
