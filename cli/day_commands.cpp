// `tavorin day` and `tavorin table`: the engine's day for a place given by
// coordinates and a UTC offset, or (table) for a stored city.
#include "cli/day_commands.h"

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/store_commands.h"
#include "conventions/twilight_conventions.h"
#include "datetools/icalendar.h"
#include "datetools/timetable_rows.h"
#include "day/day_model.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "platform/clock.h"
#include "platform/text/quoted.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

namespace halvo::cli
{

namespace
{

// A century of days: more than any printed timetable needs.
constexpr int kMaxTableDays = 36525;

// 15 October 1582, the first day of the Gregorian calendar.
constexpr double kFirstGregorianDay = 2299161;

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

// The angles come from --fajr and --isha or from --method, not both. Typed
// angles replace a method that comes from the settings.
DayStyle CheckAngleSources(const CLI::App& command, const DayStyle& style)
{
    const bool typedAngles = command.count("--fajr") + command.count("--isha") > 0;
    if (!typedAngles)
    {
        return style;
    }
    if (style.method != nullptr && !style.storedMethod)
    {
        throw UsageError("--method gives the angles; leave out --fajr and --isha");
    }
    return WithoutStoredMethod(style);
}

PlaceInputs ParsePlace(const PlaceOptions& options, const DayStyle& style)
{
    PlaceInputs inputs;
    inputs.longitude = ParseCoordinate(options.longitude, "--lon", 180);
    inputs.latitude = ParseCoordinate(options.latitude, "--lat", 90);
    inputs.timeZone = ParseNumber(options.timeZone, "--tz", -14, 14);
    inputs.fajrAngle = ParseAngle(options.fajr, "--fajr");
    inputs.ishaAngle = ParseAngle(options.isha, "--isha");
    inputs.hanafi = options.hanafi ? 1 : 0;
    if (style.method != nullptr)
    {
        inputs.fajrAngle = style.method->fajrAngle;
        inputs.ishaAngle = style.method->ishaAngle;
    }
    return inputs;
}

ConventionFacts TypedConvention(const PlaceInputs& place, const DayStyle& style)
{
    ConventionFacts facts;
    facts.fajrAngle = place.fajrAngle;
    facts.ishaAngle = place.ishaAngle;
    facts.hanafi = place.hanafi != 0;
    return WithMethod(facts, style);
}

OptionDay DayAt(const PlaceInputs& place, const DateRecord& date, const CalculationOptions& options)
{
    return ComputeOptionDay(place.longitude, place.latitude, place.timeZone, date, place.fajrAngle,
                            place.ishaAngle, place.hanafi, options);
}

// The text padded with blanks to a width, as "%-Ns" pads it.
void AppendPadded(std::string& out, const std::string& text, std::size_t width)
{
    out += text;
    if (text.size() < width)
    {
        out.append(width - text.size(), ' ');
    }
}

// The seed's built-in conventions and the published methods of the same
// bodies: their angles were taken at another time and partly differ.
struct SeedConventionOfMethod
{
    const char* method;
    const char* convention;
};
constexpr std::array<SeedConventionOfMethod, 5> kSeedConventionsOfMethods = {{
    {"MWL", "World Islamic League"},
    {"ISNA", "Islamic Society of North America"},
    {"Egypt", "Egyptian General Organization of Surveying"},
    {"Karachi", "University of Islamic Sciences, Karachi"},
    {"UmmAlQura", "Um Ul-Qura, Makkah"},
}};

const Convention* SeedConventionOf(const CalculationMethod& method)
{
    for (const SeedConventionOfMethod& pair : kSeedConventionsOfMethods)
    {
        if (std::string_view(pair.method) != method.name)
        {
            continue;
        }
        for (const Convention& convention : BuiltInConventions())
        {
            if (convention.name == pair.convention)
            {
                return &convention;
            }
        }
    }
    return nullptr;
}

ConventionFacts SeedFacts(const Convention& convention)
{
    ConventionFacts facts;
    facts.name = convention.name;
    facts.fajrAngle = AngleTextToDegrees(convention.fajr);
    facts.ishaAngle = AngleTextToDegrees(convention.isha);
    return facts;
}

// "as the seed convention X", or how the seed convention of the same body
// differs.
std::string SeedComparisonText(const CalculationMethod& method, const Convention& seed)
{
    ConventionFacts facts = SeedFacts(seed);
    if (facts.fajrAngle == method.fajrAngle && facts.ishaAngle == method.ishaAngle)
    {
        return "the seed's " + Quoted(seed.name) + " has the same angles";
    }
    facts.name.reset();
    return "the seed's " + Quoted(seed.name) + " has " + ConventionText(facts);
}

void AddMethodsCommand(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    CLI::App* methods = app.add_subcommand(
        "methods", "The published parameters --method and the Method setting take, with their "
                   "angles and minutes; the one in force is marked");
    methods->add_flag("--json", *json, "Print JSON");
    methods->callback(
        [json]
        {
            const CalculationMethod* inForce = StoredOptions().method;
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            std::string out;
            for (const CalculationMethod& method : kCalculationMethods)
            {
                ConventionFacts facts;
                facts.name = method.organisation;
                facts.method = method.name;
                facts.fajrAngle = method.fajrAngle;
                facts.ishaAngle = method.ishaAngle;
                const Convention* seed = SeedConventionOf(method);
                if (*json)
                {
                    nlohmann::ordered_json entry = ConventionJson(facts);
                    entry["adjustMinutes"] = method.adjustments;
                    entry["inForce"] = &method == inForce;
                    entry["seedConvention"] = seed != nullptr ? ConventionJson(SeedFacts(*seed))
                                                              : nlohmann::ordered_json(nullptr);
                    list.push_back(std::move(entry));
                    continue;
                }
                std::string line = ConventionText(facts);
                const std::string added = MinutesAddedText(method.adjustments);
                if (!added.empty())
                {
                    line += "; minutes added: " + added;
                }
                if (seed != nullptr)
                {
                    line += "; " + SeedComparisonText(method, *seed);
                }
                std::string name = method.name;
                name.resize(std::max<std::size_t>(name.size(), 11), ' ');
                out += (&method == inForce ? "* " : "  ") + name + line + "\n";
            }
            if (*json)
            {
                PrintJson(list);
                return;
            }
            std::cout << out;
        });
}

std::string CoordinatesText(const PlaceInputs& place)
{
    char text[96];
    std::snprintf(text, sizeof text, "Longitude %g\u00B0, latitude %g\u00B0", place.longitude,
                  place.latitude);
    return text;
}

// An event longer than the gap between two prayers makes no sense.
constexpr int kMaxEventMinutes = 180;

TableFormat ParseTableFormat(const std::string& name)
{
    static const std::vector<std::pair<std::string, TableFormat>> kFormats = {
        {"text", TableFormat::Text},
        {"csv", TableFormat::Csv},
        {"json", TableFormat::Json},
        {"ics", TableFormat::Ics},
    };
    std::vector<std::string> names;
    for (const auto& [known, format] : kFormats)
    {
        if (name == known)
        {
            return format;
        }
        names.push_back(known);
    }
    RefuseChoice("--format", name, names);
}

// The table's dates before the calendar reform are Julian; a calendar file's
// are always Gregorian, so such a day would land on another date.
void CheckIcsRange(const DateRecord& first)
{
    if (JulianDayNumber(first.year, first.month, first.day) < kFirstGregorianDay)
    {
        throw UsageError("--format ics starts at 1582-10-15, the first Gregorian day; --from " +
                         DateIso(first) + " is earlier");
    }
}

// One event per prayer that has a time; a "--:--" has no moment to put
// in a calendar, so that prayer has no event that day.
void AppendIcsEvents(std::string& out, const ShownDay& shown, double utcOffset,
                     const TableSource& source, const IcsChoice& ics, const UtcMoment& stamp)
{
    TimetableIcsDay day;
    day.year = shown.date.year;
    day.month = shown.date.month;
    day.day = shown.date.day;
    day.utcOffset = utcOffset;
    for (std::size_t i = 0; i < shown.times.size(); ++i)
    {
        const PrayerTime& time = shown.times[i];
        // The minute the table shows, so the calendar and the table agree.
        day.minutes[i] = time.hasTime ? ShownMinuteOfDay(time) : -1;
    }
    AppendTimetableIcsEvents(out, day, source.placeKey, {ics.withSunrise, ics.minutes}, stamp);
}

UtcMoment StampNow()
{
    const DateRecord now = UniversalFromLocal(LocalNow());
    return {now.year, now.month, now.day, now.hour, now.minute, now.second};
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
                const TableSource& source, const DayStyle& style, const IcsChoice& ics)
{
    const int first = static_cast<int>(JulianDayNumber(from.year, from.month, from.day));
    const int last = static_cast<int>(JulianDayNumber(to.year, to.month, to.day));
    std::string rows;
    rows.reserve(static_cast<std::size_t>(last - first + 1) * 128);
    nlohmann::ordered_json days = nlohmann::ordered_json::array();
    std::vector<double> offsets;
    const UtcMoment stamp = format == TableFormat::Ics ? StampNow() : UtcMoment{};
    std::string timeText; // reused from row to row
    for (int day = first; day <= last; ++day)
    {
        // The civil date of each day number: the calendar reform's ten
        // missing days are skipped as the conversions define them.
        const GregorianDay civil = GregorianFromJulianDay(day);
        const DateRecord date = MakeDate(civil.year, civil.month, civil.day);
        double offset = 0;
        OptionDay computed = source.dayFor(date, offset);
        if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
        {
            offsets.push_back(offset);
        }
        // The text table has no column for the Gregorian date line.
        const ShownDay shown =
            ShowDay(std::move(computed), format == TableFormat::Json || format == TableFormat::Csv);
        if (format == TableFormat::Ics)
        {
            AppendIcsEvents(rows, shown, offset, source, ics, stamp);
            continue;
        }
        const std::string iso = DateIso(date);
        if (format == TableFormat::Json)
        {
            nlohmann::ordered_json row = {{"date", iso}, {"utcOffset", offset}};
            row.update(ShownDayJson(shown, style));
            days.push_back(std::move(row));
            continue;
        }
        if (format == TableFormat::Csv)
        {
            std::array<std::string, kPrayerCount> times;
            for (std::size_t i = 0; i < times.size(); ++i)
            {
                WriteClockText(shown.times[i], style.clock24, times[i]);
            }
            AppendTimetableCsvRow(rows, iso, shown.gregorian, shown.hijri.text, times);
            continue;
        }
        AppendPadded(rows, iso, 12);
        AppendPadded(rows, shown.hijri.text, 30);
        for (std::size_t i = 0; i < shown.times.size(); ++i)
        {
            WriteClockText(shown.times[i], style.clock24, timeText);
            AppendPadded(rows, timeText, i + 1 < shown.times.size() ? 10 : 0);
        }
        rows += '\n';
    }
    if (format == TableFormat::Json)
    {
        nlohmann::ordered_json out = source.placeJson;
        AddStyleJson(out, source.convention, style);
        out["calendar"] = CalendarKey(style.calendar.calendar);
        out["hijriAdjustDays"] = style.calendar.adjustDays;
        out["days"] = std::move(days);
        PrintJson(out);
        return;
    }
    if (format == TableFormat::Ics)
    {
        std::cout << IcsCalendarHead(source.calendarName) << rows << IcsCalendarTail();
        return;
    }
    if (format == TableFormat::Csv)
    {
        std::cout << kTimetableCsvHead << rows;
        return;
    }
    std::string head = HeaderLine(source.place, offsets, source.convention, style, true) + "\n";
    AppendPadded(head, "Date", 12);
    AppendPadded(head, "Hijri", 30);
    for (std::size_t i = 0; i < kPrayerNames.size(); ++i)
    {
        AppendPadded(head, kPrayerNames[i], i + 1 < kPrayerNames.size() ? 10 : 0);
    }
    std::cout << head << '\n' << rows;
}

void AddDayCommands(CLI::App& app)
{
    AddMethodsCommand(app);
    {
        auto options = std::make_shared<PlaceOptions>();
        auto style = std::make_shared<DayOptions>();
        auto date = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        CLI::App* day = app.add_subcommand("day", "Prayer times of one day at a place");
        AddPlaceOptions(*day, *options, true);
        day->add_option("--date", *date, "Date YYYY-MM-DD (default today)");
        AddTimeOptions(*day, *style);
        day->add_flag("--json", *json, "Print JSON");
        day->callback(
            [options, style, date, json, day]
            {
                const DayStyle parsed = CheckAngleSources(*day, ParseDayStyle(*style));
                const PlaceInputs place = ParsePlace(*options, parsed);
                const DateRecord when =
                    day->count("--date") == 0 ? LocalNow() : ParseDate(*date, "--date");
                const ShownDay shown = ShowDay(DayAt(place, when, parsed.Options()));
                if (*json)
                {
                    nlohmann::ordered_json out = {{"date", DateIso(when)}};
                    AddStyleJson(out, TypedConvention(place, parsed), parsed);
                    out.update(ShownDayJson(shown, parsed));
                    PrintJson(out);
                }
                else
                {
                    std::cout << ShownDayText(shown, parsed.clock24);
                }
            });
    }
    {
        auto options = std::make_shared<PlaceOptions>();
        auto style = std::make_shared<DayOptions>();
        auto from = std::make_shared<std::string>();
        auto to = std::make_shared<std::string>();
        auto month = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        auto csv = std::make_shared<bool>(false);
        auto formatName = std::make_shared<std::string>("text");
        auto withSunrise = std::make_shared<bool>(false);
        auto minutes = std::make_shared<std::string>("0");
        auto city = std::make_shared<std::string>();
        CLI::App* table = app.add_subcommand(
            "table", "A timetable, one row per day (default: this month, current city)");
        AddPlaceOptions(*table, *options, false);
        // A stored city instead of coordinates: its zone gives each day's offset.
        table->add_option("--city", *city,
                          "A stored city instead of --lon, --lat and --tz (default: the "
                          "current city)");
        table->add_option("--from", *from, "First date YYYY-MM-DD");
        table->add_option("--to", *to, "Last date YYYY-MM-DD");
        table->add_option("--month", *month, "A whole month YYYY-MM instead of --from and --to");
        AddTimeOptions(*table, *style);
        AddCalendarOptions(*table, *style);
        CLI::Option* jsonFlag = table->add_flag("--json", *json, "Print JSON");
        CLI::Option* csvFlag = table->add_flag("--csv", *csv, "Print CSV")->excludes(jsonFlag);
        table
            ->add_option("--format", *formatName,
                         "text, csv, json or ics (an iCalendar file, one event per prayer)")
            ->excludes(jsonFlag)
            ->excludes(csvFlag);
        table->add_flag("--with-sunrise", *withSunrise, "ics: Sunrise is an event too");
        table->add_option("--minutes", *minutes, "ics: how long each event lasts (default 0)");
        table->callback(
            [options, style, from, to, month, json, csv, formatName, withSunrise, minutes, city,
             table]
            {
                const DayStyle parsed = CheckAngleSources(*table, ParseDayStyle(*style));
                DateRecord first;
                DateRecord last;
                const bool range = table->count("--from") + table->count("--to") > 0;
                if (table->count("--month") > 0)
                {
                    if (range)
                    {
                        throw UsageError("--month replaces --from and --to");
                    }
                    const MonthRange whole = ParseMonth(*month, "--month");
                    first = whole.first;
                    last = whole.last;
                }
                else if (range)
                {
                    if (table->count("--from") == 0 || table->count("--to") == 0)
                    {
                        throw UsageError("--from and --to go together (or give --month)");
                    }
                    first = ParseDate(*from, "--from");
                    last = ParseDate(*to, "--to");
                }
                else
                {
                    const DateRecord today = LocalNow();
                    first = MakeDate(today.year, today.month, 1);
                    last = MakeDate(today.year, today.month,
                                    DaysInCivilMonth(today.year, today.month));
                }
                CheckTableRange(first, last);
                RefuseTypedUmmAlQuraOutsideTable(*style, parsed.calendar, first, last);
                const TableFormat format = *json  ? TableFormat::Json
                                           : *csv ? TableFormat::Csv
                                                  : ParseTableFormat(*formatName);
                IcsChoice ics;
                if (format != TableFormat::Ics)
                {
                    if (table->count("--with-sunrise") + table->count("--minutes") > 0)
                    {
                        throw UsageError("--with-sunrise and --minutes are for --format ics");
                    }
                }
                else
                {
                    ics.withSunrise = *withSunrise;
                    ics.minutes = ParseInteger(*minutes, "--minutes", 0, kMaxEventMinutes);
                    CheckIcsRange(first);
                }
                const bool coordinates =
                    table->count("--lon") + table->count("--lat") + table->count("--tz") > 0;
                if (!coordinates)
                {
                    if (table->count("--fajr") + table->count("--isha") + table->count("--hanafi") >
                        0)
                    {
                        throw UsageError("a stored city takes the angles and the Asr method "
                                         "from the settings (or --method)");
                    }
                    const std::optional<std::string> typed = table->count("--city") > 0
                                                                 ? std::optional<std::string>(*city)
                                                                 : std::nullopt;
                    PrintTable(first, last, format, StoredCityTable(typed, parsed), parsed, ics);
                    return;
                }
                if (table->count("--city") > 0)
                {
                    throw UsageError("--city replaces --lon, --lat and --tz");
                }
                if (table->count("--lon") == 0 || table->count("--lat") == 0 ||
                    table->count("--tz") == 0)
                {
                    throw UsageError("--lon, --lat and --tz go together (or give --city)");
                }
                const PlaceInputs place = ParsePlace(*options, parsed);
                TableSource source;
                source.place = CoordinatesText(place);
                source.placeJson = {{"city", nullptr},
                                    {"longitude", place.longitude},
                                    {"latitude", place.latitude}};
                source.convention = TypedConvention(place, parsed);
                source.calendarName = source.place;
                source.placeKey = source.place;
                source.dayFor =
                    [place, options = parsed.Options()](const DateRecord& date, double& offset)
                {
                    offset = place.timeZone;
                    return DayAt(place, date, options);
                };
                PrintTable(first, last, format, source, parsed, ics);
            });
    }
}

} // namespace halvo::cli
