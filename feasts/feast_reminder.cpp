#include "feasts/feast_reminder.h"

#include "feasts/feast_table.h"
#include "platform/clock.h"
#include "platform/store/record_store.h"
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

bool StoreFeastReminder(std::optional<std::uint32_t> on, std::optional<std::uint32_t> daysAhead)
{
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    if (on && !WriteRegistryNumber(kFeastSubkey, kFeastValue, *on))
        return false;
    if (daysAhead && !WriteRegistryNumber(kFeastSubkey, kNumDaysValue, *daysAhead))
        return false;
    return transaction.Commit();
}

} // namespace halvo
