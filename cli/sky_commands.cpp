// `tavorin moon` and `tavorin qibla`: the Moon Phase and Qibla windows'
// values for a moment or a place given on the command line.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/store_commands.h"
#include "engine/hijri_calendar.h"
#include "platform/clock.h"
#include "platform/text/number_text.h"
#include "platform/text/quoted.h"
#include "sky/moon_phase.h"
#include "sky/qibla.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace halvo::cli
{

namespace
{

constexpr double kRadiansToDegrees = 57.29564553093965; // 180 / 3.1416, as the text line reads it

struct Moment
{
    DateRecord date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool TwoDigits(std::string_view text, int& value)
{
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
    {
        return false;
    }
    value = (text[0] - '0') * 10 + (text[1] - '0');
    return true;
}

// YYYY-MM-DDTHH:MM:SS in universal time, or with Z, or with an offset
// +HH:MM / -HH:MM that is taken back out.
Moment ParseMoment(std::string_view text)
{
    const std::string refusal =
        "moment: " + Quoted(text) +
        " is not a moment of the form YYYY-MM-DDTHH:MM:SS (universal time; Z or +HH:MM allowed)";
    Moment moment;
    const std::string_view zone = text.size() > 19 ? text.substr(19) : std::string_view();
    int offsetHours = 0;
    int offsetMinutes = 0;
    const bool zoneShaped =
        zone.empty() || zone == "Z" ||
        (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':' &&
         TwoDigits(zone.substr(1, 2), offsetHours) && TwoDigits(zone.substr(4, 2), offsetMinutes));
    const bool shaped = text.size() >= 19 && text[10] == 'T' && text[13] == ':' &&
                        text[16] == ':' && TwoDigits(text.substr(11, 2), moment.hour) &&
                        TwoDigits(text.substr(14, 2), moment.minute) &&
                        TwoDigits(text.substr(17, 2), moment.second) && zoneShaped;
    if (!shaped)
    {
        throw UsageError(refusal);
    }
    moment.date = ParseDate(text.substr(0, 10), "moment");
    if (moment.hour > 23 || moment.minute > 59 || moment.second > 59)
    {
        throw UsageError("moment: " + Quoted(text) + " is not a time of day that exists");
    }
    if (offsetHours > 14 || offsetMinutes > 59 || offsetHours * 60 + offsetMinutes > 14 * 60)
    {
        throw UsageError("moment: " + Quoted(text) + " has an offset beyond 14 hours");
    }
    const int sign = !zone.empty() && zone[0] == '-' ? -1 : 1;
    int minuteOfDay = moment.hour * 60 + moment.minute - sign * (offsetHours * 60 + offsetMinutes);
    int dayShift = 0;
    if (minuteOfDay < 0)
    {
        minuteOfDay += 24 * 60;
        dayShift = -1;
    }
    else if (minuteOfDay >= 24 * 60)
    {
        minuteOfDay -= 24 * 60;
        dayShift = 1;
    }
    moment.hour = minuteOfDay / 60;
    moment.minute = minuteOfDay % 60;
    if (dayShift != 0)
    {
        moment.date = DaysLater(moment.date, dayShift);
        if (!IsValidCivilDate(moment.date.year, moment.date.month, moment.date.day))
        {
            throw UsageError("moment: " + Quoted(text) + " is not a date that exists");
        }
    }
    return moment;
}

Moment UniversalMoment()
{
    const DateRecord now = UniversalFromLocal(LocalNow());
    Moment moment;
    moment.date = MakeDate(now.year, now.month, now.day);
    moment.hour = now.hour;
    moment.minute = now.minute;
    moment.second = now.second;
    return moment;
}

std::string MomentIso(const Moment& moment)
{
    char time[16];
    std::snprintf(time, sizeof time, "T%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
    return DateIso(moment.date) + time + "Z";
}

// The moment in universal time, then the window's five lines, each after
// its label.
std::string MoonText(const Moment& moment, const MoonPhase& phase)
{
    const std::string shownMoment = MomentIso(moment) + " (universal time)";
    const std::pair<const char*, const std::string*> lines[] = {
        {"Moment:", &shownMoment},          {"Moon Age:", &phase.ageText},
        {"Moon Phase:", &phase.phaseName},  {"% Luminated:", &phase.illuminationText},
        {"Lunation:", &phase.lunationText}, {"Moon/Earth:", &phase.distanceText},
    };
    std::string text;
    for (const auto& [label, value] : lines)
    {
        char line[1100];
        std::snprintf(line, sizeof line, "%-13s%s\n", label, value->c_str());
        text += line;
    }
    return text;
}

nlohmann::ordered_json MoonJson(const Moment& moment, const MoonPhase& phase)
{
    return {{"moment", MomentIso(moment)},
            {"ageText", phase.ageText},
            {"phase", phase.phaseName},
            {"illuminationText", phase.illuminationText},
            {"lunation", phase.lunation},
            {"distanceText", phase.distanceText},
            {"age", phase.age},
            {"days", phase.days},
            {"hours", phase.hours},
            {"minutes", phase.minutes},
            {"phaseIndex", phase.phaseIndex},
            {"fraction", phase.fraction},
            {"distance", phase.distance},
            {"newMoonJulianDate", phase.newMoon}};
}

} // namespace

void AddSkyCommands(CLI::App& app)
{
    {
        auto moment = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* moon = app.add_subcommand(
            "moon", "The Moon's age, phase, illumination, lunation and distance at a moment "
                    "in universal time (default now)");
        moon->add_option("moment", *moment,
                         "Universal time YYYY-MM-DDTHH:MM:SS; a trailing Z, or an offset such "
                         "as +03:00 that is converted to universal time");
        moon->add_flag("--json", *json, "Print JSON");
        moon->callback(
            [moment, json, moon]
            {
                const Moment parsed =
                    moon->count("moment") == 0 ? UniversalMoment() : ParseMoment(*moment);
                const MoonPhase phase =
                    ComputeMoonPhase(parsed.date.year, parsed.date.month, parsed.date.day,
                                     parsed.hour, parsed.minute, parsed.second);
                if (*json)
                {
                    PrintJson(MoonJson(parsed, phase));
                }
                else
                {
                    std::cout << MoonText(parsed, phase);
                }
            });
    }
    {
        auto longitude = std::make_shared<std::string>();
        auto latitude = std::make_shared<std::string>();
        auto city = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* qibla = app.add_subcommand(
            "qibla", "The direction of the Kaaba from a place (default: the current city)");
        qibla->add_option("--lon", *longitude, "Longitude in degrees, east positive");
        qibla->add_option("--lat", *latitude, "Latitude in degrees, north positive");
        qibla->add_option("--city", *city, "A stored city instead of --lon and --lat");
        qibla->add_flag("--json", *json, "Print JSON");
        qibla->callback(
            [longitude, latitude, city, json, qibla]
            {
                const std::size_t coordinates = qibla->count("--lon") + qibla->count("--lat");
                std::optional<CityRecord> stored;
                int lon = 0;
                int lat = 0;
                if (coordinates > 0)
                {
                    if (coordinates != 2 || qibla->count("--city") > 0)
                    {
                        throw UsageError("--lon and --lat go together (or give --city)");
                    }
                    // Hundredths of a degree, as the location database keeps them.
                    lon = ParseHundredths(*longitude, "--lon", 180);
                    lat = ParseHundredths(*latitude, "--lat", 90);
                }
                else
                {
                    stored =
                        StoredCity(qibla->count("--city") > 0 ? std::optional<std::string>(*city)
                                                              : std::nullopt,
                                   "--city");
                    lon = LeadingInteger(stored->longitude);
                    lat = LeadingInteger(stored->latitude);
                }
                const double bearing = QiblaBearingAt(lon, lat);
                const double degrees = bearing * kRadiansToDegrees;
                const std::string text = QiblaText(bearing);
                if (*json)
                {
                    nlohmann::ordered_json out;
                    out["city"] = stored ? nlohmann::ordered_json(stored->name) : nullptr;
                    out["longitude"] = DegreesFromHundredths(lon);
                    out["latitude"] = DegreesFromHundredths(lat);
                    out["longitudeHundredths"] = lon;
                    out["latitudeHundredths"] = lat;
                    out["radians"] = bearing;
                    out["degrees"] = degrees;
                    out["text"] = text;
                    PrintJson(out);
                }
                else
                {
                    char line[64];
                    std::snprintf(line, sizeof line, "Bearing: %.4f degrees clockwise from north\n",
                                  degrees);
                    if (stored)
                    {
                        std::cout << CityTitle(*stored) << '\n';
                    }
                    std::cout << text << '\n' << line;
                }
            });
    }
}

} // namespace halvo::cli
