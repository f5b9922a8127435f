#pragma once

// Comparing texts as people expect their lists sorted: the root collation
// of ICU, so "Örebro" sorts among the O's. The stores order their
// case-insensitive sort orders with the same collation, so a list sorted
// here shows the store's order.

#include <string>
#include <string_view>

namespace halvo
{

// A byte string whose plain byte order is the collation order of texts:
// case-insensitively at the secondary level ("ä" equals "Ä" but not "a"),
// otherwise at the identical level. Invalid UTF-8 counts as U+FFFD.
std::string CollationKey(std::string_view text, bool caseInsensitive);

// Negative, zero or positive as a sorts before, with or after b,
// case-insensitively as above.
int CompareCaseInsensitive(std::string_view a, std::string_view b);

// Whether text begins with prefix, case-insensitively as above: the first
// characters of text, as many as prefix has, compare equal to it.
bool BeginsWithCaseInsensitive(std::string_view text, std::string_view prefix);

// Names the collation the keys are built with, so stored keys can be
// rebuilt when it changes.
std::string CollationVersion();

} // namespace halvo
