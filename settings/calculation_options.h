#pragma once

// The stored calculation options both programs honour: a published method,
// minutes added, rounding, the rules for high latitudes and polar days, the
// Hijri calendar and its day offset, and the clock. They live in the
// "Settings" store as texts; a store without them holds the defaults, which
// give exactly the times and dates the program always gave.

#include "engine/calculation_methods.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace halvo
{

namespace setting
{
inline constexpr char kMethod[] = "Method";
inline constexpr char kAdjust[] = "Adjust";
inline constexpr char kRounding[] = "Rounding";
inline constexpr char kHighLatitude[] = "HighLatitude";
inline constexpr char kPolarDays[] = "PolarDays";
inline constexpr char kHijriCalendar[] = "HijriCalendar";
inline constexpr char kHijriAdjust[] = "HijriAdjust";
inline constexpr char kClock[] = "Clock";
// Minutes before each prayer whose Adhan is on that a notice is given; 0: none.
inline constexpr char kNotifyBefore[] = "NotifyBefore";
// The desktop program's language: empty for the system's, else a shipped
// language's code or "en".
inline constexpr char kLanguage[] = "Language";
} // namespace setting

// The languages the desktop program ships catalogues for, and English.
inline constexpr std::array<const char*, 10> kShippedLanguages = {"en", "ar", "ur", "fa", "tr",
                                                                  "id", "ms", "bn", "fr", "de"};

enum class Rounding
{
    kTruncate, // the engine's own split: 5:59.99 is 5:59
    kNearest,
};

// Where Fajr and Isha go when the night is short or twilight lasts all night.
enum class HighLatitudeRule
{
    kReference45,   // the engine's: the night divided as at latitude 45
    kMiddleOfNight, // Fajr no earlier than the last half of the night, Isha no later than the first
    kOneSeventh,    // the same with a seventh of the night
    kTwilightAngle, // the same with angle/60 of the night
};

enum class PolarDays
{
    kNone,            // "--:--" for what the Sun does not bring about
    kNearestLatitude, // every time from the nearest latitude toward the equator that has a day
};

enum class HijriCalendar
{
    kCivil,     // the engine's arithmetic calendar
    kUmmAlQura, // the official Saudi calendar, from ICU, inside its table
};

// Which Hijri calendar, and how many days the shown Hijri date is moved for
// a local sighting.
struct CalendarChoice
{
    HijriCalendar calendar = HijriCalendar::kCivil;
    int adjustDays = 0;
};

inline constexpr int kMaxAdjustOptionMinutes = 30;
inline constexpr int kMaxHijriAdjustDays = 2;
inline constexpr int kMaxNotifyBeforeMinutes = 120;

struct CalculationOptions
{
    const CalculationMethod* method = nullptr; // none: the twilight convention's angles
    MinuteAdjustments adjust{};                // added after the method's own minutes
    Rounding rounding = Rounding::kTruncate;
    HighLatitudeRule highLatitude = HighLatitudeRule::kReference45;
    PolarDays polarDays = PolarDays::kNone;
    CalendarChoice hijri;
    bool clock24 = false;
    int notifyBeforeMinutes = 0;
    std::string language; // empty: the system's

    // The method's minutes plus Adjust.
    MinuteAdjustments TotalAdjustments() const;
};

struct StoredCalculationOption
{
    const char* name;
    const char* defaultValue;
};

inline constexpr std::array<StoredCalculationOption, 10> kStoredCalculationOptions = {{
    {setting::kMethod, ""},
    {setting::kAdjust, "0,0,0,0,0,0"},
    {setting::kRounding, "Truncate"},
    {setting::kHighLatitude, "Reference45"},
    {setting::kPolarDays, "None"},
    {setting::kHijriCalendar, "Civil"},
    {setting::kHijriAdjust, "0"},
    {setting::kClock, "12"},
    {setting::kNotifyBefore, "0"},
    {setting::kLanguage, ""},
}};

// The option's own spelling when name is one of the options, compared
// without regard to ASCII case; none otherwise.
std::optional<std::string> CalculationOptionName(const std::string& name);

// The value as it is stored: enumerations and preset keys in their own
// spelling whatever the case typed, numbers without a plus sign or leading
// zeros. None, with reason (when given) saying why in one line, when the
// value is not one the option takes.
std::optional<std::string> CanonicalOptionValue(const std::string& name, const std::string& value,
                                                std::string* reason = nullptr);

// The options from their texts, as text(name) gives them: a missing option
// (nullopt) is its default; an invalid one is its default too, and warn is
// called with one line saying so.
CalculationOptions
OptionsFromTexts(const std::function<std::optional<std::string>(const char*)>& text,
                 const std::function<void(const std::string&)>& warn);

// The stored options. Each invalid stored value is told once per process
// on stderr and its default is used.
CalculationOptions ReadCalculationOptions();

// The stored text of each option, as OptionsFromTexts reads it: its default
// when the store has none.
std::string StoredOptionText(const char* name);

// Writes an option in its stored spelling, adding the record when the store
// has none yet. False when the value is not valid or the write fails.
bool WriteCalculationOption(const std::string& name, const std::string& value);

// A setting as typed on a command line, in the spelling the stores and
// their readers compare exactly: the name as the table has it, and an
// enumerated value (AsrMethod, Adhan, Alarm, IshaAngle's "90 min after
// Maghrib", any option) in its own spelling whatever its case. Other values
// come back as typed, for ValidateSettingValue to judge.
struct SettingText
{
    std::string name;
    std::string value;
};
SettingText CanonicalSettingText(const std::string& name, const std::string& value);

// The stored texts the options take: "Truncate", "MiddleOfNight", ...
const char* RoundingKey(Rounding rounding);
const char* HighLatitudeKey(HighLatitudeRule rule);
const char* PolarDaysKey(PolarDays polarDays);
const char* HijriCalendarKey(HijriCalendar calendar);
std::string AdjustText(const MinuteAdjustments& minutes);

} // namespace halvo
