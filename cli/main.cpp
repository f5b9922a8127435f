// tavorin: the prayer-times system on the command line. Every subcommand
// prints text, or JSON with --json; bad input is one line on stderr and exit
// status 2, with nothing on stdout.
#include "cli/adhan_command.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/store_commands.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{"tavorin: Muslim prayer times, Hijri dates, the Moon and the Qibla"};
    app.require_subcommand(1);
    halvo::cli::AddDayCommands(app);
    halvo::cli::AddCalendarCommands(app);
    halvo::cli::AddSkyCommands(app);
    halvo::cli::AddStoreCommands(app);
    halvo::cli::AddAdhanCommand(app);

    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::CallForHelp& help)
    {
        return app.exit(help);
    }
    catch (const CLI::CallForAllHelp& help)
    {
        return app.exit(help);
    }
    catch (const CLI::ParseError& error)
    {
        std::cerr << "tavorin: " << error.what() << '\n';
        return 2;
    }
    catch (const halvo::cli::UsageError& error)
    {
        std::cerr << "tavorin: " << error.what() << '\n';
        return 2;
    }
    return 0;
}
