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

// A name stored once is listed and printed as JSON on every later run, and
// nothing removes a convention: a name that cannot be shown must never get
// in. Angle texts are whole tenths, or the 90-minute text for Isha.
TEST_F(TwilightConventions, NamesAndAnglesThatCannotBeStoredAreRefused)
{
    std::string accented;
    for (int i = 0; i < 600; ++i)
        accented += "\xC3\xA9"; // é, 1200 bytes but 600 units
    const struct
    {
        std::string name;
        std::string fajr;
        std::string isha;
        bool added;
    } cases[] = {
        {accented, "150", "150", true},
        {"Mine", "195", kNinetyMinutesAfterMaghrib, true},
        {"Negative", "-50", "0", true},
        {"", "150", "150", false},
        {"Bad \xC3\x28", "150", "150", false},
        {"Line\nbreak", "150", "150", false},
        {"Escape \x1B[31m", "150", "150", false},
        {std::string(1024, 'n'), "150", "150", false},
        {"Angles", "15abc", "150", false},
        {"Angles", "150", "15 16", false},
        {"Angles", "", "150", false},
        {"Angles", kNinetyMinutesAfterMaghrib, "150", false},
        {"Angles", "99999999999", "150", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name.substr(0, 20) + " " + c.fajr + " " + c.isha);
        std::string reason;
        EXPECT_EQ(ValidateConventionName(c.name, &reason) && IsAngleText(c.fajr, false) &&
                      IsAngleText(c.isha, true),
                  c.added)
            << reason;
        EXPECT_EQ(AddConvention(c.name, c.fajr, c.isha), c.added);
    }
    EXPECT_EQ(ReadAllConventions().size(), BuiltInConventions().size() + 3);
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

// Only a text that is a number as a whole, strictly between 0 and 90 and
// at least a tenth, becomes an angle the add dialog stores.
TEST(TypedAngles, OnlyNumbersStrictlyBetweenZeroAndNinetyAreTaken)
{
    struct Case
    {
        const char* typed;
        const char* stored; // nullptr: refused
    };
    for (const Case& c : {Case{"19.5", "195"},   Case{" 18 ", "180"},      Case{"19.35", "193"},
                          Case{"9", "90"},       Case{"0.1", "1"},         Case{"89.99", "899"},
                          Case{"abc", nullptr},  Case{"19.5abc", nullptr}, Case{"19,5", nullptr},
                          Case{"0", nullptr},    Case{"-15", nullptr},     Case{"90", nullptr},
                          Case{"120", nullptr},  Case{"0.05", nullptr},    Case{"nan", nullptr},
                          Case{"inf", nullptr},  Case{"1e1", "100"},       Case{"", nullptr},
                          Case{"   ", nullptr},  Case{"+18", "180"},       Case{" +19.5 ", "195"},
                          Case{"+-18", nullptr}, Case{"++18", nullptr},    Case{"+", nullptr},
                          Case{"+ 18", nullptr}})
    {
        const auto text = TypedAngleToText(c.typed);
        EXPECT_EQ(text.value_or("refused"), c.stored != nullptr ? c.stored : "refused") << c.typed;
    }
}

// A name that differs from a stored one only in case or surrounding blanks
// is taken, whether the store exists yet or still holds only the built-ins.
TEST_F(TwilightConventions, NamesTakenButForCaseOrBlanks)
{
    struct Case
    {
        const char* name;
        bool taken;
    };
    const Case cases[] = {
        Case{"World Islamic League", true},   Case{"  world islamic league ", true},
        Case{"WORLD ISLAMIC LEAGUE", true},   Case{"World Islamic", false},
        Case{"World  Islamic League", false}, Case{"My Own", false}};
    for (const Case& c : cases)
        EXPECT_EQ(ConventionNameTaken(c.name), c.taken) << "before the store: " << c.name;
    ASSERT_TRUE(AddConvention("My Own", "160", "160"));
    EXPECT_TRUE(ConventionNameTaken("my own  "));
    for (const Case& c : cases)
        EXPECT_EQ(ConventionNameTaken(c.name), c.taken || std::string(c.name) == "My Own")
            << c.name;
}

// The add dialog and `tavorin conventions add` judge an entry by this one
// check: each reason its own problem, in the dialog's order.
TEST_F(TwilightConventions, EntriesAreCheckedInTheDialogsOrderWithOneReasonEach)
{
    using Problem = ConventionEntryProblem;
    struct Case
    {
        const char* name;
        const char* fajr;
        const char* isha;
        Problem problem;
    };
    for (const Case& c : {
             Case{"", "", "", Problem::kNoName},
             Case{" \t ", "18", "17", Problem::kNoName},
             Case{" world islamic league ", "18", "17", Problem::kNameTaken},
             Case{"Mine", " ", "17", Problem::kNoFajr},
             Case{"Mine", "18,5", "17", Problem::kBadFajr},
             Case{"Mine", "0", "17", Problem::kBadFajr},
             Case{"Mine", "0.05", "17", Problem::kFajrUnderATenth},
             Case{"Mine", "18", "", Problem::kNoIsha},
             Case{"Mine", "18", "-1", Problem::kBadIsha},
             Case{"Mine", "18", "+0.09", Problem::kIshaUnderATenth},
             Case{"  Mine ", "+18", "9", Problem::kNone},
         })
    {
        const CheckedConventionEntry checked = CheckConventionEntry(c.name, c.fajr, c.isha);
        EXPECT_EQ(checked.problem, c.problem) << c.name << " " << c.fajr << " " << c.isha;
        EXPECT_EQ(checked.convention.has_value(), c.problem == Problem::kNone) << c.name;
        EXPECT_EQ(std::string(ConventionEntryMessage(c.problem)).empty(),
                  c.problem == Problem::kNone);
    }
    const auto mine = CheckConventionEntry("  Mine ", "+18", "9").convention;
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->name, "Mine");
    EXPECT_EQ(mine->fajr, "180");
    EXPECT_EQ(mine->isha, "90");
}

// The stored KQMethod's own entry wins over an earlier one that it begins
// or that equals it only but for case.
TEST(StoredConventionRow, TheEqualEntryBeforeAnyItBegins)
{
    const std::vector<std::string> names = {"Egyptian General Organization of Surveying",
                                            "Egyptian General Organization of Surveying (summer)",
                                            "Mine", "MINE", "Um Ul-Qura, Makkah"};
    struct Case
    {
        const char* stored;
        int row; // -1: none is equal
    };
    for (const Case& c :
         {Case{"Egyptian General Organization of Surveying", 0},
          Case{"Egyptian General Organization of Surveying (summer)", 1}, Case{"MINE", 3},
          Case{"mine", 2}, Case{"um ul-qura, makkah", 4}, Case{"Egyptian", -1}, Case{"", -1}})
        EXPECT_EQ(RowOfStoredConvention(names, c.stored).value_or(-1), c.row) << c.stored;
}

} // namespace
} // namespace halvo
