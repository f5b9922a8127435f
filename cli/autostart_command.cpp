// `tavorin autostart`: start the desktop program at login, hidden to the
// tray, through the desktop's autostart folder.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "platform/autostart.h"
#include "platform/text/quoted.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <stdexcept>

namespace halvo::cli
{

namespace
{

const char* StateText(AutostartState state)
{
    switch (state)
    {
    case AutostartState::kOn:
        return "on";
    case AutostartState::kOff:
        return "off";
    case AutostartState::kOther:
        break;
    }
    return "not a file";
}

} // namespace

void AddAutostartCommand(CLI::App& app)
{
    auto state = std::make_shared<std::string>("status");
    auto json = std::make_shared<bool>(false);
    CLI::App* autostart = app.add_subcommand(
        "autostart", "Start the desktop program at login, hidden: on, off or status");
    autostart->add_option("state", *state, "on, off or status (default status)");
    autostart->add_flag("--json", *json, "Print JSON");
    autostart->callback(
        [state, json]
        {
            if (*state != "on" && *state != "off" && *state != "status")
            {
                RefuseChoice("state", *state, {"on", "off", "status"});
            }
            const std::string path = AutostartPath(HALVO_APP_ID);
            if (path.empty())
            {
                throw UsageError("no folder for the autostart entry: set HOME or "
                                 "XDG_CONFIG_HOME to an absolute path");
            }
            std::string error;
            const bool done = *state == "on"    ? WriteAutostart(path, AutostartEntry(), error)
                              : *state == "off" ? RemoveAutostart(path, error)
                                                : true;
            if (!done)
            {
                throw std::runtime_error(error);
            }
            const AutostartState now = ReadAutostart(path);
            if (*json)
            {
                PrintJson({{"autostart", now == AutostartState::kOn}, {"path", path}});
                return;
            }
            std::cout << StateText(now) << ": " << EscapedForLine(path) << '\n';
        });
}

} // namespace halvo::cli
