#pragma once

namespace halvo {

class CWnd;

// Once per start: when the reminder is on and a feast falls on the day the
// stored number of days ahead, says so in a message box owned by owner.
void CheckFeastReminder(CWnd* owner);

} // namespace halvo
