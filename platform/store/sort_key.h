#pragma once

// Byte strings whose plain byte order is the order of a sort order, so that
// SQLite can keep records in an index and compare them with memcmp.

#include "platform/store/record_store.h"

#include <string>

namespace halvo::store_internal
{

// The key of one property under a sort order's flags. An absent property
// gives the empty key (it sorts first); numbers sort before texts; texts are
// compared by the root collation, case-insensitively with
// kSortCaseInsensitive, otherwise exactly (canonically equivalent texts
// are still equal).
std::string SortKey(const Property* property, std::uint32_t flags);

// Names the collation and key layout the stored keys were built with; when
// it changes (a new ICU), the keys are rebuilt.
std::string SortKeyVersion();

} // namespace halvo::store_internal
