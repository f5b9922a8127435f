#pragma once

// The juristic school for the afternoon prayer, stored as the AsrMethod
// setting.

#include <array>
#include <string_view>

namespace halvo
{

// The two choices, in the order the Asr method dialog lists them.
inline constexpr std::array<const char*, 2> AsrSchools = {"Hanafi", "Shafi"};

// Only the exact text "Hanafi" selects the Hanafi rule; any other text,
// "hanafi" included, counts as Shafi.
inline bool IsHanafi(std::string_view asrMethod)
{
    return asrMethod == "Hanafi";
}

} // namespace halvo
