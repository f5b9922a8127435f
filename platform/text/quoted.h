#pragma once

#include <string>
#include <string_view>

namespace halvo
{

// A text as it may stand inside a one-line message: control characters
// become \n, \t, \r or \xNN (\u0085 and the like for C1 controls) and bytes
// that are not UTF-8 become \xNN, so a hostile value can neither break the
// line nor corrupt a terminal.
std::string EscapedForLine(std::string_view text);

// The same text in double quotation marks, for messages that name a value.
inline std::string Quoted(std::string_view text)
{
    return '"' + EscapedForLine(text) + '"';
}

} // namespace halvo
