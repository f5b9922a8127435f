#include "shell/adhan_switches.h"

namespace halvo
{

AdhanSwitches adhanSwitches;

void LoadAdhanSwitches()
{
    adhanSwitches = ReadAdhanSwitches();
}

} // namespace halvo
