#include "platform/text/collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <cstdio>
#include <vector>

namespace halvo
{

namespace
{

// The root collation at two strengths. Case-insensitive texts compare at
// the secondary level, which keeps accents but drops case; other texts use
// the identical level.
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

std::u16string ToUtf16(std::string_view text)
{
    // Invalid UTF-8 becomes U+FFFD rather than failing: every text must
    // have a place in the order.
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

const UChar* Units(const std::u16string& text)
{
    return reinterpret_cast<const UChar*>(text.data());
}

} // namespace

std::string CollationKey(std::string_view text, bool caseInsensitive)
{
    UCollator* collator = Collator(caseInsensitive);
    if (collator == nullptr)
    {
        // Without ICU data the texts still get a stable (byte) order.
        return std::string(text);
    }
    const std::u16string utf16 = ToUtf16(text);
    const auto length = static_cast<int32_t>(utf16.size());
    std::vector<uint8_t> buffer(utf16.size() * 4 + 32);
    int32_t needed = ucol_getSortKey(collator, Units(utf16), length, buffer.data(),
                                     static_cast<int32_t>(buffer.size()));
    if (needed > static_cast<int32_t>(buffer.size()))
    {
        buffer.resize(static_cast<std::size_t>(needed));
        needed = ucol_getSortKey(collator, Units(utf16), length, buffer.data(), needed);
    }
    // The key ends in a zero byte that adds nothing to the order.
    if (needed <= 0)
        return {};
    return std::string(reinterpret_cast<const char*>(buffer.data()),
                       static_cast<std::size_t>(needed - 1));
}

int CompareCaseInsensitive(std::string_view a, std::string_view b)
{
    UCollator* collator = Collator(true);
    if (collator == nullptr)
        return a.compare(b);
    const std::u16string left = ToUtf16(a);
    const std::u16string right = ToUtf16(b);
    return ucol_strcoll(collator, Units(left), static_cast<int32_t>(left.size()), Units(right),
                        static_cast<int32_t>(right.size()));
}

bool BeginsWithCaseInsensitive(std::string_view text, std::string_view prefix)
{
    const std::u16string whole = ToUtf16(text);
    const std::u16string start = ToUtf16(prefix);
    if (start.size() > whole.size())
        return false;
    UCollator* collator = Collator(true);
    if (collator == nullptr)
        return whole.compare(0, start.size(), start) == 0;
    return ucol_strcoll(collator, Units(whole), static_cast<int32_t>(start.size()), Units(start),
                        static_cast<int32_t>(start.size())) == UCOL_EQUAL;
}

std::string CollationVersion()
{
    UVersionInfo version{};
    if (UCollator* collator = Collator(true))
        ucol_getVersion(collator, version);
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", version[0], version[1], version[2], version[3]);
    return text;
}

} // namespace halvo
