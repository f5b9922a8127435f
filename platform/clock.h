#pragma once

#include "engine/date_record.h"

namespace halvo
{

// The one source of the local date and time, for the desktop program, the
// command line and the location database alike. Tests install their own
// clock so a timer tick, a start-up check or a zone label sees the day they
// choose.
class Clock
{
  public:
    virtual ~Clock() = default;
    virtual DateRecord Now() const = 0;
};

// The local date and time from the installed clock (the system's by
// default); every field is set, the day of the week included.
DateRecord LocalNow();

// The universal time of a local date and time, in the system's time zone
// (daylight saving applied as the zone had it on that date). Milliseconds
// are kept; the day of the week is that of the universal date. A moment the
// system cannot convert comes back unchanged.
DateRecord UniversalFromLocal(const DateRecord& local);

// Installs a clock; nullptr brings the system clock back. The caller keeps
// the clock alive while it is installed.
void SetClock(const Clock* clock);

} // namespace halvo
