#include "locations/zone_rule_rows.h"

namespace halvo
{

int RuleRowOfValue(std::uint16_t value, int rowCount)
{
    return value < rowCount ? value : -1;
}

std::uint16_t RuleValueOfRow(int row, std::uint16_t storedValue)
{
    return row >= 0 ? static_cast<std::uint16_t>(row) : storedValue;
}

} // namespace halvo
