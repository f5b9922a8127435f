#include "locations/ui/add_city_dialog.h"

#include "locations/city_entry.h"
#include "resources/resource_ids.h"
#include "tests/locations/ui/location_dialogs_fixture.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;
using testing::kEgyptZone;
using testing::kIndiaZone;
using testing::kPacificZone;
using CityDialog = testing::LocationDialogs;

struct Typed
{
    const char* name;
    const char* country;
    const char* longitude;
    const char* eastWest;
    const char* latitude;
    const char* northSouth;
};

void TypeCity(DialogHarness& dialog, const Typed& typed)
{
    dialog.Type(IDC_CITY_NAME, typed.name);
    dialog.Type(IDC_COUNTRY_NAME, typed.country);
    dialog.Type(IDC_LONGITUDE, typed.longitude);
    dialog.SelectText(IDC_EAST_WEST, typed.eastWest);
    dialog.Type(IDC_LATITUDE, typed.latitude);
    dialog.SelectText(IDC_NORTH_SOUTH, typed.northSouth);
}

std::string SelectedText(DialogHarness& dialog, int id)
{
    const int row = dialog.Selection(id);
    return row < 0 ? std::string() : dialog.Items(id)[static_cast<std::size_t>(row)];
}

TEST_F(CityDialog, AddModeOpensOnThePlaceholdersAndTheFirstZone)
{
    CAddCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Text(IDC_CITY_NAME), "city name");
    EXPECT_EQ(harness.Text(IDC_COUNTRY_NAME), "country name");
    EXPECT_EQ(harness.Text(IDC_LONGITUDE), "100");
    EXPECT_EQ(harness.Text(IDC_LATITUDE), "100");
    EXPECT_EQ(harness.Items(IDC_EAST_WEST), (std::vector<std::string>{"East", "West"}));
    EXPECT_EQ(SelectedText(harness, IDC_EAST_WEST), "East");
    EXPECT_EQ(SelectedText(harness, IDC_NORTH_SOUTH), "North");
    EXPECT_EQ(harness.Items(IDC_CITY_ZONE), ListTimeZones().labels);
    EXPECT_EQ(harness.Selection(IDC_CITY_ZONE), 0);
}

// Every refusal keeps the dialog open and stores nothing; the untouched
// placeholders are refused, not stored as a latitude of 100 degrees.
TEST_F(CityDialog, EachRefusalSaysWhyStaysOpenAndStoresNothing)
{
    struct Case
    {
        Typed typed;
        std::string message;
    };
    const Case cases[] = {
        {{"city name", "country name", "100", "East", "100", "North"}, kUnlistedCountryMessage},
        {{"", "Egypt", "31", "East", "30", "North"}, kNoCityNameMessage},
        {{"Giza", "", "31", "East", "30", "North"}, kNoCountryNameMessage},
        {{"Giza", "Egyptt", "31", "East", "30", "North"},
         std::string(kUnlistedCountryMessage) + "  Did you mean Egypt?"},
        {{"Giza", "Egypt", "31", "East", "7,5", "North"}, kLatitudeRangeMessage},
        {{"   ", "Egypt", "31", "East", "30", "North"}, kNoCityNameMessage},
        {{"Giza", "Egypt", "31", "East", "", "North"}, kNoLatitudeMessage},
        {{"Giza", "Egypt", "31", "East", "100", "North"}, kLatitudeRangeMessage},
        {{"Giza", "Egypt", "31", "East", "thirty", "North"}, kLatitudeRangeMessage},
        {{"Giza", "Egypt", "", "East", "30", "North"}, kNoLongitudeMessage},
        {{"Giza", "Egypt", "181", "West", "30", "North"}, kLongitudeRangeMessage},
        {{"Giza", "Egypt", "-31", "East", "30", "North"}, kLongitudeRangeMessage},
    };
    const std::vector<std::string> before = ListCities();
    for (const Case& c : cases)
    {
        CAddCityDlg dialog(nullptr);
        DialogHarness harness(dialog);
        TypeCity(harness, c.typed);
        EXPECT_FALSE(harness.OK()) << c.message;
        EXPECT_EQ(harness.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(harness.Text(IDC_CITY_NAME), c.typed.name);
        EXPECT_EQ(harness.Text(IDC_LATITUDE), c.typed.latitude);
    }
    EXPECT_EQ(ListCities(), before);
}

TEST_F(CityDialog, AddStoresHundredthsDigitByDigitAndTheListedCountry)
{
    CAddCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    TypeCity(harness, {"Null Island West", " egypt ", "7.41", "West", "0.29", "South"});
    harness.SelectText(IDC_CITY_ZONE, ListTimeZones().labels[2]); // India
    EXPECT_TRUE(harness.OK());
    EXPECT_TRUE(harness.Messages().empty());
    const std::optional<CityRecord> city = ReadCity("Null Island West");
    ASSERT_TRUE(city);
    EXPECT_EQ(city->country, "Egypt");
    EXPECT_EQ(city->longitude, "-741");
    EXPECT_EQ(city->latitude, "-29");
    EXPECT_EQ(city->zoneId, kIndiaZone);
    EXPECT_EQ(city->population, "1");
    EXPECT_EQ(city->featureCode, "0");
    EXPECT_EQ(city->ianaZone, "air");
}

TEST_F(CityDialog, AddOfAStoredNameStaysOpenWithTheEntries)
{
    CAddCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    TypeCity(harness, {"CAIRO", "Egypt", "31.5", "East", "30.5", "North"});
    EXPECT_FALSE(harness.OK());
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{kCityExistsMessage});
    EXPECT_EQ(harness.Text(IDC_CITY_NAME), "CAIRO");
    EXPECT_EQ(harness.Text(IDC_LONGITUDE), "31.5");
    EXPECT_EQ(ReadCity("Cairo")->longitude, "3125");
    // Blanks around the name make no other city either.
    harness.Type(IDC_CITY_NAME, "  cairo ");
    EXPECT_FALSE(harness.OK());
    EXPECT_EQ(harness.Messages(),
              (std::vector<std::string>{kCityExistsMessage, kCityExistsMessage}));
    // Corrected, the same dialog adds it.
    harness.Type(IDC_CITY_NAME, "New Cairo");
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(ReadCity("New Cairo")->longitude, "3150");
}

// Seattle in July: its zone's label reads daylight time, the list shows
// standard names, and the row is still the city's own zone.
TEST_F(CityDialog, EditShowsTheStoredCityAndRewritesIt)
{
    CAddCityDlg dialog(nullptr);
    dialog.SetEditCity("seattle, wa");
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Text(IDC_CITY_NAME), "Seattle, WA");
    EXPECT_EQ(harness.Text(IDC_COUNTRY_NAME), "USA");
    EXPECT_EQ(harness.Text(IDC_LONGITUDE), "122.33");
    EXPECT_EQ(SelectedText(harness, IDC_EAST_WEST), "West");
    EXPECT_EQ(harness.Text(IDC_LATITUDE), "47.61");
    EXPECT_EQ(SelectedText(harness, IDC_NORTH_SOUTH), "North");
    EXPECT_EQ(harness.Selection(IDC_CITY_ZONE), 0);
    EXPECT_EQ(ListTimeZones().ids[0], kPacificZone);

    harness.Type(IDC_LATITUDE, "47.5");
    harness.SelectText(IDC_CITY_ZONE, ListTimeZones().labels[1]);
    EXPECT_TRUE(harness.OK());
    const std::optional<CityRecord> city = ReadCity("Seattle, WA");
    EXPECT_EQ(city->latitude, "4750");
    EXPECT_EQ(city->longitude, "-12233");
    EXPECT_EQ(city->zoneId, kEgyptZone);
}

TEST_F(CityDialog, EditShowsHundredthsAndTheHemispheresOfTheSigns)
{
    struct Case
    {
        const char* longitude;
        const char* latitude;
        const char* shownLongitude;
        const char* eastWest;
        const char* shownLatitude;
        const char* northSouth;
    };
    for (const Case& c : {Case{"-350", "625", "3.50", "West", "6.25", "North"},
                          Case{"7", "-5", "0.07", "East", "0.05", "South"},
                          Case{"18000", "-9000", "180.00", "East", "90.00", "South"}})
    {
        ASSERT_GE(ReplaceCity("Delhi", "India", c.longitude, c.latitude, kIndiaZone, messages_), 0);
        CAddCityDlg dialog(nullptr);
        dialog.SetEditCity("Delhi");
        DialogHarness harness(dialog);
        EXPECT_EQ(harness.Text(IDC_LONGITUDE), c.shownLongitude);
        EXPECT_EQ(SelectedText(harness, IDC_EAST_WEST), c.eastWest);
        EXPECT_EQ(harness.Text(IDC_LATITUDE), c.shownLatitude);
        EXPECT_EQ(SelectedText(harness, IDC_NORTH_SOUTH), c.northSouth);
    }
}

TEST_F(CityDialog, EditOfANameThatIsNotStoredStaysOpen)
{
    CAddCityDlg dialog(nullptr);
    dialog.SetEditCity("Cairo");
    DialogHarness harness(dialog);
    harness.Type(IDC_CITY_NAME, "Memphis");
    EXPECT_FALSE(harness.OK());
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{kCityCannotEditMessage});
    EXPECT_EQ(harness.Text(IDC_CITY_NAME), "Memphis");
    EXPECT_FALSE(ReadCity("Memphis"));
}

// A city whose zone is not in the table shows no zone row; OK keeps its zone.
TEST_F(CityDialog, EditKeepsAZoneThatNoRowShows)
{
    ASSERT_GE(ReplaceCity("Kabul", "Afghanistan", "6917", "3453", 999, messages_), 0);
    CAddCityDlg dialog(nullptr);
    dialog.SetEditCity("Kabul");
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Selection(IDC_CITY_ZONE), -1);
    harness.Type(IDC_LATITUDE, "34.5");
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(ReadCity("Kabul")->zoneId, 999);
    EXPECT_EQ(ReadCity("Kabul")->latitude, "3450");
}

TEST_F(CityDialog, CancelStoresNothing)
{
    CAddCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    TypeCity(harness, {"Giza", "Egypt", "31.21", "East", "30.01", "North"});
    EXPECT_TRUE(harness.Cancel());
    EXPECT_FALSE(ReadCity("Giza"));
}

TEST_F(CityDialog, LabelsArePaintedInTheHeaderColour)
{
    screenColours = ColoursFromIndexTexts("9", "8", "5"); // red text, green headings
    CAddCityDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    for (const int y : {30, 70, 105, 145, 185})
    {
        EXPECT_TRUE(InkIn(picture, {15, y, 60, y + 14}, 0x008000)) << y;
        EXPECT_FALSE(InkIn(picture, {15, y, 60, y + 14}, 0x0000FF)) << y;
    }
    EXPECT_EQ(picture.Pixel(5, 5), 0xFFFFFFu);
}

} // namespace
} // namespace halvo
