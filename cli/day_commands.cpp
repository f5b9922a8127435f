// `tavorin day` and `tavorin table`: the engine's day for a place given by
// coordinates and a UTC offset.
#include "cli/day_commands.h"

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/store_commands.h"
#include "engine/hijri_calendar.h"
#include "platform/clock.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace halvo::cli
{

namespace
{

// A century of days: more than any printed timetable needs.
constexpr int kMaxTableDays = 36525;

struct PlaceOptions
{
    std::string longitude;
    std::string latitude;
    std::string timeZone;
    std::string fajr = "15";
    std::string isha = "15";
    bool hanafi = false;
};

struct PlaceInputs
{
    double longitude = 0;
    double latitude = 0;
    double timeZone = 0;
    double fajrAngle = 15;
    double ishaAngle = 15;
    int hanafi = 0;
};

void AddPlaceOptions(CLI::App& command, PlaceOptions& options, bool required)
{
    command.add_option("--lon", options.longitude, "Longitude in degrees, east positive")
        ->required(required);
    command.add_option("--lat", options.latitude, "Latitude in degrees, north positive")
        ->required(required);
    command.add_option("--tz", options.timeZone, "UTC offset in hours, east positive")
        ->required(required);
    command.add_option("--fajr", options.fajr, "Fajr depression angle in degrees (default 15)");
    command.add_option("--isha", options.isha,
                       "Isha depression angle in degrees (9 = 90 minutes after Maghrib)");
    command.add_flag("--hanafi", options.hanafi, "Hanafi Asr (shadow factor 2) instead of Shafi");
}

PlaceInputs ParsePlace(const PlaceOptions& options)
{
    PlaceInputs inputs;
    inputs.longitude = ParseNumber(options.longitude, "--lon", -180, 180);
    inputs.latitude = ParseNumber(options.latitude, "--lat", -90, 90);
    inputs.timeZone = ParseNumber(options.timeZone, "--tz", -14, 14);
    inputs.fajrAngle = ParseAngle(options.fajr, "--fajr");
    inputs.ishaAngle = ParseAngle(options.isha, "--isha");
    inputs.hanafi = options.hanafi ? 1 : 0;
    return inputs;
}

PrayerEngine EngineFor(const PlaceInputs& place, const DateRecord& date)
{
    PrayerEngine engine;
    engine.Setup(place.longitude, place.latitude, place.timeZone, date, place.fajrAngle,
                 place.ishaAngle, place.hanafi);
    return engine;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"") == std::string::npos)
    {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text)
    {
        quoted += c;
        if (c == '"')
        {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

void CheckTableRange(const DateRecord& from, const DateRecord& to)
{
    const double first = JulianDayNumber(from.year, from.month, from.day);
    const double last = JulianDayNumber(to.year, to.month, to.day);
    if (first > last)
    {
        throw UsageError("--from " + DateIso(from) + " is after --to " + DateIso(to));
    }
    if (last - first >= kMaxTableDays)
    {
        throw UsageError("the table may cover at most " + std::to_string(kMaxTableDays) + " days");
    }
}

void PrintTable(const DateRecord& from, const DateRecord& to, TableFormat format,
                const std::function<PrayerEngine(const DateRecord&)>& dayFor)
{
    std::string out;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    if (format == TableFormat::Csv)
    {
        out = "date,gregorian,hijri,fajr,sunrise,zuhr,asr,maghrib,isha\n";
    }
    else if (format == TableFormat::Text)
    {
        char header[160];
        std::snprintf(header, sizeof header, "%-12s%-30s%-10s%-10s%-10s%-10s%-10s%s\n", "Date",
                      "Hijri", "Fajr", "Sunrise", "Zuhr", "Asr", "Maghrib", "Isha");
        out = header;
    }
    const int first = static_cast<int>(JulianDayNumber(from.year, from.month, from.day));
    const int last = static_cast<int>(JulianDayNumber(to.year, to.month, to.day));
    DateRecord date = from;
    for (int day = first; day <= last; ++day, date = DaysLater(date, 1))
    {
        const PrayerEngine engine = dayFor(date);
        const std::string iso = DateIso(date);
        if (format == TableFormat::Json)
        {
            nlohmann::ordered_json row = DayJson(engine);
            row["date"] = iso;
            rows.push_back(std::move(row));
            continue;
        }
        if (format == TableFormat::Csv)
        {
            out += iso + "," + CsvField(engine.GregorianDateText()) + "," +
                   CsvField(engine.HijriDateText());
            for (int i = 0; i < kPrayerCount; ++i)
            {
                out += "," + TimeText(engine, i);
            }
            out += "\n";
            continue;
        }
        char line[256];
        std::snprintf(line, sizeof line, "%-12s%-30s", iso.c_str(), engine.HijriDateText().c_str());
        out += line;
        for (int i = 0; i < kPrayerCount; ++i)
        {
            std::snprintf(line, sizeof line, i + 1 < kPrayerCount ? "%-10s" : "%s",
                          TimeText(engine, i).c_str());
            out += line;
        }
        out += "\n";
    }
    if (format == TableFormat::Json)
    {
        PrintJson(rows);
        return;
    }
    std::cout << out;
}

void AddDayCommands(CLI::App& app)
{
    {
        auto options = std::make_shared<PlaceOptions>();
        auto date = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* day = app.add_subcommand("day", "Prayer times of one day at a place");
        AddPlaceOptions(*day, *options, true);
        day->add_option("--date", *date, "Date YYYY-MM-DD (default today)");
        day->add_flag("--json", *json, "Print JSON");
        day->callback(
            [options, date, json]
            {
                const PlaceInputs place = ParsePlace(*options);
                const DateRecord when = date->empty() ? LocalNow() : ParseDate(*date, "--date");
                const PrayerEngine engine = EngineFor(place, when);
                if (*json)
                {
                    PrintJson(DayJson(engine));
                }
                else
                {
                    std::cout << DayText(engine);
                }
            });
    }
    {
        auto options = std::make_shared<PlaceOptions>();
        auto from = std::make_shared<std::string>();
        auto to = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        auto csv = std::make_shared<bool>(false);
        auto city = std::make_shared<std::string>();
        CLI::App* table =
            app.add_subcommand("table", "A timetable of prayer times, one row per day");
        AddPlaceOptions(*table, *options, false);
        // A stored city instead of coordinates: its zone gives each day's offset.
        table->add_option("--city", *city, "A stored city instead of --lon, --lat and --tz");
        table->add_option("--from", *from, "First date YYYY-MM-DD")->required();
        table->add_option("--to", *to, "Last date YYYY-MM-DD")->required();
        CLI::Option* jsonFlag = table->add_flag("--json", *json, "Print JSON");
        table->add_flag("--csv", *csv, "Print CSV")->excludes(jsonFlag);
        table->callback(
            [options, from, to, json, csv, city, table]
            {
                const DateRecord first = ParseDate(*from, "--from");
                const DateRecord last = ParseDate(*to, "--to");
                CheckTableRange(first, last);
                const TableFormat format = *json  ? TableFormat::Json
                                           : *csv ? TableFormat::Csv
                                                  : TableFormat::Text;
                if (!city->empty())
                {
                    if (!options->longitude.empty() || !options->latitude.empty() ||
                        !options->timeZone.empty())
                    {
                        throw UsageError("--city replaces --lon, --lat and --tz");
                    }
                    if (table->count("--fajr") + table->count("--isha") + table->count("--hanafi") >
                        0)
                    {
                        throw UsageError(
                            "--city takes the angles and the Asr method from the settings");
                    }
                    PrintTable(first, last, format, StoredCityDays(*city));
                    return;
                }
                if (options->longitude.empty() || options->latitude.empty() ||
                    options->timeZone.empty())
                {
                    throw UsageError("--lon, --lat and --tz are required unless --city is given");
                }
                const PlaceInputs place = ParsePlace(*options);
                PrintTable(first, last, format,
                           [&place](const DateRecord& date) { return EngineFor(place, date); });
            });
    }
}

} // namespace halvo::cli
