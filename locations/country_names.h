#pragma once

// Countries as people type them: the city list keeps older spellings
// ("USA", "F.Y.R.O Macedonia", "Swaziland", "Lethoso"), people type the
// names they know.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

struct CountryResolution
{
    std::optional<std::string> country;  // the stored spelling
    std::vector<std::string> candidates; // otherwise: up to five to suggest
};

// The stored country a typed name means: the exact spelling; else one equal
// to it with case and accents ignored; else the stored spelling of a common
// name for it ("United States" is "USA"). Otherwise none, with the stored
// countries (and the common names' stored spellings) that contain the text.
CountryResolution ResolveCountry(std::string_view typed,
                                 const std::vector<std::string>& storedCountries);

// Up to three of the countries closest to a typed name that none of them
// contains (a slip of the keys, "Frnace"): the fewest letters to change,
// case ignored, and no more than a quarter of the name (at least two).
std::vector<std::string> ClosestCountries(std::string_view typed,
                                          const std::vector<std::string>& countries);

} // namespace halvo
