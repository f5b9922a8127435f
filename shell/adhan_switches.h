#pragma once

namespace halvo
{

// Which Adhans sound: the Adhan as a whole, then each prayer's own.
struct AdhanSwitches
{
    bool enabled = false;
    bool fajr = false;
    bool zuhr = false;
    bool asr = false;
    bool maghrib = false;
    bool isha = false;
};

// Program-wide: loaded at start-up, rewritten by the Adhan settings.
extern AdhanSwitches adhanSwitches;

// Reads the six switches: on only for exactly "On" (Adhan) and "1" (each prayer).
void LoadAdhanSwitches();

} // namespace halvo
