#pragma once

namespace CLI
{
class App;
}

namespace halvo::cli
{

// Each group of subcommands registers itself on the application.
void AddDayCommands(CLI::App& app);      // day, table, methods
void AddCalendarCommands(CLI::App& app); // hijri, gregorian
void AddSkyCommands(CLI::App& app);      // moon, qibla
void AddFeastCommands(CLI::App& app);    // feasts, reminder
void AddNextCommand(CLI::App& app);      // next
void AddAutostartCommand(CLI::App& app); // autostart

} // namespace halvo::cli
