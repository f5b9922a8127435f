#pragma once

#include "platform/user_messages.h"

namespace halvo
{

// Once per start: when the reminder is on and a feast falls on the day the
// stored number of days ahead, says so through messages (a message box
// owned by the main display in the desktop program).
void CheckFeastReminder(UserMessages& messages);

} // namespace halvo
