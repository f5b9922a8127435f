#pragma once

// The rows of the time-zone editor's rule lists. A row's index is the value
// a zone record stores, so the lists map rows to values one to one.

#include <array>
#include <cstdint>

namespace halvo
{

inline constexpr std::array<const char*, 13> kRuleMonthRows = {
    "None", "January", "February",  "March",   "April",    "May",      "June",
    "July", "August",  "September", "October", "November", "December",
};
inline constexpr std::array<const char*, 7> kRuleDayOfWeekRows = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};
inline constexpr std::array<const char*, 6> kRuleOccurrenceRows = {
    "None", "First", "Second", "Third", "Fourth", "Fifth",
};

// The row showing a stored value; -1 (no selection) for a value beyond the
// list's rows, which only a change outside the program can store.
int RuleRowOfValue(std::uint16_t value, int rowCount);

// The value to store for a list: its selected row, or, with no row
// selected, the value the zone holds already.
std::uint16_t RuleValueOfRow(int row, std::uint16_t storedValue);

} // namespace halvo
