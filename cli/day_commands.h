#pragma once

#include "engine/date_record.h"
#include "engine/prayer_engine.h"

#include <functional>

namespace halvo::cli
{

enum class TableFormat
{
    Text,
    Json,
    Csv,
};

// Prints one row per day from `from` to `to` inclusive; `dayFor` sets up the
// engine for each date (with that day's own UTC offset where it changes).
void PrintTable(const DateRecord& from, const DateRecord& to, TableFormat format,
                const std::function<PrayerEngine(const DateRecord&)>& dayFor);

// Refuses a range that runs backwards or is longer than a table can sensibly be.
void CheckTableRange(const DateRecord& from, const DateRecord& to);

} // namespace halvo::cli
