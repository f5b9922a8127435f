#include "platform/text/loose_match.h"

#include <unicode/ucol.h>
#include <unicode/usearch.h>
#include <unicode/ustring.h>

#include <vector>

namespace halvo
{

namespace
{

// The root collation at primary strength, opened once for the process.
UCollator* PrimaryCollator()
{
    static UCollator* const collator = []
    {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* opened = ucol_open("", &status);
        if (U_FAILURE(status))
        {
            return static_cast<UCollator*>(nullptr);
        }
        ucol_setAttribute(opened, UCOL_STRENGTH, UCOL_PRIMARY, &status);
        ucol_setAttribute(opened, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        return opened;
    }();
    return collator;
}

// UTF-8 to UTF-16 into a buffer kept between calls; bytes that are not
// UTF-8 become U+FFFD, so any stored text can be compared.
void ToUtf16(std::string_view text, std::vector<UChar>& out)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    out.resize(text.size() + 1);
    u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status))
    {
        length = 0;
    }
    out.resize(static_cast<std::size_t>(length));
}

// A byte-wise, case-folding fallback for a system without collation data.
std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
    {
        if (c >= 'A' && c <= 'Z')
        {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

} // namespace

bool LooselyEqual(std::string_view a, std::string_view b)
{
    UCollator* collator = PrimaryCollator();
    if (collator == nullptr)
    {
        return AsciiLower(a) == AsciiLower(b);
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                         static_cast<int32_t>(b.size()), &status);
    return U_SUCCESS(status) && result == UCOL_EQUAL;
}

struct LooseSearch::State
{
    std::string pattern;
    std::vector<UChar> pattern16;
    std::vector<UChar> text16;
    UStringSearch* search = nullptr;
};

LooseSearch::LooseSearch(std::string_view pattern) : state_(std::make_unique<State>())
{
    state_->pattern = std::string(pattern);
    ToUtf16(pattern, state_->pattern16);
    UCollator* collator = PrimaryCollator();
    if (collator == nullptr || state_->pattern16.empty())
    {
        return;
    }
    // The search needs some text to start with; each In() replaces it.
    static const UChar placeholder[] = {u' '};
    UErrorCode status = U_ZERO_ERROR;
    state_->search = usearch_openFromCollator(state_->pattern16.data(),
                                              static_cast<int32_t>(state_->pattern16.size()),
                                              placeholder, 1, collator, nullptr, &status);
    if (U_FAILURE(status))
    {
        state_->search = nullptr;
    }
}

LooseSearch::~LooseSearch()
{
    if (state_->search != nullptr)
    {
        usearch_close(state_->search);
    }
}

bool LooseSearch::Equals(std::string_view text)
{
    return LooselyEqual(text, state_->pattern);
}

LooseMatch LooseSearch::In(std::string_view text)
{
    if (state_->search == nullptr)
    {
        const std::string haystack = AsciiLower(text);
        const std::string needle = AsciiLower(state_->pattern);
        if (needle.empty())
        {
            return LooseMatch::kNone;
        }
        const std::size_t at = haystack.find(needle);
        return at == std::string::npos            ? LooseMatch::kNone
               : haystack.size() == needle.size() ? LooseMatch::kWhole
               : at == 0                          ? LooseMatch::kPrefix
                                                  : LooseMatch::kContains;
    }
    ToUtf16(text, state_->text16);
    if (state_->text16.empty())
    {
        return LooseMatch::kNone;
    }
    UErrorCode status = U_ZERO_ERROR;
    usearch_setText(state_->search, state_->text16.data(),
                    static_cast<int32_t>(state_->text16.size()), &status);
    const int32_t at = usearch_first(state_->search, &status);
    if (U_FAILURE(status) || at == USEARCH_DONE)
    {
        return LooseMatch::kNone;
    }
    if (at != 0)
    {
        return LooseMatch::kContains;
    }
    return Equals(text) ? LooseMatch::kWhole : LooseMatch::kPrefix;
}

} // namespace halvo
