#pragma once

// What the desktop program answers on its command line before any window
// exists: --help, --version, and a start without a display to show on.

#include <functional>
#include <string>
#include <vector>

namespace halvo
{

enum class StartRequest
{
    kRun,       // start the program (the toolkit takes its own options)
    kHelp,      // print the usage text, end with 0
    kVersion,   // print the version, end with 0
    kNoDisplay, // print kNoDisplayMessage on stderr, end with 1
};

inline constexpr char kNoDisplayMessage[] =
    "no display: set DISPLAY or WAYLAND_DISPLAY, or use tavorin";

// The environment as getenv gives it: nullptr for a variable not set.
using Environment = std::function<const char*(const char* name)>;

StartRequest ReadStartRequest(const std::vector<std::string>& arguments,
                              const Environment& environment);

// Whether --hidden was given: start hidden to the tray, where there is one.
bool StartsHidden(const std::vector<std::string>& arguments);

std::string DesktopUsageText();
std::string DesktopVersionText();

} // namespace halvo
