#include "platform/store/record_cursor.h"

#include "platform/store/database.h"
#include "platform/store/traversal_order.h"

namespace halvo::store_internal
{
namespace
{

// How many records one query brings into a page: a few after a seek
// (usually one record is read), many once a traversal is under way.
constexpr int kSeekPageSize = 16;
constexpr int kPageSize = 512;

} // namespace

void RecordPages::Clear()
{
    page_.clear();
    start_ = 0;
    reachesEnd_ = false;
}

void RecordPages::StartAt(StoreIdentity store, int position,
                          const std::string (&keys)[kMaxSortOrders], RecordIdentity identity)
{
    Fetch(store, position, keys, identity, true, kSeekPageSize);
}

void RecordPages::Fetch(StoreIdentity store, int position,
                        const std::string (&keys)[kMaxSortOrders], RecordIdentity from,
                        bool inclusive, int limit)
{
    page_.clear();
    start_ = position;
    generation_ = WriteGeneration();
    auto fill = [this, limit](Statement& query)
    {
        while (query.Step() == SQLITE_ROW)
        {
            page_.push_back({static_cast<RecordIdentity>(query.Int(0)), query.Blob(5)});
            // Only a full page has a next one, which starts after its last key.
            if (static_cast<int>(page_.size()) == limit)
                for (int rank = 0; rank < kMaxSortOrders; ++rank)
                    lastKeys_[rank] = query.Blob(1 + rank);
        }
        reachesEnd_ = static_cast<int>(page_.size()) < limit;
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
    query.Bind(1, store);
    for (int rank = 0; rank < kMaxSortOrders; ++rank)
        query.BindBlob(2 + rank, keys[rank]);
    query.Bind(6, from).Bind(7, limit);
    fill(query);
}

const CachedRecord* RecordPages::At(StoreIdentity store, int position)
{
    if (store == 0 || position < 0)
        return nullptr;
    if (generation_ != WriteGeneration())
    {
        page_.clear();
        reachesEnd_ = false;
    }
    const int pageEnd = start_ + static_cast<int>(page_.size());
    if (position == 0 && (start_ != 0 || page_.empty()))
    {
        // Every key sorts at or after the empty key: the first page needs
        // no traversal order.
        const std::string noKeys[kMaxSortOrders];
        Fetch(store, 0, noKeys, 0, true, kSeekPageSize);
    }
    else if (position < start_ || position > pageEnd || page_.empty())
    {
        const TraversalOrder& order = OrderOf(store);
        if (static_cast<std::size_t>(position) >= order.entries.size())
            return nullptr;
        const std::optional<OrderEntry> entry =
            StoredEntry(store, order.entries[static_cast<std::size_t>(position)].identity);
        if (!entry)
            return nullptr;
        std::string keys[kMaxSortOrders];
        for (int rank = 0; rank < kMaxSortOrders; ++rank)
            keys[rank] = entry->keys[static_cast<std::size_t>(rank)];
        Fetch(store, position, keys, entry->identity, true, kSeekPageSize);
    }
    else if (position == pageEnd)
    {
        if (reachesEnd_)
            return nullptr;
        // The next page of a traversal starts after the last record held.
        const std::string lastKeys[kMaxSortOrders] = {lastKeys_[0], lastKeys_[1], lastKeys_[2],
                                                      lastKeys_[3]};
        Fetch(store, position, lastKeys, page_.back().identity, false, kPageSize);
    }
    if (position >= start_ + static_cast<int>(page_.size()))
        return nullptr;
    return &page_[static_cast<std::size_t>(position - start_)];
}

} // namespace halvo::store_internal
