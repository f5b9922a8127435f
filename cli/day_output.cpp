#include "cli/day_output.h"

#include "cli/cli_support.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "platform/calendar/umm_al_qura.h"
#include "platform/text/quoted.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace halvo::cli
{

namespace
{

// Minutes a method or --adjust may add to a time: more than any published
// table adds, less than would move a prayer into another one's place.
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
    command.add_option("--calendar", options.calendar,
                       "Hijri calendar: civil (the arithmetic one, default) or umalqura");
    command.add_option("--hijri-adjust", options.hijriAdjust,
                       "Days (-2 to 2) to move the shown Hijri date, for a local sighting");
}

CalendarChoice ParseCalendarChoice(const std::string& calendar, const std::string& hijriAdjust)
{
    CalendarChoice choice;
    if (calendar == "civil")
    {
        choice.calendar = HijriCalendar::kCivil;
    }
    else if (calendar == "umalqura")
    {
        choice.calendar = HijriCalendar::kUmmAlQura;
    }
    else
    {
        RefuseChoice("--calendar", calendar, {"civil", "umalqura"});
    }
    choice.adjustDays = ParseInteger(hijriAdjust, "--hijri-adjust", -2, 2);
    return choice;
}

MinuteAdjustments DayStyle::TotalAdjustments() const
{
    MinuteAdjustments total = extra;
    if (method != nullptr)
    {
        for (std::size_t i = 0; i < total.size(); ++i)
        {
            total[i] += method->adjustments[i];
        }
    }
    return total;
}

DayStyle ParseDayStyle(const DayOptions& options)
{
    DayStyle style;
    if (options.methodOption != nullptr && options.methodOption->count() > 0)
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
    if (options.adjustOption != nullptr && options.adjustOption->count() > 0)
    {
        style.extra = ParseAdjustments(options.adjust);
    }
    style.round = options.round;
    style.clock24 = options.clock24;
    style.calendar = ParseCalendarChoice(options.calendar, options.hijriAdjust);
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

std::string UmmAlQuraRangeRefusal(const std::string& date)
{
    return "--calendar umalqura: " + date + " is outside the years the Umm al-Qura table covers (" +
           std::to_string(kFirstUmmAlQuraYear) + " to " + std::to_string(kLastUmmAlQuraYear) +
           " A.H.)";
}

ShownHijri HijriFor(const DateRecord& date, const CalendarChoice& choice)
{
    const int julianDay =
        static_cast<int>(JulianDayNumber(date.year, date.month, date.day)) + choice.adjustDays;
    HijriDay hijri = HijriFromJulianDay(julianDay);
    if (choice.calendar == HijriCalendar::kUmmAlQura)
    {
        // Outside its table ICU counts the arithmetic calendar: such a date
        // must not be shown under the Umm al-Qura name.
        const auto official = UmmAlQuraFromJulianDay(julianDay);
        if (!official || !IsUmmAlQuraTableYear(official->year))
        {
            throw UsageError(UmmAlQuraRangeRefusal(DateIso(date)));
        }
        hijri = *official;
    }
    ShownHijri shown{hijri.day, hijri.month, hijri.year, {}};
    // The engine's own text, so the civil date reads exactly as on the screen.
    PrayerEngine texts;
    texts.hijriDay = hijri.day;
    texts.hijriMonth = hijri.month;
    texts.hijriYear = hijri.year;
    shown.text = texts.HijriDateText();
    return shown;
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

ShownDay ShowDay(const PrayerEngine& engine, const DayStyle& style, bool withGregorian)
{
    ShownDay day;
    day.date = engine.date;
    if (withGregorian)
    {
        day.gregorian = engine.GregorianDateText();
    }
    if (style.calendar.calendar == HijriCalendar::kCivil && style.calendar.adjustDays == 0)
    {
        day.hijri = {engine.hijriDay, engine.hijriMonth, engine.hijriYear, engine.HijriDateText()};
    }
    else
    {
        day.hijri = HijriFor(engine.date, style.calendar);
    }
    const MinuteAdjustments minutes = style.TotalAdjustments();
    for (std::size_t i = 0; i < day.times.size(); ++i)
    {
        day.times[i] = AdjustedTime(engine.times[i], minutes[i], style.round);
    }
    return day;
}

std::string ShownDayText(const ShownDay& day, bool clock24)
{
    std::string text = day.gregorian + "\n" + day.hijri.text + "\n";
    for (std::size_t i = 0; i < day.times.size(); ++i)
    {
        std::string label = kPrayerNames[i];
        label.resize(9, ' ');
        text += label + TimeTextIn(day.times[i], clock24) + "\n";
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
            entry["time24"] = Time24Text(time);
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
              {"calendar", CalendarKey(style.calendar.calendar)},
              {"adjustDays", style.calendar.adjustDays}}},
            {"times", ShownTimesJson(day.times)}};
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
    if (withCalendar)
    {
        line += "; Hijri " + CalendarText(style.calendar);
    }
    return line;
}

} // namespace halvo::cli
