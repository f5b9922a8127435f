#pragma once

// A clock the test sets, for everything that asks LocalNow().

#include "platform/clock.h"

namespace halvo::testing
{

class TestClock : public Clock
{
  public:
    explicit TestClock(DateRecord start = MakeDate(2026, 3, 20)) : now(start) {}
    DateRecord Now() const override { return now; }
    DateRecord now;
};

} // namespace halvo::testing
