// `tavorin adhan`: what the desktop program's Adhan will do, read from the
// same settings and the same day, and the timer it left with the systemd
// user manager.
#include "cli/adhan_command.h"

#include "cli/store_commands.h"

#include "cli/cli_support.h"
#include "day/adhan_alarm.h"
#include "day/day_model.h"
#include "engine/hijri_calendar.h"
#include "platform/clock.h"
#include "platform/systemd_timed_start.h"
#include "platform/text/quoted.h"
#include "settings/settings.h"
#include "startup/startup_data.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace halvo::cli
{

namespace
{

struct NextPrayer
{
    const char* name = "";
    DateRecord when;
};

std::string TimeIso(const DateRecord& when)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u", unsigned{when.hour}, unsigned{when.minute});
    return text;
}

// The next of the five prayers after now: today's, or after Isha
// tomorrow's Fajr. None when the current city is not stored.
std::optional<NextPrayer> FindNextPrayer(const DateRecord& now, UserMessages& messages)
{
    const DayComputation today = ComputeDay(now, messages);
    if (!today.cityFound)
        return std::nullopt;
    const DateRecord next = NextPrayerTime(today.moments, now);
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        int hour = 0, minute = 0;
        ParseTimeText(today.texts[slot.text], hour, minute);
        if (hour == next.hour && minute == next.minute)
            return NextPrayer{slot.name, next};
    }
    DateRecord tomorrow = DaysLater(now, 1);
    const DayComputation day = ComputeDay(tomorrow, messages);
    int hour = 0, minute = 0;
    ParseTimeText(day.texts[kFajrText], hour, minute);
    tomorrow.hour = static_cast<std::uint16_t>(hour);
    tomorrow.minute = static_cast<std::uint16_t>(minute);
    return NextPrayer{kPrayerSlots[0].name, tomorrow};
}

void PrintAdhan(bool json)
{
    StartUp();
    UserMessages& messages = CommandLineMessages();
    const AdhanSwitches switches = ReadAdhanSwitches();
    const std::string storedAlarm = ReadSetting(setting::kAlarm);
    const int repeats = RepeatsOfReminder(ReadSetting(setting::kReminder));
    const DateRecord now = LocalNow();
    const std::optional<NextPrayer> next = FindNextPrayer(now, messages);

    SystemdTimedStart timer(TimedStartUnitPrefix());
    const bool available = timer.Available();
    const std::optional<DateRecord> pending = available ? timer.Pending() : std::nullopt;

    if (json)
    {
        nlohmann::ordered_json out;
        out["adhan"] = switches.enabled;
        nlohmann::ordered_json prayers;
        // Keys in the JSON vocabulary's camelCase: "fajr", not "Fajr".
        for (const PrayerSlot& slot : kPrayerSlots)
        {
            std::string key = slot.name;
            key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
            prayers[key] = switches.*slot.on;
        }
        out["prayers"] = prayers;
        out["sound"] = SoundOfAlarm(storedAlarm);
        out["alarmSetting"] = storedAlarm;
        out["repeat"] = repeats;
        out["nextPrayer"] = next ? nlohmann::ordered_json{{"name", next->name},
                                                          {"date", DateIso(next->when)},
                                                          {"time", TimeIso(next->when)}}
                                 : nlohmann::ordered_json(nullptr);
        nlohmann::ordered_json timed;
        timed["available"] = available;
        timed["pending"] = pending
                               ? nlohmann::ordered_json(DateIso(*pending) + "T" + TimeIso(*pending))
                               : nlohmann::ordered_json(nullptr);
        out["timedStart"] = timed;
        PrintJson(out);
        return;
    }

    auto onOff = [](bool on) { return on ? "on" : "off"; };
    std::cout << "Adhan:        " << onOff(switches.enabled) << '\n';
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        std::string label = std::string(slot.name) + ":";
        label.resize(14, ' ');
        std::cout << label << onOff(switches.*slot.on) << '\n';
    }
    std::cout << "Sound:        " << SoundOfAlarm(storedAlarm);
    if (!IsSoundName(storedAlarm))
        std::cout << " (the Alarm setting " << Quoted(storedAlarm) << " names no sound)";
    std::cout << '\n' << "Repeat:       " << repeats << '\n';
    std::cout << "Next prayer:  "
              << (next ? std::string(next->name) + " " + DateIso(next->when) + " " +
                             TimeIso(next->when)
                       : std::string("unknown (the current city is not stored)"))
              << '\n';
    std::cout << "Timed start:  ";
    if (!available)
        std::cout << "unknown (no systemd user manager answers)\n";
    else if (pending)
        std::cout << "pending for " << DateIso(*pending) << ' ' << TimeIso(*pending) << '\n';
    else
        std::cout << "none pending\n";
}

} // namespace

void AddAdhanCommand(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    CLI::App* adhan = app.add_subcommand(
        "adhan", "The Adhan: on or off, which prayers, the sound, the next prayer and the "
                 "timed start");
    adhan->add_flag("--json", *json, "Print JSON");
    adhan->callback([json] { PrintAdhan(*json); });
}

} // namespace halvo::cli
