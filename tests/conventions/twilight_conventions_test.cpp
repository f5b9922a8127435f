// Twilight conventions: the built-ins survive an early add, selection copies
// the angles into the settings, and the angle texts convert as the dialogs do.
#include "conventions/twilight_conventions.h"
#include "settings/settings.h"
#include "tests/support/lock_held_once.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

class TwilightConventions : public testing::StoreTest
{
};

std::vector<std::string> BuiltInNames()
{
    std::vector<std::string> names;
    for (const Convention& convention : BuiltInConventions())
    {
        names.push_back(convention.name);
    }
    return names;
}

TEST_F(TwilightConventions, AddingBeforeTheStoreExistsKeepsTheBuiltIns)
{
    ASSERT_TRUE(AddConvention("My Mosque", "170", "160"));
    std::vector<std::string> expected = BuiltInNames();
    // Store order is the case-insensitive order of the names.
    expected.insert(expected.begin() + 2, "My Mosque");
    EXPECT_EQ(ListConventions(), expected);
    ASSERT_TRUE(EnsureConventionStore());
    EXPECT_EQ(ListConventions().size(), 6u);
}

TEST_F(TwilightConventions, AddingWithoutTheLockCreatesNothing)
{
    {
        testing::LockHeldOnce lock(folder_ / "test.db");
        EXPECT_FALSE(AddConvention("My Mosque", "170", "160"));
    }
    EXPECT_FALSE(RecordStore::Exists(kConventionsStoreName));
}

TEST_F(TwilightConventions, SelectingCopiesNameAndAnglesAndAnUnknownNameChangesNothing)
{
    ASSERT_TRUE(InstallDefaultSettings());
    ASSERT_TRUE(EnsureConventionStore());
    ASSERT_TRUE(AddConvention("Twice", "100", "110"));
    ASSERT_TRUE(AddConvention("twice", "120", "130"));
    ASSERT_TRUE(SelectConvention("Um Ul-Qura, Makkah"));
    EXPECT_EQ(ReadSetting("KQMethod"), "Um Ul-Qura, Makkah");
    EXPECT_EQ(ReadSetting("FajrAngle"), "190");
    EXPECT_EQ(ReadSetting("IshaAngle"), kNinetyMinutesAfterMaghrib);

    // A repeated name: the first one's angles.
    ASSERT_TRUE(SelectConvention("TWICE"));
    EXPECT_EQ(ReadSetting("FajrAngle"), "100");

    EXPECT_FALSE(SelectConvention("No Such Method"));
    EXPECT_EQ(ReadSetting("KQMethod"), "TWICE");
    EXPECT_EQ(ReadSetting("FajrAngle"), "100");
}

TEST(AngleTexts, ConvertBothWaysAsTheDialogsDo)
{
    struct ToText
    {
        const char* typed;
        std::optional<std::string> stored;
    };
    const ToText typed[] = {
        {"19.5", "195"},       {"18", "180"},         {"19.35", "193"},       {"9", "90"},
        {" 15.0", "150"},      {"17.5deg", "175"},    {"abc", std::nullopt},  {"", std::nullopt},
        {"nan", std::nullopt}, {"inf", std::nullopt}, {"1e40", std::nullopt},
    };
    for (const ToText& c : typed)
    {
        EXPECT_EQ(DegreesToAngleText(c.typed), c.stored) << '"' << c.typed << '"';
    }
    struct FromText
    {
        const char* stored;
        int tenths; // the engine gets tenths x 0.1, computed the same way
        const char* shown;
    };
    const FromText stored[] = {
        {"195", 195, "19.5"}, {"150", 150, "15.0"},
        {"175", 175, "17.5"}, {kNinetyMinutesAfterMaghrib, 90, kNinetyMinutesAfterMaghrib},
        {"90", 90, "9.0"},    {"", 0, "0.0"},
        {"193", 193, "19.3"},
    };
    for (const FromText& c : stored)
    {
        EXPECT_EQ(AngleTextToDegrees(c.stored), c.tenths * 0.1) << c.stored;
        EXPECT_EQ(AngleTextForDisplay(c.stored), c.shown) << c.stored;
    }
    // The engine must get exactly 9.0 for the 90-minute rule.
    EXPECT_EQ(AngleTextToDegrees(kNinetyMinutesAfterMaghrib), 9.0);
}

} // namespace
} // namespace halvo
