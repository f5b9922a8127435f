#pragma once

// What day, table and times share: the options that say how the times are
// computed and shown (--method, --adjust, --round, --24h, --calendar,
// --hijri-adjust), the day as shown, and the line that says what the
// numbers are.

#include "engine/calculation_methods.h"
#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace CLI
{
class App;
class Option;
} // namespace CLI

namespace halvo::cli
{

enum class HijriCalendar
{
    kCivil,     // the seed's arithmetic calendar
    kUmmAlQura, // the official Saudi calendar, from ICU
};

// Which Hijri calendar, and how many days the shown Hijri date is moved
// for a local sighting.
struct CalendarChoice
{
    HijriCalendar calendar = HijriCalendar::kCivil;
    int adjustDays = 0;
};

// The options as typed.
struct DayOptions
{
    std::string method;
    std::string adjust;
    bool round = false;
    bool clock24 = false;
    std::string calendar = "civil";
    std::string hijriAdjust = "0";
    // Whether --method and --adjust were given at all: an empty text given
    // is refused, not taken as none.
    CLI::Option* methodOption = nullptr;
    CLI::Option* adjustOption = nullptr;
};

// --method, --adjust, --round and --24h.
void AddTimeOptions(CLI::App& command, DayOptions& options);
// --calendar and --hijri-adjust.
void AddCalendarOptions(CLI::App& command, DayOptions& options);

CalendarChoice ParseCalendarChoice(const std::string& calendar, const std::string& hijriAdjust);

// The options checked.
struct DayStyle
{
    const CalculationMethod* method = nullptr;
    MinuteAdjustments extra{}; // --adjust, added after the method's own
    bool round = false;
    bool clock24 = false;
    CalendarChoice calendar;

    MinuteAdjustments TotalAdjustments() const;
};
DayStyle ParseDayStyle(const DayOptions& options);

// The twilight convention the times use, as the header and JSON name it.
struct ConventionFacts
{
    std::optional<std::string> name; // none for angles typed on the command line
    std::optional<std::string> method;
    double fajrAngle = 0;
    double ishaAngle = 0; // kNinetyMinuteIshaAngle: 90 minutes after Maghrib
    bool hanafi = false;
};
// The method's when one was chosen (the Asr school stays).
ConventionFacts WithMethod(ConventionFacts facts, const DayStyle& style);

// A Hijri date as shown: in the chosen calendar and moved by the days asked.
struct ShownHijri
{
    int day = 0;
    int month = 0;
    int year = 0;
    std::string text; // "24 Ramadan 1420 A.H."
};
// Outside the years of the Umm al-Qura table that calendar has no date:
// asked for one there, it is a UsageError, not an arithmetic date under
// its name.
ShownHijri HijriFor(const DateRecord& date, const CalendarChoice& choice);
// The refusal for a date (as the command names it) outside those years.
std::string UmmAlQuraRangeRefusal(const std::string& date);
// "civil calendar", "Umm al-Qura calendar, moved +1 day".
std::string CalendarText(const CalendarChoice& choice);
const char* CalendarKey(HijriCalendar calendar);

// One day as shown: the engine's times with the method's and the typed
// minutes added (rounded when asked), the Hijri date in the chosen
// calendar. With the default style everything is the engine's own.
struct ShownDay
{
    DateRecord date;
    std::string gregorian;
    ShownHijri hijri;
    std::array<PrayerTime, kPrayerCount> times{};
};
ShownDay ShowDay(const PrayerEngine& engine, const DayStyle& style, bool withGregorian = true);

// The two date lines and the six labelled times.
std::string ShownDayText(const ShownDay& day, bool clock24);
// {"gregorian", "hijri", "times"} with the calendar named in "hijri".
nlohmann::ordered_json ShownDayJson(const ShownDay& day, const DayStyle& style);
// The six times: name, text, 24-hour time, unsplit hours and the split.
nlohmann::ordered_json ShownTimesJson(const std::array<PrayerTime, kPrayerCount>& times);

// "Islamic Society of North America, Fajr 15.0°, Isha 15.0°".
std::string ConventionText(const ConventionFacts& facts);
// "Sunrise -7, Zuhr +5", or nothing when no minutes are added.
std::string MinutesAddedText(const MinuteAdjustments& minutes);

// {"name", "method", "fajrAngle", "ishaAngle", "ishaMinutesAfterMaghrib"}.
nlohmann::ordered_json ConventionJson(const ConventionFacts& facts);
// The fields that say how the times were made: convention, asrMethod,
// adjustMinutes, rounded.
void AddStyleJson(nlohmann::ordered_json& out, const ConventionFacts& facts, const DayStyle& style);

// The header line of times and table: "Seattle, WA (USA), UTC-7:00;
// Islamic Society of North America, Fajr 15.0°, Isha 15.0°; Asr Shafi;
// Hijri civil calendar", with the minutes added and the rounding when
// asked. offsets are the UTC offsets the days use, in order.
std::string HeaderLine(const std::string& place, const std::vector<double>& offsets,
                       const ConventionFacts& facts, const DayStyle& style, bool withCalendar);

} // namespace halvo::cli
