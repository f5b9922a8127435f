#include "platform/store/traversal_order.h"

#include "platform/store/database.h"

#include <map>
#include <set>
#include <tuple>

namespace halvo::store_internal
{
namespace
{

bool Before(const OrderEntry& a, const OrderEntry& b)
{
    return std::tie(a.keys, a.identity) < std::tie(b.keys, b.identity);
}

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

} // namespace

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

bool KeepsOrderFor(StoreIdentity store)
{
    static std::set<StoreIdentity> seekedBefore;
    if (KeptOrder(store) != nullptr)
        return true;
    return !seekedBefore.insert(store).second;
}

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

} // namespace halvo::store_internal
