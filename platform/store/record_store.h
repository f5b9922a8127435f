#pragma once

#include "platform/store/record_cursor.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace halvo
{

// A typed property value: text (UTF-8), a 32-bit signed or an unsigned
// 16-bit integer.
using PropertyValue = std::variant<std::string, std::int32_t, std::uint16_t>;

struct Property
{
    std::uint16_t id = 0;
    PropertyValue value;
};

// A record is a list of properties; no id appears twice in one record.
using Record = std::vector<Property>;

// Appends one property, built in place: copying a text variant into a
// brace list trips a false "may be used uninitialized" warning in g++ 12.
template <typename Value> void PutProperty(Record& record, std::uint16_t id, const Value& value)
{
    Property& property = record.emplace_back();
    property.id = id;
    property.value.template emplace<Value>(value);
}

// Finds a property of a record; nullptr when the record has none of that id.
const Property* FindProperty(const Record& record, std::uint16_t id);
std::string TextProperty(const Record& record, std::uint16_t id); // "" when absent or not text
std::int32_t IntProperty(const Record& record, std::uint16_t id); // 0 when absent or not a number

inline constexpr std::uint32_t kSortCaseInsensitive = 2;

struct SortOrder
{
    std::uint16_t propertyId = 0;
    std::uint32_t flags = 0;
};

// The one database file that holds every store and the registry. Opened
// once per process before any store is used. A file that is not a valid
// database is renamed aside (never deleted) and a fresh one is started; the
// returned note then says so in one line naming the file, else it is empty.
struct DatabaseOpenResult
{
    bool ok = false;
    std::string note;
    std::filesystem::path movedTo; // where a damaged file went, when it was moved
};
DatabaseOpenResult OpenDatabase(const std::filesystem::path& file);
void CloseDatabase();
// The lock file beside a database. Opening the database holds it; so do
// the start-up data steps, so that one start at a time copies and imports.
std::filesystem::path DatabaseLockFile(const std::filesystem::path& database);

// Groups several writes into one durable commit (an import, a rewrite).
// Rolls back when destroyed without Commit(). A transaction that could not
// begin (the write lock never came) is not Active(): its caller must stop
// before writing, or each write would be committed on its own.
class StoreTransaction
{
  public:
    StoreTransaction();
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;
    bool Active() const { return active_; }
    bool Commit();

  private:
    bool active_ = false;
};

// A named store of records with a type tag and sort orders. Records are
// traversed in the order of the first sort order, ties broken by the next
// sort orders and then by insertion. Positions are 0-based indices in that
// order. Every write is durable when the call returns (or at the commit of
// the enclosing StoreTransaction).
class RecordStore
{
  public:
    RecordStore() = default;
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    static bool Exists(const std::string& name);
    // The new store's identity, or 0 on failure (also when it already exists).
    static StoreIdentity Create(const std::string& name, std::uint32_t typeTag,
                                const std::vector<SortOrder>& sortOrders);

    // Open by name or identity; the cursor stands on the first record.
    bool Open(const std::string& name);
    bool Open(StoreIdentity identity);
    bool IsOpen() const;
    void Close();

    StoreIdentity Identity() const;
    std::uint32_t TypeTag() const;
    int Count() const;

    // Moves the cursor to the first record whose property equals the value
    // under the comparison of the sort order on that property (case-
    // insensitive text for flag 2). Returns the position, or -1.
    int SeekFirstEqual(std::uint16_t propertyId, const PropertyValue& value);
    bool SeekToPosition(int position);
    int CurrentPosition() const; // -1 past the end
    // The record SeekFirstEqual finds, read without working out its
    // position (a count through the index) and without moving the cursor.
    std::optional<Record> ReadFirstEqual(std::uint16_t propertyId, const PropertyValue& value);

    // The record under the cursor with its identity; the cursor then moves
    // to the next record, so repeated reads traverse the store.
    std::optional<Record> ReadCurrent(RecordIdentity* identity = nullptr);
    // Replaces the current record in place: the one just read by
    // ReadCurrent, else the one the cursor stands on after a seek or Open.
    // Its identity stays, and so does its position while its sort
    // properties keep their values. Refuses a record with an id twice.
    bool WriteCurrent(const Record& record);
    // Adds a record; the cursor keeps its position. Refuses a record with an
    // id twice.
    bool Append(const Record& record);
    // Removes a record of this store; false when it has no such record.
    bool Delete(RecordIdentity identity);
    // Identity of the record at a position, 0 when there is none.
    RecordIdentity IdentityAt(int position) const;
    const std::vector<SortOrder>& SortOrders() const { return sortOrders_; }

  private:
    bool Load(StoreIdentity identity);
    bool MakeKeys(const Record& record, std::string (&keys)[kMaxSortOrders]) const;
    bool OnLiveConnection() const;

    StoreIdentity identity_ = 0;
    std::uint64_t connectionEpoch_ = 0; // the connection identity_ belongs to
    std::uint32_t typeTag_ = 0;
    std::vector<SortOrder> sortOrders_;
    int cursor_ = 0;
    // The record WriteCurrent replaces.
    RecordIdentity current_ = 0;
    store_internal::RecordPages pages_;
};

} // namespace halvo
