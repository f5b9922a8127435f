#pragma once

#include "platform/user_messages.h"

#include <cstdint>
#include <optional>

namespace halvo
{

// Once per start: when the reminder is on and a feast falls on the day the
// stored number of days ahead, says so through messages (a message box
// owned by the main display in the desktop program).
void CheckFeastReminder(UserMessages& messages);

// Stores the reminder's switch (Feast, 1 or 0) and its days ahead
// (NumDays), each only when given: all in one commit, or nothing when the
// store does not take one of them. True once stored.
bool StoreFeastReminder(std::optional<std::uint32_t> on, std::optional<std::uint32_t> daysAhead);

} // namespace halvo
