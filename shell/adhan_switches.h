#pragma once

#include "day/adhan_alarm.h"

namespace halvo
{

// Program-wide: loaded at start-up, rewritten by the Adhan settings.
extern AdhanSwitches adhanSwitches;

// Reads the six switches: on only for exactly "On" (Adhan) and "1" (each prayer).
void LoadAdhanSwitches();

} // namespace halvo
