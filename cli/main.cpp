// tavorin: the prayer-times system on the command line. Every subcommand
// prints text, or JSON with --json; bad input is one line on stderr and exit
// status 2, with nothing on stdout; output that could not be written is
// status 1.
#include "cli/adhan_command.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/store_commands.h"
#include "platform/text/plain_text.h"
#include "platform/text/quoted.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace
{

// "tavorin: unknown command "tims"; did you mean "times"?", or the list of
// commands when nothing is close.
std::string UnknownCommandMessage(const CLI::App& app, const std::string& typed)
{
    std::string closest;
    std::size_t best = 3;
    std::string names;
    for (const CLI::App* command : app.get_subcommands({}))
    {
        const std::string& name = command->get_name();
        names += (names.empty() ? "" : ", ") + name;
        const std::size_t distance = halvo::EditDistance(typed, name);
        const bool prefix = typed.size() >= 2 && name.rfind(typed, 0) == 0;
        if (distance < best || (prefix && best > 1))
        {
            best = prefix ? 1 : distance;
            closest = name;
        }
    }
    std::string message = "unknown command " + halvo::Quoted(typed);
    if (!closest.empty())
    {
        return message + "; did you mean \"" + closest + "\"?";
    }
    return message + "; the commands are " + names;
}

bool IsCommand(const CLI::App& app, const std::string& name)
{
    const auto commands = app.get_subcommands({});
    return std::any_of(commands.begin(), commands.end(),
                       [&](const CLI::App* command) { return command->get_name() == name; });
}

int Refuse(const std::string& message)
{
    std::cerr << "tavorin: " << halvo::EscapedForLine(message) << '\n';
    return 2;
}

// Every byte written must have reached its destination: a full disk or a
// closed pipe is a failure, not a success with nothing written.
int Finished(int status)
{
    errno = 0;
    const bool streamFailed = std::cout.flush().fail();
    const bool flushFailed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (streamFailed || flushFailed)
    {
        const int error = errno;
        std::cerr << "tavorin: could not write the output"
                  << (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
                  << '\n';
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"tavorin: Muslim prayer times, Hijri dates, feasts, the Moon and the Qibla"};
    app.set_version_flag("--version", "tavorin " HALVO_VERSION);
    app.require_subcommand(1);
    halvo::cli::AddDayCommands(app);
    halvo::cli::AddCalendarCommands(app);
    halvo::cli::AddSkyCommands(app);
    halvo::cli::AddFeastCommands(app);
    halvo::cli::AddStoreCommands(app);
    halvo::cli::AddAdhanCommand(app);
    halvo::cli::AddNextCommand(app);
    halvo::cli::AddAutostartCommand(app);

    if (argc > 1 && argv[1][0] != '-' && !IsCommand(app, argv[1]))
    {
        return Refuse(UnknownCommandMessage(app, argv[1]));
    }
    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::Success& done)
    {
        // --help and --version print to stdout and end with status 0.
        return Finished(app.exit(done));
    }
    catch (const CLI::ParseError& error)
    {
        return Refuse(error.what());
    }
    catch (const halvo::cli::UsageError& error)
    {
        return Refuse(error.what());
    }
    catch (const std::exception& error)
    {
        std::cerr << "tavorin: " << halvo::EscapedForLine(error.what()) << '\n';
        return 1;
    }
    return Finished(0);
}
