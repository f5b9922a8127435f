#pragma once

#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <string_view>

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

// A finite decimal number within [low, high]; refuses "nan", "inf", "1e".
double ParseNumber(std::string_view text, std::string_view what, double low, double high);
// A whole number within [low, high].
int ParseInteger(std::string_view text, std::string_view what, int low, int high);
// A twilight angle in degrees, strictly between 0 and 90.
double ParseAngle(std::string_view text, std::string_view what);

// Hundredths of a degree from decimal text, cutting after the second
// decimal: "0.29" gives 29 and "-2.4259" gives -242. A decimal cut of the
// text, never a binary product that would turn 0.29 into 28.
int ParseHundredths(std::string_view text, std::string_view what, int limitDegrees);

// JSON pieces shared by the commands that print days.
nlohmann::ordered_json HijriJson(const PrayerEngine& engine);
nlohmann::ordered_json TimesJson(const PrayerEngine& engine);
nlohmann::ordered_json DayJson(const PrayerEngine& engine);
// The text lines of one day: the two dates, then "Fajr     6:21 AM" and so on.
std::string DayText(const PrayerEngine& engine);
std::string TimeText(const PrayerEngine& engine, int index);

// Prints JSON the way every subcommand does: indented, doubles round-trip.
void PrintJson(const nlohmann::ordered_json& value);

} // namespace halvo::cli
