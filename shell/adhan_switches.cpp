#include "shell/adhan_switches.h"

#include "settings/settings.h"

namespace halvo
{

AdhanSwitches adhanSwitches;

void LoadAdhanSwitches()
{
    adhanSwitches.enabled = ReadSetting(setting::kAdhan) == "On";
    adhanSwitches.fajr = ReadSetting(setting::kFajr) == "1";
    adhanSwitches.zuhr = ReadSetting(setting::kZuhr) == "1";
    adhanSwitches.asr = ReadSetting(setting::kAsr) == "1";
    adhanSwitches.maghrib = ReadSetting(setting::kMaghrib) == "1";
    adhanSwitches.isha = ReadSetting(setting::kIsha) == "1";
}

} // namespace halvo
