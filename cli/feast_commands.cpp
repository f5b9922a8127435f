// `tavorin feasts` and `tavorin reminder`: the Islamic Feasts table and the
// two reminder numbers of the "Remind Me" dialog.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/store_commands.h"
#include "engine/hijri_calendar.h"
#include "feasts/feast_reminder.h"
#include "feasts/feast_table.h"
#include "platform/clock.h"
#include "settings/registry.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace halvo::cli
{

namespace
{

// The lines of the "Remind Me" list, by the stored number of days.
constexpr const char* kReminderDays[] = {"Same Day", "1 Day Before", "2 Days Before",
                                         "3 Days Before"};

std::string ReminderDaysText(std::uint32_t days)
{
    if (days < std::size(kReminderDays))
    {
        return kReminderDays[days];
    }
    return std::to_string(days) + " Days Before";
}

// A name padded with blanks to a width in characters, not bytes: the feast
// names hold curly apostrophes.
std::string PaddedName(const std::string& name, std::size_t width)
{
    std::size_t characters = 0;
    for (char c : name)
    {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
        {
            ++characters;
        }
    }
    return name + std::string(characters < width ? width - characters : 0, ' ');
}

void AddFeastsCommand(CLI::App& app)
{
    auto year = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* feasts = app.add_subcommand(
        "feasts",
        "The nine feasts of a Hijri year with their Gregorian dates (default: this year)");
    feasts->add_option("--year", *year, "Hijri year (default: the current one)");
    feasts->add_flag("--json", *json, "Print JSON");
    feasts->callback(
        [year, json, feasts]
        {
            int hijriYear = 0;
            if (feasts->count("--year") > 0)
            {
                hijriYear = ParseInteger(*year, "--year", 1, 9999);
            }
            else
            {
                // The year of the real current date, as the feasts window takes it.
                StartUp();
                hijriYear = ShownHijriOf(LocalNow()).year;
            }
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            std::string out = "Feasts of " + std::to_string(hijriYear) + " A.H.\n";
            for (const FeastEntry& feast : FeastTable)
            {
                const GregorianDay date =
                    FeastGregorianDate(hijriYear, feast.hijriMonth, feast.hijriDay);
                const std::string text =
                    FeastGregorianDateText(hijriYear, feast.hijriMonth, feast.hijriDay);
                if (*json)
                {
                    list.push_back({{"name", feast.name},
                                    {"description", feast.description},
                                    {"hijriMonth", feast.hijriMonth},
                                    {"hijriDay", feast.hijriDay},
                                    {"date", DateIso(MakeDate(date.year, date.month, date.day))},
                                    {"gregorian", text}});
                    continue;
                }
                out += PaddedName(feast.name, 18) + text + "\n";
            }
            if (*json)
            {
                PrintJson({{"hijriYear", hijriYear}, {"feasts", list}});
                return;
            }
            std::cout << out;
        });
}

void AddReminderCommand(CLI::App& app)
{
    auto state = std::make_shared<std::string>();
    auto days = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* reminder = app.add_subcommand(
        "reminder", "The feast reminder shown at start-up: 'reminder on --days 1', "
                    "'reminder off'; without arguments it shows the setting");
    reminder->add_option("state", *state, "on or off");
    reminder->add_option("--days", *days, "Days ahead of a feast to remind, 0 to 3");
    reminder->add_flag("--json", *json, "Print JSON");
    reminder->callback(
        [state, days, json, reminder]
        {
            std::optional<std::uint32_t> on;
            if (reminder->count("state") > 0)
            {
                if (*state != "on" && *state != "off")
                {
                    RefuseChoice("reminder", *state, {"on", "off"});
                }
                on = *state == "on" ? 1 : 0;
            }
            std::optional<std::uint32_t> ahead;
            if (reminder->count("--days") > 0)
            {
                ahead = static_cast<std::uint32_t>(ParseInteger(*days, "--days", 0, 3));
            }
            StartUp();
            if (!StoreFeastReminder(on, ahead))
            {
                throw std::runtime_error("the reminder could not be stored");
            }
            // A missing value reads as the dialog's sound choice: off, same day.
            std::uint32_t feastOn = 0;
            std::uint32_t numDays = 0;
            ReadRegistryNumber(kFeastSubkey, kFeastValue, feastOn);
            ReadRegistryNumber(kFeastSubkey, kNumDaysValue, numDays);
            if (*json)
            {
                PrintJson({{"on", feastOn != 0}, {"days", numDays}});
                return;
            }
            std::cout << "Feast reminder: " << (feastOn != 0 ? "on" : "off") << ", "
                      << ReminderDaysText(numDays) << '\n';
        });
}

} // namespace

void AddFeastCommands(CLI::App& app)
{
    AddFeastsCommand(app);
    AddReminderCommand(app);
}

} // namespace halvo::cli
