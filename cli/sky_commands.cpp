// `tavorin moon` and `tavorin qibla`: the Moon Phase and Qibla windows'
// values for a moment or a place given on the command line.
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "sky/moon_phase.h"
#include "sky/qibla.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <memory>
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

// YYYY-MM-DDTHH:MM:SS, a civil date and a time of day in universal time.
Moment ParseMoment(std::string_view text)
{
    const std::string quoted = "\"" + std::string(text) + "\"";
    Moment moment;
    const bool shaped = text.size() == 19 && text[10] == 'T' && text[13] == ':' &&
                        text[16] == ':' && TwoDigits(text.substr(11, 2), moment.hour) &&
                        TwoDigits(text.substr(14, 2), moment.minute) &&
                        TwoDigits(text.substr(17, 2), moment.second);
    if (!shaped)
    {
        throw UsageError("moment: " + quoted + " is not a moment of the form YYYY-MM-DDTHH:MM:SS");
    }
    moment.date = ParseDate(text.substr(0, 10), "moment");
    if (moment.hour > 23 || moment.minute > 59 || moment.second > 59)
    {
        throw UsageError("moment: " + quoted + " is not a time of day that exists");
    }
    return moment;
}

std::string MomentIso(const Moment& moment)
{
    char time[16];
    std::snprintf(time, sizeof time, "T%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
    return DateIso(moment.date) + time;
}

// The window's five lines, each after its label.
std::string MoonText(const MoonPhase& phase)
{
    const std::pair<const char*, const std::string*> lines[] = {
        {"Moon Age:", &phase.ageText},
        {"Moon Phase:", &phase.phaseName},
        {"% Luminated:", &phase.illuminationText},
        {"Lunation:", &phase.lunationText},
        {"Moon/Earth:", &phase.distanceText},
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
            {"age_text", phase.ageText},
            {"phase", phase.phaseName},
            {"illumination_text", phase.illuminationText},
            {"lunation", phase.lunation},
            {"distance_text", phase.distanceText},
            {"age", phase.age},
            {"days", phase.days},
            {"hours", phase.hours},
            {"minutes", phase.minutes},
            {"phase_index", phase.phaseIndex},
            {"fraction", phase.fraction},
            {"distance", phase.distance},
            {"new_moon_jd", phase.newMoon}};
}

} // namespace

void AddSkyCommands(CLI::App& app)
{
    {
        auto moment = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* moon = app.add_subcommand(
            "moon", "The Moon's age, phase, illumination, lunation and distance");
        moon->add_option("moment", *moment, "Universal time YYYY-MM-DDTHH:MM:SS")->required();
        moon->add_flag("--json", *json, "Print JSON");
        moon->callback(
            [moment, json]
            {
                const Moment parsed = ParseMoment(*moment);
                const MoonPhase phase =
                    ComputeMoonPhase(parsed.date.year, parsed.date.month, parsed.date.day,
                                     parsed.hour, parsed.minute, parsed.second);
                if (*json)
                {
                    PrintJson(MoonJson(parsed, phase));
                }
                else
                {
                    std::cout << MoonText(phase);
                }
            });
    }
    {
        auto longitude = std::make_shared<std::string>();
        auto latitude = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* qibla = app.add_subcommand("qibla", "The direction of the Kaaba from a place");
        qibla->add_option("--lon", *longitude, "Longitude in degrees, east positive")->required();
        qibla->add_option("--lat", *latitude, "Latitude in degrees, north positive")->required();
        qibla->add_flag("--json", *json, "Print JSON");
        qibla->callback(
            [longitude, latitude, json]
            {
                // Hundredths of a degree, as the location database keeps them.
                const int lon = ParseHundredths(*longitude, "--lon", 180);
                const int lat = ParseHundredths(*latitude, "--lat", 90);
                const double bearing = QiblaBearingAt(lon, lat);
                const double degrees = bearing * kRadiansToDegrees;
                const std::string text = QiblaText(bearing);
                if (*json)
                {
                    PrintJson({{"longitude_hundredths", lon},
                               {"latitude_hundredths", lat},
                               {"radians", bearing},
                               {"degrees", degrees},
                               {"text", text}});
                }
                else
                {
                    char line[64];
                    std::snprintf(line, sizeof line, "Bearing: %.4f degrees clockwise from north\n",
                                  degrees);
                    std::cout << text << '\n' << line;
                }
            });
    }
}

} // namespace halvo::cli
