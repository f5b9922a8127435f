#pragma once

// Another connection holds the database's write lock, as another process
// would past the busy timeout, until Release(): while it does, every write
// of this process fails at once (its connection does not wait), and reads
// still see the last commit.
#include "platform/store/database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace halvo::testing
{

class WriteLockHeld
{
  public:
    explicit WriteLockHeld(const std::filesystem::path& database)
    {
        EXPECT_EQ(sqlite3_open(database.c_str(), &other_), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_busy_timeout(store_internal::Connection(), 0);
    }
    ~WriteLockHeld() { Release(); }
    WriteLockHeld(const WriteLockHeld&) = delete;
    WriteLockHeld& operator=(const WriteLockHeld&) = delete;

    void Release()
    {
        if (other_ == nullptr)
            return;
        sqlite3_exec(other_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other_);
        other_ = nullptr;
        if (store_internal::Connection() != nullptr)
            sqlite3_busy_timeout(store_internal::Connection(), 5000);
    }

  private:
    sqlite3* other_ = nullptr;
};

// Every committed record and registry value of the database, one line
// each, read through a connection of its own: equal dumps are equal stores.
inline std::string StoreDump(const std::filesystem::path& database)
{
    sqlite3* reader = nullptr;
    std::string dump;
    if (sqlite3_open_v2(database.c_str(), &reader, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
    {
        sqlite3_close(reader);
        return "cannot open";
    }
    const auto collect = [](void* out, int columns, char** values, char**)
    {
        auto& text = *static_cast<std::string*>(out);
        for (int c = 0; c < columns; ++c)
            text += (values[c] != nullptr ? values[c] : "NULL") +
                    std::string(c + 1 < columns ? "|" : "\n");
        return 0;
    };
    sqlite3_exec(reader,
                 "SELECT id, store_id, hex(body) FROM records ORDER BY id;"
                 "SELECT key_path, name, type, data FROM registry_values ORDER BY 1, 2;",
                 collect, &dump, nullptr);
    sqlite3_close(reader);
    return dump;
}

} // namespace halvo::testing
