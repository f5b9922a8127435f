// The number-text and UTF-8 helpers every reader of stored text uses,
// checked against the C library and against their own promises.
#include "platform/text/number_text.h"
#include "platform/text/quoted.h"
#include "platform/text/utf8.h"
#include "tests/fuzz/fuzz_support.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using namespace halvo;
using fuzz::Require;

namespace
{

// The leading integer as strtoll reads it, saturated to 32 bits.
std::int32_t ReferenceInteger(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

// UTF-16 units of a valid text, counted by decoding each code point.
std::size_t DecodedUnits(std::string_view text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();)
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units += length == 4 ? 2 : 1;
        i += length;
    }
    return units;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);
    // strtoll stops at a NUL; compare on the text before it.
    const std::string beforeNul(input.substr(0, input.find('\0')));
    Require(LeadingInteger(beforeNul) == ReferenceInteger(beforeNul),
            "LeadingInteger reads as strtoll does, saturated to 32 bits");
    Require(std::isfinite(LeadingNumber(input)), "LeadingNumber is finite");

    const bool valid = IsValidUtf8(input);
    Require(!IsPrintableUtf8(input) || valid, "printable text is valid UTF-8");
    if (valid)
        Require(Utf16Length(input) == DecodedUnits(input), "UTF-16 units match the code points");
    // A quoted value stays on one printable line; printable text is kept as it is.
    const std::string quoted = Quoted(input);
    Require(IsPrintableUtf8(quoted), "a quoted value is one printable line");
    if (IsPrintableUtf8(input))
        Require(quoted == "\"" + std::string(input) + "\"", "printable text is only put in marks");
    return 0;
}
