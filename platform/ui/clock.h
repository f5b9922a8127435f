#pragma once

#include "engine/date_record.h"

namespace halvo {

// The one source of the local date and time. Tests install their own clock
// so a timer tick or a start-up check sees the day they choose.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual DateRecord Now() const = 0;
};

// The local date and time from the installed clock (the system's by default).
DateRecord LocalNow();

// Installs a clock; nullptr brings the system clock back. The caller keeps
// the clock alive while it is installed.
void SetClock(const Clock* clock);

} // namespace halvo
