#pragma once

// What day, table and times share: the options that say how the times are
// computed and shown (--method, --adjust, --round, --24h, --calendar,
// --hijri-adjust), the day as shown, and the line that says what the
// numbers are.

#include "day/day_options.h"
#include "engine/calculation_methods.h"
#include "engine/date_record.h"
#include "engine/prayer_engine.h"
#include "settings/calculation_options.h"

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
    CLI::Option* calendarOption = nullptr;
    CLI::Option* hijriAdjustOption = nullptr;
};

// The stored calculation options (after the start-up data steps), which
// every option typed overrides for one command.
CalculationOptions StoredOptions();

// --method, --adjust, --round and --24h.
void AddTimeOptions(CLI::App& command, DayOptions& options);
// --calendar and --hijri-adjust.
void AddCalendarOptions(CLI::App& command, DayOptions& options);

// The stored calendar and Hijri adjustment, or --calendar and --hijri-adjust
// where given.
CalendarChoice ParseCalendarChoice(const DayOptions& options);
// Umm al-Qura typed on the command line has no date outside the years of
// its table: a day from first to last outside them is a UsageError, where
// the stored choice shows the civil date instead.
void RefuseTypedUmmAlQuraOutsideTable(const DayOptions& options, const CalendarChoice& choice,
                                      const DateRecord& first, const DateRecord& last);
// The same for a Hijri year typed for conversion.
void RefuseTypedUmmAlQuraOutsideTable(const DayOptions& options, const CalendarChoice& choice,
                                      int hijriYear);

// The options checked.
struct DayStyle
{
    const CalculationMethod* method = nullptr;
    MinuteAdjustments extra{}; // --adjust, added after the method's own
    bool round = false;
    bool clock24 = false;
    CalendarChoice calendar;
    HighLatitudeRule highLatitude = HighLatitudeRule::kReference45;
    PolarDays polarDays = PolarDays::kNone;
    // The method came from the settings, not from --method: typed angles
    // replace it instead of being refused.
    bool storedMethod = false;

    MinuteAdjustments TotalAdjustments() const;
    CalculationOptions Options() const;
};
// The stored options with the typed ones in their place.
DayStyle ParseDayStyle(const DayOptions& options);
// The style without the stored method, for angles typed on the command line.
DayStyle WithoutStoredMethod(DayStyle style);

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
    std::optional<double> polarLatitude; // the times are this latitude's
};
ShownDay ShowDay(const OptionDay& day, bool withGregorian = true);
// The same from a day no longer needed, its texts moved rather than copied.
ShownDay ShowDay(OptionDay&& day, bool withGregorian = true);

// What the Hijri line and the times need said: the civil date standing in
// for Umm al-Qura, the latitude a polar day's times come from.
std::string PolarAndCalendarNote(const ShownDay& day);
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
// The stored options' keys as `settings set` takes them.
nlohmann::ordered_json OptionsJson(const CalculationOptions& options);
// The fields that say how the times were made: convention, asrMethod,
// adjustMinutes, rounded, and the options in force.
void AddStyleJson(nlohmann::ordered_json& out, const ConventionFacts& facts, const DayStyle& style);

// The header line of times and table: "Seattle, WA (USA), UTC-7:00;
// Islamic Society of North America, Fajr 15.0°, Isha 15.0°; Asr Shafi;
// Hijri civil calendar", with the minutes added and the rounding when
// asked. offsets are the UTC offsets the days use, in order.
std::string HeaderLine(const std::string& place, const std::vector<double>& offsets,
                       const ConventionFacts& facts, const DayStyle& style, bool withCalendar);

} // namespace halvo::cli
