// The commands that remember: they open the device folder's database (a
// first use seeds it) and answer from the stored settings, cities, zones
// and twilight conventions.
#include "cli/store_commands.h"

#include "cli/cli_support.h"
#include "conventions/twilight_conventions.h"
#include "day/day_model.h"
#include "locations/daylight_saving.h"
#include "locations/location_database.h"
#include "platform/clock.h"
#include "platform/text/number_text.h"
#include "settings/settings.h"
#include "startup/startup_data.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace halvo::cli
{

namespace
{

// The system's messages on the command line: what a window would show in a
// message box is a line on stderr.
class StderrMessages : public UserMessages
{
  public:
    void Show(const std::string& text) override { std::cerr << text << '\n'; }
    void Warn(const std::string& text) override
    {
        std::cerr << "tavorin: warning: " << text << '\n';
    }
};

StderrMessages& Messages()
{
    static StderrMessages messages;
    return messages;
}

// A failure already told on stderr (a city not stored, a start-up that
// failed): status 1, nothing more on stdout.
[[noreturn]] void ExitFailed()
{
    std::cout.flush();
    std::exit(1);
}

void StartUp()
{
    if (!RunStartupDataSteps(Messages()).ok)
    {
        ExitFailed();
    }
}

nlohmann::ordered_json RuleJson(const DstRule& rule)
{
    return {{"month", rule.month}, {"dayOfWeek", rule.dayOfWeek}, {"occurrence", rule.occurrence}};
}

void AddTimesCommand(CLI::App& app)
{
    auto city = std::make_shared<std::string>();
    auto date = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* times = app.add_subcommand(
        "times", "Today's prayer times for the current city, as the main display shows them");
    times->add_option("--city", *city,
                      "A stored city instead of the current one (the setting is not changed)");
    times->add_option("--date", *date, "Date YYYY-MM-DD (default today)");
    times->add_flag("--json", *json, "Print JSON");
    times->callback(
        [city, date, json]
        {
            const DateRecord when = date->empty() ? LocalNow() : ParseDate(*date, "--date");
            StartUp();
            const std::string name = city->empty() ? ReadSetting("CityName") : *city;
            const DayComputation day = ComputeDayTexts(name, when, Messages());
            if (!day.cityFound)
            {
                ExitFailed();
            }
            if (*json)
            {
                nlohmann::ordered_json out;
                out["city"] = day.texts[kLocationText];
                out["longitude"] = day.longitude;
                out["latitude"] = day.latitude;
                out["utcOffset"] = day.utcOffset;
                const nlohmann::ordered_json dayJson = DayJson(day.engine);
                for (auto item = dayJson.begin(); item != dayJson.end(); ++item)
                {
                    out[item.key()] = item.value();
                }
                PrintJson(out);
                return;
            }
            std::cout << day.texts[kLocationText] << '\n' << DayText(day.engine);
        });
}

void AddCitiesCommand(CLI::App& app)
{
    auto country = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* cities = app.add_subcommand("cities", "The stored cities, in list order");
    cities->add_option("--country", *country, "Only the cities of this country (exact spelling)");
    cities->add_flag("--json", *json, "Print JSON");
    cities->callback(
        [country, json]
        {
            StartUp();
            std::vector<CityRecord> records = ReadAllCities();
            if (!country->empty())
            {
                // The names the country list shows, each with its first record.
                const std::vector<std::string> names = ListCitiesOfCountry(*country);
                std::vector<CityRecord> listed;
                std::size_t next = 0;
                for (CityRecord& record : records)
                {
                    if (next < names.size() && record.country == *country &&
                        record.name == names[next])
                    {
                        listed.push_back(std::move(record));
                        ++next;
                    }
                }
                records = std::move(listed);
            }
            if (!*json)
            {
                std::string out;
                for (const CityRecord& record : records)
                {
                    out += record.name + " (" + record.country + ")\n";
                }
                std::cout << out;
                return;
            }
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const CityRecord& record : records)
            {
                list.push_back({{"name", record.name},
                                {"country", record.country},
                                {"longitude", LeadingInteger(record.longitude)},
                                {"latitude", LeadingInteger(record.latitude)},
                                {"zone", record.zoneId}});
            }
            PrintJson(list);
        });
}

void AddZonesCommand(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    CLI::App* zones =
        app.add_subcommand("zones", "The stored time zones with their standard offsets");
    zones->add_flag("--json", *json, "Print JSON");
    zones->callback(
        [json]
        {
            StartUp();
            const TimeZoneList list = ListTimeZones();
            if (!*json)
            {
                std::string out;
                for (const std::string& label : list.labels)
                {
                    out += label + "\n";
                }
                std::cout << out;
                return;
            }
            nlohmann::ordered_json out = nlohmann::ordered_json::array();
            for (const TimeZoneRecord& zone : ReadAllTimeZones())
            {
                out.push_back({{"id", zone.id},
                               {"label", OffsetLabel(StandardOffsetHours(zone), zone.standardName)},
                               {"standard", zone.standardName},
                               {"daylight", zone.daylightName},
                               {"bias", zone.bias},
                               {"start", RuleJson(zone.start)},
                               {"end", RuleJson(zone.end)}});
            }
            PrintJson(out);
        });
}

void AddSettingsCommand(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    auto name = std::make_shared<std::string>();
    auto value = std::make_shared<std::string>();
    CLI::App* settings = app.add_subcommand(
        "settings", "The stored settings; 'settings set NAME VALUE' changes one");
    settings->add_flag("--json", *json, "Print JSON");
    settings->require_subcommand(0, 1);
    CLI::App* set = settings->add_subcommand("set", "Write one setting after checking its value");
    set->add_option("name", *name, "Setting name")->required();
    set->add_option("value", *value, "New value")->required();
    settings->callback(
        [json, name, value, set]
        {
            if (set->parsed())
            {
                if (*name == "KQMethod")
                {
                    throw UsageError("KQMethod is set with 'tavorin conventions select NAME'");
                }
                std::string problem;
                if (!ValidateSettingValue(*name, *value, &problem))
                {
                    throw UsageError(problem.empty()
                                         ? *name + ": \"" + *value + "\" is not a valid value"
                                         : problem);
                }
                StartUp();
                std::string stored = *value;
                if (*name == "CityName")
                {
                    // The city's own spelling, since the display shows the setting.
                    const auto city = ReadCity(*value);
                    if (!city)
                    {
                        throw UsageError("CityName: \"" + *value + "\" is not a stored city");
                    }
                    stored = city->name;
                }
                if (!WriteSetting(*name, stored))
                {
                    std::cerr << "tavorin: the setting could not be written\n";
                    ExitFailed();
                }
                return;
            }
            StartUp();
            if (*json)
            {
                nlohmann::ordered_json out = nlohmann::ordered_json::object();
                for (const SettingDefault& setting : kDefaultSettings)
                {
                    out[setting.name] = ReadSetting(setting.name);
                }
                PrintJson(out);
                return;
            }
            std::string out;
            for (const SettingDefault& setting : kDefaultSettings)
            {
                char line[64];
                std::snprintf(line, sizeof line, "%-10s ", setting.name);
                out += line + ReadSetting(setting.name) + "\n";
            }
            std::cout << out;
        });
}

// Degrees typed on the command line, converted as the add dialog converts
// them; refused when not a number or not a usable depression angle.
std::string AngleTextArgument(const std::string& typed, const char* what)
{
    const auto text = DegreesToAngleText(typed);
    const double degrees = text ? AngleTextToDegrees(*text) : 0.0;
    if (!text || typed.find_first_not_of(" \t") == std::string::npos ||
        !(degrees > 0.0 && degrees < 90.0))
    {
        throw UsageError(std::string(what) + ": \"" + typed +
                         "\" is not an angle in degrees between 0 and 90");
    }
    return *text;
}

void AddConventionsCommand(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    auto selectName = std::make_shared<std::string>();
    auto addName = std::make_shared<std::string>();
    auto addFajr = std::make_shared<std::string>();
    auto addIsha = std::make_shared<std::string>();
    CLI::App* conventions =
        app.add_subcommand("conventions", "The twilight conventions; the selected one is marked");
    conventions->add_flag("--json", *json, "Print JSON");
    conventions->require_subcommand(0, 1);
    CLI::App* select =
        conventions->add_subcommand("select", "Use a convention's angles for the times");
    select->add_option("name", *selectName, "Convention name")->required();
    CLI::App* add = conventions->add_subcommand("add", "Add a convention of your own");
    add->add_option("name", *addName, "Convention name")->required();
    add->add_option("fajr", *addFajr, "Fajr angle in degrees")->required();
    add->add_option("isha", *addIsha, "Isha angle in degrees (9 means 90 minutes after Maghrib)")
        ->required();
    conventions->callback(
        [=]
        {
            if (add->parsed())
            {
                if (addName->empty() || addName->find_first_not_of(' ') == std::string::npos)
                {
                    throw UsageError("a convention needs a name");
                }
                const std::string fajr = AngleTextArgument(*addFajr, "fajr");
                const std::string isha = AngleTextArgument(*addIsha, "isha");
                StartUp();
                if (!AddConvention(*addName, fajr, isha))
                {
                    std::cerr << "tavorin: the convention could not be stored\n";
                    ExitFailed();
                }
                return;
            }
            StartUp();
            EnsureConventionStore();
            if (select->parsed())
            {
                // The list's own spelling, as the dialog passes its list entry.
                const auto convention = FindConvention(*selectName);
                if (!convention || !SelectConvention(convention->name))
                {
                    throw UsageError("no twilight convention is named \"" + *selectName + "\"");
                }
                return;
            }
            const std::string selected = ReadSetting(setting::kKQMethod);
            bool marked = false;
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            std::string out;
            // Each entry's own angles: a user's method may share a built-in's name.
            for (const Convention& angles : ReadAllConventions())
            {
                const std::string& name = angles.name;
                const bool isSelected = !marked && name == selected;
                marked = marked || isSelected;
                if (*json)
                {
                    list.push_back({{"name", name},
                                    {"fajr", angles.fajr},
                                    {"isha", angles.isha},
                                    {"selected", isSelected}});
                    continue;
                }
                out += (isSelected ? "* " : "  ") + name + "  (Fajr " +
                       AngleTextForDisplay(angles.fajr) + ", Isha " +
                       AngleTextForDisplay(angles.isha) + ")\n";
            }
            if (*json)
            {
                PrintJson(list);
                return;
            }
            std::cout << out;
        });
}

} // namespace

std::function<PrayerEngine(const DateRecord&)> StoredCityDays(const std::string& cityName)
{
    StartUp();
    if (FindCity(cityName) < 0)
    {
        Messages().Show(kCityNotFoundMessage);
        ExitFailed();
    }
    return [cityName](const DateRecord& date)
    { return ComputeDayTexts(cityName, date, Messages()).engine; };
}

void AddStoreCommands(CLI::App& app)
{
    AddTimesCommand(app);
    AddCitiesCommand(app);
    AddZonesCommand(app);
    AddSettingsCommand(app);
    AddConventionsCommand(app);
}

} // namespace halvo::cli
