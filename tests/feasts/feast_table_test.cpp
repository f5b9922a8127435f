#include "engine/hijri_calendar.h"
#include "engine/prayer_engine.h"
#include "feasts/feast_table.h"
#include "settings/calculation_options.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace halvo
{
namespace
{

// The civil dates of the feasts of Hijri year 1425 by the tabular calendar,
// as the feasts list shows them.
TEST(FeastTable, GregorianDatesOfYear1425FollowTheTabularCalendar)
{
    const char* expected[] = {
        "22 February, 2004",  "2 March, 2004",    "2 May, 2004",
        "12 September, 2004", "15 October, 2004", "10 November, 2004",
        "14 November, 2004",  "20 January, 2005", "21 January, 2005",
    };
    for (std::size_t row = 0; row < FeastTable.size(); ++row)
    {
        SCOPED_TRACE(FeastTable[row].name);
        EXPECT_EQ(
            FeastGregorianDateText(1425, FeastTable[row].hijriMonth, FeastTable[row].hijriDay),
            expected[row]);
    }
}

TEST(FeastTable, EveryFeastIsFoundByItsOwnDayAndNoOtherDayIs)
{
    for (std::size_t row = 0; row < FeastTable.size(); ++row)
        EXPECT_EQ(FindFeast(FeastTable[row].hijriMonth, FeastTable[row].hijriDay),
                  static_cast<int>(row));
    // Arafat and the Eid that follows it are neighbours, not one feast.
    EXPECT_EQ(FindFeast(12, 9), 7);
    EXPECT_EQ(FindFeast(12, 10), 8);
    EXPECT_EQ(FindFeast(12, 11), std::nullopt);
    EXPECT_EQ(FindFeast(10, 2), std::nullopt);
}

TEST(FeastTable, NamesKeepTheirCurlyApostrophesAndTrailingBlank)
{
    EXPECT_EQ(std::string(FeastTable[3].name), "Mi\xE2\x80\x99Raj al-Nabiy");
    EXPECT_EQ(std::string(FeastTable[5].description), "The first revelation of the Qur\xE2\x80\x99"
                                                      "an");
    EXPECT_EQ(std::string(FeastTable[1].description), "The martyrdom of Husayn ");
}

// Days picked by the engine's own Hijri date: 14 November 2004 is
// 1 Shawwal 1425, 20 January 2005 is 9 Thw al-hijjah 1425.
TEST(FeastReminder, SpeaksOnlyOfTheOneDayItLooksAt)
{
    struct Case
    {
        DateRecord today;
        std::uint32_t feastOn;
        std::uint32_t numDays;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {MakeDate(2004, 11, 14), 1, 0, "Happy Feast: Eid Al Fitr is today"},
        {MakeDate(2004, 11, 13), 1, 1, "Happy Feast: Eid Al Fitr is in 1 days"},
        {MakeDate(2004, 11, 14), 1, 1, std::nullopt}, // the day itself is not looked at
        {MakeDate(2004, 11, 13), 1, 0, std::nullopt},
        {MakeDate(2004, 11, 12), 1, 2, "Happy Feast: Eid Al Fitr is in 2 days"},
        {MakeDate(2004, 11, 13), 1, 2, std::nullopt}, // one day before with two asked for
        {MakeDate(2004, 11, 14), 0, 0, std::nullopt}, // reminder off
        {MakeDate(2005, 1, 19), 1, 1, "Happy Feast: Arafat is in 1 days"},
        {MakeDate(2005, 1, 20), 1, 1, "Happy Feast: Eid Al Adha is in 1 days"},
        {MakeDate(2004, 12, 31), 1, 20,
         "Happy Feast: Arafat is in 20 days"},                             // across the year's end
        {MakeDate(2004, 2, 29), 1, 2, "Happy Feast: Ashura is in 2 days"}, // across a leap day
        {MakeDate(2004, 11, 14), 1, 0xFFFFFFFFu, std::nullopt}, // a number edited in by hand
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.today.year) + "-" + std::to_string(c.today.month) + "-" +
                     std::to_string(c.today.day) + " ahead " + std::to_string(c.numDays));
        EXPECT_EQ(FeastReminderText(c.today, c.feastOn, c.numDays), c.expected);
    }
}

} // namespace
} // namespace halvo

namespace halvo
{
namespace
{

class FeastsWithOptions : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
    }
};

// Eid al-Fitr, 1 Shawwal 1447 in the civil calendar, is 20 March 2026; a
// local sighting a day later moves both the feast's date and the reminder.
TEST_F(FeastsWithOptions, FeastDatesAndTheReminderFollowTheHijriAdjustment)
{
    const HijriDay civil = HijriFromJulianDay(static_cast<int>(JulianDayNumber(2026, 3, 20)));
    ASSERT_EQ(civil.month, 10);
    ASSERT_EQ(civil.day, 1);
    EXPECT_EQ(FeastGregorianDateText(1447, 10, 1), "20 March, 2026");
    DateRecord eid;
    eid.year = 2026;
    eid.month = 3;
    eid.day = 20;
    EXPECT_TRUE(FeastReminderText(eid, 1, 0));
    ASSERT_TRUE(WriteCalculationOption("HijriAdjust", "-1"));
    EXPECT_EQ(FeastGregorianDateText(1447, 10, 1), "21 March, 2026");
    EXPECT_FALSE(FeastReminderText(eid, 1, 0));
    eid.day = 21;
    EXPECT_TRUE(FeastReminderText(eid, 1, 0));
}

} // namespace
} // namespace halvo
