#include "platform/store/record_store.h"

#include "platform/store/database.h"
#include "platform/store/sort_key.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

namespace halvo
{

using namespace store_internal;

namespace
{

// How many records one query brings into a cursor's page: a few after a
// seek (usually one record is read), many once a traversal is under way.
constexpr int kSeekPageSize = 16;
constexpr int kPageSize = 512;

// A record's body is its properties in order: id (2 bytes), type (1 byte),
// then the value: text as a 4-byte length and its UTF-8 bytes, a 32-bit
// number in 4 bytes, a 16-bit one in 2; all little-endian.
enum PropertyType : unsigned char
{
    kText = 0,
    kInt32 = 1,
    kUint16 = 2
};

void PutUnsigned(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t GetUnsigned(const std::string& in, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(
                     static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]))
                 << (8 * i);
    return value;
}

std::string EncodeRecord(const Record& record)
{
    std::string body;
    for (const Property& property : record)
    {
        PutUnsigned(body, property.id, 2);
        if (const auto* text = std::get_if<std::string>(&property.value))
        {
            body.push_back(static_cast<char>(kText));
            PutUnsigned(body, static_cast<std::uint32_t>(text->size()), 4);
            body += *text;
        }
        else if (const auto* number = std::get_if<std::int32_t>(&property.value))
        {
            body.push_back(static_cast<char>(kInt32));
            PutUnsigned(body, static_cast<std::uint32_t>(*number), 4);
        }
        else
        {
            body.push_back(static_cast<char>(kUint16));
            PutUnsigned(body, std::get<std::uint16_t>(property.value), 2);
        }
    }
    return body;
}

std::optional<Record> DecodeRecord(const std::string& body)
{
    Record record;
    record.reserve(8);
    std::size_t at = 0;
    auto has = [&](std::size_t bytes) { return body.size() - at >= bytes; };
    while (at < body.size())
    {
        if (!has(3))
            return std::nullopt;
        Property property;
        property.id = static_cast<std::uint16_t>(GetUnsigned(body, at, 2));
        const auto type = static_cast<unsigned char>(body[at + 2]);
        at += 3;
        if (type == kText)
        {
            if (!has(4))
                return std::nullopt;
            const std::size_t length = GetUnsigned(body, at, 4);
            at += 4;
            if (!has(length))
                return std::nullopt;
            property.value = body.substr(at, length);
            at += length;
        }
        else if (type == kInt32)
        {
            if (!has(4))
                return std::nullopt;
            property.value = static_cast<std::int32_t>(GetUnsigned(body, at, 4));
            at += 4;
        }
        else if (type == kUint16)
        {
            if (!has(2))
                return std::nullopt;
            property.value = static_cast<std::uint16_t>(GetUnsigned(body, at, 2));
            at += 2;
        }
        else
        {
            return std::nullopt;
        }
        record.push_back(std::move(property));
    }
    return record;
}

bool HasRepeatedId(const Record& record)
{
    std::set<std::uint16_t> seen;
    for (const Property& property : record)
        if (!seen.insert(property.id).second)
            return true;
    return false;
}

void ComputeKeys(const Record& record, const std::vector<SortOrder>& sortOrders,
                 std::string (&keys)[4])
{
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
    {
        const auto index = static_cast<std::size_t>(rank);
        keys[rank] = index < sortOrders.size()
                         ? SortKey(FindProperty(record, sortOrders[index].propertyId),
                                   sortOrders[index].flags)
                         : std::string();
    }
}

std::vector<SortOrder> LoadSortOrders(StoreIdentity store)
{
    std::vector<SortOrder> orders;
    Statement query("SELECT property_id, flags FROM sort_orders WHERE store_id = ?1 ORDER BY rank");
    query.Bind(1, store);
    while (query.Step() == SQLITE_ROW)
        orders.push_back(
            {static_cast<std::uint16_t>(query.Int(0)), static_cast<std::uint32_t>(query.Int(1))});
    return orders;
}

bool ValueEquals(const PropertyValue& stored, const PropertyValue& wanted)
{
    auto asNumber = [](const PropertyValue& value) -> std::optional<std::int64_t>
    {
        if (const auto* number = std::get_if<std::int32_t>(&value))
            return *number;
        if (const auto* number = std::get_if<std::uint16_t>(&value))
            return *number;
        return std::nullopt;
    };
    if (const auto* text = std::get_if<std::string>(&stored))
    {
        const auto* other = std::get_if<std::string>(&wanted);
        return other != nullptr && *other == *text;
    }
    return asNumber(stored) == asNumber(wanted);
}

constexpr const char* kSeekSql[kMaxSortOrders] = {
    "SELECT id, key1, key2, key3, key4 FROM records WHERE store_id = ?1 AND key1 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
    "SELECT id, key1, key2, key3, key4 FROM records WHERE store_id = ?1 AND key2 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
    "SELECT id, key1, key2, key3, key4 FROM records WHERE store_id = ?1 AND key3 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
    "SELECT id, key1, key2, key3, key4 FROM records WHERE store_id = ?1 AND key4 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
};

// The traversal order of a store, kept in memory so that a position and the
// record at it are found without counting index entries (a city lookup goes
// name -> position -> record). Built with one index-only scan, then kept in
// step with this process's own writes; dropped when another process commits
// (the connection's data_version changes), a transaction rolls back or the
// database is reopened.
struct OrderEntry
{
    std::array<std::string, kMaxSortOrders> keys;
    RecordIdentity identity = 0;
    // Keys are read only for the few entries a binary search visits, so
    // building the order stays one scan of identities.
    bool keysKnown = false;
};

bool Before(const OrderEntry& a, const OrderEntry& b)
{
    return std::tie(a.keys, a.identity) < std::tie(b.keys, b.identity);
}

struct TraversalOrder
{
    StoreIdentity store = 0;
    std::uint64_t epoch = 0;
    std::int64_t dataVersion = -1;
    std::vector<OrderEntry> entries;
};

std::optional<OrderEntry> StoredEntry(StoreIdentity store, RecordIdentity identity);

// First position whose entry does not come before the given one (upper:
// first that comes after it); -1 when a key cannot be read.
int SearchOrder(TraversalOrder& order, const OrderEntry& entry, bool upper)
{
    std::size_t low = 0;
    std::size_t high = order.entries.size();
    while (low < high)
    {
        const std::size_t middle = low + (high - low) / 2;
        OrderEntry& probe = order.entries[middle];
        if (!probe.keysKnown)
        {
            const std::optional<OrderEntry> stored = StoredEntry(order.store, probe.identity);
            if (!stored)
                return -1;
            probe.keys = stored->keys;
            probe.keysKnown = true;
        }
        const bool goRight = upper ? !Before(entry, probe) : Before(probe, entry);
        if (goRight)
            low = middle + 1;
        else
            high = middle;
    }
    return static_cast<int>(low);
}

std::map<StoreIdentity, TraversalOrder>& OrderCache()
{
    static std::map<StoreIdentity, TraversalOrder> cache;
    return cache;
}

std::int64_t DataVersion()
{
    Statement query("PRAGMA data_version");
    return query.Step() == SQLITE_ROW ? query.Int(0) : -1;
}

// The kept order of a store if it can still be trusted, else nullptr.
TraversalOrder* KeptOrder(StoreIdentity store)
{
    auto found = OrderCache().find(store);
    if (found == OrderCache().end())
        return nullptr;
    if (found->second.epoch != OrderEpoch() || found->second.dataVersion != DataVersion() ||
        found->second.dataVersion < 0)
    {
        OrderCache().erase(found);
        return nullptr;
    }
    return &found->second;
}

TraversalOrder& OrderOf(StoreIdentity store)
{
    if (TraversalOrder* kept = KeptOrder(store))
        return *kept;
    TraversalOrder& order = OrderCache()[store];
    order.store = store;
    order.epoch = OrderEpoch();
    order.dataVersion = DataVersion();
    Statement query(
        "SELECT id FROM records WHERE store_id = ?1 ORDER BY key1, key2, key3, key4, id");
    query.Bind(1, store);
    while (query.Step() == SQLITE_ROW)
    {
        OrderEntry entry;
        entry.identity = static_cast<RecordIdentity>(query.Int(0));
        order.entries.push_back(std::move(entry));
    }
    return order;
}

// A process that seeks a store once (a command-line run) counts the
// position through the index; from the second seek on (a running window) it
// keeps the store's order, so later seeks cost a binary search.
bool KeepsOrderFor(StoreIdentity store)
{
    static std::set<StoreIdentity> seekedBefore;
    if (KeptOrder(store) != nullptr)
        return true;
    return !seekedBefore.insert(store).second;
}

// Position of a record counted through the index, for a process that holds
// no order of the store yet: a one-off lookup need not build the whole order.
int CountBefore(StoreIdentity store, const std::string (&keys)[kMaxSortOrders],
                RecordIdentity identity)
{
    Statement query("SELECT COUNT(*) FROM records WHERE store_id = ?1 AND "
                    "(key1, key2, key3, key4, id) < (?2, ?3, ?4, ?5, ?6)");
    query.Bind(1, store);
    for (int column = 0; column < kMaxSortOrders; ++column)
        query.BindBlob(2 + column, keys[column]);
    query.Bind(6, identity);
    return query.Step() == SQLITE_ROW ? static_cast<int>(query.Int(0)) : -1;
}

// Position of a record in the kept order, -1 when it is not there.
int PositionIn(TraversalOrder& order, const OrderEntry& entry)
{
    const int position = SearchOrder(order, entry, false);
    if (position < 0 || static_cast<std::size_t>(position) >= order.entries.size() ||
        order.entries[static_cast<std::size_t>(position)].identity != entry.identity)
        return -1;
    return position;
}

void KeepInOrder(StoreIdentity store, const OrderEntry* removed, const OrderEntry* added)
{
    TraversalOrder* order = KeptOrder(store);
    if (order == nullptr)
        return;
    if (removed != nullptr)
    {
        const int position = PositionIn(*order, *removed);
        if (position < 0)
        {
            OrderCache().erase(store);
            return;
        }
        order->entries.erase(order->entries.begin() + position);
    }
    if (added != nullptr)
    {
        const int position = SearchOrder(*order, *added, true);
        if (position < 0)
        {
            OrderCache().erase(store);
            return;
        }
        OrderEntry entry = *added;
        entry.keysKnown = true;
        order->entries.insert(order->entries.begin() + position, std::move(entry));
    }
}

std::optional<OrderEntry> StoredEntry(StoreIdentity store, RecordIdentity identity)
{
    Statement query("SELECT key1, key2, key3, key4 FROM records WHERE id = ?1 AND store_id = ?2");
    query.Bind(1, identity).Bind(2, store);
    if (query.Step() != SQLITE_ROW)
        return std::nullopt;
    OrderEntry entry;
    entry.identity = identity;
    entry.keysKnown = true;
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
        entry.keys[static_cast<std::size_t>(rank)] = query.Blob(rank);
    return entry;
}

OrderEntry EntryOf(const std::string (&keys)[kMaxSortOrders], RecordIdentity identity)
{
    OrderEntry entry;
    entry.identity = identity;
    entry.keysKnown = true;
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
        entry.keys[static_cast<std::size_t>(rank)] = keys[rank];
    return entry;
}

} // namespace

const Property* FindProperty(const Record& record, std::uint16_t id)
{
    for (const Property& property : record)
        if (property.id == id)
            return &property;
    return nullptr;
}

std::string TextProperty(const Record& record, std::uint16_t id)
{
    const Property* property = FindProperty(record, id);
    if (property == nullptr)
        return {};
    const auto* text = std::get_if<std::string>(&property->value);
    return text != nullptr ? *text : std::string();
}

std::int32_t IntProperty(const Record& record, std::uint16_t id)
{
    const Property* property = FindProperty(record, id);
    if (property == nullptr)
        return 0;
    if (const auto* number = std::get_if<std::int32_t>(&property->value))
        return *number;
    if (const auto* number = std::get_if<std::uint16_t>(&property->value))
        return *number;
    return 0;
}

RecordStore::~RecordStore()
{
    Close();
}

bool RecordStore::Exists(const std::string& name)
{
    Statement query("SELECT 1 FROM stores WHERE name = ?1");
    query.Bind(1, name);
    return query.Step() == SQLITE_ROW;
}

StoreIdentity RecordStore::Create(const std::string& name, std::uint32_t typeTag,
                                  const std::vector<SortOrder>& sortOrders)
{
    if (name.empty() || sortOrders.size() > static_cast<std::size_t>(kMaxSortOrders))
        return 0;
    StoreTransaction transaction;
    if (!transaction.Active() || Exists(name))
        return 0;
    Statement insert("INSERT INTO stores(name, type_tag) VALUES(?1, ?2)");
    insert.Bind(1, name).Bind(2, typeTag);
    if (!insert.Run())
        return 0;
    const sqlite3_int64 identity = sqlite3_last_insert_rowid(Connection());
    if (identity <= 0 || identity > std::numeric_limits<StoreIdentity>::max())
        return 0;
    for (std::size_t rank = 0; rank < sortOrders.size(); ++rank)
    {
        Statement order(
            "INSERT INTO sort_orders(store_id, rank, property_id, flags) VALUES(?1, ?2, ?3, ?4)");
        order.Bind(1, identity)
            .Bind(2, static_cast<std::int64_t>(rank))
            .Bind(3, sortOrders[rank].propertyId)
            .Bind(4, sortOrders[rank].flags);
        if (!order.Run())
            return 0;
    }
    NoteWrite();
    return transaction.Commit() ? static_cast<StoreIdentity>(identity) : 0;
}

bool RecordStore::Load(StoreIdentity identity)
{
    Close();
    Statement query("SELECT type_tag FROM stores WHERE id = ?1");
    query.Bind(1, identity);
    if (query.Step() != SQLITE_ROW)
        return false;
    identity_ = identity;
    typeTag_ = static_cast<std::uint32_t>(query.Int(0));
    sortOrders_ = LoadSortOrders(identity);
    return true;
}

bool RecordStore::Open(const std::string& name)
{
    Close();
    StoreIdentity identity = 0;
    {
        Statement query("SELECT id FROM stores WHERE name = ?1");
        query.Bind(1, name);
        if (query.Step() != SQLITE_ROW)
            return false;
        identity = static_cast<StoreIdentity>(query.Int(0));
    }
    return Load(identity);
}

bool RecordStore::Open(StoreIdentity identity)
{
    Close();
    return identity != 0 && Load(identity);
}

bool RecordStore::IsOpen() const
{
    return identity_ != 0;
}

void RecordStore::Close()
{
    identity_ = 0;
    typeTag_ = 0;
    sortOrders_.clear();
    cursor_ = 0;
    current_ = 0;
    page_.clear();
    pageStart_ = 0;
    pageReachesEnd_ = false;
}

StoreIdentity RecordStore::Identity() const
{
    return identity_;
}

std::uint32_t RecordStore::TypeTag() const
{
    return typeTag_;
}

int RecordStore::Count() const
{
    if (!IsOpen())
        return 0;
    return static_cast<int>(OrderOf(identity_).entries.size());
}

void RecordStore::FetchPage(int position, const std::string (&keys)[4], RecordIdentity from,
                            bool inclusive, int limit)
{
    page_.clear();
    pageStart_ = position;
    pageGeneration_ = WriteGeneration();
    auto fill = [this, limit](Statement& query)
    {
        while (query.Step() == SQLITE_ROW)
        {
            page_.push_back({static_cast<RecordIdentity>(query.Int(0)), query.Blob(5)});
            // Only a full page has a next one, which starts after its last key.
            if (static_cast<int>(page_.size()) == limit)
                for (int rank = 0; rank < kMaxSortOrders; ++rank)
                    pageLastKeys_[rank] = query.Blob(1 + rank);
        }
        pageReachesEnd_ = static_cast<int>(page_.size()) < limit;
    };
    // Starting from a known record goes through the index rather than
    // counting rows from the start of the store.
    Statement query(
        inclusive ? "SELECT id, key1, key2, key3, key4, body FROM records "
                    "WHERE store_id = ?1 AND (key1, key2, key3, key4, id) >= (?2, ?3, ?4, ?5, ?6) "
                    "ORDER BY key1, key2, key3, key4, id LIMIT ?7"
                  : "SELECT id, key1, key2, key3, key4, body FROM records "
                    "WHERE store_id = ?1 AND (key1, key2, key3, key4, id) > (?2, ?3, ?4, ?5, ?6) "
                    "ORDER BY key1, key2, key3, key4, id LIMIT ?7");
    query.Bind(1, identity_);
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
        query.BindBlob(2 + rank, keys[rank]);
    query.Bind(6, from).Bind(7, limit);
    fill(query);
}

const RecordStore::CachedRecord* RecordStore::RecordAt(int position)
{
    if (!IsOpen() || position < 0)
        return nullptr;
    if (pageGeneration_ != WriteGeneration())
    {
        page_.clear();
        pageReachesEnd_ = false;
    }
    const int pageEnd = pageStart_ + static_cast<int>(page_.size());
    if (position == 0 && (pageStart_ != 0 || page_.empty()))
    {
        // Every key sorts at or after the empty key: the first page needs
        // no traversal order.
        const std::string noKeys[kMaxSortOrders];
        FetchPage(0, noKeys, 0, true, kSeekPageSize);
    }
    else if (position < pageStart_ || position > pageEnd || page_.empty())
    {
        const TraversalOrder& order = OrderOf(identity_);
        if (static_cast<std::size_t>(position) >= order.entries.size())
            return nullptr;
        const std::optional<OrderEntry> entry =
            StoredEntry(identity_, order.entries[static_cast<std::size_t>(position)].identity);
        if (!entry)
            return nullptr;
        std::string keys[kMaxSortOrders];
        for (int rank = 0; rank < kMaxSortOrders; ++rank)
            keys[rank] = entry->keys[static_cast<std::size_t>(rank)];
        FetchPage(position, keys, entry->identity, true, kSeekPageSize);
    }
    else if (position == pageEnd)
    {
        if (pageReachesEnd_)
            return nullptr;
        // The next page of a traversal starts after the last record held.
        const std::string lastKeys[4] = {pageLastKeys_[0], pageLastKeys_[1], pageLastKeys_[2],
                                         pageLastKeys_[3]};
        FetchPage(position, lastKeys, page_.back().identity, false, kPageSize);
    }
    if (position >= pageStart_ + static_cast<int>(page_.size()))
        return nullptr;
    return &page_[static_cast<std::size_t>(position - pageStart_)];
}

int RecordStore::SeekFirstEqual(std::uint16_t propertyId, const PropertyValue& value)
{
    if (!IsOpen())
        return -1;
    const Property wanted{propertyId, value};
    for (std::size_t rank = 0; rank < sortOrders_.size(); ++rank)
    {
        if (sortOrders_[rank].propertyId != propertyId)
            continue;
        // A property under a sort order is found through its key, so the
        // comparison is the sort order's own (case-insensitive for flag 2).
        Statement seek(kSeekSql[rank]);
        seek.Bind(1, identity_).BindBlob(2, SortKey(&wanted, sortOrders_[rank].flags));
        if (seek.Step() != SQLITE_ROW)
            return -1;
        const auto identity = static_cast<RecordIdentity>(seek.Int(0));
        std::string keys[kMaxSortOrders];
        for (int column = 0; column < kMaxSortOrders; ++column)
            keys[column] = seek.Blob(1 + column);
        const int position = KeepsOrderFor(identity_)
                                 ? PositionIn(OrderOf(identity_), EntryOf(keys, identity))
                                 : CountBefore(identity_, keys, identity);
        if (position < 0)
            return -1;
        cursor_ = position;
        current_ = identity;
        // The page a following read needs starts at the found record.
        FetchPage(cursor_, keys, identity, true, kSeekPageSize);
        return cursor_;
    }
    // Any other property: the first record in traversal order whose value
    // is exactly the one asked for.
    for (int position = 0;; ++position)
    {
        const CachedRecord* row = RecordAt(position);
        if (row == nullptr)
            return -1;
        const std::optional<Record> record = DecodeRecord(row->body);
        const Property* property = record ? FindProperty(*record, propertyId) : nullptr;
        if (property != nullptr && ValueEquals(property->value, value))
        {
            cursor_ = position;
            current_ = row->identity;
            return position;
        }
    }
}

bool RecordStore::SeekToPosition(int position)
{
    const CachedRecord* row = RecordAt(position);
    if (row == nullptr)
        return false;
    cursor_ = position;
    current_ = row->identity;
    return true;
}

int RecordStore::CurrentPosition() const
{
    return IsOpen() && cursor_ < Count() ? cursor_ : -1;
}

std::optional<Record> RecordStore::ReadCurrent(RecordIdentity* identity)
{
    const CachedRecord* row = RecordAt(cursor_);
    if (row == nullptr)
        return std::nullopt;
    std::optional<Record> record = DecodeRecord(row->body);
    if (!record)
        return std::nullopt;
    if (identity != nullptr)
        *identity = row->identity;
    current_ = row->identity;
    ++cursor_;
    return record;
}

bool RecordStore::MakeKeys(const Record& record, std::string (&keys)[4]) const
{
    if (!IsOpen() || HasRepeatedId(record))
        return false;
    ComputeKeys(record, sortOrders_, keys);
    return true;
}

bool RecordStore::WriteCurrent(const Record& record)
{
    std::string keys[4];
    if (!MakeKeys(record, keys))
        return false;
    RecordIdentity target = current_;
    if (target == 0)
    {
        const CachedRecord* row = RecordAt(cursor_);
        if (row == nullptr)
            return false;
        target = row->identity;
    }
    Statement update("UPDATE records SET key1 = ?1, key2 = ?2, key3 = ?3, key4 = ?4, body = ?5 "
                     "WHERE id = ?6 AND store_id = ?7");
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
        update.BindBlob(1 + rank, keys[rank]);
    update.BindBlob(5, EncodeRecord(record)).Bind(6, target).Bind(7, identity_);
    const std::optional<OrderEntry> before = StoredEntry(identity_, target);
    const bool written = before && update.Run() && sqlite3_changes(Connection()) == 1;
    NoteWrite();
    if (written)
    {
        const OrderEntry after = EntryOf(keys, target);
        KeepInOrder(identity_, &*before, &after);
    }
    return written;
}

bool RecordStore::Append(const Record& record)
{
    std::string keys[4];
    if (!MakeKeys(record, keys))
        return false;
    Statement insert("INSERT INTO records(store_id, key1, key2, key3, key4, body) VALUES(?1, ?2, "
                     "?3, ?4, ?5, ?6)");
    insert.Bind(1, identity_);
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
        insert.BindBlob(2 + rank, keys[rank]);
    insert.BindBlob(6, EncodeRecord(record));
    const bool written = insert.Run();
    NoteWrite();
    if (written)
    {
        const sqlite3_int64 identity = sqlite3_last_insert_rowid(Connection());
        const OrderEntry added = EntryOf(keys, static_cast<RecordIdentity>(identity));
        KeepInOrder(identity_, nullptr, &added);
    }
    return written;
}

bool RecordStore::Delete(RecordIdentity identity)
{
    if (!IsOpen() || identity == 0)
        return false;
    const std::optional<OrderEntry> removed = StoredEntry(identity_, identity);
    if (!removed)
        return false;
    Statement erase("DELETE FROM records WHERE id = ?1 AND store_id = ?2");
    erase.Bind(1, identity).Bind(2, identity_);
    const bool deleted = erase.Run() && sqlite3_changes(Connection()) == 1;
    if (deleted && current_ == identity)
        current_ = 0;
    NoteWrite();
    if (deleted)
        KeepInOrder(identity_, &*removed, nullptr);
    return deleted;
}

RecordIdentity RecordStore::IdentityAt(int position) const
{
    if (!IsOpen() || position < 0)
        return 0;
    const TraversalOrder& order = OrderOf(identity_);
    return static_cast<std::size_t>(position) < order.entries.size()
               ? order.entries[static_cast<std::size_t>(position)].identity
               : 0;
}

namespace store_internal
{

// Stored keys are only comparable with keys made by the same collation. A
// new ICU may order texts differently, so the keys are made again from the
// record bodies before any store is used.
bool RebuildSortKeysIfStale()
{
    const std::string version = SortKeyVersion();
    {
        Statement query("SELECT value FROM meta WHERE name = 'sort_keys'");
        if (query.Step() == SQLITE_ROW && query.Text(0) == version)
            return true;
    }
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    std::vector<std::pair<StoreIdentity, std::vector<SortOrder>>> stores;
    {
        Statement query("SELECT id FROM stores");
        while (query.Step() == SQLITE_ROW)
            stores.emplace_back(static_cast<StoreIdentity>(query.Int(0)), std::vector<SortOrder>());
    }
    for (auto& [store, orders] : stores)
    {
        orders = LoadSortOrders(store);
        std::vector<std::pair<std::int64_t, std::string>> bodies;
        {
            Statement query("SELECT id, body FROM records WHERE store_id = ?1");
            query.Bind(1, store);
            while (query.Step() == SQLITE_ROW)
                bodies.emplace_back(query.Int(0), query.Blob(1));
        }
        for (const auto& [identity, body] : bodies)
        {
            const std::optional<Record> record = DecodeRecord(body);
            if (!record)
                continue;
            std::string keys[4];
            ComputeKeys(*record, orders, keys);
            Statement update(
                "UPDATE records SET key1 = ?1, key2 = ?2, key3 = ?3, key4 = ?4 WHERE id = ?5");
            for (int rank = 0; rank < kMaxSortOrders; ++rank)
                update.BindBlob(1 + rank, keys[rank]);
            update.Bind(5, identity);
            if (!update.Run())
                return false;
        }
    }
    Statement remember("INSERT OR REPLACE INTO meta(name, value) VALUES('sort_keys', ?1)");
    remember.Bind(1, version);
    if (!remember.Run())
        return false;
    return transaction.Commit();
}

} // namespace store_internal
} // namespace halvo
