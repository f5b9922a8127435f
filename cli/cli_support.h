#pragma once

#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvo::cli
{

// Bad input from the command line: main prints it as one line on stderr and
// exits with status 2, before anything was written to stdout.
class UsageError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// A civil date as typed: YYYY-MM-DD. Before 15 October 1582 the date is a
// Julian-calendar date (the conversions read it that way), so 1500-02-29
// exists and 5 to 14 October 1582 are accepted.
DateRecord ParseDate(std::string_view text, std::string_view what);
bool IsValidCivilDate(int year, int month, int day);
int DaysInCivilMonth(int year, int month);
std::string DateIso(const DateRecord& date);

// A month as typed: YYYY-MM; gives its first and last day.
struct MonthRange
{
    DateRecord first;
    DateRecord last;
};
MonthRange ParseMonth(std::string_view text, std::string_view what);

// A finite decimal number within [low, high]; refuses "nan", "inf", "1e",
// "+-5" and anything after the number ("15abc", "15 16", "15,5").
double ParseNumber(std::string_view text, std::string_view what, double low, double high);
// A whole number within [low, high].
int ParseInteger(std::string_view text, std::string_view what, int low, int high);
// A twilight angle in degrees, strictly between 0 and 90.
double ParseAngle(std::string_view text, std::string_view what);

// Hundredths of a degree from decimal text, cutting after the second
// decimal: "0.29" gives 29 and "-2.4259" gives -242. A decimal cut of the
// text, never a binary product that would turn 0.29 into 28. The text must
// be one decimal number, as the city dialog takes it: blanks around it are
// fine, "7,5", "1e2" and "45°30'" are refused.
int ParseHundredths(std::string_view text, std::string_view what, int limitDegrees);
// A coordinate in degrees, as precise as typed, by the same rule.
double ParseCoordinate(std::string_view text, std::string_view what, int limitDegrees);

// A name that is going to be looked up or stored: not blank, well-formed
// UTF-8 without control characters, and at most 1023 UTF-16 units, the
// stores' limit. Refused with a UsageError naming what it is.
std::string CheckedName(std::string_view text, std::string_view what);
// The same without the test for blanks, for values that may be empty.
std::string CheckedText(std::string_view text, std::string_view what);

// A refused choice: "what: "text" is not one of a, b, c".
[[noreturn]] void RefuseChoice(std::string_view what, std::string_view text,
                               const std::vector<std::string>& choices);
// "; did you mean: "a", "b"" for a message, or nothing without candidates.
std::string DidYouMean(const std::vector<std::string>& candidates);

// "UTC+5:30", "UTC-8:00", "UTC+0:00".
std::string UtcOffsetText(double hours);
// "15.0°"; one decimal, as the conventions dialog shows angles.
std::string DegreesText(double degrees);
// Degrees from stored hundredths, as a number for JSON: -12233 is -122.33.
double DegreesFromHundredths(std::int32_t hundredths);

// JSON pieces shared by the commands that print days.
nlohmann::ordered_json HijriJson(const PrayerEngine& engine);
nlohmann::ordered_json TimesJson(const PrayerEngine& engine);
nlohmann::ordered_json DayJson(const PrayerEngine& engine);
// The text lines of one day: the two dates, then "Fajr     6:21 AM" and so on.
std::string DayText(const PrayerEngine& engine);
std::string TimeText(const PrayerEngine& engine, int index);

// Prints JSON the way every subcommand does: indented, doubles round-trip,
// and bytes that are not UTF-8 (an old store may hold some) replaced, so
// no stored text can make a command fail half-way.
void PrintJson(const nlohmann::ordered_json& value);

} // namespace halvo::cli
