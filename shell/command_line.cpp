#include "shell/command_line.h"

#include "shell/help_texts.h"

#include <sstream>

namespace halvo
{

namespace
{

bool IsSet(const Environment& environment, const char* name)
{
    const char* value = environment(name);
    return value != nullptr && *value != '\0';
}

// The toolkit's platform: -platform NAME on the command line, else
// QT_QPA_PLATFORM; "" when neither names one.
std::string ChosenPlatform(const std::vector<std::string>& arguments,
                           const Environment& environment)
{
    for (std::size_t i = 1; i < arguments.size(); ++i)
    {
        if ((arguments[i] == "-platform" || arguments[i] == "--platform") &&
            i + 1 < arguments.size())
            return arguments[i + 1];
    }
    const char* platform = environment("QT_QPA_PLATFORM");
    return platform != nullptr ? platform : "";
}

// One entry of a platform list ("wayland;xcb"): whether it can show
// windows here. Offscreen, framebuffer and remote platforms need no
// display variable.
bool CanShow(const std::string& platform, const Environment& environment)
{
    if (platform.rfind("xcb", 0) == 0)
        return IsSet(environment, "DISPLAY");
    if (platform.rfind("wayland", 0) == 0)
        return IsSet(environment, "WAYLAND_DISPLAY");
    return !platform.empty();
}

} // namespace

StartRequest ReadStartRequest(const std::vector<std::string>& arguments,
                              const Environment& environment)
{
    for (std::size_t i = 1; i < arguments.size(); ++i)
    {
        if (arguments[i] == "--help" || arguments[i] == "-h")
            return StartRequest::kHelp;
        if (arguments[i] == "--version" || arguments[i] == "-v")
            return StartRequest::kVersion;
    }
    std::string platforms = ChosenPlatform(arguments, environment);
    if (platforms.empty())
        platforms = "wayland;xcb";
    std::istringstream list(platforms);
    for (std::string platform; std::getline(list, platform, ';');)
    {
        if (CanShow(platform, environment))
            return StartRequest::kRun;
    }
    return StartRequest::kNoDisplay;
}

bool StartsHidden(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (arguments[i] == "--hidden")
            return true;
    return false;
}

std::string DesktopUsageText()
{
    return std::string("Usage: halvo-tavorin [OPTION]...\n"
                       "Show the day's Muslim prayer times for your city in a window: Fajr,\n"
                       "Sunrise, Zuhr, Asr, Maghrib and Isha, with the Gregorian and Hijri dates\n"
                       "and a Qibla compass, and sound the Adhan at the prayers you switch on.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help       show this help and exit\n"
                       "  -v, --version    show the version and exit\n"
                       "      --hidden     start hidden to the tray, as at login (without a\n"
                       "                   tray the window is shown)\n"
                       "      --timetable-pdf FILE [--month YYYY-MM] [--city NAME]\n"
                       "                   write a month's timetable (default: this month, the\n"
                       "                   current city) as a one-page PDF and exit; no display\n"
                       "                   is needed\n"
                       "\n"
                       "The toolkit's own options (-platform, -style, ...) are accepted too.\n"
                       "A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, tavorin\n"
                       "prints the same times on the command line.\n"
                       "\n"
                       "In the main window Ctrl+Q quits, Ctrl+T opens the month's timetable and\n"
                       "F1 opens Help. The window can be resized: the day's picture grows with\n"
                       "it. QT_SCALE_FACTOR=2 shows every window, dialogs included, twice as\n"
                       "large.\n"
                       "\n"
                       "Settings and the city database are kept in\n"
                       "$XDG_DATA_HOME/halvo-tavorin/ (~/.local/share/halvo-tavorin/).\n"
                       "\n"
                       "Report bugs to <") +
           kMakerSupportAddress + ">.\n";
}

std::string DesktopVersionText()
{
    return std::string("halvo-tavorin ") + kProgramVersion + "\n\nWritten by " + kMakerName + " <" +
           kMakerWebAddress + ">.\n";
}

} // namespace halvo
