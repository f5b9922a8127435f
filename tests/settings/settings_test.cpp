#include "platform/store/record_store.h"
#include "settings/colour_choices.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "tests/support/lock_held_once.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace halvo
{
namespace
{

using testing::StoreTest;

std::vector<std::pair<std::string, std::string>> StoredSettings()
{
    std::vector<std::pair<std::string, std::string>> settings;
    RecordStore store;
    if (!store.Open(kSettingsStoreName))
        return settings;
    while (auto record = store.ReadCurrent())
        settings.emplace_back(TextProperty(*record, kSettingNameProperty),
                              TextProperty(*record, kSettingValueProperty));
    return settings;
}

// Creates a "Settings" store holding the first count defaults, each value
// marked so a test can tell kept values from re-seeded ones.
void MakeOlderStore(std::size_t count)
{
    ASSERT_NE(RecordStore::Create(kSettingsStoreName, kSettingsTypeTag,
                                  {{kSettingNameProperty, kSortCaseInsensitive}}),
              0u);
    RecordStore store;
    ASSERT_TRUE(store.Open(kSettingsStoreName));
    for (std::size_t i = 0; i < count; ++i)
        ASSERT_TRUE(store.Append({{kSettingNameProperty, std::string(kDefaultSettings[i].name)},
                                  {kSettingValueProperty, "kept " + std::to_string(i + 1)}}));
}

TEST_F(StoreTest, FirstInstallSeedsSixteenDefaultsInOrder)
{
    ASSERT_TRUE(InstallDefaultSettings());
    RecordStore store;
    ASSERT_TRUE(store.Open(kSettingsStoreName));
    EXPECT_EQ(store.TypeTag(), 0x3052u);
    const auto settings = StoredSettings();
    ASSERT_EQ(settings.size(), 16u);
    // Traversal is by name; compare as a set of pairs.
    for (const SettingDefault& entry : kDefaultSettings)
        EXPECT_EQ(ReadSetting(entry.name), entry.value) << entry.name;
    // Appended in table order: the identities rise in that order.
    RecordIdentity previous = 0;
    for (const SettingDefault& entry : kDefaultSettings)
    {
        ASSERT_GE(store.SeekFirstEqual(kSettingNameProperty, std::string(entry.name)), 0);
        RecordIdentity identity = 0;
        ASSERT_TRUE(store.ReadCurrent(&identity));
        EXPECT_GT(identity, previous) << entry.name;
        previous = identity;
    }
}

// A store that lacks settings gains each missing one at its default (the
// older eight-record layout its records 9 to 16), and the values present
// are never re-seeded. A store lacking some used to stay so, and every
// start that set CityName then failed.
TEST_F(StoreTest, CompletionAddsTheMissingSettingsAndKeepsEveryValue)
{
    const struct
    {
        std::size_t before;
        std::size_t after;
    } cases[] = {{8, 16}, {16, 16}, {7, 16}, {9, 16}, {0, 16}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE("records before: " + std::to_string(c.before));
        TearDown();
        SetUp();
        MakeOlderStore(c.before);
        ASSERT_TRUE(InstallDefaultSettings());
        const auto settings = StoredSettings();
        EXPECT_EQ(settings.size(), c.after);
        for (std::size_t i = 0; i < c.after; ++i)
        {
            const std::string expected =
                i < c.before ? "kept " + std::to_string(i + 1) : kDefaultSettings[i].value;
            EXPECT_EQ(ReadSetting(kDefaultSettings[i].name), expected) << kDefaultSettings[i].name;
        }
        // Running it again changes nothing more.
        ASSERT_TRUE(InstallDefaultSettings());
        EXPECT_EQ(StoredSettings(), settings);
        ASSERT_TRUE(CompleteSettings());
        EXPECT_EQ(StoredSettings(), settings);
    }

    // Six records left, CityName among the missing: completion alone (no
    // feast reset) adds the ten others in table order.
    TearDown();
    SetUp();
    MakeOlderStore(6);
    ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kFeastValue, 1));
    ASSERT_TRUE(CompleteSettings());
    EXPECT_EQ(StoredSettings().size(), 16u);
    EXPECT_EQ(ReadSetting(setting::kReminder), "kept 6");
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    std::uint32_t feast = 0;
    ReadRegistryNumber(kFeastSubkey, kFeastValue, feast);
    EXPECT_EQ(feast, 1u);
    TearDown();
    SetUp();
    EXPECT_FALSE(CompleteSettings()) << "no store to complete";
}

TEST_F(StoreTest, InstallAlwaysResetsTheFeastReminder)
{
    for (bool storeExists : {false, true})
    {
        if (storeExists)
        {
            ASSERT_TRUE(InstallDefaultSettings());
        }
        ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kFeastValue, 1));
        ASSERT_TRUE(WriteRegistryNumber(kFeastSubkey, kNumDaysValue, 7));
        ASSERT_TRUE(InstallDefaultSettings());
        std::uint32_t feast = 99;
        std::uint32_t days = 99;
        ReadRegistryNumber(kFeastSubkey, kFeastValue, feast);
        ReadRegistryNumber(kFeastSubkey, kNumDaysValue, days);
        EXPECT_EQ(feast, 0u) << "store existed: " << storeExists;
        EXPECT_EQ(days, 0u) << "store existed: " << storeExists;
    }
}

TEST_F(StoreTest, WriteSettingReplacesInPlaceAndNeverAdds)
{
    ASSERT_TRUE(InstallDefaultSettings());
    ASSERT_TRUE(WriteSetting(setting::kCityName, "Zürich"));
    ASSERT_TRUE(WriteSetting(setting::kIshaAngle, kIshaNinetyMinutes));
    EXPECT_EQ(ReadSetting(setting::kCityName), "Zürich");
    EXPECT_EQ(ReadSetting(setting::kIshaAngle), "90 min after Maghrib");
    EXPECT_EQ(StoredSettings().size(), 16u);
    // A neighbour of the written record keeps its value.
    EXPECT_EQ(ReadSetting(setting::kAlarm), "HalvoAdhan");
    EXPECT_EQ(ReadSetting(setting::kAsrMethod), "Shafi");

    // A name with no record: nothing is written over another setting.
    EXPECT_FALSE(WriteSetting("NoSuchSetting", "x"));
    EXPECT_EQ(StoredSettings().size(), 16u);
    for (const auto& [name, value] : StoredSettings())
        EXPECT_NE(value, "x") << name;
    std::string out = "untouched";
    ReadSetting("NoSuchSetting", out);
    EXPECT_EQ(out, "untouched");
}

TEST_F(StoreTest, ReadingWithoutSettingsStoreLeavesBufferAlone)
{
    std::string out = "before";
    ReadSetting(setting::kCityName, out);
    EXPECT_EQ(out, "before");
    EXPECT_FALSE(WriteSetting(setting::kCityName, "x"));
    EXPECT_EQ(ReadSetting(setting::kCityName), "");
}

TEST(SettingValues, FormatsAreCheckedPerSetting)
{
    const struct
    {
        const char* name;
        const char* value;
        bool valid;
    } cases[] = {
        {"AsrMethod", "Hanafi", true},
        {"AsrMethod", "hanafi", false},
        {"AsrMethod", "", false},
        {"FajrAngle", "150", true},
        {"FajrAngle", "195", true},
        {"FajrAngle", "0", false},
        {"FajrAngle", "900", false},
        {"FajrAngle", "15.0", false},
        {"FajrAngle", "-150", false},
        {"FajrAngle", "0150", false},
        {"FajrAngle", "90 min after Maghrib", false},
        {"IshaAngle", "90 min after Maghrib", true},
        {"IshaAngle", "90", true},
        {"IshaAngle", "90 min", false},
        {"Adhan", "On", true},
        {"Adhan", "Off", true},
        {"Adhan", "on", false},
        {"Reminder", "0", true},
        {"Reminder", "5", true},
        {"Reminder", "6", false},
        {"Reminder", "01", false},
        {"CityName", "Seattle, WA", true},
        {"CityName", "Zürich", true},
        {"CityName", "", false},
        {"CityName", "a\nb", false},
        {"CityName", "\xC3\x28", false},
        {"Alarm", "Alarm5", true},
        {"Alarm", "HalvoAdhan", true},
        {"Alarm", "Alarm6", false},
        {"Alarm", "../x", false},
        {"Bg", "0", true},
        {"Bg", "10", true},
        {"Txt", "11", false},
        {"Hr", " 1", false},
        {"Fajr", "1", true},
        {"Isha", "0", true},
        {"Zuhr", "On", false},
        {"Maghrib", "2", false},
        {"KQMethod", "World Islamic League", false},
        {"cityname", "Seattle, WA", false},
        {"Colour", "1", false},
    };
    for (const auto& c : cases)
    {
        std::string reason;
        EXPECT_EQ(ValidateSettingValue(c.name, c.value, &reason), c.valid)
            << c.name << " = \"" << c.value << "\"";
        EXPECT_EQ(reason.empty(), c.valid) << c.name << ": " << reason;
    }
}

// Lengths are counted in UTF-16 units, as the stores define their limits:
// an accented name of 600 characters is 1200 bytes and still fits.
TEST(SettingValues, StoredTextIsPrintableUtf8OfAtMost1023Units)
{
    std::string accented;
    for (int i = 0; i < 600; ++i)
        accented += "\xC3\xA9"; // é
    std::string emoji;
    for (int i = 0; i < 512; ++i)
        emoji += "\xF0\x9F\x95\x8C"; // two units each
    const struct
    {
        std::string value;
        bool valid;
    } cases[] = {
        {std::string(1023, 'a'), true},
        {std::string(1024, 'a'), false},
        {accented, true},
        {emoji, false},
        {emoji.substr(4), true}, // 1022 units
        {"Bad \xC3\x28", false},
        {"tab\there", false},
        {"bell\x07", false},
        {"C1 \xC2\x85", false},
        {"", false},
    };
    for (const auto& c : cases)
    {
        std::string reason;
        EXPECT_EQ(ValidateSettingValue("CityName", c.value, &reason), c.valid)
            << c.value.size() << " bytes: " << reason;
    }
}

// Whatever a caller passes, nothing that a list or JSON could not show is
// written: the value stays as it was.
TEST_F(StoreTest, WriteSettingRefusesTextThatCannotBeStored)
{
    ASSERT_TRUE(InstallDefaultSettings());
    for (const std::string& value :
         {std::string("Bad \xC3\x28"), std::string("two\nlines"), std::string(1024, 'x')})
    {
        EXPECT_FALSE(WriteSetting(setting::kCityName, value));
        EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
    }
    EXPECT_TRUE(WriteSetting(setting::kCityName, std::string(1023, 'x')));
}

TEST_F(StoreTest, RegistryKeysCountNameAndDelete)
{
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Cities"), kRegistryKeyMissing);
    std::uint32_t number = 42;
    ReadRegistryNumber("Feast", "Feast", number);
    EXPECT_EQ(number, 42u) << "a missing key leaves the number alone";

    for (const char* city : {"Paris", "Berlin", "100%_real"})
        ASSERT_TRUE(WriteRegistryNumber(std::string("Pelora\\Cities\\") + city, "Zone", 3));
    ASSERT_TRUE(WriteRegistryNumber("Pelora\\Cities\\Berlin\\Deeper", "X", 1));
    ASSERT_TRUE(WriteRegistryNumber("Pelora\\Citiesque", "X", 1));
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Cities"), 3) << "only direct sub-keys of that very key";
    EXPECT_EQ(CountRegistrySubkeys("pelora\\cities"), 3) << "key names ignore case";
    EXPECT_EQ(CountRegistrySubkeys("Pelora"), 2);
    EXPECT_EQ(RegistrySubkeyName("Pelora\\Cities", 0), "100%_real");
    EXPECT_EQ(RegistrySubkeyName("Pelora\\Cities", 2), "Paris");
    EXPECT_EQ(RegistrySubkeyName("Pelora\\Cities", 3), "");

    // Start-up's clean-up: sub-keys from the last down, then the key.
    const int count = CountRegistrySubkeys("Pelora\\Cities");
    for (int index = count - 1; index >= 0; --index)
        EXPECT_TRUE(DeleteRegistryKey("Software\\Halvo\\Pelora\\Cities",
                                      RegistrySubkeyName("Pelora\\Cities", index)));
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Cities"), 0);
    EXPECT_TRUE(DeleteRegistryKey("Software\\Halvo\\Pelora", "Cities"));
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Cities"), kRegistryKeyMissing);
    EXPECT_FALSE(DeleteRegistryKey("Software\\Halvo\\Pelora", "Cities")) << "already gone";
    EXPECT_EQ(CountRegistrySubkeys("Pelora\\Citiesque"), 0) << "a key sharing the prefix survives";

    ASSERT_TRUE(WriteRegistryNumber("Feast", "NumDays", 4294967295u));
    ReadRegistryNumber("Feast", "NumDays", number);
    EXPECT_EQ(number, 4294967295u);
    ReadRegistryNumber("Feast", "Other", number = 5);
    EXPECT_EQ(number, 5u);
}

// Two processes (the desktop program and the command line) write settings
// at the same moment: every write lands, none fails on the other's lock.
TEST_F(StoreTest, TwoProcessesWritingSettingsLoseNothing)
{
    ASSERT_TRUE(InstallDefaultSettings());
    CloseDatabase();
    constexpr int kWrites = 150;
    const char* names[2][3] = {{"Bg", "Fajr", "CityName"}, {"Txt", "Isha", "Alarm"}};
    pid_t children[2];
    for (int child = 0; child < 2; ++child)
    {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0)
        {
            int failures = OpenDatabase(database_).ok ? 0 : 100;
            for (int i = 0; i < kWrites; ++i)
                for (const char* name : names[child])
                    if (!WriteSetting(name, std::string(name) + " " + std::to_string(i)))
                        ++failures;
            CloseDatabase();
            _exit(failures == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children)
    {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed in a child";
    }
    ASSERT_TRUE(OpenDatabase(database_).ok);
    for (const auto& group : names)
        for (const char* name : group)
            EXPECT_EQ(ReadSetting(name), std::string(name) + " " + std::to_string(kWrites - 1));
    EXPECT_EQ(StoredSettings().size(), 16u);
}

// Both programs starting for the first time at once must not end with two
// stores' worth of defaults or a half-filled one.
TEST_F(StoreTest, TwoProcessesInstallingDefaultsLeaveOneStore)
{
    CloseDatabase();
    pid_t children[2];
    for (pid_t& child : children)
    {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            const bool ok = OpenDatabase(database_).ok && InstallDefaultSettings();
            CloseDatabase();
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children)
    {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ASSERT_TRUE(OpenDatabase(database_).ok);
    EXPECT_EQ(StoredSettings().size(), 16u);
}

// The three colours are stored in one commit and shown only once stored:
// without the write lock nothing is stored (no write slips through on its
// own) and the screen keeps its colours; nothing chosen needs no lock.
TEST_F(StoreTest, PendingColoursAreStoredAndAppliedTogetherOrNotAtAll)
{
    ASSERT_TRUE(InstallDefaultSettings());
    const PendingColourChoices chosen{8, 0, kNoColourChange};
    ScreenColours colours;
    const ScreenColours before = colours;
    {
        testing::LockHeldOnce lock(database_);
        EXPECT_FALSE(ApplyPendingColours(chosen, colours));
    }
    EXPECT_EQ(ReadSetting(setting::kBg), "9");
    EXPECT_EQ(ReadSetting(setting::kTxt), "1");
    EXPECT_EQ(colours.background, before.background);
    EXPECT_EQ(colours.text, before.text);

    {
        testing::LockHeldOnce lock(database_);
        EXPECT_TRUE(ApplyPendingColours(PendingColourChoices{}, colours));
    }
    EXPECT_TRUE(ApplyPendingColours(chosen, colours));
    EXPECT_EQ(ReadSetting(setting::kBg), "8");
    EXPECT_EQ(ReadSetting(setting::kTxt), "0");
    EXPECT_EQ(ReadSetting(setting::kHr), "1");
    EXPECT_EQ(colours.background, ColourTable[8].value);
    EXPECT_EQ(colours.text, ColourTable[0].value);
    EXPECT_EQ(colours.header, before.header);
}

} // namespace
} // namespace halvo
