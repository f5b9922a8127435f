#include "settings/calculation_options.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace halvo
{
namespace
{

using testing::StoreTest;

TEST(CalculationOptionsTest, EveryOptionTakesItsValuesInAnyCaseAndStoresItsOwnSpelling)
{
    const struct
    {
        const char* name;
        const char* typed;
        const char* stored; // nullptr: refused
    } cases[] = {
        {"Method", "", ""},
        {"Method", "turkey", "Turkey"},
        {"method", "UMMALQURA", "UmmAlQura"},
        {"Method", "Tehran", nullptr},
        {"Method", " MWL", nullptr},
        {"Adjust", "0,0,0,0,0,0", "0,0,0,0,0,0"},
        {"Adjust", "+2,-3,30,-30,007,1", "2,-3,30,-30,7,1"},
        {"Adjust", "0,0,0,0,0,31", nullptr},
        {"Adjust", "0,0,0,0,0", nullptr},
        {"Adjust", "0,0,0,0,0,0,0", nullptr},
        {"Adjust", "0,0,x,0,0,0", nullptr},
        {"Adjust", "0,0,,0,0,0", nullptr},
        {"Adjust", "0,0,1.5,0,0,0", nullptr},
        {"Rounding", "nearest", "Nearest"},
        {"Rounding", "Truncate", "Truncate"},
        {"Rounding", "round", nullptr},
        {"HighLatitude", "middleofnight", "MiddleOfNight"},
        {"HighLatitude", "OneSeventh", "OneSeventh"},
        {"HighLatitude", "twilightangle", "TwilightAngle"},
        {"HighLatitude", "reference45", "Reference45"},
        {"HighLatitude", "Angle", nullptr},
        {"PolarDays", "nearestlatitude", "NearestLatitude"},
        {"PolarDays", "none", "None"},
        {"PolarDays", "", nullptr},
        {"HijriCalendar", "ummalqura", "UmmAlQura"},
        {"HijriCalendar", "CIVIL", "Civil"},
        {"HijriCalendar", "Tabular", nullptr},
        {"HijriAdjust", "-2", "-2"},
        {"HijriAdjust", "+1", "1"},
        {"HijriAdjust", "3", nullptr},
        {"HijriAdjust", "1 ", nullptr},
        {"Clock", "24", "24"},
        {"Clock", "12", "12"},
        {"Clock", "13", nullptr},
        {"NotifyBefore", "0", "0"},
        {"NotifyBefore", "+15", "15"},
        {"NotifyBefore", "120", "120"},
        {"NotifyBefore", "121", nullptr},
        {"NotifyBefore", "-5", nullptr},
        {"NotifyBefore", "10 min", nullptr},
        {"Language", "", ""},
        {"Language", "AR", "ar"},
        {"Language", "en", "en"},
        {"Language", "de", "de"},
        {"Language", "ar_SA", nullptr},
        {"Language", "pseudo", nullptr},
        {"Language", "xx", nullptr},
        {"Language", "../../etc/passwd", nullptr},
        {"Colour", "24", nullptr},
    };
    for (const auto& c : cases)
    {
        std::string reason;
        const auto stored = CanonicalOptionValue(c.name, c.typed, &reason);
        if (c.stored == nullptr)
        {
            EXPECT_FALSE(stored) << c.name << " " << c.typed;
            EXPECT_FALSE(reason.empty()) << c.name << " " << c.typed;
        }
        else
        {
            ASSERT_TRUE(stored) << c.name << " " << c.typed << ": " << reason;
            EXPECT_EQ(*stored, c.stored) << c.name;
        }
    }
}

TEST(CalculationOptionsTest, DefaultsAreTheEngineOwnWaysAndEveryDefaultTextIsValid)
{
    const CalculationOptions options =
        OptionsFromTexts([](const char*) { return std::nullopt; }, [](const std::string&) {});
    EXPECT_EQ(options.method, nullptr);
    EXPECT_EQ(options.TotalAdjustments(), MinuteAdjustments{});
    EXPECT_EQ(options.rounding, Rounding::kTruncate);
    EXPECT_EQ(options.highLatitude, HighLatitudeRule::kReference45);
    EXPECT_EQ(options.polarDays, PolarDays::kNone);
    EXPECT_EQ(options.hijri.calendar, HijriCalendar::kCivil);
    EXPECT_EQ(options.hijri.adjustDays, 0);
    EXPECT_FALSE(options.clock24);
    for (const StoredCalculationOption& known : kStoredCalculationOptions)
        EXPECT_EQ(CanonicalOptionValue(known.name, known.defaultValue), known.defaultValue);
}

TEST(CalculationOptionsTest, InvalidStoredValueIsOneWarningAndItsDefault)
{
    const std::map<std::string, std::string> stored = {
        {"Method", "Tehran"}, {"Adjust", "1,2,3,4,5,6"}, {"Rounding", "nearest"},
        {"Clock", "25"},      {"HijriAdjust", "-1"},     {"HighLatitude", "OneSeventh"}};
    std::vector<std::string> warnings;
    const CalculationOptions options = OptionsFromTexts(
        [&](const char* name) -> std::optional<std::string>
        {
            const auto found = stored.find(name);
            if (found == stored.end())
                return std::nullopt;
            return found->second;
        },
        [&](const std::string& warning) { warnings.push_back(warning); });
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_NE(warnings[0].find("Tehran"), std::string::npos);
    EXPECT_NE(warnings[1].find("25"), std::string::npos);
    EXPECT_EQ(options.method, nullptr);
    EXPECT_FALSE(options.clock24);
    EXPECT_EQ(options.adjust, (MinuteAdjustments{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(options.rounding, Rounding::kNearest);
    EXPECT_EQ(options.hijri.adjustDays, -1);
    EXPECT_EQ(options.highLatitude, HighLatitudeRule::kOneSeventh);
}

TEST(CalculationOptionsTest, MethodMinutesAddToAdjust)
{
    CalculationOptions options;
    options.method = FindCalculationMethod("Turkey");
    options.adjust = {1, 1, 1, 1, 1, 1};
    EXPECT_EQ(options.TotalAdjustments(), (MinuteAdjustments{1, -6, 6, 5, 8, 1}));
}

TEST(CalculationOptionsTest, SeedSettingsTypedInAnyCaseGetTheirStoredSpelling)
{
    const struct
    {
        const char* name;
        const char* value;
        const char* storedName;
        const char* storedValue;
    } cases[] = {
        {"asrmethod", "hanafi", "AsrMethod", "Hanafi"},
        {"ADHAN", "on", "Adhan", "On"},
        {"alarm", "halvoadhan", "Alarm", "HalvoAdhan"},
        {"IshaAngle", "90 MIN AFTER MAGHRIB", "IshaAngle", "90 min after Maghrib"},
        {"cityname", "on", "CityName", "on"},
        {"rounding", "NEAREST", "Rounding", "Nearest"},
        {"Rounding", "bad", "Rounding", "bad"},
    };
    for (const auto& c : cases)
    {
        const SettingText text = CanonicalSettingText(c.name, c.value);
        EXPECT_EQ(text.name, c.storedName);
        EXPECT_EQ(text.value, c.storedValue);
    }
}

TEST_F(StoreTest, OptionsAreAddedOnFirstWriteAndReadBack)
{
    ASSERT_TRUE(InstallDefaultSettings());
    EXPECT_EQ(StoredOptionText(setting::kRounding), "Truncate");
    EXPECT_EQ(ReadCalculationOptions().rounding, Rounding::kTruncate);
    EXPECT_TRUE(WriteCalculationOption("rounding", "nearest"));
    EXPECT_TRUE(WriteCalculationOption("Method", "turkey"));
    EXPECT_TRUE(WriteCalculationOption("Method", "Dubai"));
    EXPECT_FALSE(WriteCalculationOption("Clock", "25"));
    EXPECT_FALSE(WriteCalculationOption("Colour", "1"));
    EXPECT_EQ(ReadSetting("Rounding"), "Nearest");
    EXPECT_EQ(ReadSetting("Method"), "Dubai");
    const CalculationOptions options = ReadCalculationOptions();
    EXPECT_EQ(options.rounding, Rounding::kNearest);
    ASSERT_NE(options.method, nullptr);
    EXPECT_STREQ(options.method->name, "Dubai");
    EXPECT_FALSE(options.clock24);
    // The seed's sixteen are untouched.
    EXPECT_EQ(ReadSetting("AsrMethod"), "Shafi");
}

} // namespace
} // namespace halvo
