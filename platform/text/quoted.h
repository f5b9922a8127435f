#pragma once

#include <string>
#include <string_view>

namespace halvo
{

// A text in double quotation marks, for messages that name a value.
inline std::string Quoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted.append(text);
    quoted += '"';
    return quoted;
}

} // namespace halvo
