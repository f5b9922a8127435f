#include "platform/text/loose_match.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>
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

// Where the typed text stands among a text's primary weights: the sequence
// of weights that remains at primary strength, so case and accents (the
// weights beyond the primary) drop out. A string search over ICU's
// collation elements: ICU's own usearch builds tables on first use that
// cost more than searching every city.
struct LooseSearch::State
{
    std::string pattern;
    bool patternAscii = false;
    std::string patternFolded;          // lower-case ASCII, when patternAscii
    std::vector<std::uint32_t> weights; // the pattern's primary weights
    std::vector<std::uint32_t> textWeights;
    std::vector<UChar> text16;
    UCollationElements* elements = nullptr;
};

namespace
{

bool IsAscii(std::string_view text)
{
    for (char c : text)
    {
        if (static_cast<unsigned char>(c) >= 0x80)
        {
            return false;
        }
    }
    return true;
}

// The primary weights of a text, in order; each collation element that has
// one gives one (a long weight comes as two halves, the same for every text).
void PrimaryWeights(UCollationElements* elements, std::string_view text, std::vector<UChar>& text16,
                    std::vector<std::uint32_t>& weights)
{
    weights.clear();
    ToUtf16(text, text16);
    UErrorCode status = U_ZERO_ERROR;
    ucol_setText(elements, text16.data(), static_cast<int32_t>(text16.size()), &status);
    while (U_SUCCESS(status))
    {
        const int32_t element = ucol_next(elements, &status);
        if (element == UCOL_NULLORDER || U_FAILURE(status))
        {
            break;
        }
        const std::uint32_t primary = ucol_primaryOrder(element);
        if (primary != 0)
        {
            weights.push_back(primary);
        }
    }
}

template <typename Sequence> LooseMatch Locate(const Sequence& pattern, const Sequence& text)
{
    if (pattern.empty())
    {
        return LooseMatch::kNone;
    }
    const auto at = std::search(text.begin(), text.end(), pattern.begin(), pattern.end());
    if (at == text.end())
    {
        return LooseMatch::kNone;
    }
    if (at != text.begin())
    {
        return LooseMatch::kContains;
    }
    return pattern.size() == text.size() ? LooseMatch::kWhole : LooseMatch::kPrefix;
}

} // namespace

LooseSearch::LooseSearch(std::string_view pattern) : state_(std::make_unique<State>())
{
    state_->pattern = std::string(pattern);
    // In the root collation every printable ASCII character has a primary
    // weight of its own, shared only by the other case of a letter: between
    // two ASCII texts, primary strength is comparison without case.
    state_->patternAscii = IsAscii(pattern);
    if (state_->patternAscii)
    {
        state_->patternFolded = AsciiLower(pattern);
    }
    UCollator* collator = PrimaryCollator();
    if (collator == nullptr)
    {
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    state_->elements = ucol_openElements(collator, nullptr, 0, &status);
    if (U_FAILURE(status))
    {
        state_->elements = nullptr;
        return;
    }
    PrimaryWeights(state_->elements, pattern, state_->text16, state_->weights);
}

LooseSearch::~LooseSearch()
{
    if (state_->elements != nullptr)
    {
        ucol_closeElements(state_->elements);
    }
}

bool LooseSearch::Equals(std::string_view text)
{
    return In(text) == LooseMatch::kWhole;
}

LooseMatch LooseSearch::In(std::string_view text)
{
    if (state_->patternAscii && (IsAscii(text) || state_->elements == nullptr))
    {
        return Locate(state_->patternFolded, AsciiLower(text));
    }
    if (state_->elements == nullptr)
    {
        return LooseMatch::kNone;
    }
    PrimaryWeights(state_->elements, text, state_->text16, state_->textWeights);
    return Locate(state_->weights, state_->textWeights);
}

} // namespace halvo
