#pragma once

// Texts compared the way people type them: ICU's root collation at primary
// strength, so case and accents do not count ("tehran" finds "Tehrān",
// "istanbul" finds "İstanbul", "cote d'ivoire" equals "Côte d'Ivoire"),
// while letters, digits, blanks and punctuation still do.

#include <memory>
#include <string>
#include <string_view>

namespace halvo
{

// Whether two texts are equal at primary strength.
bool LooselyEqual(std::string_view a, std::string_view b);

// Where a typed text stands in other texts, best first.
enum class LooseMatch
{
    kNone,
    kContains, // somewhere inside
    kPrefix,   // at the start
    kWhole,    // the whole text
};

// One typed text searched in many: the pattern is prepared once. The typed
// text must not be empty or blank.
class LooseSearch
{
  public:
    explicit LooseSearch(std::string_view pattern);
    ~LooseSearch();
    LooseSearch(const LooseSearch&) = delete;
    LooseSearch& operator=(const LooseSearch&) = delete;

    LooseMatch In(std::string_view text);
    bool Equals(std::string_view text);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace halvo
