#include "cli/cli_support.h"

#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "locations/city_entry.h"
#include "platform/text/quoted.h"
#include "platform/text/utf8.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>

namespace halvo::cli
{

namespace
{

bool AllDigits(std::string_view text)
{
    if (text.empty())
    {
        return false;
    }
    for (char c : text)
    {
        if (c < '0' || c > '9')
        {
            return false;
        }
    }
    return true;
}

int DigitsValue(std::string_view text)
{
    int value = 0;
    for (char c : text)
    {
        value = value * 10 + (c - '0');
    }
    return value;
}

// Civil dates before the Gregorian reform are read in the Julian calendar.
bool IsJulianCalendarMonth(int year, int month)
{
    return year < 1582 || (year == 1582 && month < 10);
}

} // namespace

int DaysInCivilMonth(int year, int month)
{
    static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2)
    {
        return kDays[month];
    }
    const bool leap = IsJulianCalendarMonth(year, month)
                          ? year % 4 == 0
                          : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 29 : 28;
}

bool IsValidCivilDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInCivilMonth(year, month);
}

DateRecord ParseDate(std::string_view text, std::string_view what)
{
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                        AllDigits(text.substr(0, 4)) && AllDigits(text.substr(5, 2)) &&
                        AllDigits(text.substr(8, 2));
    if (!shaped)
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) +
                         " is not a date of the form YYYY-MM-DD");
    }
    const int year = DigitsValue(text.substr(0, 4));
    const int month = DigitsValue(text.substr(5, 2));
    const int day = DigitsValue(text.substr(8, 2));
    if (!IsValidCivilDate(year, month, day))
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a date that exists");
    }
    return MakeDate(year, month, day);
}

std::string DateIso(const DateRecord& date)
{
    if (date.year > 9999)
    {
        char wide[32];
        std::snprintf(wide, sizeof wide, "%04d-%02d-%02d", date.year, date.month, date.day);
        return wide;
    }
    // Built by hand: a timetable formats tens of thousands of dates.
    char buffer[10];
    const auto put = [&buffer](int at, int digits, int value)
    {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
        {
            buffer[at + i] = static_cast<char>('0' + value % 10);
        }
    };
    put(0, 4, date.year);
    buffer[4] = '-';
    put(5, 2, date.month);
    buffer[7] = '-';
    put(8, 2, date.day);
    return std::string(buffer, sizeof buffer);
}

MonthRange ParseMonth(std::string_view text, std::string_view what)
{
    const bool shaped = text.size() == 7 && text[4] == '-' && AllDigits(text.substr(0, 4)) &&
                        AllDigits(text.substr(5, 2));
    const int year = shaped ? DigitsValue(text.substr(0, 4)) : 0;
    const int month = shaped ? DigitsValue(text.substr(5, 2)) : 0;
    if (!shaped || !IsValidCivilDate(year, month, 1))
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) +
                         " is not a month of the form YYYY-MM");
    }
    return {MakeDate(year, month, 1), MakeDate(year, month, DaysInCivilMonth(year, month))};
}

double ParseNumber(std::string_view text, std::string_view what, double low, double high)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
    {
        digits.remove_prefix(1);
        // "+-5" is not a number, whatever the parser below would make of it.
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        {
            throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a number");
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value))
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a number");
    }
    if (value < low || value > high)
    {
        char range[96];
        std::snprintf(range, sizeof range, " is out of range (%g to %g)", low, high);
        throw UsageError(std::string(what) + ": " + Quoted(text) + range);
    }
    return value;
}

int ParseInteger(std::string_view text, std::string_view what, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a whole number");
    }
    if (value < low || value > high)
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is out of range (" +
                         std::to_string(low) + " to " + std::to_string(high) + ")");
    }
    return value;
}

double ParseAngle(std::string_view text, std::string_view what)
{
    const double angle = ParseNumber(text, what, -1e9, 1e9);
    if (!(angle > 0 && angle < 90))
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) +
                         " must be an angle between 0 and 90 degrees");
    }
    return angle;
}

int ParseHundredths(std::string_view text, std::string_view what, int limitDegrees)
{
    // The city dialog's rule for a typed coordinate, so both take the same texts.
    const std::optional<long long> hundredths = TypedHundredths(text);
    if (!hundredths)
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a decimal number");
    }
    if (*hundredths > limitDegrees * 100LL || *hundredths < -limitDegrees * 100LL)
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is out of range (-" +
                         std::to_string(limitDegrees) + " to " + std::to_string(limitDegrees) +
                         ")");
    }
    return static_cast<int>(*hundredths);
}

double ParseCoordinate(std::string_view text, std::string_view what, int limitDegrees)
{
    ParseHundredths(text, what, limitDegrees);
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return ParseNumber(text.substr(first, last - first + 1), what, -limitDegrees, limitDegrees);
}

std::string CheckedName(std::string_view text, std::string_view what)
{
    if (text.find_first_not_of(" \t") == std::string_view::npos)
    {
        throw UsageError(std::string(what) + ": an empty name is not a name");
    }
    return CheckedText(text, what);
}

std::string CheckedText(std::string_view text, std::string_view what)
{
    if (!IsValidUtf8(text))
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not valid UTF-8");
    }
    if (!IsPrintableUtf8(text))
    {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " holds control characters");
    }
    constexpr std::size_t kMaxNameUnits = 1023;
    if (Utf16Length(text) > kMaxNameUnits)
    {
        throw UsageError(std::string(what) + ": the text is longer than 1023 characters");
    }
    return std::string(text);
}

void RefuseChoice(std::string_view what, std::string_view text,
                  const std::vector<std::string>& choices)
{
    std::string list;
    for (const std::string& choice : choices)
    {
        list += (list.empty() ? "" : ", ") + choice;
    }
    throw UsageError(std::string(what) + ": " + Quoted(text) + " is not one of " + list);
}

std::string DidYouMean(const std::vector<std::string>& candidates)
{
    std::string text;
    for (const std::string& candidate : candidates)
    {
        text += (text.empty() ? "; did you mean: " : ", ") + Quoted(candidate);
    }
    return text;
}

std::string UtcOffsetText(double hours)
{
    const long minutes = std::lround(std::fabs(hours) * 60);
    char text[32];
    std::snprintf(text, sizeof text, "UTC%c%ld:%02ld", hours < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

std::string DegreesText(double degrees)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f\u00B0", degrees);
    return text;
}

double DegreesFromHundredths(std::int32_t hundredths)
{
    return hundredths / 100.0;
}

std::string TimeText(const PrayerEngine& engine, int index)
{
    return halvo::TimeText(engine.times[index]);
}

nlohmann::ordered_json HijriJson(const PrayerEngine& engine)
{
    return {{"day", engine.hijriDay},
            {"month", engine.hijriMonth},
            {"year", engine.hijriYear},
            {"text", engine.HijriDateText()}};
}

nlohmann::ordered_json TimesJson(const PrayerEngine& engine)
{
    nlohmann::ordered_json times = nlohmann::ordered_json::array();
    for (int i = 0; i < kPrayerCount; ++i)
    {
        const PrayerTime& time = engine.times[i];
        nlohmann::ordered_json entry = {{"name", kPrayerNames[i]}, {"text", TimeText(engine, i)}};
        if (time.hasTime)
        {
            entry["hours"] = time.hours;
            entry["hour"] = time.hour;
            entry["minute"] = time.minute;
            entry["pm"] = time.pm;
        }
        else
        {
            entry["hours"] = nullptr;
            entry["hour"] = nullptr;
            entry["minute"] = nullptr;
            entry["pm"] = nullptr;
        }
        times.push_back(std::move(entry));
    }
    return times;
}

nlohmann::ordered_json DayJson(const PrayerEngine& engine)
{
    return {{"gregorian", engine.GregorianDateText()},
            {"hijri", HijriJson(engine)},
            {"times", TimesJson(engine)}};
}

std::string DayText(const PrayerEngine& engine)
{
    std::string text = engine.GregorianDateText() + "\n" + engine.HijriDateText() + "\n";
    for (int i = 0; i < kPrayerCount; ++i)
    {
        char line[64];
        std::snprintf(line, sizeof line, "%-9s%s\n", kPrayerNames[i], TimeText(engine, i).c_str());
        text += line;
    }
    return text;
}

void PrintJson(const nlohmann::ordered_json& value)
{
    std::cout << value.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
}

} // namespace halvo::cli
