// The commands that remember: they open the device folder's database (a
// first use seeds it) and answer from the stored settings, cities, zones
// and twilight conventions.
#include "cli/store_commands.h"

#include "cli/cli_support.h"
#include "conventions/twilight_conventions.h"
#include "day/day_model.h"
#include "locations/city_search.h"
#include "locations/country_names.h"
#include "locations/daylight_saving.h"
#include "locations/location_database.h"
#include "platform/clock.h"
#include "platform/text/loose_match.h"
#include "platform/text/number_text.h"
#include "platform/text/quoted.h"
#include "settings/calculation_options.h"
#include "settings/settings.h"
#include "startup/startup_data.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>

namespace halvo::cli
{

namespace
{

class StderrMessages : public UserMessages
{
  public:
    void Show(const std::string& text) override { std::cerr << text << '\n'; }
    void Warn(const std::string& text) override
    {
        std::cerr << "tavorin: warning: " << text << '\n';
    }
};

// A failure already told on stderr (a start-up that failed, a write the
// store refused): status 1, nothing more on stdout.
[[noreturn]] void ExitFailed()
{
    std::cout.flush();
    std::exit(1);
}

nlohmann::ordered_json RuleJson(const DstRule& rule)
{
    return {{"month", rule.month}, {"dayOfWeek", rule.dayOfWeek}, {"occurrence", rule.occurrence}};
}

// The angles and school the stored settings give, as the header names them.
ConventionFacts StoredConvention(const DaySettings& settings)
{
    ConventionFacts facts;
    const std::string name = ReadSetting(setting::kKQMethod);
    if (!name.empty())
    {
        facts.name = name;
    }
    facts.fajrAngle = settings.fajrAngle;
    facts.ishaAngle = settings.ishaAngle;
    facts.hanafi = settings.hanafi != 0;
    return facts;
}

} // namespace

nlohmann::ordered_json CityJson(const CityRecord& city)
{
    const std::int32_t longitude = LeadingInteger(city.longitude);
    const std::int32_t latitude = LeadingInteger(city.latitude);
    return {{"city", city.name},
            {"country", city.country},
            {"longitude", DegreesFromHundredths(longitude)},
            {"latitude", DegreesFromHundredths(latitude)},
            {"longitudeHundredths", longitude},
            {"latitudeHundredths", latitude}};
}

namespace
{

void AddTimesCommand(CLI::App& app)
{
    auto city = std::make_shared<std::string>();
    auto date = std::make_shared<std::string>();
    auto style = std::make_shared<DayOptions>();
    auto json = std::make_shared<bool>(false);
    CLI::App* times = app.add_subcommand(
        "times", "Today's prayer times for the current city, as the main display shows them");
    times->add_option("--city", *city,
                      "A stored city instead of the current one; case and accents do not "
                      "matter, and the part after a comma may be left out (the setting is not "
                      "changed)");
    times->add_option("--date", *date, "Date YYYY-MM-DD (default today)");
    AddTimeOptions(*times, *style);
    AddCalendarOptions(*times, *style);
    times->add_flag("--json", *json, "Print JSON");
    times->callback(
        [city, date, style, json, times]
        {
            const DayStyle parsed = ParseDayStyle(*style);
            const DateRecord when =
                times->count("--date") == 0 ? LocalNow() : ParseDate(*date, "--date");
            RefuseTypedUmmAlQuraOutsideTable(*style, parsed.calendar, when, when);
            const std::optional<std::string> typed =
                times->count("--city") > 0 ? std::optional<std::string>(*city) : std::nullopt;
            const CityRecord record = StoredCity(typed, "--city");
            const StoredCityDay day = ComputeStoredCityDay(record, when, parsed);
            const double utcOffset = day.utcOffset;
            const ConventionFacts& facts = day.convention;
            const ShownDay& shown = day.shown;
            if (*json)
            {
                nlohmann::ordered_json out = CityJson(record);
                out["utcOffset"] = utcOffset;
                AddStyleJson(out, facts, parsed);
                out["date"] = DateIso(when);
                out.update(ShownDayJson(shown, parsed));
                PrintJson(out);
                return;
            }
            std::cout << HeaderLine(CityTitle(record), {utcOffset}, facts, parsed, true) << '\n'
                      << ShownDayText(shown, parsed.clock24);
        });
}

std::map<std::int32_t, std::string> ZoneNames()
{
    std::map<std::int32_t, std::string> names;
    for (const TimeZoneRecord& zone : ReadAllTimeZones())
    {
        names.emplace(zone.id, zone.standardName);
    }
    return names;
}

std::vector<std::string> StoredCountries(const std::vector<CityRecord>& cities)
{
    std::vector<std::string> countries;
    for (const CityRecord& city : cities)
    {
        if (std::find(countries.begin(), countries.end(), city.country) == countries.end())
        {
            countries.push_back(city.country);
        }
    }
    return countries;
}

const char* MatchKey(CityMatchKind kind)
{
    switch (kind)
    {
    case CityMatchKind::kWholeName:
        return "wholeName";
    case CityMatchKind::kBeforeComma:
        return "beforeComma";
    case CityMatchKind::kAlias:
        return "alias";
    case CityMatchKind::kPrefix:
        return "prefix";
    case CityMatchKind::kWordPrefix:
        return "wordPrefix";
    case CityMatchKind::kCountry:
        return "country";
    case CityMatchKind::kContains:
        break;
    }
    return "contains";
}

void AddCitiesCommand(CLI::App& app)
{
    auto country = std::make_shared<std::string>();
    auto search = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* cities = app.add_subcommand("cities", "The stored cities, in list order");
    cities->add_option("--country", *country,
                       "Only the cities of this country (any case; common names such as "
                       "\"United States\" are known)");
    cities->add_option("--search", *search,
                       "Cities whose name contains TEXT, case and accents ignored, best first");
    cities->add_flag("--json", *json, "Print JSON");
    cities->callback(
        [country, search, json, cities]
        {
            const bool searching = cities->count("--search") > 0;
            if (searching)
            {
                CheckedName(*search, "--search");
            }
            if (cities->count("--country") > 0)
            {
                CheckedName(*country, "--country");
            }
            StartUp();
            std::vector<CityRecord> records = ReadAllCities();
            if (cities->count("--country") > 0)
            {
                const CountryResolution resolved =
                    ResolveCountry(*country, StoredCountries(records));
                if (!resolved.country)
                {
                    throw UsageError("no country " + Quoted(*country) +
                                     DidYouMean(resolved.candidates));
                }
                // The names the country list shows, each with its first record.
                const std::vector<std::string> names = ListCitiesOfCountry(*resolved.country);
                std::vector<CityRecord> listed;
                std::size_t next = 0;
                for (CityRecord& record : records)
                {
                    if (next < names.size() && record.country == *resolved.country &&
                        record.name == names[next])
                    {
                        listed.push_back(std::move(record));
                        ++next;
                    }
                }
                records = std::move(listed);
            }
            std::vector<CityMatch> matches;
            if (searching)
            {
                matches = SearchCities(records, *search);
            }
            else
            {
                for (CityRecord& record : records)
                {
                    matches.push_back({std::move(record), CityMatchKind::kContains});
                }
            }
            if (!*json)
            {
                std::string out;
                for (const CityMatch& match : matches)
                {
                    out += CityTitle(match.city) + "\n";
                }
                std::cout << out;
                return;
            }
            const std::map<std::int32_t, std::string> zoneNames = ZoneNames();
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const CityMatch& match : matches)
            {
                const std::int32_t longitude = LeadingInteger(match.city.longitude);
                const std::int32_t latitude = LeadingInteger(match.city.latitude);
                const auto zone = zoneNames.find(match.city.zoneId);
                nlohmann::ordered_json entry = {
                    {"name", match.city.name},
                    {"country", match.city.country},
                    {"longitude", DegreesFromHundredths(longitude)},
                    {"latitude", DegreesFromHundredths(latitude)},
                    {"longitudeHundredths", longitude},
                    {"latitudeHundredths", latitude},
                    {"zone", match.city.zoneId},
                    {"zoneName", zone != zoneNames.end() ? nlohmann::ordered_json(zone->second)
                                                         : nlohmann::ordered_json(nullptr)}};
                if (searching)
                {
                    entry["match"] = MatchKey(match.kind);
                }
                list.push_back(std::move(entry));
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
                    out += EscapedForLine(label) + "\n";
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
                               {"standardOffset", StandardOffsetHours(zone)},
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
                CheckedText(*value, *name);
                // Names and enumerated values in any case, stored in the
                // spelling the readers compare exactly.
                const SettingText typed = CanonicalSettingText(*name, *value);
                if (typed.name == setting::kKQMethod)
                {
                    throw UsageError("KQMethod is set with 'tavorin conventions select NAME'");
                }
                std::string stored = CheckedText(typed.value, typed.name);
                std::string problem;
                if (CalculationOptionName(typed.name))
                {
                    if (!CanonicalOptionValue(typed.name, stored, &problem))
                    {
                        throw UsageError(problem);
                    }
                    StartUp();
                    if (!WriteCalculationOption(typed.name, stored))
                    {
                        std::cerr << "tavorin: the setting could not be written\n";
                        ExitFailed();
                    }
                    return;
                }
                if (!ValidateSettingValue(typed.name, stored, &problem))
                {
                    throw UsageError(problem.empty() ? typed.name + ": " + Quoted(stored) +
                                                           " is not a valid value"
                                                     : problem);
                }
                if (typed.name == setting::kCityName)
                {
                    // The city's own spelling, since the display shows the setting
                    // and looks it up: a name that is no city is never stored.
                    stored = StoredCity(stored, "CityName").name;
                }
                else
                {
                    StartUp();
                }
                if (!WriteSetting(typed.name, stored))
                {
                    std::cerr << "tavorin: the setting could not be written\n";
                    ExitFailed();
                }
                return;
            }
            StartUp();
            if (*json)
            {
                nlohmann::ordered_json out = nlohmann::ordered_json::array();
                for (const SettingDefault& setting : kDefaultSettings)
                {
                    out.push_back({{"name", setting.name}, {"value", ReadSetting(setting.name)}});
                }
                for (const StoredCalculationOption& option : kStoredCalculationOptions)
                {
                    out.push_back(
                        {{"name", option.name}, {"value", StoredOptionText(option.name)}});
                }
                PrintJson(out);
                return;
            }
            std::string out;
            for (const SettingDefault& setting : kDefaultSettings)
            {
                std::string label = setting.name;
                label.resize(std::max<std::size_t>(label.size(), 10), ' ');
                out += label + " " + EscapedForLine(ReadSetting(setting.name)) + "\n";
            }
            for (const StoredCalculationOption& option : kStoredCalculationOptions)
            {
                std::string label = option.name;
                label.resize(std::max<std::size_t>(label.size(), 10), ' ');
                out += label + " " + StoredOptionText(option.name) + "\n";
            }
            std::cout << out;
        });
}

// A convention to add, checked by the add dialog's own rules; refused in
// the command line's words.
Convention ConventionToAdd(const std::string& name, const std::string& fajr,
                           const std::string& isha)
{
    const CheckedConventionEntry checked = CheckConventionEntry(name, fajr, isha);
    const auto angleRefusal = [](const char* what, const std::string& typed, const char* why)
    { return UsageError(std::string(what) + ": " + Quoted(typed) + why); };
    constexpr const char* kNotAnAngle = " is not an angle in degrees between 0 and 90";
    constexpr const char* kUnderATenth = " must be at least 0.1";
    switch (checked.problem)
    {
    case ConventionEntryProblem::kNone:
        return *checked.convention;
    case ConventionEntryProblem::kNoName:
        throw UsageError("a convention name: an empty name is not a name");
    case ConventionEntryProblem::kNameTaken:
        throw UsageError("there is already a twilight convention named " + Quoted(name));
    case ConventionEntryProblem::kNoFajr:
    case ConventionEntryProblem::kBadFajr:
        throw angleRefusal("fajr", fajr, kNotAnAngle);
    case ConventionEntryProblem::kFajrUnderATenth:
        throw angleRefusal("fajr", fajr, kUnderATenth);
    case ConventionEntryProblem::kNoIsha:
    case ConventionEntryProblem::kBadIsha:
        throw angleRefusal("isha", isha, kNotAnAngle);
    case ConventionEntryProblem::kIshaUnderATenth:
        throw angleRefusal("isha", isha, kUnderATenth);
    }
    throw UsageError("the convention cannot be added");
}

// The convention a typed name selects: the name under the store's own
// comparison, else the one name it is the beginning of (case and accents
// ignored).
std::string SelectedConventionName(const std::string& typed)
{
    if (const auto exact = FindConvention(typed))
    {
        return exact->name;
    }
    std::vector<std::string> prefixed;
    std::vector<std::string> all;
    LooseSearch search(typed);
    for (const Convention& convention : ReadAllConventions())
    {
        if (std::find(all.begin(), all.end(), convention.name) == all.end())
        {
            all.push_back(convention.name);
        }
        const LooseMatch match = search.In(convention.name);
        const bool seen = std::any_of(prefixed.begin(), prefixed.end(),
                                      [&](const std::string& name)
                                      { return LooselyEqual(name, convention.name); });
        if ((match == LooseMatch::kPrefix || match == LooseMatch::kWhole) && !seen)
        {
            prefixed.push_back(convention.name);
        }
    }
    if (prefixed.size() == 1)
    {
        return prefixed.front();
    }
    const std::vector<std::string>& candidates = prefixed.empty() ? all : prefixed;
    throw UsageError("no twilight convention " + Quoted(typed) +
                     (prefixed.empty() ? "" : " alone") + DidYouMean(candidates));
}

void AddConventionsCommand(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    auto selectName = std::make_shared<std::string>();
    auto addName = std::make_shared<std::string>();
    auto addFajr = std::make_shared<std::string>();
    auto addIsha = std::make_shared<std::string>();
    CLI::App* conventions = app.add_subcommand(
        "conventions", "The twilight conventions; the one whose angles are in use is marked");
    conventions->add_flag("--json", *json, "Print JSON");
    conventions->require_subcommand(0, 1);
    CLI::App* select = conventions->add_subcommand(
        "select", "Use a convention's angles for the times (a unique beginning of its name will "
                  "do)");
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
                CheckedName(*addName, "a convention name");
                // Look-alike names are judged against the store.
                StartUp();
                const Convention added = ConventionToAdd(*addName, *addFajr, *addIsha);
                if (!AddConvention(added.name, added.fajr, added.isha))
                {
                    std::cerr << "tavorin: the convention could not be stored\n";
                    ExitFailed();
                }
                return;
            }
            if (select->parsed())
            {
                CheckedName(*selectName, "a convention name");
            }
            StartUp();
            EnsureConventionStore();
            if (select->parsed())
            {
                // A published method's key sets Method and leaves the
                // convention as it is; a stored convention of the same name
                // wins, as the list shows it.
                const CalculationMethod* preset = FindCalculationMethod(*selectName);
                if (preset != nullptr && !FindConvention(*selectName))
                {
                    if (!WriteCalculationOption(setting::kMethod, preset->name))
                    {
                        std::cerr << "tavorin: the method could not be selected\n";
                        ExitFailed();
                    }
                    return;
                }
                // The list's own spelling, as the dialog passes its list entry.
                const std::string name = SelectedConventionName(*selectName);
                if (!SelectConvention(name))
                {
                    std::cerr << "tavorin: the convention could not be selected\n";
                    ExitFailed();
                }
                return;
            }
            // The entry the program takes for KQMethod: the first one equal to
            // it under the store's comparison, as the times find its angles.
            const int selected = FindConventionPosition(ReadSetting(setting::kKQMethod));
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            std::string out;
            int position = 0;
            // Each entry's own angles: a user's method may share a built-in's name.
            for (const Convention& angles : ReadAllConventions())
            {
                const bool isSelected = position++ == selected;
                if (*json)
                {
                    list.push_back({{"name", angles.name},
                                    {"fajr", angles.fajr},
                                    {"isha", angles.isha},
                                    {"selected", isSelected}});
                    continue;
                }
                out += (isSelected ? "* " : "  ") + EscapedForLine(angles.name) + "  (Fajr " +
                       AngleTextForDisplay(angles.fajr) + ", Isha " +
                       AngleTextForDisplay(angles.isha) + ")\n";
            }
            if (*json)
            {
                PrintJson(list);
                return;
            }
            // A published method replaces the marked convention's angles.
            if (const CalculationMethod* method = ReadCalculationOptions().method)
            {
                out += std::string("Method ") + method->name +
                       " is in force: its angles replace the marked convention's "
                       "('tavorin methods')\n";
            }
            std::cout << out;
        });
}

} // namespace

UserMessages& CommandLineMessages()
{
    static StderrMessages messages;
    return messages;
}

void StartUp()
{
    // Once a command: reading the stored options and then the city must not
    // open, check and seed the store twice.
    static bool done = false;
    if (done)
    {
        return;
    }
    if (!RunStartupDataSteps(CommandLineMessages()).ok)
    {
        ExitFailed();
    }
    done = true;
}

CityRecord StoredCity(const std::optional<std::string>& typed, const char* what)
{
    if (typed)
    {
        CheckedName(*typed, what);
    }
    StartUp();
    const std::string name = typed ? *typed : ReadSetting(setting::kCityName);
    const CityResolution resolved = ResolveCity(name);
    if (resolved.city)
    {
        return *resolved.city;
    }
    if (!typed)
    {
        // The current city is gone from the list: the display's own message.
        CommandLineMessages().Show(kCityNotFoundMessage);
        ExitFailed();
    }
    throw UsageError("no city " + Quoted(name) + DidYouMean(resolved.candidates));
}

std::string CityTitle(const CityRecord& city)
{
    // Stored texts go out escaped, as in messages: a name holding a newline
    // or an escape sequence must not split the line or drive the terminal.
    return EscapedForLine(city.name) + " (" + EscapedForLine(city.country) + ")";
}

StoredCityDay ComputeStoredCityDay(const CityRecord& city, const DateRecord& date,
                                   const DayStyle& style)
{
    // The display's path: the city's lookup on that date, then the engine.
    StoredCityDay day;
    std::int32_t longitude = 0;
    std::int32_t latitude = 0;
    if (!LookupCity(date, city.name, longitude, latitude, day.utcOffset, CommandLineMessages()))
    {
        ExitFailed();
    }
    const DaySettings stored = ReadDaySettings();
    const OptionDay computed =
        ComputeOptionDay(longitude * 0.01, latitude * 0.01, day.utcOffset, date, stored.fajrAngle,
                         stored.ishaAngle, stored.hanafi, style.Options());
    day.convention = WithMethod(StoredConvention(stored), style);
    day.shown = ShowDay(computed);
    return day;
}

TableSource StoredCityTable(const std::optional<std::string>& typed, const DayStyle& style)
{
    const CityRecord city = StoredCity(typed, "--city");
    const std::int32_t longitude = LeadingInteger(city.longitude);
    const std::int32_t latitude = LeadingInteger(city.latitude);
    const std::optional<TimeZoneRecord> zone = ReadTimeZone(city.zoneId);
    if (!zone)
    {
        // As UtcOffsetForDate says it, once for the whole table.
        CommandLineMessages().Warn("Time zone " + std::to_string(city.zoneId) +
                                   " is not in the time-zone table; UTC is used.");
    }
    const DaySettings stored = ReadDaySettings();
    TableSource source;
    source.place = CityTitle(city);
    source.placeJson = CityJson(city);
    source.calendarName = city.name + " (" + city.country + ")";
    // The name and country are the city's key: its events keep their UIDs
    // when its coordinates or zone are corrected.
    source.placeKey = city.name + '\n' + city.country;
    source.convention = WithMethod(StoredConvention(stored), style);
    source.dayFor = [longitude, latitude, zone, stored,
                     options = style.Options()](const DateRecord& date, double& offset)
    {
        offset = zone ? UtcOffsetForZone(*zone, date) : 0.0;
        return ComputeOptionDay(longitude * 0.01, latitude * 0.01, offset, date, stored.fajrAngle,
                                stored.ishaAngle, stored.hanafi, options);
    };
    return source;
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
