#include "locations/city_entry.h"

#include "locations/country_names.h"
#include "locations/world_regions.h"
#include "platform/text/plain_text.h"

#include <algorithm>
#include <string>

namespace halvo
{

namespace
{

// Far beyond every valid coordinate; digits past it only keep it out of range.
constexpr long long kHundredthsCap = 1'000'000'000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text to store for a typed coordinate, or none when it is not a number
// from 0 to maxDegrees.
std::optional<std::string> CoordinateText(std::string_view typed, bool negative, int maxDegrees)
{
    const std::optional<long long> hundredths = TypedHundredths(typed);
    if (!hundredths || *hundredths < 0 || *hundredths > maxDegrees * 100LL)
        return std::nullopt;
    std::string text = negative ? "-" : "";
    text += std::to_string(*hundredths);
    return text;
}

// Every country the picker lists, each once.
const std::vector<std::string>& ListedCountries()
{
    static const std::vector<std::string> countries = []
    {
        std::vector<std::string> all;
        for (std::string& country : CountriesOfRegion(kWorldCountries))
            if (std::find(all.begin(), all.end(), country) == all.end())
                all.push_back(std::move(country));
        return all;
    }();
    return countries;
}

// The listed spelling of a typed country: the picker's own compare first,
// then the names tavorin knows for it; otherwise the spellings to offer.
CountryResolution ResolveListedCountry(std::string_view typed)
{
    if (std::optional<std::string> listed = MatchListedCountry(typed))
        return {std::move(listed), {}};
    CountryResolution resolved = ResolveCountry(TrimBlanks(typed), ListedCountries());
    if (!resolved.country && resolved.candidates.empty())
        resolved.candidates = ClosestCountries(TrimBlanks(typed), ListedCountries());
    return resolved;
}

std::string UnlistedCountryMessage(const std::vector<std::string>& candidates)
{
    std::string message = kUnlistedCountryMessage;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        message += (i == 0                       ? "  Did you mean "
                    : i + 1 == candidates.size() ? " or "
                                                 : ", ") +
                   candidates[i];
    if (!candidates.empty())
        message += "?";
    return message;
}

} // namespace

std::optional<long long> TypedHundredths(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long value = 0;
    bool anyDigit = false;
    const auto addDigit = [&](char digit)
    {
        anyDigit = true;
        if (value < kHundredthsCap)
            value = value * 10 + (digit - '0');
    };
    for (; at < text.size() && IsDigit(text[at]); ++at)
        addDigit(text[at]);
    int fractionDigits = 0;
    if (at < text.size() && text[at] == '.')
    {
        for (++at; at < text.size() && IsDigit(text[at]); ++at)
        {
            if (fractionDigits < 2)
            {
                addDigit(text[at]);
                ++fractionDigits;
            }
            else
            {
                anyDigit = true;
            }
        }
    }
    // Anything left over means the text was not one number.
    if (!anyDigit || at != text.size())
        return std::nullopt;
    for (; fractionDigits < 2; ++fractionDigits)
        value = value < kHundredthsCap ? value * 10 : value;
    return negative ? -value : value;
}

CheckedCityEntry CheckCityEntry(const CityEntry& entry)
{
    const std::string name(TrimBlanks(entry.name));
    if (name.empty())
        return {std::nullopt, kNoCityNameMessage};
    if (TrimBlanks(entry.country).empty())
        return {std::nullopt, kNoCountryNameMessage};
    const CountryResolution country = ResolveListedCountry(entry.country);
    if (!country.country)
        return {std::nullopt, UnlistedCountryMessage(country.candidates)};
    if (entry.latitude.empty())
        return {std::nullopt, kNoLatitudeMessage};
    std::optional<std::string> latitude = CoordinateText(entry.latitude, entry.south, 90);
    if (!latitude)
        return {std::nullopt, kLatitudeRangeMessage};
    if (entry.longitude.empty())
        return {std::nullopt, kNoLongitudeMessage};
    std::optional<std::string> longitude = CoordinateText(entry.longitude, entry.west, 180);
    if (!longitude)
        return {std::nullopt, kLongitudeRangeMessage};
    return {CityFields{name, *country.country, std::move(*longitude), std::move(*latitude)}, ""};
}

std::string CityListEntry(const CityRecord& city)
{
    return city.name + " (" + city.country + ")";
}

std::optional<std::string> StoredNameOfEntry(const std::vector<CityRecord>& cities,
                                             std::string_view entry)
{
    for (const CityRecord& city : cities)
        if (CityListEntry(city) == entry)
            return city.name;
    return std::nullopt;
}

} // namespace halvo
