#pragma once

// What every fuzz target shares: the input as text, and a check that stops
// the run (as a crash would) when a promise of the code is broken.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace halvo::fuzz
{

inline std::string_view Text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

inline void Require(bool holds, const char* promise)
{
    if (!holds)
    {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

} // namespace halvo::fuzz
