#include "locations/city_entry.h"

#include "locations/world_regions.h"

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

} // namespace

std::optional<long long> TypedHundredths(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
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
    if (!anyDigit)
        return std::nullopt;
    for (; fractionDigits < 2; ++fractionDigits)
        value = value < kHundredthsCap ? value * 10 : value;
    return negative ? -value : value;
}

CheckedCityEntry CheckCityEntry(const CityEntry& entry)
{
    if (entry.name.empty())
        return {std::nullopt, kNoCityNameMessage};
    if (entry.country.empty())
        return {std::nullopt, kNoCountryNameMessage};
    const std::optional<std::string> country = MatchListedCountry(entry.country);
    if (!country)
        return {std::nullopt, kUnlistedCountryMessage};
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
    return {CityFields{entry.name, *country, std::move(*longitude), std::move(*latitude)}, nullptr};
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
