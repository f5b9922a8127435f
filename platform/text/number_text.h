#pragma once

// Numbers read from texts the way the stores and seed files hold them:
// leading decimal text, independent of the process locale.

#include <cstdint>
#include <string_view>

namespace halvo
{

// The leading decimal integer of a text: leading blanks, an optional sign,
// digits; 0 when there are none. Saturates at the 32-bit range.
std::int32_t LeadingInteger(std::string_view text);

// The leading decimal number of a text, with an optional fraction; 0 when
// there is none.
double LeadingNumber(std::string_view text);

} // namespace halvo
