#pragma once

// The traversal order of a store, kept in memory so that a position and the
// record at it are found without counting index entries (a city lookup goes
// name -> position -> record). Built with one index-only scan, then kept in
// step with this process's own writes; dropped when another process commits
// (the connection's data_version changes), a transaction rolls back or the
// database is reopened. Internal to platform/store.

#include "platform/store/record_store.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace halvo::store_internal
{

struct OrderEntry
{
    std::array<std::string, kMaxSortOrders> keys;
    RecordIdentity identity = 0;
    // Keys are read only for the few entries a binary search visits, so
    // building the order stays one scan of identities.
    bool keysKnown = false;
};

struct TraversalOrder
{
    StoreIdentity store = 0;
    std::uint64_t epoch = 0;
    std::int64_t dataVersion = -1;
    std::vector<OrderEntry> entries;
};

// The store's order as this process keeps it, built first when it is not
// kept or can no longer be trusted.
TraversalOrder& OrderOf(StoreIdentity store);

// A process that seeks a store once (a command-line run) counts the
// position through the index; from the second seek on (a running window) it
// keeps the store's order, so later seeks cost a binary search.
bool KeepsOrderFor(StoreIdentity store);

// Position of a record counted through the index, for a process that holds
// no order of the store yet: a one-off lookup need not build the whole order.
int CountBefore(StoreIdentity store, const std::string (&keys)[kMaxSortOrders],
                RecordIdentity identity);

// Position of a record in the kept order, -1 when it is not there.
int PositionIn(TraversalOrder& order, const OrderEntry& entry);

// Keeps a kept order in step with a write of this process: a record removed,
// added, or both (a rewrite that may move it). An order that cannot be kept
// right is dropped and built again when next needed.
void KeepInOrder(StoreIdentity store, const OrderEntry* removed, const OrderEntry* added);

// The keys of a stored record; nothing when the store holds no such record.
std::optional<OrderEntry> StoredEntry(StoreIdentity store, RecordIdentity identity);
OrderEntry EntryOf(const std::string (&keys)[kMaxSortOrders], RecordIdentity identity);

} // namespace halvo::store_internal
