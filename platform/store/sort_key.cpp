#include "platform/store/sort_key.h"

#include "platform/text/collation.h"

#include <cstdio>

namespace halvo::store_internal
{
namespace
{

constexpr char kNumberTag = '\x01';
constexpr char kTextTag = '\x02';
// Bump when the layout of the keys changes, so stored keys are rebuilt.
constexpr int kKeyLayout = 1;

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
        return kTextTag + CollationKey(*text, (flags & kSortCaseInsensitive) != 0);
    if (const auto* number = std::get_if<std::int32_t>(&property->value))
        return NumberKey(*number);
    return NumberKey(std::get<std::uint16_t>(property->value));
}

std::string SortKeyVersion()
{
    char text[96];
    std::snprintf(text, sizeof text, "icu-root-%s/layout-%d", CollationVersion().c_str(),
                  kKeyLayout);
    return text;
}

} // namespace halvo::store_internal
