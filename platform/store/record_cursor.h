#pragma once

// The records around a store's cursor, fetched from the database a page at
// a time, so that a traversal costs one query per page, not one per record.
// Internal to platform/store; the record store holds one per open store.

#include <cstdint>
#include <string>
#include <vector>

namespace halvo
{

using StoreIdentity = std::uint32_t;  // 0 means none
using RecordIdentity = std::uint32_t; // 0 means none

// A store has at most this many sort orders; a record keeps one key for each.
inline constexpr int kMaxSortOrders = 4;

namespace store_internal
{

struct CachedRecord
{
    RecordIdentity identity = 0;
    std::string body;
};

class RecordPages
{
  public:
    void Clear();
    // The record at a position of the store, fetching the page that holds
    // it when this one does not; nullptr past the end. A page held across
    // a write of this process is fetched again.
    const CachedRecord* At(StoreIdentity store, int position);
    // Holds the page that starts at a record whose position and keys are
    // known (the one a seek found), for the read that usually follows.
    void StartAt(StoreIdentity store, int position, const std::string (&keys)[kMaxSortOrders],
                 RecordIdentity identity);

  private:
    void Fetch(StoreIdentity store, int position, const std::string (&keys)[kMaxSortOrders],
               RecordIdentity from, bool inclusive, int limit);

    std::vector<CachedRecord> page_;
    std::string lastKeys_[kMaxSortOrders]; // where the next page starts
    int start_ = 0;
    bool reachesEnd_ = false;
    std::uint64_t generation_ = 0;
};

} // namespace store_internal
} // namespace halvo
