#include "cli/day_output.h"

#include "cli/cli_support.h"
#include "cli/store_commands.h"
#include "day/day_options.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "platform/calendar/umm_al_qura.h"
#include "platform/text/quoted.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <utility>

namespace halvo::cli
{

namespace
{

// Minutes --adjust may add to a time: more than any published table adds,
// less than would move a prayer into another one's place.
constexpr int kMaxAdjustMinutes = 180;

MinuteAdjustments ParseAdjustments(const std::string& text)
{
    MinuteAdjustments minutes{};
    std::size_t start = 0;
    for (int i = 0; i < kPrayerCount; ++i)
    {
        const std::size_t comma = text.find(',', start);
        const bool last = i + 1 == kPrayerCount;
        if (last != (comma == std::string::npos))
        {
            throw UsageError("--adjust: \"" + text +
                             "\" is not six whole numbers of minutes, "
                             "FAJR,SUNRISE,ZUHR,ASR,MAGHRIB,ISHA");
        }
        const std::string field = text.substr(start, last ? std::string::npos : comma - start);
        minutes[static_cast<std::size_t>(i)] = ParseInteger(
            field, std::string("--adjust ") + kPrayerNames[static_cast<std::size_t>(i)],
            -kMaxAdjustMinutes, kMaxAdjustMinutes);
        start = comma + 1;
    }
    return minutes;
}

std::string SignedMinutes(int minutes)
{
    return (minutes > 0 ? "+" : "") + std::to_string(minutes);
}

} // namespace

void AddTimeOptions(CLI::App& command, DayOptions& options)
{
    options.methodOption =
        command.add_option("--method", options.method,
                           "Published parameters: MWL, ISNA, Egypt, Karachi, UmmAlQura, Dubai, "
                           "Kuwait, Qatar, Singapore, Turkey ('tavorin methods' lists them)");
    options.adjustOption =
        command.add_option("--adjust", options.adjust,
                           "Whole minutes added to each time: FAJR,SUNRISE,ZUHR,ASR,MAGHRIB,ISHA");
    command.add_flag("--round", options.round,
                     "Round each time to the nearest minute instead of truncating it");
    command.add_flag("--24h", options.clock24, "Times on the 24-hour clock, HH:MM");
}

void AddCalendarOptions(CLI::App& command, DayOptions& options)
{
    options.calendarOption = command.add_option(
        "--calendar", options.calendar,
        "Hijri calendar: civil (the arithmetic one) or umalqura (default: the HijriCalendar "
        "setting)");
    options.hijriAdjustOption = command.add_option(
        "--hijri-adjust", options.hijriAdjust,
        "Days (-2 to 2) to move the shown Hijri date, for a local sighting (default: the "
        "HijriAdjust setting)");
}

CalculationOptions StoredOptions()
{
    StartUp();
    return ReadCalculationOptions();
}

namespace
{

CalendarChoice TypedCalendarChoice(const DayOptions& options, CalendarChoice choice)
{
    if (options.calendarOption != nullptr && options.calendarOption->count() > 0)
    {
        if (options.calendar == "civil")
        {
            choice.calendar = HijriCalendar::kCivil;
        }
        else if (options.calendar == "umalqura")
        {
            choice.calendar = HijriCalendar::kUmmAlQura;
        }
        else
        {
            RefuseChoice("--calendar", options.calendar, {"civil", "umalqura"});
        }
    }
    if (options.hijriAdjustOption != nullptr && options.hijriAdjustOption->count() > 0)
    {
        choice.adjustDays = ParseInteger(options.hijriAdjust, "--hijri-adjust",
                                         -kMaxHijriAdjustDays, kMaxHijriAdjustDays);
    }
    return choice;
}

} // namespace

CalendarChoice ParseCalendarChoice(const DayOptions& options)
{
    // What was typed is checked before the store is opened.
    TypedCalendarChoice(options, {});
    return TypedCalendarChoice(options, StoredOptions().hijri);
}

MinuteAdjustments DayStyle::TotalAdjustments() const
{
    return Options().TotalAdjustments();
}

CalculationOptions DayStyle::Options() const
{
    CalculationOptions options;
    options.method = method;
    options.adjust = extra;
    options.rounding = round ? Rounding::kNearest : Rounding::kTruncate;
    options.highLatitude = highLatitude;
    options.polarDays = polarDays;
    options.hijri = calendar;
    options.clock24 = clock24;
    return options;
}

namespace
{

bool TypedUmmAlQura(const DayOptions& options, const CalendarChoice& choice)
{
    return options.calendarOption != nullptr && options.calendarOption->count() > 0 &&
           choice.calendar == HijriCalendar::kUmmAlQura;
}

std::string UmmAlQuraRangeRefusal(const std::string& date)
{
    return "--calendar umalqura: " + date + " is outside the years the Umm al-Qura table covers (" +
           std::to_string(kFirstUmmAlQuraYear) + " to " + std::to_string(kLastUmmAlQuraYear) +
           " A.H.)";
}

} // namespace

void RefuseTypedUmmAlQuraOutsideTable(const DayOptions& options, const CalendarChoice& choice,
                                      const DateRecord& first, const DateRecord& last)
{
    if (!TypedUmmAlQura(options, choice))
    {
        return;
    }
    // Hijri dates grow with the days, so the two ends decide the range.
    for (const DateRecord& date : {first, last})
    {
        if (HijriFor(date, choice).civilInstead)
        {
            throw UsageError(UmmAlQuraRangeRefusal(DateIso(date)));
        }
    }
}

void RefuseTypedUmmAlQuraOutsideTable(const DayOptions& options, const CalendarChoice& choice,
                                      int hijriYear)
{
    if (TypedUmmAlQura(options, choice) && !IsUmmAlQuraTableYear(hijriYear))
    {
        throw UsageError(UmmAlQuraRangeRefusal(std::to_string(hijriYear) + " A.H."));
    }
}

DayStyle ParseDayStyle(const DayOptions& options)
{
    DayStyle style;
    const bool typedMethod = options.methodOption != nullptr && options.methodOption->count() > 0;
    const bool typedAdjust = options.adjustOption != nullptr && options.adjustOption->count() > 0;
    if (typedMethod)
    {
        style.method = FindCalculationMethod(options.method);
        if (style.method == nullptr)
        {
            std::vector<std::string> names;
            for (const CalculationMethod& method : kCalculationMethods)
            {
                names.emplace_back(method.name);
            }
            RefuseChoice("--method", options.method, names);
        }
    }
    if (typedAdjust)
    {
        style.extra = ParseAdjustments(options.adjust);
    }
    TypedCalendarChoice(options, {});
    const CalculationOptions stored = StoredOptions();
    if (!typedMethod)
    {
        style.method = stored.method;
        style.storedMethod = stored.method != nullptr;
    }
    if (!typedAdjust)
    {
        style.extra = stored.adjust;
    }
    style.round = options.round || stored.rounding == Rounding::kNearest;
    style.clock24 = options.clock24 || stored.clock24;
    style.highLatitude = stored.highLatitude;
    style.polarDays = stored.polarDays;
    style.calendar = TypedCalendarChoice(options, stored.hijri);
    return style;
}

DayStyle WithoutStoredMethod(DayStyle style)
{
    if (style.storedMethod)
    {
        style.method = nullptr;
        style.storedMethod = false;
    }
    return style;
}

ConventionFacts WithMethod(ConventionFacts facts, const DayStyle& style)
{
    if (style.method != nullptr)
    {
        facts.name = style.method->organisation;
        facts.method = style.method->name;
        facts.fajrAngle = style.method->fajrAngle;
        facts.ishaAngle = style.method->ishaAngle;
    }
    return facts;
}

std::string CalendarText(const CalendarChoice& choice)
{
    std::string text =
        choice.calendar == HijriCalendar::kCivil ? "civil calendar" : "Umm al-Qura calendar";
    if (choice.adjustDays != 0)
    {
        text += ", moved " + SignedMinutes(choice.adjustDays) +
                (choice.adjustDays == 1 || choice.adjustDays == -1 ? " day" : " days");
    }
    return text;
}

std::string ConventionText(const ConventionFacts& facts)
{
    std::string text;
    if (facts.name)
    {
        // KQMethod is a stored text: escaped, it cannot split the line.
        text = EscapedForLine(*facts.name) + ", ";
    }
    text += "Fajr " + DegreesText(facts.fajrAngle) + ", Isha ";
    text += facts.ishaAngle == kNinetyMinuteIshaAngle ? std::string("90 minutes after Maghrib")
                                                      : DegreesText(facts.ishaAngle);
    return text;
}

std::string MinutesAddedText(const MinuteAdjustments& minutes)
{
    std::string added;
    for (std::size_t i = 0; i < minutes.size(); ++i)
    {
        if (minutes[i] != 0)
        {
            added += (added.empty() ? "" : ", ") + std::string(kPrayerNames[i]) + " " +
                     SignedMinutes(minutes[i]);
        }
    }
    return added;
}

const char* CalendarKey(HijriCalendar calendar)
{
    return calendar == HijriCalendar::kCivil ? "civil" : "umalqura";
}

ShownDay ShowDay(const OptionDay& computed, bool withGregorian)
{
    ShownDay day;
    day.date = computed.engine.date;
    if (withGregorian)
    {
        day.gregorian = computed.engine.GregorianDateText();
    }
    day.hijri = computed.hijri;
    day.times = computed.times;
    day.polarLatitude = computed.polarLatitude;
    return day;
}

ShownDay ShowDay(OptionDay&& computed, bool withGregorian)
{
    ShownHijri hijri = std::move(computed.hijri);
    computed.hijri = {};
    ShownDay day = ShowDay(computed, withGregorian);
    day.hijri = std::move(hijri);
    return day;
}

std::string PolarAndCalendarNote(const ShownDay& day)
{
    std::string note;
    if (day.hijri.civilInstead)
    {
        note += " (civil calendar: outside the Umm al-Qura table)";
    }
    if (day.polarLatitude)
    {
        note += "\n(no sunrise or sunset here: the times of latitude " +
                DegreesText(*day.polarLatitude) + ")";
    }
    return note;
}

std::string ShownDayText(const ShownDay& day, bool clock24)
{
    std::string text = day.gregorian + "\n" + day.hijri.text + PolarAndCalendarNote(day) + "\n";
    for (std::size_t i = 0; i < day.times.size(); ++i)
    {
        std::string label = kPrayerNames[i];
        label.resize(9, ' ');
        text += label + ClockText(day.times[i], clock24) + "\n";
    }
    return text;
}

nlohmann::ordered_json ShownTimesJson(const std::array<PrayerTime, kPrayerCount>& times)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < times.size(); ++i)
    {
        const PrayerTime& time = times[i];
        nlohmann::ordered_json entry = {{"name", kPrayerNames[i]}, {"text", halvo::TimeText(time)}};
        if (time.hasTime)
        {
            entry["time24"] = ClockText(time, true);
            entry["hours"] = time.hours;
            entry["hour"] = time.hour;
            entry["minute"] = time.minute;
            entry["pm"] = time.pm;
        }
        else
        {
            for (const char* key : {"time24", "hours", "hour", "minute", "pm"})
            {
                entry[key] = nullptr;
            }
        }
        list.push_back(std::move(entry));
    }
    return list;
}

nlohmann::ordered_json ShownDayJson(const ShownDay& day, const DayStyle& style)
{
    return {{"gregorian", day.gregorian},
            {"hijri",
             {{"day", day.hijri.day},
              {"month", day.hijri.month},
              {"year", day.hijri.year},
              {"text", day.hijri.text},
              {"calendar", CalendarKey(day.hijri.civilInstead ? HijriCalendar::kCivil
                                                              : style.calendar.calendar)},
              {"adjustDays", style.calendar.adjustDays}}},
            {"times", ShownTimesJson(day.times)},
            {"polarLatitude", day.polarLatitude ? nlohmann::ordered_json(*day.polarLatitude)
                                                : nlohmann::ordered_json(nullptr)}};
}

nlohmann::ordered_json ConventionJson(const ConventionFacts& facts)
{
    nlohmann::ordered_json out;
    out["name"] = facts.name ? nlohmann::ordered_json(*facts.name) : nullptr;
    out["method"] = facts.method ? nlohmann::ordered_json(*facts.method) : nullptr;
    out["fajrAngle"] = facts.fajrAngle;
    const bool ninety = facts.ishaAngle == kNinetyMinuteIshaAngle;
    out["ishaAngle"] =
        ninety ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(facts.ishaAngle);
    out["ishaMinutesAfterMaghrib"] =
        ninety ? nlohmann::ordered_json(90) : nlohmann::ordered_json(nullptr);
    return out;
}

void AddStyleJson(nlohmann::ordered_json& out, const ConventionFacts& facts, const DayStyle& style)
{
    out["convention"] = ConventionJson(facts);
    out["asrMethod"] = facts.hanafi ? "Hanafi" : "Shafi";
    out["adjustMinutes"] = style.TotalAdjustments();
    out["rounded"] = style.round;
    out["options"] = OptionsJson(style.Options());
}

nlohmann::ordered_json OptionsJson(const CalculationOptions& options)
{
    return {{"method", options.method != nullptr ? nlohmann::ordered_json(options.method->name)
                                                 : nlohmann::ordered_json(nullptr)},
            {"adjust", options.adjust},
            {"rounding", RoundingKey(options.rounding)},
            {"highLatitude", HighLatitudeKey(options.highLatitude)},
            {"polarDays", PolarDaysKey(options.polarDays)},
            {"hijriCalendar", HijriCalendarKey(options.hijri.calendar)},
            {"hijriAdjust", options.hijri.adjustDays},
            {"clock", options.clock24 ? 24 : 12}};
}

std::string HeaderLine(const std::string& place, const std::vector<double>& offsets,
                       const ConventionFacts& facts, const DayStyle& style, bool withCalendar)
{
    std::string line = place;
    for (std::size_t i = 0; i < offsets.size(); ++i)
    {
        line += (i == 0 ? ", " : " / ") + UtcOffsetText(offsets[i]);
    }
    line += "; " + ConventionText(facts);
    line += std::string("; Asr ") + (facts.hanafi ? "Hanafi" : "Shafi");
    const std::string added = MinutesAddedText(style.TotalAdjustments());
    if (!added.empty())
    {
        line += "; minutes added: " + added;
    }
    if (style.round)
    {
        line += "; rounded to the minute";
    }
    if (style.highLatitude != HighLatitudeRule::kReference45)
    {
        line += std::string("; high latitudes ") + HighLatitudeKey(style.highLatitude);
    }
    if (style.polarDays != PolarDays::kNone)
    {
        line += std::string("; polar days ") + PolarDaysKey(style.polarDays);
    }
    if (withCalendar)
    {
        line += "; Hijri " + CalendarText(style.calendar);
    }
    return line;
}

} // namespace halvo::cli
