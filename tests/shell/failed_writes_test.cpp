// Every dialog that writes to the store says so when the write fails and
// stays open with what the person entered, the store untouched; the same OK
// goes through once the store takes writes again.

#include "conventions/twilight_conventions.h"
#include "conventions/ui/add_twilight_angles_dialog.h"
#include "conventions/ui/asr_method_dialog.h"
#include "conventions/ui/twilight_conventions_dialog.h"
#include "feasts/ui/remind_me_dialog.h"
#include "locations/city_entry.h"
#include "locations/ui/add_city_dialog.h"
#include "locations/ui/delete_city_dialog.h"
#include "locations/ui/edit_timezone_dialog.h"
#include "locations/ui/select_location_dialog.h"
#include "resources/resource_ids.h"
#include "settings/colour_choices.h"
#include "settings/registry.h"
#include "shell/adhan_switches.h"
#include "shell/colour_preferences_dialog.h"
#include "shell/set_adhan_dialog.h"
#include "tests/locations/ui/location_dialogs_fixture.h"
#include "tests/support/adhan_fakes.h"
#include "tests/support/write_lock_held.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class FailedWrites : public testing::LocationDialogs
{
  protected:
    void SetUp() override
    {
        LocationDialogs::SetUp();
        ASSERT_TRUE(EnsureConventionStore());
        adhanSwitches = AdhanSwitches{};
        pendingColourChoices = PendingColourChoices{};
    }
    void TearDown() override
    {
        pendingColourChoices = PendingColourChoices{};
        adhanSwitches = AdhanSwitches{};
        LocationDialogs::TearDown();
    }

    // What the dialog shows in the controls the person used.
    static std::string Entries(DialogHarness& harness, const std::vector<int>& ids)
    {
        std::string shown;
        for (const int id : ids)
            shown += std::to_string(id) + "=" + harness.Text(id) + "/" +
                     std::to_string(harness.Selection(id)) + "/" +
                     (harness.Checked(id) ? "on" : "off") + "\n";
        return shown;
    }

    testing::RecordingPlayer player_;
};

std::string AdhanInEffect()
{
    return std::to_string(adhanSwitches.enabled) + std::to_string(adhanSwitches.fajr) +
           std::to_string(adhanSwitches.isha);
}

std::string ColoursInEffect()
{
    return std::to_string(screenColours.background) + "/" +
           std::to_string(pendingColourChoices.background);
}

std::uint32_t RegistryNumber(const char* value)
{
    std::uint32_t number = 99;
    ReadRegistryNumber(kFeastSubkey, value, number);
    return number;
}

TEST_F(FailedWrites, AreSaidAndKeepTheDialogOpenWithItsEntriesAndTheStoreAsItWas)
{
    struct Case
    {
        const char* dialog;
        std::function<std::unique_ptr<CDialog>()> make;
        std::function<void(DialogHarness&)> enter;
        std::vector<int> entries;
        const char* message;
        std::function<bool()> stored; // the choice, read back after the OK that went through
        std::function<std::string()> inEffect = [] { return std::string(); };
    };
    const Case cases[] = {
        {"Add City",
         [] { return std::make_unique<CAddCityDlg>(nullptr); },
         [](DialogHarness& h)
         {
             h.Type(IDC_CITY_NAME, "Giza");
             h.Type(IDC_COUNTRY_NAME, "Egypt");
             h.Type(IDC_LONGITUDE, "31.13");
             h.Type(IDC_LATITUDE, "29.98");
         },
         {IDC_CITY_NAME, IDC_COUNTRY_NAME, IDC_LONGITUDE, IDC_LATITUDE, IDC_CITY_ZONE},
         kCityNotWrittenMessage,
         [] { return FindCity("Giza") >= 0; }},
        {"Edit City",
         []
         {
             auto dialog = std::make_unique<CAddCityDlg>(nullptr);
             dialog->SetEditCity("Cairo");
             return dialog;
         },
         [](DialogHarness& h)
         {
             h.Type(IDC_LATITUDE, "31.50");
             h.SelectText(IDC_EAST_WEST, "West");
         },
         {IDC_CITY_NAME, IDC_COUNTRY_NAME, IDC_LONGITUDE, IDC_EAST_WEST, IDC_LATITUDE,
          IDC_CITY_ZONE},
         kCityNotChangedMessage,
         []
         {
             const auto city = ReadCity("Cairo");
             return city && city->latitude == "3150" && city->longitude == "-3125";
         }},
        {"EditTimezone",
         [] { return std::make_unique<CEditTimezoneDlg>(nullptr); },
         [](DialogHarness& h)
         {
             h.Select(IDC_END_MONTH, 0);
             h.Select(IDC_START_OCCURRENCE, 4);
         },
         {IDC_ZONE, IDC_START_MONTH, IDC_START_DAY_OF_WEEK, IDC_START_OCCURRENCE, IDC_END_MONTH,
          IDC_END_DAY_OF_WEEK, IDC_END_OCCURRENCE},
         kZoneNotWrittenMessage,
         []
         {
             const auto zone = ReadTimeZone(testing::kPacificZone);
             return zone && zone->end.month == 0 && zone->start.occurrence == 4;
         }},
        {"Delete City",
         [] { return std::make_unique<CDeleteCityDlg>(nullptr); },
         [](DialogHarness& h) { h.SelectText(IDC_DELETE_CITIES, "Cairo (Egypt)"); },
         {IDC_DELETE_CITIES},
         kCityNotDeletedMessage,
         [] { return FindCity("Cairo") < 0 && FindCity("Alexandria") >= 0; }},
        {"Select Location",
         []
         {
             auto dialog = std::make_unique<CSelectLocationDlg>(nullptr);
             dialog->StoreAsCurrentCity();
             return dialog;
         },
         [](DialogHarness& h) { h.SelectText(IDC_CITIES, "Kabul"); },
         {IDC_REGION, IDC_COUNTRIES, IDC_CITIES},
         kSettingsNotWrittenMessage,
         [] { return ReadSetting(setting::kCityName) == "Kabul"; }},
        {"Color Preferences",
         [] { return std::make_unique<CColorPrefsDlg>(nullptr); },
         [](DialogHarness& h)
         {
             h.ThenModal(
                 [](DialogHarness& palette)
                 {
                     palette.Select(IDC_PALETTE, 8); // red
                     palette.OK();
                 });
             h.Click(IDC_CHANGE_BACKGROUND);
         },
         {},
         kSettingsNotWrittenMessage,
         [] { return ReadSetting(setting::kBg) == "8" && screenColours.background == 0x0000FF; },
         ColoursInEffect},
        {"Add Twilight Angles",
         [] { return std::make_unique<CAddTwilightAnglesDlg>(nullptr); },
         [](DialogHarness& h)
         {
             h.Type(IDC_METHOD_NAME, "My Mosque");
             h.Type(IDC_FAJR_ANGLE, "17.5");
             h.Type(IDC_ISHA_ANGLE, "16");
         },
         {IDC_METHOD_NAME, IDC_FAJR_ANGLE, IDC_ISHA_ANGLE},
         kConventionNotWrittenMessage,
         []
         {
             const auto method = FindConvention("My Mosque");
             return method && method->fajr == "175" && method->isha == "160";
         }},
        {"Select Asr Method",
         [] { return std::make_unique<CAsrMethodDlg>(nullptr); },
         [](DialogHarness& h) { h.SelectText(IDC_ASR_SCHOOL, "Hanafi"); },
         {IDC_ASR_SCHOOL},
         kSettingsNotWrittenMessage,
         [] { return ReadSetting(setting::kAsrMethod) == "Hanafi"; }},
        {"Twilight Conventions",
         [] { return std::make_unique<CTwilightConventionsDlg>(nullptr); },
         [](DialogHarness& h) { h.SelectText(IDC_CONVENTION, "Um Ul-Qura, Makkah"); },
         {IDC_CONVENTION, IDC_FAJR_ANGLE, IDC_ISHA_ANGLE},
         kSettingsNotWrittenMessage,
         []
         {
             return ReadSetting(setting::kKQMethod) == "Um Ul-Qura, Makkah" &&
                    ReadSetting(setting::kFajrAngle) == "190" &&
                    ReadSetting(setting::kIshaAngle) == kIshaNinetyMinutes;
         }},
        {"Set Adhan",
         [this] { return std::make_unique<CSetAdhanDlg>(nullptr, player_); },
         [](DialogHarness& h)
         {
             h.Click(IDC_ADHAN_ON);
             h.Click(IDC_ADHAN_ALL);
             h.SelectText(IDC_ADHAN_SOUND, "Alarm3");
             h.SelectText(IDC_ADHAN_REPEAT, "4");
         },
         {IDC_ADHAN_ON, IDC_ADHAN_FAJR, IDC_ADHAN_ISHA, IDC_ADHAN_ALL, IDC_ADHAN_SOUND,
          IDC_ADHAN_REPEAT},
         kSettingsNotWrittenMessage,
         []
         {
             return ReadSetting(setting::kAdhan) == "On" && ReadSetting(setting::kIsha) == "1" &&
                    ReadSetting(setting::kAlarm) == "Alarm3" &&
                    ReadSetting(setting::kReminder) == "4" && adhanSwitches.enabled &&
                    adhanSwitches.fajr;
         },
         AdhanInEffect},
        {"Remind Me",
         [] { return std::make_unique<CRemindMeDlg>(nullptr); },
         [](DialogHarness& h)
         {
             h.Click(IDC_REMINDER_CHECK);
             h.SelectText(IDC_REMIND_DAYS, "2 Days Before");
         },
         {IDC_REMINDER_CHECK, IDC_REMIND_DAYS},
         kSettingsNotWrittenMessage,
         [] { return RegistryNumber(kFeastValue) == 1 && RegistryNumber(kNumDaysValue) == 2; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dialog);
        const std::string before = testing::StoreDump(database_);
        const std::unique_ptr<CDialog> dialog = c.make();
        DialogHarness harness(*dialog);
        c.enter(harness);
        const std::string inEffectBefore = c.inEffect();
        const std::string entries = Entries(harness, c.entries);

        testing::WriteLockHeld lock(database_);
        EXPECT_FALSE(harness.OK());
        EXPECT_EQ(harness.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(Entries(harness, c.entries), entries);
        EXPECT_EQ(testing::StoreDump(database_), before);
        EXPECT_EQ(c.inEffect(), inEffectBefore);

        lock.Release();
        EXPECT_TRUE(harness.OK());
        EXPECT_EQ(harness.Messages().size(), 1u);
        EXPECT_NE(testing::StoreDump(database_), before);
        EXPECT_TRUE(c.stored());
    }
}

// Edit Location only chooses a city with Select Location: nothing is
// written, so a store that takes no writes does not stop the choice.
TEST_F(FailedWrites, ChoosingTheCityToEditWritesNothing)
{
    const std::string before = testing::StoreDump(database_);
    CSelectLocationDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.SelectText(IDC_CITIES, "Kabul");
    testing::WriteLockHeld lock(database_);
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(dialog.ChosenCity(), "Kabul");
    EXPECT_TRUE(harness.Messages().empty());
    EXPECT_EQ(testing::StoreDump(database_), before);
    EXPECT_EQ(ReadSetting(setting::kCityName), "Seattle, WA");
}

} // namespace
} // namespace halvo
