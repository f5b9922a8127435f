#include "engine/day_texts.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

TEST(DayTexts, MinutesBelowTenGetALiteralZero)
{
    struct Case
    {
        int hour, minute, pm;
        const char* text;
    };
    const Case cases[] = {
        {5, 7, 0, "5:07 AM"},  {12, 30, 1, "12:30 PM"}, {1, 9, 1, "1:09 PM"},
        {1, 10, 1, "1:10 PM"}, {11, 0, 0, "11:00 AM"},  {12, 59, 0, "12:59 AM"},
    };
    for (const Case& c : cases)
    {
        PrayerTime time;
        time.hour = c.hour;
        time.minute = c.minute;
        time.pm = c.pm;
        time.hasTime = true;
        EXPECT_EQ(TimeText(time), c.text);
    }
    EXPECT_EQ(TimeText(PrayerTime{}), "--:--");
}

TEST(DayTexts, DateLinesUseUnpaddedDaysAndTheMonthTables)
{
    PrayerEngine engine;
    engine.SetDate(MakeDate(2000, 1, 1));
    EXPECT_EQ(engine.GregorianDateText(), "1 January 2000 C.E.");
    EXPECT_EQ(engine.HijriDateText(), "24 Ramadan 1420 A.H.");
    engine.SetDate(MakeDate(2004, 1, 15));
    EXPECT_EQ(engine.HijriDateText(), "22 Thw al-qi'dah 1424 A.H.");
    EXPECT_STREQ(HijriMonthName(3), "Raby' al-awal");
    EXPECT_STREQ(HijriMonthName(12), "Thw al-hijjah");
    EXPECT_STREQ(HijriMonthName(13), "");
    EXPECT_STREQ(GregorianMonthName(0), "");
}

TEST(DayTexts, EachEventReturnsItsOwnText)
{
    PrayerEngine engine;
    engine.Setup(-122.33, 47.61, -8, MakeDate(2004, 1, 15), 15, 15, 0);
    // Asking in a different order must not change any answer.
    EXPECT_EQ(engine.IshaText(), "6:15 PM");
    EXPECT_EQ(engine.FajrText(), "6:21 AM");
    EXPECT_EQ(engine.MaghribText(), "4:43 PM");
    EXPECT_EQ(engine.SunriseText(), "7:53 AM");
    EXPECT_EQ(engine.AsrText(), "2:24 PM");
    EXPECT_EQ(engine.ZuhrText(), "12:18 PM");
}

} // namespace
} // namespace halvo
