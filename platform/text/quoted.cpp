#include "platform/text/quoted.h"

#include "platform/text/utf8.h"

#include <cstdio>

namespace halvo
{

namespace
{

void AppendHexByte(std::string& out, unsigned char byte)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    out += escape;
}

// Length of the well-formed UTF-8 sequence at the start of text, 0 when the
// bytes there are not one.
std::size_t SequenceLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || length > text.size() || !IsValidUtf8(text.substr(0, length)))
    {
        return 0;
    }
    return length;
}

} // namespace

std::string EscapedForLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty())
    {
        const std::size_t length = SequenceLength(text);
        const auto byte = static_cast<unsigned char>(text[0]);
        if (length == 0)
        {
            AppendHexByte(out, byte);
            text.remove_prefix(1);
            continue;
        }
        if (length == 1 && (byte < 0x20 || byte == 0x7F))
        {
            out += byte == '\n' ? "\\n" : byte == '\t' ? "\\t" : byte == '\r' ? "\\r" : "";
            if (byte != '\n' && byte != '\t' && byte != '\r')
            {
                AppendHexByte(out, byte);
            }
        }
        else if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0)
        {
            // C1 controls, U+0080 to U+009F.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned char>(text[1]));
            out += escape;
        }
        else
        {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

} // namespace halvo
