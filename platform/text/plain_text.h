#pragma once

// Small helpers for typed and stored ASCII-minded texts: blanks around a
// value, names compared without case, and how far apart two spellings are.

#include <cstddef>
#include <string_view>

namespace halvo
{

// The text without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// Equal but for the case of ASCII letters.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// Levenshtein distance, ASCII case ignored: the typing slips between two
// spellings, for suggesting the one that was meant.
std::size_t EditDistance(std::string_view a, std::string_view b);

} // namespace halvo
