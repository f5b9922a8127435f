#include "locations/ui/edit_timezone_dialog.h"

#include "locations/daylight_saving.h"
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
using TimezoneEditor = testing::LocationDialogs;

struct Rows
{
    int startMonth, startDay, startOccurrence, endMonth, endDay, endOccurrence;
    bool operator==(const Rows&) const = default;
};

Rows ShownRows(DialogHarness& dialog)
{
    return {dialog.Selection(IDC_START_MONTH),      dialog.Selection(IDC_START_DAY_OF_WEEK),
            dialog.Selection(IDC_START_OCCURRENCE), dialog.Selection(IDC_END_MONTH),
            dialog.Selection(IDC_END_DAY_OF_WEEK),  dialog.Selection(IDC_END_OCCURRENCE)};
}

int RowOfZone(std::int32_t id)
{
    const std::vector<std::int32_t> ids = ListTimeZones().ids;
    return static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

bool SameRules(const TimeZoneRecord& a, const TimeZoneRecord& b)
{
    const auto rule = [](const DstRule& r)
    { return std::tuple(r.month, r.dayOfWeek, r.occurrence); };
    return rule(a.start) == rule(b.start) && rule(a.end) == rule(b.end);
}

// In July the current city's zone is in daylight time; its row is found all
// the same, and the lists show its stored rules.
TEST_F(TimezoneEditor, OpensOnTheCurrentCitysZoneWithItsRules)
{
    CEditTimezoneDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Items(IDC_ZONE), ListTimeZones().labels);
    EXPECT_EQ(harness.Items(IDC_START_MONTH).size(), 13u);
    EXPECT_EQ(harness.Items(IDC_END_DAY_OF_WEEK).front(), "Sunday");
    EXPECT_EQ(harness.Items(IDC_END_OCCURRENCE).back(), "Fifth");
    EXPECT_EQ(harness.Selection(IDC_ZONE), RowOfZone(kPacificZone));
    EXPECT_EQ(ShownRows(harness), (Rows{3, 0, 2, 11, 0, 1}));
    EXPECT_TRUE(harness.Messages().empty());

    harness.Select(IDC_ZONE, RowOfZone(kEgyptZone));
    EXPECT_EQ(ShownRows(harness), (Rows{4, 5, 5, 10, 4, 5}));
}

TEST_F(TimezoneEditor, OkWritesTheSelectedZoneOnlyAndCancelNothing)
{
    const std::vector<TimeZoneRecord> before = ReadAllTimeZones();
    {
        CEditTimezoneDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.Select(IDC_START_MONTH, 1); // Pacific, looked at and changed, not written
        harness.Select(IDC_ZONE, RowOfZone(kIndiaZone));
        EXPECT_EQ(ShownRows(harness), (Rows{0, 0, 0, 0, 0, 0}));
        harness.Select(IDC_START_MONTH, 4);
        harness.Select(IDC_START_DAY_OF_WEEK, 0);
        harness.Select(IDC_START_OCCURRENCE, 1);
        harness.Select(IDC_END_MONTH, 10);
        harness.Select(IDC_END_DAY_OF_WEEK, 0);
        harness.Select(IDC_END_OCCURRENCE, 5);
        EXPECT_TRUE(harness.OK());
    }
    const TimeZoneRecord india = *ReadTimeZone(kIndiaZone);
    EXPECT_EQ(std::tuple(india.start.month, india.start.dayOfWeek, india.start.occurrence),
              std::tuple(4, 0, 1));
    EXPECT_EQ(std::tuple(india.end.month, india.end.dayOfWeek, india.end.occurrence),
              std::tuple(10, 0, 5));
    EXPECT_EQ(india.standardName, "India Standard Time");
    EXPECT_EQ(india.bias, "-330");
    EXPECT_TRUE(SameRules(*ReadTimeZone(kPacificZone), before[0]));
    EXPECT_TRUE(SameRules(*ReadTimeZone(kEgyptZone), before[1]));
    // From now on Delhi keeps daylight time in July.
    EXPECT_EQ(UtcOffsetForZone(india, MakeDate(2026, 7, 1)), 6.5);

    const std::vector<TimeZoneRecord> written = ReadAllTimeZones();
    {
        CEditTimezoneDlg dialog(nullptr);
        DialogHarness harness(dialog);
        harness.Select(IDC_ZONE, RowOfZone(kIndiaZone));
        harness.Select(IDC_END_MONTH, 0);
        EXPECT_TRUE(harness.Cancel());
    }
    for (std::size_t k = 0; k < written.size(); ++k)
        EXPECT_TRUE(SameRules(ReadAllTimeZones()[k], written[k])) << k;
}

TEST_F(TimezoneEditor, EndMonthNoneSwitchesDaylightSavingOff)
{
    CEditTimezoneDlg dialog(nullptr);
    DialogHarness harness(dialog);
    harness.Select(IDC_END_MONTH, 0);
    EXPECT_TRUE(harness.OK());
    const TimeZoneRecord pacific = *ReadTimeZone(kPacificZone);
    EXPECT_EQ(pacific.end.month, 0);
    EXPECT_EQ(pacific.start.month, 3);
    EXPECT_EQ(UtcOffsetForZone(pacific, MakeDate(2026, 7, 1)), -8.0);
}

// A value only a change outside the program can store shows no row, and OK
// keeps it rather than writing a row that was never chosen.
TEST_F(TimezoneEditor, StoredValueBeyondItsRowsShowsNoRowAndIsKept)
{
    ASSERT_TRUE(WriteDstRules(kPacificZone, 9, 14, 7, 1, 11, 0));
    CEditTimezoneDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(ShownRows(harness), (Rows{-1, -1, -1, 11, 0, 1}));
    harness.Select(IDC_END_OCCURRENCE, 2);
    EXPECT_TRUE(harness.OK());
    const TimeZoneRecord pacific = *ReadTimeZone(kPacificZone);
    EXPECT_EQ(std::tuple(pacific.start.month, pacific.start.dayOfWeek, pacific.start.occurrence),
              std::tuple(14, 7, 9));
    EXPECT_EQ(pacific.end.occurrence, 2);
}

TEST_F(TimezoneEditor, MissingCurrentCityShowsTheFirstZoneAfterTheMessage)
{
    WriteSetting("CityName", "Atlantis");
    CEditTimezoneDlg dialog(nullptr);
    DialogHarness harness(dialog);
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{kCityNotFoundMessage});
    EXPECT_EQ(harness.Selection(IDC_ZONE), 0);
    EXPECT_EQ(ShownRows(harness), (Rows{3, 0, 2, 11, 0, 1}));
    harness.Select(IDC_START_OCCURRENCE, 1);
    EXPECT_TRUE(harness.OK());
    EXPECT_EQ(ReadTimeZone(ListTimeZones().ids[0])->start.occurrence, 1);
}

// The two headings in the text colour, the other labels in the header colour.
TEST_F(TimezoneEditor, PaintsHeadingsInTheTextColourAndLabelsInTheHeaderColour)
{
    screenColours = ColoursFromIndexTexts("9", "8", "5"); // red text, green headings
    CEditTimezoneDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture picture = harness.Snapshot();
    for (const int y : {35, 135})
    {
        EXPECT_TRUE(InkIn(picture, {10, y, 80, y + 14}, 0x0000FF)) << y;
        EXPECT_FALSE(InkIn(picture, {10, y, 80, y + 14}, 0x008000)) << y;
    }
    for (const int y : {10, 60, 85, 110, 160, 185, 210})
    {
        EXPECT_TRUE(InkIn(picture, {10, y, 30, y + 14}, 0x008000)) << y;
        EXPECT_FALSE(InkIn(picture, {10, y, 30, y + 14}, 0x0000FF)) << y;
    }
}

} // namespace
} // namespace halvo
