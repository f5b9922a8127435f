#include "platform/store/database.h"

#include "platform/store/file_lock.h"
#include "platform/store/record_store.h"
#include "platform/store/sort_key.h"
#include "platform/test_point.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>

namespace halvo
{
namespace store_internal
{
namespace
{

sqlite3* g_connection = nullptr;
std::map<std::string, sqlite3_stmt*, std::less<>> g_statements;
std::uint64_t g_writeGeneration = 0;
std::uint64_t g_orderEpoch = 0;
std::uint64_t g_connectionEpoch = 0;

// Nested StoreTransactions join the outermost one; a nested one that is
// dropped without Commit() makes the outer Commit() fail and roll back.
int g_transactionDepth = 0;
bool g_transactionDoomed = false;

// A desktop program and the command line may write at the same moment;
// a lock held by the other for a moment must not fail a call.
constexpr int kBusyTimeoutMs = 5000;
// Opening waits for another process's opening (with its integrity check)
// and for a start's first import, which holds the same lock.
constexpr std::chrono::milliseconds kOpenLockWait(60000);

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS meta(
  name TEXT PRIMARY KEY,
  value TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS stores(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE,
  type_tag INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS sort_orders(
  store_id INTEGER NOT NULL,
  rank INTEGER NOT NULL,
  property_id INTEGER NOT NULL,
  flags INTEGER NOT NULL,
  PRIMARY KEY(store_id, rank)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS records(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  store_id INTEGER NOT NULL,
  key1 BLOB NOT NULL,
  key2 BLOB NOT NULL,
  key3 BLOB NOT NULL,
  key4 BLOB NOT NULL,
  body BLOB NOT NULL);
CREATE INDEX IF NOT EXISTS records_in_order ON records(store_id, key1, key2, key3, key4, id);
CREATE TABLE IF NOT EXISTS registry_keys(
  path TEXT NOT NULL COLLATE NOCASE PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS registry_values(
  key_path TEXT NOT NULL COLLATE NOCASE,
  name TEXT NOT NULL COLLATE NOCASE,
  type INTEGER NOT NULL,
  data INTEGER NOT NULL,
  PRIMARY KEY(key_path, name)) WITHOUT ROWID;
INSERT OR IGNORE INTO meta(name, value) VALUES('schema', '1');
)sql";

void FinalizeAll()
{
    for (auto& [sql, statement] : g_statements)
        sqlite3_finalize(statement);
    g_statements.clear();
}

bool IsDamage(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

enum class OpenOutcome
{
    Opened,
    Damaged,
    Failed
};

// Which file an attempt judged: device and inode.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct Attempt
{
    OpenOutcome outcome = OpenOutcome::Failed;
    std::string reason;
    FileIdentity identity;
};

// The path the connection was opened by and the file it found there: when
// another process moves a damaged file aside, the name leads elsewhere.
std::filesystem::path g_file;
FileIdentity g_identity;

std::optional<FileIdentity> IdentityAt(const std::filesystem::path& file)
{
    struct stat status
    {
    };
    if (::lstat(file.c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

// SQLite's own no-link flag refuses a link anywhere in the path, so a home
// folder reached through a link (/home -> /var/home) could never be used.
// Only the last components are ours to guard: the database itself (opened
// with O_NOFOLLOW) and its companions, checked here.
std::string CompanionProblem(const std::filesystem::path& file)
{
    for (const char* suffix : {"-wal", "-shm"})
    {
        const std::string companion = file.string() + suffix;
        struct stat status
        {
        };
        if (::lstat(companion.c_str(), &status) != 0)
            continue;
        if (S_ISLNK(status.st_mode))
            return companion + " is a symbolic link";
        if (!S_ISREG(status.st_mode))
            return companion + " is not a regular file";
    }
    return {};
}

// The same file by a path without links, which SQLite opens with its
// no-link flag as a last guard.
std::filesystem::path WithoutLinks(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(
        file.has_parent_path() ? file.parent_path() : std::filesystem::path("."), error);
    return error ? file : folder / file.filename();
}

Attempt Fail(sqlite3* connection, const std::string& what, FileIdentity identity)
{
    Attempt attempt;
    attempt.identity = identity;
    const int code = connection != nullptr ? sqlite3_extended_errcode(connection) : SQLITE_CANTOPEN;
    attempt.outcome = IsDamage(code) ? OpenOutcome::Damaged : OpenOutcome::Failed;
    attempt.reason =
        what + ": " + (connection != nullptr ? sqlite3_errmsg(connection) : "cannot open");
    if (connection != nullptr)
        sqlite3_close_v2(connection);
    return attempt;
}

// The file's user_version once its tables are set up.
constexpr int kSchemaStamp = 0x48540001;

int SchemaStamp(sqlite3* connection)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, "PRAGMA user_version", -1, &statement, nullptr) != SQLITE_OK)
        return 0;
    const int stamp = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : 0;
    sqlite3_finalize(statement);
    return stamp;
}

// A file that does not pass the quick check is damaged even when SQLite
// could read its header (a truncated file, pages overwritten).
bool PassesQuickCheck(sqlite3* connection, int* code)
{
    sqlite3_stmt* statement = nullptr;
    *code = sqlite3_prepare_v2(connection, "PRAGMA quick_check(1)", -1, &statement, nullptr);
    if (*code != SQLITE_OK)
        return false;
    bool ok = false;
    *code = sqlite3_step(statement);
    if (*code == SQLITE_ROW)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        ok = text != nullptr && std::string(text) == "ok";
        *code = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return ok;
}

// The integrity check reads the whole file, most of a short command's
// time. A file that passed it is recorded beside it by what changes with
// any write to it: device, inode, size and the times of its last change
// (ctime cannot be set by a program). While the record still matches, the
// check would read the very bytes that passed. A change too recent to tell
// from a write in the same clock tick is not recorded.
constexpr std::chrono::milliseconds kSettledFor(50);

std::filesystem::path CheckRecordFile(const std::filesystem::path& file)
{
    return file.string() + ".checked";
}

std::chrono::nanoseconds ChangeTime(const struct stat& status)
{
    return std::chrono::seconds(status.st_ctim.tv_sec) +
           std::chrono::nanoseconds(status.st_ctim.tv_nsec);
}

// The facts of the file and its write-ahead log a passed check holds for;
// empty when either changed too recently to vouch for it.
std::string CheckedState(const std::filesystem::path& file, const struct stat& status)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    if (ChangeTime(status) + kSettledFor > now)
        return {};
    std::string state =
        "halvo-checked 1 " + std::to_string(status.st_dev) + " " + std::to_string(status.st_ino) +
        " " + std::to_string(status.st_size) + " " + std::to_string(status.st_mtim.tv_sec) + "." +
        std::to_string(status.st_mtim.tv_nsec) + " " + std::to_string(status.st_ctim.tv_sec) + "." +
        std::to_string(status.st_ctim.tv_nsec);
    // An empty or missing log holds nothing; one with frames is part of the
    // data and is held to the same facts.
    struct stat log
    {
    };
    if (::lstat((file.string() + "-wal").c_str(), &log) != 0 || log.st_size == 0)
        return state + " log-empty\n";
    if (ChangeTime(log) + kSettledFor > now)
        return {};
    return state + " log " + std::to_string(log.st_ino) + " " + std::to_string(log.st_size) + " " +
           std::to_string(log.st_mtim.tv_sec) + "." + std::to_string(log.st_mtim.tv_nsec) + " " +
           std::to_string(log.st_ctim.tv_sec) + "." + std::to_string(log.st_ctim.tv_nsec) + "\n";
}

bool PassedCheckRecorded(const std::filesystem::path& file, const std::string& state)
{
    if (state.empty())
        return false;
    const int descriptor = ::open(CheckRecordFile(file).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0)
        return false;
    char recorded[256];
    const ssize_t length = ::read(descriptor, recorded, sizeof recorded);
    ::close(descriptor);
    return length > 0 && std::string_view(recorded, static_cast<std::size_t>(length)) == state;
}

// Written whole under a temporary name and renamed over the old record, so
// a reader sees the old record or the new one. A record that cannot be
// written costs the next opening a check, nothing more.
void RecordPassedCheck(const std::filesystem::path& file, const std::string& state)
{
    const std::filesystem::path record = CheckRecordFile(file);
    const std::string temporary = record.string() + ".new";
    ::unlink(temporary.c_str());
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
        return;
    const bool written =
        ::write(descriptor, state.data(), state.size()) == static_cast<ssize_t>(state.size());
    ::close(descriptor);
    if (!written || std::rename(temporary.c_str(), record.c_str()) != 0)
        ::unlink(temporary.c_str());
}

Attempt TryOpenFile(const std::filesystem::path& file, bool* created)
{
    Attempt attempt;
    if (std::string problem = CompanionProblem(file); !problem.empty())
    {
        attempt.reason = problem;
        return attempt;
    }
    // Created here, not by SQLite, so the file never exists with wider
    // permissions than the owner's; SQLite gives its -wal and -shm files the
    // same mode. Never through a link: its target could be anyone's file.
    constexpr int kFlags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int descriptor = ::open(file.c_str(), kFlags);
    if (descriptor < 0 && errno == ENOENT)
    {
        descriptor = ::open(file.c_str(), kFlags | O_CREAT | O_EXCL, 0600);
        *created = descriptor >= 0;
    }
    if (descriptor < 0)
    {
        attempt.reason = errno == ELOOP ? std::string("it is a symbolic link")
                                        : std::string("cannot create it: ") +
                                              std::generic_category().message(errno);
        return attempt;
    }
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    {
        ::close(descriptor);
        attempt.reason = "it is not a regular file";
        return attempt;
    }
    if (status.st_uid != ::geteuid())
    {
        ::close(descriptor);
        attempt.reason = "it belongs to another user";
        return attempt;
    }
    if ((status.st_mode & 07777) != 0600)
        ::fchmod(descriptor, 0600);
    ::close(descriptor);
    attempt.identity = {status.st_dev, status.st_ino};

    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(WithoutLinks(file).c_str(), &connection,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK)
        return Fail(connection, "cannot open it", attempt.identity);
    sqlite3_busy_timeout(connection, kBusyTimeoutMs);
    sqlite3_extended_result_codes(connection, 1);

    // WAL lets one process read while another writes; FULL makes every
    // commit reach the disk before the call returns.
    if (sqlite3_exec(connection, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Fail(connection, "cannot read it", attempt.identity);
    if (sqlite3_exec(connection, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Fail(connection, "cannot set it up", attempt.identity);
    // A traversal visits the table in sort order, not in storage order: keep
    // the whole file (a few megabytes) mapped and cached rather than read
    // page by page with a system call each.
    sqlite3_exec(connection, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
    sqlite3_exec(connection, "PRAGMA mmap_size=268435456", nullptr, nullptr, nullptr);
    int code = SQLITE_OK;
    const std::string state = CheckedState(file, status);
    if (!PassedCheckRecorded(file, state))
    {
        if (!PassesQuickCheck(connection, &code))
        {
            attempt.outcome =
                (code == SQLITE_OK || IsDamage(code)) ? OpenOutcome::Damaged : OpenOutcome::Failed;
            attempt.reason = "it fails the integrity check";
            sqlite3_close_v2(connection);
            return attempt;
        }
        // Recorded only when nothing changed while the check read the file.
        struct stat after
        {
        };
        if (!state.empty() && ::lstat(file.c_str(), &after) == 0 &&
            CheckedState(file, after) == state)
            RecordPassedCheck(file, state);
    }
    // The tables are set up once and the file is stamped; later opens only
    // read the stamp, so a start neither parses the schema nor takes the
    // write lock.
    if (SchemaStamp(connection) != kSchemaStamp)
    {
        if (sqlite3_exec(connection, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
            return Fail(connection, "cannot lock it", attempt.identity);
        if (sqlite3_exec(connection, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
            sqlite3_exec(connection,
                         ("PRAGMA user_version = " + std::to_string(kSchemaStamp)).c_str(), nullptr,
                         nullptr, nullptr) != SQLITE_OK ||
            sqlite3_exec(connection, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            return Fail(connection, "cannot set up its tables", attempt.identity);
    }

    attempt.outcome = OpenOutcome::Opened;
    g_connection = connection;
    return attempt;
}

// An open that fails leaves nothing behind: a file it created is removed
// with the journal files that came with it.
Attempt TryOpen(const std::filesystem::path& file)
{
    const bool hadCompanion[2] = {IdentityAt(file.string() + "-wal").has_value(),
                                  IdentityAt(file.string() + "-shm").has_value()};
    bool created = false;
    Attempt attempt = TryOpenFile(file, &created);
    if (attempt.outcome == OpenOutcome::Opened || !created)
        return attempt;
    ::unlink(file.c_str());
    if (!hadCompanion[0])
        ::unlink((file.string() + "-wal").c_str());
    if (!hadCompanion[1])
        ::unlink((file.string() + "-shm").c_str());
    return attempt;
}

std::string Timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Moves the damaged file (and the journal files that belong to it) aside
// under a name no other file has; returns the new name, empty on failure.
std::filesystem::path MoveAside(const std::filesystem::path& file)
{
    const std::string base = file.string() + ".corrupt-" + Timestamp();
    std::filesystem::path target = base;
    std::error_code error;
    for (int attempt = 1; std::filesystem::exists(target, error) && attempt < 1000; ++attempt)
        target = base + "-" + std::to_string(attempt);
    if (std::rename(file.c_str(), target.c_str()) != 0)
        return {};
    for (const char* suffix : {"-wal", "-shm"})
    {
        const std::filesystem::path companion = file.string() + suffix;
        if (std::filesystem::exists(companion, error))
            std::rename(companion.c_str(), (target.string() + suffix).c_str());
    }
    return target;
}

} // namespace

sqlite3* Connection()
{
    return g_connection;
}

Statement::Statement(const char* sql)
{
    if (g_connection == nullptr)
        return;
    auto found = g_statements.find(std::string_view(sql));
    if (found != g_statements.end())
    {
        statement_ = found->second;
        return;
    }
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v3(g_connection, sql, -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr) !=
        SQLITE_OK)
        return;
    g_statements.emplace(sql, prepared);
    statement_ = prepared;
}

Statement::~Statement()
{
    if (statement_ != nullptr)
    {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
}

Statement& Statement::Bind(int index, std::int64_t value)
{
    if (statement_ != nullptr)
        sqlite3_bind_int64(statement_, index, value);
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text)
{
    if (statement_ != nullptr)
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes)
{
    // A zero-length blob, not NULL: the key columns are NOT NULL.
    if (statement_ != nullptr)
        sqlite3_bind_blob(statement_, index, bytes.empty() ? "" : bytes.data(),
                          static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    return *this;
}

int Statement::Step()
{
    return statement_ != nullptr ? sqlite3_step(statement_) : SQLITE_MISUSE;
}

bool Statement::Run()
{
    return Step() == SQLITE_DONE;
}

std::int64_t Statement::Int(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::Text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text != nullptr
               ? std::string(text,
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
               : std::string();
}

std::string Statement::Blob(int column) const
{
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return bytes != nullptr
               ? std::string(bytes,
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
               : std::string();
}

bool Statement::IsNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

bool Execute(const char* sql)
{
    return g_connection != nullptr &&
           sqlite3_exec(g_connection, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::uint64_t WriteGeneration()
{
    return g_writeGeneration;
}

void NoteWrite()
{
    ++g_writeGeneration;
}

std::uint64_t OrderEpoch()
{
    return g_orderEpoch;
}

void ForgetOrders()
{
    ++g_orderEpoch;
    NoteWrite();
}

std::uint64_t ConnectionEpoch()
{
    return g_connectionEpoch;
}

bool EnsureLiveDatabase()
{
    if (g_connection == nullptr)
        return false;
    if (g_transactionDepth > 0 || IdentityAt(g_file) == g_identity)
        return true;
    // Another process moved the file aside (it was damaged) and started a
    // fresh one: what is written now belongs in the live file, not in the
    // one kept for inspection.
    // Closing the old connection must not remove journal files by their
    // names, which now belong to the live file.
    int persist = 1;
    sqlite3_file_control(g_connection, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    const std::filesystem::path file = g_file;
    return OpenDatabase(file).ok;
}

bool RebuildSortKeysIfStale();

} // namespace store_internal

using namespace store_internal;

std::filesystem::path DatabaseLockFile(const std::filesystem::path& database)
{
    return database.string() + ".lock";
}

DatabaseOpenResult OpenDatabase(const std::filesystem::path& file)
{
    // Closing at exit lets the last connection fold the write-ahead log back
    // into the database file; left open, every later start would have to
    // replay the whole log (a first import is over a megabyte of it).
    static const bool closesAtExit = std::atexit([] { CloseDatabase(); }) == 0;
    (void)closesAtExit;
    CloseDatabase();
    DatabaseOpenResult result;
    auto addLine = [&](const std::string& line)
    { result.note = result.note.empty() ? line : result.note + " " + line; };

    // Judging a file damaged and moving it aside is one step under one lock:
    // a process that judged the old file must never move the fresh one that
    // another process has started (and written to) since.
    const FileLock lock(DatabaseLockFile(file), kOpenLockWait);
    if (!lock.Held())
    {
        addLine("Cannot use the database " + file.string() + " (" + lock.Problem() + ").");
        return result;
    }
    Attempt attempt = TryOpen(file);
    if (attempt.outcome == OpenOutcome::Damaged)
    {
        ReachTestPoint(TestPoint::kDamageJudged);
        // The name must still lead to the file that was judged.
        struct stat now
        {
        };
        const bool same = ::lstat(file.c_str(), &now) == 0 &&
                          FileIdentity{now.st_dev, now.st_ino} == attempt.identity;
        if (!same)
        {
            attempt = TryOpen(file);
        }
        else
        {
            const std::filesystem::path aside = MoveAside(file);
            if (aside.empty())
            {
                addLine("The database " + file.string() + " is damaged (" + attempt.reason +
                        ") and could not be moved aside.");
                return result;
            }
            addLine("The database " + file.string() + " is damaged (" + attempt.reason +
                    "); it was moved to " + aside.string() + " and a fresh one was started.");
            result.movedTo = aside;
            attempt = TryOpen(file);
        }
    }
    if (attempt.outcome != OpenOutcome::Opened)
    {
        addLine("Cannot use the database " + file.string() + " (" + attempt.reason + ").");
        return result;
    }
    g_file = file;
    g_identity = attempt.identity;
    ++g_connectionEpoch;
    if (!RebuildSortKeysIfStale())
        addLine("Cannot rebuild the sort keys of the database " + file.string() + ".");
    result.ok = true;
    return result;
}

void CloseDatabase()
{
    FinalizeAll();
    if (g_connection != nullptr)
        sqlite3_close_v2(g_connection);
    g_connection = nullptr;
    g_transactionDepth = 0;
    g_transactionDoomed = false;
    ForgetOrders();
}

StoreTransaction::StoreTransaction()
{
    if (g_connection == nullptr)
        return;
    if (g_transactionDepth == 0)
    {
        ReachTestPoint(TestPoint::kWriteBegins);
        if (!EnsureLiveDatabase())
            return;
        // IMMEDIATE takes the write lock now (waiting out the busy timeout),
        // so a transaction never fails half-way on another process's lock.
        if (!Execute("BEGIN IMMEDIATE"))
            return;
        g_transactionDoomed = false;
    }
    ++g_transactionDepth;
    active_ = true;
}

StoreTransaction::~StoreTransaction()
{
    if (!active_)
        return;
    active_ = false;
    --g_transactionDepth;
    if (g_transactionDepth > 0)
    {
        g_transactionDoomed = true;
        return;
    }
    if (g_connection != nullptr && sqlite3_get_autocommit(g_connection) == 0)
        Execute("ROLLBACK");
    ForgetOrders();
}

bool StoreTransaction::Commit()
{
    if (!active_)
        return false;
    active_ = false;
    --g_transactionDepth;
    if (g_transactionDepth > 0)
        return !g_transactionDoomed;
    NoteWrite();
    // SQLite itself rolls back after some errors (disk full, I/O); then
    // there is nothing left to commit and the work is lost: say so.
    if (g_connection == nullptr || sqlite3_get_autocommit(g_connection) != 0)
    {
        ForgetOrders();
        return false;
    }
    // Moved aside since the transaction began: committing would report
    // success for work that went into the file kept for inspection.
    ReachTestPoint(TestPoint::kCommitting);
    const bool stillLive = IdentityAt(g_file) == g_identity;
    if (!g_transactionDoomed && stillLive && Execute("COMMIT"))
        return true;
    Execute("ROLLBACK");
    ForgetOrders();
    return false;
}

} // namespace halvo
