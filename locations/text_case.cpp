#include "locations/text_case.h"

#include <unicode/ucasemap.h>

#include <memory>

namespace halvo
{

std::string FoldCase(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> map(
        ucasemap_open(nullptr, U_FOLD_CASE_DEFAULT, &status), &ucasemap_close);
    if (U_FAILURE(status))
    {
        return std::string(text);
    }
    // Folding grows a text by at most three times.
    std::string folded(text.size() * 3 + 4, '\0');
    const int32_t length =
        ucasemap_utf8FoldCase(map.get(), folded.data(), static_cast<int32_t>(folded.size()),
                              text.data(), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status))
    {
        return std::string(text);
    }
    folded.resize(static_cast<std::size_t>(length));
    return folded;
}

} // namespace halvo
