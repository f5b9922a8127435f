#include "shell/help_texts.h"
#include "platform/text/translatable.h"

#include <array>

namespace halvo
{

const char* const kProgramVersion = HALVO_VERSION;
const char* const kMakerName = HALVO_MAKER;
const char* const kMakerWebAddress = HALVO_WEB_ADDRESS;
const char* const kMakerSupportAddress = HALVO_SUPPORT_ADDRESS;

namespace
{

// Spelling as the program has always shown it ("shcool", "gregorean").
constexpr const char* kHelpPieces[] = {
    "\"Verily, the prayer is enjoined on the believers at fixed hours\"[Soorat An-Nisaa(4):103].",
    "Prayer times for any location can be determined mathematically if the longitude and "
    "latitude of the location are known.  ",
    "That's what Halvo Tavorin attempts to do.  You can select the location where you are and "
    "if you can't find it, you can add your own ",
    "location to the database.  The application will then calculate the prayer times for that "
    "location and will save your settings for future use.",
    "  You can also choose the method of calculating Asr Time either following the Shafi shcool "
    "or the Hanafi school.  As for the calculation of Fajr and Isha Times, ",
    "you can choose among the five famous conventions currently used to determine the twilight "
    "angle values and you can also add your own method and angle values.  ",
    "It is important to note that the application also calculates the hijri date corresponding "
    "to the current gregorean date.  There might be -1/+1 day discrepancy since the calculation "
    "isn't based on actual moon sighting.  If you have any questions feel free to contact us, we "
    "will be glad to help you.  You will find us on the web at " HALVO_WEB_ADDRESS ".",
};

constexpr std::array<PaintedText, 12> kInstructions = {{
    {10, 10, HALVO_TEXT("The Application will use your local"), TextColour::kHeader},
    {10, 30, HALVO_TEXT("windows settings as default."), TextColour::kHeader},
    {10, 50, HALVO_TEXT("In order to get accurate prayer times,"), TextColour::kText},
    {10, 70, HALVO_TEXT("make sure to adjust the following in the"), TextColour::kText},
    {10, 90, HALVO_TEXT("settings menu:"), TextColour::kText},
    {10, 110, HALVO_TEXT("1.Choose the Asr Method (Hanafi/Shafi)."), TextColour::kHeader},
    {10, 130, HALVO_TEXT("2.Choose one of the twilight angles"), TextColour::kHeader},
    {10, 150, HALVO_TEXT("values used to calculate Fajr/Isha Times"), TextColour::kHeader},
    {10, 170, HALVO_TEXT("You can also get prayer times for any"), TextColour::kText},
    {10, 190, HALVO_TEXT("location any time using other menu options"), TextColour::kText},
    {10, 210, HALVO_TEXT("If you encounter any problems, please"), TextColour::kHeader},
    {10, 230, HALVO_TEXT("contact us at %1."), TextColour::kHeader, HALVO_SUPPORT_ADDRESS},
}};

constexpr std::array<PaintedText, 4> kAbout = {{
    {70, 20, HALVO_TEXT("Halvo Tavorin V 3.0"), TextColour::kText},
    {70, 40, HALVO_TEXT("Version %1 for Linux"), TextColour::kText, HALVO_VERSION},
    {70, 60, HALVO_MAKER, TextColour::kText},
    {10, 80, HALVO_WEB_ADDRESS, TextColour::kText},
}};

} // namespace

std::string HelpText()
{
    std::string text;
    for (const char* piece : kHelpPieces)
        text += piece;
    return text;
}

std::span<const PaintedText> InstructionsLines()
{
    return kInstructions;
}

std::span<const PaintedText> AboutLines()
{
    return kAbout;
}

} // namespace halvo
