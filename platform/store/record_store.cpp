#include "platform/store/record_store.h"

#include "platform/store/database.h"
#include "platform/store/record_encoding.h"
#include "platform/store/sort_key.h"
#include "platform/store/traversal_order.h"

#include <limits>

namespace halvo
{

using namespace store_internal;

namespace
{

void ComputeKeys(const Record& record, const std::vector<SortOrder>& sortOrders,
                 std::string (&keys)[kMaxSortOrders])
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

// The same record as kSeekSql's, its body only.
constexpr const char* kReadEqualSql[kMaxSortOrders] = {
    "SELECT body FROM records WHERE store_id = ?1 AND key1 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
    "SELECT body FROM records WHERE store_id = ?1 AND key2 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
    "SELECT body FROM records WHERE store_id = ?1 AND key3 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
    "SELECT body FROM records WHERE store_id = ?1 AND key4 = ?2 "
    "ORDER BY key1, key2, key3, key4, id LIMIT 1",
};

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
    connectionEpoch_ = ConnectionEpoch();
    typeTag_ = static_cast<std::uint32_t>(query.Int(0));
    sortOrders_ = LoadSortOrders(identity);
    return true;
}

bool RecordStore::Open(const std::string& name)
{
    Close();
    EnsureLiveDatabase();
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
    pages_.Clear();
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
        pages_.StartAt(identity_, cursor_, keys, identity);
        return cursor_;
    }
    // Any other property: the first record in traversal order whose value
    // is exactly the one asked for.
    for (int position = 0;; ++position)
    {
        const CachedRecord* row = pages_.At(identity_, position);
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

std::optional<Record> RecordStore::ReadFirstEqual(std::uint16_t propertyId,
                                                  const PropertyValue& value)
{
    if (!IsOpen())
        return std::nullopt;
    const Property wanted{propertyId, value};
    for (std::size_t rank = 0; rank < sortOrders_.size(); ++rank)
    {
        if (sortOrders_[rank].propertyId != propertyId)
            continue;
        Statement read(kReadEqualSql[rank]);
        read.Bind(1, identity_).BindBlob(2, SortKey(&wanted, sortOrders_[rank].flags));
        if (read.Step() != SQLITE_ROW)
            return std::nullopt;
        return DecodeRecord(read.Blob(0));
    }
    // Without a sort order on the property the search walks the store anyway.
    const int position = cursor_;
    const RecordIdentity current = current_;
    std::optional<Record> record;
    if (SeekFirstEqual(propertyId, value) >= 0)
        record = ReadCurrent();
    cursor_ = position;
    current_ = current;
    return record;
}

bool RecordStore::SeekToPosition(int position)
{
    const CachedRecord* row = pages_.At(identity_, position);
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
    const CachedRecord* row = pages_.At(identity_, cursor_);
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

bool RecordStore::OnLiveConnection() const
{
    // Identities found in a file that has since been moved aside may name
    // other records in the live one: such a write fails rather than lands
    // on the wrong record or in the moved file.
    return IsOpen() && EnsureLiveDatabase() && ConnectionEpoch() == connectionEpoch_;
}

bool RecordStore::MakeKeys(const Record& record, std::string (&keys)[kMaxSortOrders]) const
{
    if (!OnLiveConnection() || HasRepeatedId(record))
        return false;
    ComputeKeys(record, sortOrders_, keys);
    return true;
}

bool RecordStore::WriteCurrent(const Record& record)
{
    std::string keys[kMaxSortOrders];
    if (!MakeKeys(record, keys))
        return false;
    RecordIdentity target = current_;
    if (target == 0)
    {
        const CachedRecord* row = pages_.At(identity_, cursor_);
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
    std::string keys[kMaxSortOrders];
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
    if (identity == 0 || !OnLiveConnection())
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
            std::string keys[kMaxSortOrders];
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
