#include "platform/store/sort_key.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <cstdio>
#include <vector>

namespace halvo::store_internal
{
namespace
{

constexpr char kNumberTag = '\x01';
constexpr char kTextTag = '\x02';
// Bump when the layout of the keys changes, so stored keys are rebuilt.
constexpr int kKeyLayout = 1;

// The root collation at two strengths. Case-insensitive texts compare at
// the secondary level, which keeps accents ("a" and "ä" differ) but drops
// case ("ä" and "Ä" are equal). Other texts use the identical level.
UCollator* Collator(bool caseInsensitive)
{
    static UCollator* const secondary = []
    {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* collator = ucol_open("", &status);
        if (U_FAILURE(status))
            return static_cast<UCollator*>(nullptr);
        ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
        ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        return collator;
    }();
    static UCollator* const identical = []
    {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* collator = ucol_open("", &status);
        if (U_FAILURE(status))
            return static_cast<UCollator*>(nullptr);
        ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_IDENTICAL, &status);
        ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        return collator;
    }();
    return caseInsensitive ? secondary : identical;
}

std::u16string ToUtf16(const std::string& text)
{
    // Invalid UTF-8 becomes U+FFFD rather than failing: a key must exist for
    // every stored record.
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()),
                         0xFFFD, nullptr, &status);
    std::u16string result(static_cast<std::size_t>(length), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(result.data(), length, &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status))
        return {};
    return result;
}

std::string TextKey(const std::string& text, bool caseInsensitive)
{
    std::string key(1, kTextTag);
    UCollator* collator = Collator(caseInsensitive);
    if (collator == nullptr)
    {
        // Without ICU data the texts still get a stable (byte) order.
        return key + text;
    }
    const std::u16string utf16 = ToUtf16(text);
    const auto* source = reinterpret_cast<const UChar*>(utf16.data());
    const auto sourceLength = static_cast<int32_t>(utf16.size());
    std::vector<uint8_t> buffer(utf16.size() * 4 + 32);
    int32_t needed = ucol_getSortKey(collator, source, sourceLength, buffer.data(),
                                     static_cast<int32_t>(buffer.size()));
    if (needed > static_cast<int32_t>(buffer.size()))
    {
        buffer.resize(static_cast<std::size_t>(needed));
        needed = ucol_getSortKey(collator, source, sourceLength, buffer.data(), needed);
    }
    // The key ends in a zero byte that adds nothing to the order.
    if (needed > 0)
        key.append(reinterpret_cast<const char*>(buffer.data()),
                   static_cast<std::size_t>(needed - 1));
    return key;
}

std::string NumberKey(std::int64_t value)
{
    // Offset so that negative numbers come first in byte order.
    const auto biased = static_cast<std::uint64_t>(value) ^ (std::uint64_t{1} << 63);
    std::string key(1, kNumberTag);
    for (int shift = 56; shift >= 0; shift -= 8)
        key.push_back(static_cast<char>((biased >> shift) & 0xFF));
    return key;
}

} // namespace

std::string SortKey(const Property* property, std::uint32_t flags)
{
    if (property == nullptr)
        return {};
    if (const auto* text = std::get_if<std::string>(&property->value))
        return TextKey(*text, (flags & kSortCaseInsensitive) != 0);
    if (const auto* number = std::get_if<std::int32_t>(&property->value))
        return NumberKey(*number);
    return NumberKey(std::get<std::uint16_t>(property->value));
}

std::string SortKeyVersion()
{
    UVersionInfo version{};
    if (UCollator* collator = Collator(true))
        ucol_getVersion(collator, version);
    char text[64];
    std::snprintf(text, sizeof text, "icu-root-%u.%u.%u.%u/layout-%d", version[0], version[1],
                  version[2], version[3], kKeyLayout);
    return text;
}

} // namespace halvo::store_internal
