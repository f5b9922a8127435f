// Setting values, angle texts and the names the stores take: what the
// validators accept is always storable, and angle texts convert without
// surprises.
#include "conventions/twilight_conventions.h"
#include "locations/location_database.h"
#include "settings/settings.h"
#include "tests/fuzz/fuzz_support.h"

#include "platform/text/utf8.h"

#include <cmath>
#include <string>

using namespace halvo;
using fuzz::Require;

namespace
{

bool Storable(const std::string& text)
{
    return IsPrintableUtf8(text) && Utf16Length(text) <= 1023;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the setting; the rest is the value.
    const std::size_t pick = data[0] % (kDefaultSettings.size() + 1);
    const std::string name = pick < kDefaultSettings.size() ? kDefaultSettings[pick].name : "Other";
    const std::string value(fuzz::Text(data + 1, size - 1));

    std::string reason;
    const bool valid = ValidateSettingValue(name, value, &reason);
    Require(valid == reason.empty(), "a refusal says why, an acceptance does not");
    if (valid)
        Require(Storable(value), "an accepted setting value is storable");

    Require(!ValidateConventionName(value) || Storable(value), "convention names are storable");
    Require(!ValidateCityName(value) || Storable(value), "city names are storable");
    Require(!ValidateCountryName(value) || Storable(value), "country names are storable");

    Require(std::isfinite(AngleTextToDegrees(value)), "an angle text gives finite degrees");
    Require(!AngleTextForDisplay(value).empty(), "an angle text always shows something");
    if (const auto text = DegreesToAngleText(value))
        Require(IsAngleText(*text, false), "typed degrees become a storable angle text");
    if (IsAngleText(value, false))
        Require(AngleTextToDegrees(value) == static_cast<double>(std::stoll(value)) * 0.1,
                "a stored angle text is read whole");
    return 0;
}
