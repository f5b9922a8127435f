#include "platform/systemd_timed_start.h"

#include "platform/clock.h"
#include "platform/process.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace halvo
{

namespace
{

// The user manager answers within milliseconds; a hung bus must not hang
// the window that asked.
constexpr int kAnswerMilliseconds = 5000;

// What the started program needs to find the user's display, sound server,
// session bus and data, whatever the user manager's own environment holds.
constexpr const char* kCarriedVariables[] = {
    "DISPLAY",
    "WAYLAND_DISPLAY",
    "XAUTHORITY",
    "XDG_DATA_HOME",
    "XDG_RUNTIME_DIR",
    "XDG_SESSION_TYPE",
    "XDG_CURRENT_DESKTOP",
    "DBUS_SESSION_BUS_ADDRESS",
    "PULSE_SERVER",
    "PIPEWIRE_REMOTE",
    "QT_QPA_PLATFORM",
    "LANG",
    "LC_ALL",
    "TZ",
};

std::string FirstLine(const std::string& text)
{
    const std::size_t end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end);
}

} // namespace

std::string UtcCalendarText(const DateRecord& local)
{
    DateRecord minute = local;
    minute.second = 0;
    minute.milliseconds = 0;
    const DateRecord utc = UniversalFromLocal(minute);
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:00 UTC", unsigned{utc.year},
                  unsigned{utc.month}, unsigned{utc.day}, unsigned{utc.hour}, unsigned{utc.minute});
    return text;
}

SystemdTimedStart::SystemdTimedStart(std::string unitPrefix) : prefix_(std::move(unitPrefix)) {}

std::string SystemdTimedStart::UnitName(const DateRecord& when) const
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "-%04u%02u%02u-%02u%02u", unsigned{when.year},
                  unsigned{when.month}, unsigned{when.day}, unsigned{when.hour},
                  unsigned{when.minute});
    return prefix_ + stamp;
}

std::optional<DateRecord> SystemdTimedStart::TimeOfUnit(const std::string& unit) const
{
    std::string name = unit;
    if (name.size() > 6 && name.ends_with(".timer"))
        name.resize(name.size() - 6);
    if (name.size() != prefix_.size() + 14 || !name.starts_with(prefix_))
        return std::nullopt;
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0;
    char tail = 0;
    if (std::sscanf(name.c_str() + prefix_.size(), "-%4u%2u%2u-%2u%2u%c", &year, &month, &day,
                    &hour, &minute, &tail) != 5 ||
        month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59)
        return std::nullopt;
    DateRecord when =
        MakeDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
    when.hour = static_cast<std::uint16_t>(hour);
    when.minute = static_cast<std::uint16_t>(minute);
    return when;
}

bool SystemdTimedStart::Run(const std::vector<std::string>& arguments, std::string* output)
{
    const ProgramResult result = RunProgram(arguments, kAnswerMilliseconds);
    if (output != nullptr)
        *output = result.output;
    if (!result.started)
        lastFailure_ = FirstLine(result.output);
    else if (result.timedOut)
        lastFailure_ = arguments[0] + ": no answer within 5 seconds";
    else if (result.status != 0)
        lastFailure_ = arguments[0] + ": " + FirstLine(result.output);
    else
        return true;
    return false;
}

bool SystemdTimedStart::Request(const DateRecord& when, const std::filesystem::path& executable)
{
    const std::string calendar = UtcCalendarText(when);
    // Ours only: the timers of earlier requests, not the unit that may be
    // running this very program.
    if (!Run({"systemctl", "--user", "stop", prefix_ + "-*.timer"}))
        return false;

    char description[64];
    std::snprintf(description, sizeof description, "Halvo Tavorin: the Adhan at %02u:%02u",
                  unsigned{when.hour}, unsigned{when.minute});
    std::vector<std::string> arguments = {"systemd-run",
                                          "--user",
                                          "--quiet",
                                          "--collect",
                                          "--unit=" + UnitName(when),
                                          std::string("--description=") + description,
                                          "--on-calendar=" + calendar,
                                          "--timer-property=AccuracySec=1s"};
    for (const char* name : kCarriedVariables)
        if (const char* value = std::getenv(name); value != nullptr && value[0] != '\0')
            arguments.push_back(std::string("--setenv=") + name + "=" + value);
    arguments.push_back("--");
    arguments.push_back(executable.string());
    return Run(arguments);
}

bool SystemdTimedStart::Cancel()
{
    return Run({"systemctl", "--user", "stop", prefix_ + "-*.timer"});
}

std::optional<DateRecord> SystemdTimedStart::Pending()
{
    std::string listed;
    if (!Run({"systemctl", "--user", "list-units", "--all", "--plain", "--no-legend", "--no-pager",
              "--type=timer", prefix_ + "-*.timer"},
             &listed))
        return std::nullopt;
    // Columns: unit, load, active, sub, description. A waiting timer has
    // not fired yet; an elapsed one has.
    std::optional<DateRecord> earliest;
    std::istringstream lines(listed);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream columns(line);
        std::string unit, load, active, sub;
        columns >> unit >> load >> active >> sub;
        if (sub != "waiting")
            continue;
        const auto when = TimeOfUnit(unit);
        if (!when)
            continue;
        if (!earliest || UnitName(*when) < UnitName(*earliest))
            earliest = when;
    }
    return earliest;
}

bool SystemdTimedStart::Available()
{
    return Run({"systemctl", "--user", "show", "--property=Version"});
}

} // namespace halvo
