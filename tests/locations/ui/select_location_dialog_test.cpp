#include "locations/ui/select_location_dialog.h"

#include "locations/world_regions.h"
#include "platform/ui/accessibility.h"
#include "resources/resource_ids.h"
#include "tests/locations/ui/location_dialogs_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace halvo
{
namespace
{

using testing::DialogHarness;
using SelectLocationDialog = testing::LocationDialogs;

constexpr const char* kNoRegionMessage = "Didn't get your selection, please try once again!";
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// The first row of a map column that shows the colour, as the dialog paints
// it; -1 when none does.
int RowShowing(DialogHarness& dialog, int x, COLORREF colour)
{
    const Picture picture = dialog.Snapshot();
    for (int y = 0; y < kWorldMapHeight; ++y)
        if (picture.Pixel(x, y) == colour)
            return y;
    return -1;
}

std::string SelectedText(DialogHarness& dialog, int id)
{
    const int row = dialog.Selection(id);
    return row < 0 ? std::string() : dialog.Items(id)[static_cast<std::size_t>(row)];
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(SelectLocationDialog, OpensOnWorldCountriesWithTheFirstCountryAndItsCities)
{
    CSelectLocationDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Items(IDC_REGION), RegionNames());
    EXPECT_EQ(SelectedText(harness, IDC_REGION), "World Countries");
    const std::vector<std::string> countries = harness.Items(IDC_COUNTRIES);
    EXPECT_EQ(countries.size(), 251u);
    EXPECT_EQ(std::count(countries.begin(), countries.end(), "Russia"), 2);
    EXPECT_EQ(SelectedText(harness, IDC_COUNTRIES), "Afghanistan");
    EXPECT_EQ(harness.Items(IDC_CITIES), std::vector<std::string>{"Kabul"});
    EXPECT_EQ(harness.Selection(IDC_CITIES), -1);
    // The map is painted from the top-left corner: Africa's red near Cairo.
    EXPECT_EQ(harness.Pixel(133, 40), RGB(255, 0, 0));
}

// Land shared by a colour is told apart by the column: each tap point lies
// on land of that colour in the picture the dialog shows.
TEST_F(SelectLocationDialog, MapTapsSelectTheRegionOfTheColourAndColumn)
{
    struct Case
    {
        int x;
        COLORREF colour;
        const char* region;
    };
    for (const Case& c : {Case{100, kGreen, "North America"}, Case{150, kGreen, "Middle East"},
                          Case{200, kGreen, "Australia"}, Case{90, kYellow, "South America"},
                          Case{91, kYellow, "Europe"}, Case{133, RGB(255, 0, 0), "Africa"},
                          Case{180, RGB(0, 0, 255), "Asia"}})
    {
        CSelectLocationDlg dialog(nullptr);
        DialogHarness harness(dialog);
        const int y = RowShowing(harness, c.x, c.colour);
        ASSERT_GE(y, 0) << "no land of " << c.region << " in column " << c.x;
        harness.PressAt(c.x, y);
        EXPECT_TRUE(harness.Messages().empty()) << c.region;
        EXPECT_EQ(SelectedText(harness, IDC_REGION), c.region);
        const std::vector<std::string> countries = harness.Items(IDC_COUNTRIES);
        EXPECT_EQ(countries.size(), CountriesOfRegion(c.region).size()) << c.region;
        EXPECT_EQ(harness.Selection(IDC_COUNTRIES), 0) << c.region;
    }
}

// The keyboard's way to the map: the region list comes first under Tab,
// and a region typed there fills the countries as a tap on its land does.
TEST_F(SelectLocationDialog, TheRegionListIsTheMapFromTheKeyboard)
{
    for (const std::string& region : RegionNames())
    {
        CSelectLocationDlg dialog(nullptr);
        DialogHarness harness(dialog);
        ASSERT_FALSE(TabOrder(dialog).empty());
        EXPECT_EQ(TabOrder(dialog).front(), IDC_REGION);
        harness.TypeKeys(IDC_REGION, region);
        EXPECT_EQ(SelectedText(harness, IDC_REGION), region);
        EXPECT_EQ(harness.Items(IDC_COUNTRIES).size(), CountriesOfRegion(region).size()) << region;
        EXPECT_EQ(harness.Selection(IDC_COUNTRIES), 0) << region;
        EXPECT_EQ(AccessibleName(dialog, IDC_REGION), "Region");
        EXPECT_EQ(AccessibleName(dialog, IDC_CITIES), "Cities");
    }
}

TEST_F(SelectLocationDialog, TapOffTheRegionsSaysSoAndChangesNothing)
{
    CSelectLocationDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.SelectText(IDC_REGION, "Africa");
    harness.SelectText(IDC_COUNTRIES, "Egypt");
    harness.SelectText(IDC_CITIES, "Cairo");

    const Picture map = harness.Snapshot();
    CPoint label{-1, -1};
    for (int y = 0; y < kWorldMapHeight && label.x < 0; ++y)
        for (int x = 1; x < kWorldMapWidth && label.x < 0; ++x)
            if (map.Pixel(x, y) == RGB(0, 0, 0))
                label = {x, y};
    ASSERT_GE(label.x, 0) << "the map has no label";
    ASSERT_EQ(map.Pixel(0, 14), RGB(128, 128, 128));  // land in column 0
    ASSERT_EQ(map.Pixel(95, 60), RGB(255, 255, 255)); // the Atlantic
    const CPoint misses[] = {{0, 14}, {0, 60}, {95, 60}, label};
    for (const CPoint at : misses)
        harness.PressAt(at.x, at.y);
    EXPECT_EQ(harness.Messages(), std::vector<std::string>(4, kNoRegionMessage));
    // Below or right of the map a press is no tap at all.
    harness.PressAt(120, 200);
    harness.PressAt(235, 121);
    EXPECT_EQ(harness.Messages().size(), 4u);

    EXPECT_EQ(SelectedText(harness, IDC_REGION), "Africa");
    EXPECT_EQ(SelectedText(harness, IDC_COUNTRIES), "Egypt");
    EXPECT_EQ(SelectedText(harness, IDC_CITIES), "Cairo");
}

// Row 120 lies just below the 240 x 120 map, where the dialog shows its
// background (the region list covers it from x = 9 to 189). Even a background in a region's key
// colour (green is Australia at x = 200) makes no tap there.
TEST_F(SelectLocationDialog, TapsJustOutsideTheMapPickNothingWhateverTheBackground)
{
    for (const COLORREF background : {RGB(0, 255, 0), RGB(255, 255, 0), RGB(0, 0, 255)})
    {
        screenColours.background = background;
        CSelectLocationDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.SelectText(IDC_REGION, "Africa");
        ASSERT_EQ(harness.Snapshot().Pixel(200, kWorldMapHeight), background);
        harness.PressAt(200, kWorldMapHeight);
        harness.PressAt(230, kWorldMapHeight);
        harness.PressAt(kWorldMapWidth, 60);
        EXPECT_TRUE(harness.Messages().empty()) << background;
        EXPECT_EQ(SelectedText(harness, IDC_REGION), "Africa") << background;
        // Inside the map the picture's own colours still decide.
        const int land = RowShowing(harness, 100, kGreen);
        ASSERT_GE(land, 0);
        harness.PressAt(100, land);
        EXPECT_EQ(SelectedText(harness, IDC_REGION), "North America") << background;
    }
}

TEST_F(SelectLocationDialog, RegionAndCountryChoicesRefillTheLists)
{
    CSelectLocationDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.SelectText(IDC_REGION, "Africa");
    EXPECT_EQ(harness.Items(IDC_COUNTRIES), Sorted(CountriesOfRegion("Africa")));
    EXPECT_EQ(SelectedText(harness, IDC_COUNTRIES), "Algeria");
    EXPECT_TRUE(harness.Items(IDC_CITIES).empty());
    harness.SelectText(IDC_COUNTRIES, "Egypt");
    EXPECT_EQ(harness.Items(IDC_CITIES), (std::vector<std::string>{"Alexandria", "Cairo"}));
    harness.SelectText(IDC_REGION, "World Countries");
    EXPECT_EQ(harness.Items(IDC_COUNTRIES).size(), 251u);
    EXPECT_EQ(harness.Items(IDC_CITIES), std::vector<std::string>{"Kabul"});
}

TEST_F(SelectLocationDialog, OkNeedsACityAndThenHandsItOver)
{
    CSelectLocationDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.SelectText(IDC_COUNTRIES, "Egypt");
    EXPECT_FALSE(harness.OK());
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{"Please select a city"});
    harness.SelectText(IDC_CITIES, "Cairo");
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(harness.Result(), IDOK);
    EXPECT_EQ(dialog.ChosenCity(), "Cairo");
    // The dialog stores nothing itself.
    EXPECT_EQ(ReadSetting("CityName"), "Seattle, WA");
}

TEST_F(SelectLocationDialog, KeysJumpInTheListsAndEnterAndEscapeEndTheDialog)
{
    {
        CSelectLocationDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.TypeKeys(IDC_COUNTRIES, "eg");
        EXPECT_EQ(SelectedText(harness, IDC_COUNTRIES), "Egypt");
        EXPECT_EQ(harness.Items(IDC_CITIES), (std::vector<std::string>{"Alexandria", "Cairo"}));
        harness.TypeKeys(IDC_CITIES, "c");
        EXPECT_EQ(SelectedText(harness, IDC_CITIES), "Cairo");
        harness.PressKey(KeyCode::kReturn);
        EXPECT_TRUE(harness.Ended());
        EXPECT_EQ(harness.Result(), IDOK);
        EXPECT_EQ(dialog.ChosenCity(), "Cairo");
    }
    {
        CSelectLocationDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.PressKey(KeyCode::kEscape);
        EXPECT_TRUE(harness.Ended());
        EXPECT_EQ(harness.Result(), IDCANCEL);
    }
}

TEST_F(SelectLocationDialog, CityOfACountryNotSpelledAsListedIsNeverOffered)
{
    ASSERT_EQ(AddCity("Giza", "egypt", "3121", "3001", testing::kEgyptZone, messages_).outcome,
              AddCityOutcome::kAdded);
    CSelectLocationDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.SelectText(IDC_COUNTRIES, "Egypt");
    EXPECT_EQ(harness.Items(IDC_CITIES), (std::vector<std::string>{"Alexandria", "Cairo"}));
}

} // namespace
} // namespace halvo
