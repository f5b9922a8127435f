#pragma once

// Makes the next transaction of this process fail to begin, as when another
// process holds the write lock past the busy timeout, and lets every write
// after it through: the case where writes made without their transaction
// would each be committed on their own.
#include "platform/store/database.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvo::testing
{

class LockHeldOnce
{
  public:
    explicit LockHeldOnce(const std::filesystem::path& database)
    {
        EXPECT_EQ(sqlite3_open(database.c_str(), &other_), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        // The waiting connection gives up at once; the lock is then let go.
        sqlite3_busy_handler(store_internal::Connection(), &GiveUpAndRelease, this);
    }
    ~LockHeldOnce()
    {
        if (store_internal::Connection() != nullptr)
        {
            sqlite3_busy_timeout(store_internal::Connection(), 5000);
        }
        sqlite3_close(other_);
    }
    LockHeldOnce(const LockHeldOnce&) = delete;
    LockHeldOnce& operator=(const LockHeldOnce&) = delete;

  private:
    static int GiveUpAndRelease(void* self, int /*attempts*/)
    {
        sqlite3_exec(static_cast<LockHeldOnce*>(self)->other_, "COMMIT", nullptr, nullptr, nullptr);
        return 0;
    }

    sqlite3* other_ = nullptr;
};

} // namespace halvo::testing
