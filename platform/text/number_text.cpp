#include "platform/text/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace halvo
{

namespace
{

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::int32_t LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
    {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
        {
            value = limit;
        }
    }
    if (negative)
    {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max())
    {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
    {
        ++i;
    }
    if (i < text.size() && text[i] == '+')
    {
        ++i;
    }
    // Only digits make a number: the library would also read "nan" and
    // "inf", which would turn a zone's bias into an hour that is no hour.
    std::size_t digits = i;
    if (digits < text.size() && text[digits] == '-')
    {
        ++digits;
    }
    const bool startsWithDigit =
        digits < text.size() && ((text[digits] >= '0' && text[digits] <= '9') ||
                                 (text[digits] == '.' && digits + 1 < text.size() &&
                                  text[digits + 1] >= '0' && text[digits + 1] <= '9'));
    if (!startsWithDigit)
    {
        return 0;
    }
    double value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                        std::chars_format::fixed);
    if (result.ec != std::errc{} || !std::isfinite(value))
    {
        return 0;
    }
    return value;
}

} // namespace halvo
