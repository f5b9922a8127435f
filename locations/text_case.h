#pragma once

#include <string>
#include <string_view>

namespace halvo
{

// Unicode case folding of UTF-8 text, so that "İSTANBUL", "Straße" and their
// other spellings compare as the stores' case-insensitive keys do. Text that
// is not valid UTF-8 comes back unchanged.
std::string FoldCase(std::string_view text);

} // namespace halvo
