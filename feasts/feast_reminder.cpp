#include "feasts/feast_reminder.h"

#include "feasts/feast_table.h"
#include "platform/clock.h"
#include "settings/registry.h"

namespace halvo
{

void CheckFeastReminder(UserMessages& messages)
{
    // A missing key or value reads as reminder off, "Same Day".
    std::uint32_t feastOn = 0;
    std::uint32_t numDays = 0;
    ReadRegistryNumber(kFeastSubkey, kFeastValue, feastOn);
    ReadRegistryNumber(kFeastSubkey, kNumDaysValue, numDays);
    if (const std::optional<std::string> text = FeastReminderText(LocalNow(), feastOn, numDays))
    {
        messages.Show(*text);
    }
}

} // namespace halvo
