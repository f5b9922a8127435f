#include "platform/text/utf8.h"

#include <array>
#include <cstdint>

namespace halvo
{

namespace
{

// Walks the code points of a text; false as soon as one is malformed or the
// visitor refuses it.
template <class Visit> bool ForEachCodePoint(std::string_view text, Visit visit)
{
    std::size_t i = 0;
    while (i < text.size())
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80)
        {
            length = 1;
            codePoint = lead;
        }
        else if ((lead & 0xE0) == 0xC0)
        {
            length = 2;
            codePoint = lead & 0x1F;
        }
        else if ((lead & 0xF0) == 0xE0)
        {
            length = 3;
            codePoint = lead & 0x0F;
        }
        else if ((lead & 0xF8) == 0xF0)
        {
            length = 4;
            codePoint = lead & 0x07;
        }
        else
        {
            return false;
        }
        if (i + length > text.size())
        {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k)
        {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
            {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        constexpr std::array<std::uint32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        {
            return false;
        }
        if (!visit(codePoint))
        {
            return false;
        }
        i += length;
    }
    return true;
}

} // namespace

bool IsValidUtf8(std::string_view text)
{
    return ForEachCodePoint(text, [](std::uint32_t) { return true; });
}

bool IsPrintableUtf8(std::string_view text)
{
    return ForEachCodePoint(text,
                            [](std::uint32_t codePoint)
                            {
                                const bool control =
                                    codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
                                return !control;
                            });
}

std::size_t Utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
        {
            ++units;
        }
        // A four-byte sequence is a surrogate pair in UTF-16.
        if ((byte & 0xF8) == 0xF0)
        {
            ++units;
        }
    }
    return units;
}

} // namespace halvo
