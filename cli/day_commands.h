#pragma once

#include "cli/day_output.h"
#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <functional>
#include <optional>
#include <string>

namespace halvo::cli
{

enum class TableFormat
{
    Text,
    Json,
    Csv,
    Ics,
};

// What only a calendar file needs: whether Sunrise is an event, and how
// long each event lasts.
struct IcsChoice
{
    bool withSunrise = false;
    int minutes = 0;
};

// What a table is of: the place as the header names it (and, for a stored
// city, as JSON gives it), the convention, and each date's day as the
// options show it, with the UTC offset it used.
struct TableSource
{
    std::string place; // "Seattle, WA (USA)" or the coordinates
    nlohmann::ordered_json placeJson = nlohmann::ordered_json::object();
    ConventionFacts convention;
    // The place as a calendar names it (stored bytes, unescaped) and the
    // text its events' UIDs are made from.
    std::string calendarName;
    std::string placeKey;
    std::function<OptionDay(const DateRecord& date, double& utcOffset)> dayFor;
};

// Prints one row per day from `from` to `to` inclusive.
void PrintTable(const DateRecord& from, const DateRecord& to, TableFormat format,
                const TableSource& source, const DayStyle& style, const IcsChoice& ics = {});

// Refuses a range that runs backwards or is longer than a table can sensibly be.
void CheckTableRange(const DateRecord& from, const DateRecord& to);

} // namespace halvo::cli
