#pragma once

// The one SQLite connection of the process, shared by the record stores and
// the registry. Internal to platform/store: nothing above this folder sees
// SQLite.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace halvo::store_internal
{

// The open connection, or nullptr before OpenDatabase / after CloseDatabase.
sqlite3* Connection();

// A prepared statement from the connection's cache, reset and with its
// bindings cleared when the Statement goes out of scope.
class Statement
{
  public:
    explicit Statement(const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return statement_ != nullptr; }
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view text);
    Statement& BindBlob(int index, std::string_view bytes);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    // Runs a statement that returns no rows; true on SQLITE_DONE.
    bool Run();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    std::string Blob(int column) const;
    bool IsNull(int column) const;

  private:
    sqlite3_stmt* statement_ = nullptr;
};

// Runs SQL text without results (schema, pragmas); true on success.
bool Execute(const char* sql);

// Counts writes made through this process so cursors can tell that a page
// of records they hold may be stale.
std::uint64_t WriteGeneration();
void NoteWrite();

// Changes when traversal orders kept in memory can no longer be trusted:
// the database was closed or opened, or a transaction was rolled back.
std::uint64_t OrderEpoch();
void ForgetOrders();

// Changes each time the database is opened, so a store opened on an earlier
// connection can tell that its identities may mean other records now.
std::uint64_t ConnectionEpoch();

// Before a write outside a transaction (and at the start of each one): when
// the database's name no longer leads to the open file (another process
// moved it aside), opens the live file by that name. False when there is
// no usable connection.
bool EnsureLiveDatabase();

} // namespace halvo::store_internal
