#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvo
{

// Well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Well-formed UTF-8 without control characters (C0, DEL, C1): a text a list
// or a title can show on one line.
bool IsPrintableUtf8(std::string_view text);

// Length in UTF-16 units of valid UTF-8 text, the unit the stores count
// their limits in.
std::size_t Utf16Length(std::string_view text);

} // namespace halvo
