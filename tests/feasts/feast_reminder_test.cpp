#include "feasts/feast_reminder.h"
#include "settings/registry.h"
#include "tests/support/lock_held_once.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace halvo
{
namespace
{

class FeastReminderStore : public testing::StoreTest
{
};

std::pair<std::uint32_t, std::uint32_t> StoredReminder()
{
    std::uint32_t on = 99;
    std::uint32_t days = 99;
    ReadRegistryNumber(kFeastSubkey, kFeastValue, on);
    ReadRegistryNumber(kFeastSubkey, kNumDaysValue, days);
    return {on, days};
}

// The switch and the days are one choice: without the write lock neither
// is stored (the first write does not slip through on its own), and a
// value not given keeps what is stored.
TEST_F(FeastReminderStore, SwitchAndDaysAreStoredWholeOrNotAtAll)
{
    ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kFeastValue, 0));
    ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kNumDaysValue, 1));
    {
        testing::LockHeldOnce lock(database_);
        EXPECT_FALSE(StoreFeastReminder(1u, 3u));
    }
    EXPECT_EQ(StoredReminder(), std::make_pair(0u, 1u));

    EXPECT_TRUE(StoreFeastReminder(1u, 3u));
    EXPECT_EQ(StoredReminder(), std::make_pair(1u, 3u));
    EXPECT_TRUE(StoreFeastReminder(std::nullopt, 2u));
    EXPECT_EQ(StoredReminder(), std::make_pair(1u, 2u));
}

} // namespace
} // namespace halvo
