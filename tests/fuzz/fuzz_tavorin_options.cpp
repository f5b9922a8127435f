// The dates and numbers tavorin reads from its command line: each either
// gives a value that keeps the parser's promise, or a UsageError.
#include "cli/cli_support.h"
#include "tests/fuzz/fuzz_support.h"

#include <cmath>
#include <string>

using namespace halvo;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text = fuzz::Text(data + 1, size - 1);
    try
    {
        switch (data[0] % 5)
        {
        case 0:
        {
            const DateRecord date = cli::ParseDate(text, "--date");
            Require(cli::IsValidCivilDate(date.year, date.month, date.day), "a date exists");
            Require(cli::DateIso(date) == text, "a date prints as it was typed");
            break;
        }
        case 1:
        {
            const double number = cli::ParseNumber(text, "--x", -1e9, 1e9);
            Require(std::isfinite(number) && number >= -1e9 && number <= 1e9, "within range");
            break;
        }
        case 2:
        {
            const int number = cli::ParseInteger(text, "--n", -5, 5000);
            Require(number >= -5 && number <= 5000, "a whole number within range");
            break;
        }
        case 3:
        {
            const double angle = cli::ParseAngle(text, "--fajr");
            Require(angle > 0 && angle < 90, "an angle between 0 and 90");
            break;
        }
        default:
        {
            const int hundredths = cli::ParseHundredths(text, "--lon", 180);
            Require(hundredths >= -18000 && hundredths <= 18000, "a longitude within 180");
            const double typed = std::strtod(std::string(text).c_str(), nullptr);
            Require(std::fabs(typed * 100 - hundredths) < 1.0 + 1e-6 * std::fabs(typed),
                    "hundredths cut the typed decimal");
            break;
        }
        }
    }
    catch (const cli::UsageError&)
    {
    }
    return 0;
}
