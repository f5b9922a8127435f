#pragma once

#include <cstdint>

namespace halvo
{

// The calendar record passed between the display, the date tools, the
// location database and the engine. Same fields and widths as the platform's
// 16-byte system-time record; only year, month and day matter to the engine.
struct DateRecord
{
    std::uint16_t year = 2000;
    std::uint16_t month = 1;     // 1..12
    std::uint16_t dayOfWeek = 0; // 0 = Sunday
    std::uint16_t day = 1;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

static_assert(sizeof(DateRecord) == 16);

inline DateRecord MakeDate(int year, int month, int day)
{
    DateRecord date;
    date.year = static_cast<std::uint16_t>(year);
    date.month = static_cast<std::uint16_t>(month);
    date.day = static_cast<std::uint16_t>(day);
    return date;
}

} // namespace halvo
