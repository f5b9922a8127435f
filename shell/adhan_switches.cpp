#include "shell/adhan_switches.h"

#include "shell/settings.h"

namespace halvo {

AdhanSwitches adhanSwitches;

void LoadAdhanSwitches()
{
    adhanSwitches.enabled = ReadSetting("Adhan") == "On";
    adhanSwitches.fajr = ReadSetting("Fajr") == "1";
    adhanSwitches.zuhr = ReadSetting("Zuhr") == "1";
    adhanSwitches.asr = ReadSetting("Asr") == "1";
    adhanSwitches.maghrib = ReadSetting("Maghrib") == "1";
    adhanSwitches.isha = ReadSetting("Isha") == "1";
}

} // namespace halvo
