#include "day/day_model.h"
#include "day/day_options.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "engine/solar_model.h"
#include "platform/calendar/umm_al_qura.h"
#include "settings/settings.h"
#include "tests/support/store_fixture.h"
#include "tests/support/test_cities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace halvo
{
namespace
{

using testing::StoreTest;

DateRecord Day(int julianDay)
{
    const GregorianDay civil = GregorianFromJulianDay(julianDay);
    DateRecord date;
    date.year = static_cast<std::uint16_t>(civil.year);
    date.month = static_cast<std::uint16_t>(civil.month);
    date.day = static_cast<std::uint16_t>(civil.day);
    return date;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct City
{
    const char* name;
    double longitude;
    double latitude;
    double zone;
};

constexpr City kNorthernCities[] = {
    {"Oslo", 10.75, 59.91, 1},
    {"Stockholm", 18.07, 59.33, 1},
    {"Helsinki", 24.94, 60.17, 2},
};

const int kFirstDay2026 = static_cast<int>(JulianDayNumber(2026, 1, 1));

TEST(DayOptionsTest, DefaultOptionsGiveTheEngineOwnDayBitForBit)
{
    const City places[] = {{"Seattle", -122.33, 47.61, -8},
                           {"Oslo", 10.75, 59.91, 2},
                           {"Tromso", 18.96, 69.65, 1},
                           {"Quito", -78.52, -0.22, -5},
                           {"Punta Arenas", -70.9, -53.16, -3}};
    const std::pair<double, double> angles[] = {
        {15, 15}, {18, kNinetyMinuteIshaAngle}, {19.5, 17.5}};
    for (const City& place : places)
        for (const auto& [fajr, isha] : angles)
            for (int day = kFirstDay2026; day < kFirstDay2026 + 366; day += 5)
            {
                PrayerEngine engine;
                engine.Setup(place.longitude, place.latitude, place.zone, Day(day), fajr, isha, 1);
                const OptionDay shown = ComputeOptionDay(place.longitude, place.latitude,
                                                         place.zone, Day(day), fajr, isha, 1, {});
                EXPECT_EQ(shown.hijri.text, engine.HijriDateText());
                EXPECT_FALSE(shown.polarLatitude);
                for (int i = 0; i < kPrayerCount; ++i)
                {
                    const PrayerTime& a = engine.times[i];
                    const PrayerTime& b = shown.times[i];
                    ASSERT_TRUE(SameBits(a.hours, b.hours) ||
                                (std::isnan(a.hours) && std::isnan(b.hours)))
                        << place.name << " day " << day << " time " << i;
                    EXPECT_EQ(TimeText(a), TimeText(b));
                    EXPECT_EQ(TimeText(a), ClockText(b, false));
                }
            }
}

// The same twilight, worked out here in full precision: within a minute of
// the engine's, whose pi is rounded.
std::optional<double> TwilightHours(double depression, double latitude, double declination)
{
    const double rad = M_PI / 180;
    const double c =
        (-std::sin(depression * rad) - std::sin(latitude * rad) * std::sin(declination * rad)) /
        (std::cos(latitude * rad) * std::cos(declination * rad));
    if (c < -1 || c > 1)
        return std::nullopt;
    return std::acos(c) / rad / 15;
}

TEST(DayOptionsTest, NightPortionRulesKeepFajrAndIshaInsideTheirPartOfTheNight)
{
    const struct
    {
        HighLatitudeRule rule;
        double fajrPortion; // for Fajr 18 and Isha 17
        double ishaPortion;
    } rules[] = {
        {HighLatitudeRule::kMiddleOfNight, 0.5, 0.5},
        {HighLatitudeRule::kOneSeventh, 1.0 / 7, 1.0 / 7},
        {HighLatitudeRule::kTwilightAngle, 18.0 / 60, 17.0 / 60},
    };
    const double tolerance = 1.5 / 60;
    for (const auto& r : rules)
        for (const City& city : kNorthernCities)
            for (int day = kFirstDay2026; day < kFirstDay2026 + 365; ++day)
            {
                CalculationOptions options;
                options.highLatitude = r.rule;
                const OptionDay shown = ComputeOptionDay(city.longitude, city.latitude, city.zone,
                                                         Day(day), 18, 17, 0, options);
                const PrayerEngine& e = shown.engine;
                const double sunrise = e.times[kSunrise].hours;
                const double sunset = e.times[kMaghrib].hours;
                const double night = sunrise + 24 - sunset;
                const double fajr = shown.times[kFajr].hours;
                const double isha = shown.times[kIsha].hours;
                ASSERT_TRUE(shown.times[kFajr].hasTime && shown.times[kIsha].hasTime);
                EXPECT_GE(fajr, sunrise - night * r.fajrPortion - 1e-9) << city.name << day;
                EXPECT_LE(fajr, sunrise) << city.name << day;
                EXPECT_GE(isha, sunset) << city.name << day;
                EXPECT_LE(isha, sunset + night * r.ishaPortion + 1e-9) << city.name << day;
                // Where the twilight itself lies inside the allowed part, it is the time.
                const double decl = SunPosition(e.year, e.month, e.day).decl;
                const double zuhr = e.times[kZuhr].hours;
                if (const auto f = TwilightHours(18, city.latitude, decl);
                    f && zuhr - *f > sunrise - night * r.fajrPortion + tolerance)
                    EXPECT_NEAR(fajr, zuhr - *f, tolerance) << city.name << day;
                else
                    EXPECT_NEAR(fajr, sunrise - night * r.fajrPortion, tolerance)
                        << city.name << day;
                if (const auto i = TwilightHours(17, city.latitude, decl);
                    i && zuhr + *i < sunset + night * r.ishaPortion - tolerance)
                    EXPECT_NEAR(isha, zuhr + *i, tolerance) << city.name << day;
                else
                    EXPECT_NEAR(isha, sunset + night * r.ishaPortion, tolerance)
                        << city.name << day;
            }
}

TEST(DayOptionsTest, NearestLatitudeLeavesNoTimeMissingUpTo80Degrees)
{
    CalculationOptions options;
    options.polarDays = PolarDays::kNearestLatitude;
    for (double latitude : {66.0, 69.65, 74.0, 78.22, 80.0, -75.0})
        for (int day = kFirstDay2026; day < kFirstDay2026 + 365; day += 2)
        {
            const OptionDay shown =
                ComputeOptionDay(18.96, latitude, 1, Day(day), 15, 15, 0, options);
            for (int i = 0; i < kPrayerCount; ++i)
                ASSERT_NE(ClockText(shown.times[i], false), kNoTimeText)
                    << latitude << " day " << day << " time " << i;
            if (shown.polarLatitude)
            {
                EXPECT_LT(std::fabs(*shown.polarLatitude), std::fabs(latitude));
                EXPECT_EQ(shown.engine.latitude, *shown.polarLatitude);
            }
        }
    // Without the rule the same polar night has no sunrise.
    const OptionDay dark = ComputeOptionDay(18.96, 78.22, 1, Day(kFirstDay2026), 15, 15, 0, {});
    EXPECT_EQ(ClockText(dark.times[kSunrise], false), kNoTimeText);

    // A twilight deeper than the night is no polar day when a night-portion
    // rule gives Fajr and Isha: Seattle in June keeps its own sunrise.
    const DateRecord june = MakeDate(2026, 6, 21);
    options.highLatitude = HighLatitudeRule::kMiddleOfNight;
    const OptionDay deep = ComputeOptionDay(-122.33, 47.61, -8, june, 30, 25, 0, options);
    PrayerEngine own;
    own.Setup(-122.33, 47.61, -8, june, 30, 25, 0);
    EXPECT_FALSE(deep.polarLatitude);
    EXPECT_TRUE(SameBits(deep.times[kSunrise].hours, own.times[kSunrise].hours));
    const double night = own.times[kSunrise].hours + 24 - own.times[kMaghrib].hours;
    EXPECT_TRUE(SameBits(deep.times[kFajr].hours, own.times[kSunrise].hours - night * 0.5));
}

TEST(DayOptionsTest, UmmAlQuraDatesAreIcuInsideItsTableAndCivilOutside)
{
    for (int day = kFirstDay2026 - 3000; day < kFirstDay2026 + 3000; day += 7)
    {
        const ShownHijri shown = HijriFor(Day(day), {HijriCalendar::kUmmAlQura, 0});
        const auto icu = UmmAlQuraFromJulianDay(day);
        ASSERT_TRUE(icu);
        EXPECT_FALSE(shown.civilInstead);
        EXPECT_EQ(shown.day, icu->day);
        EXPECT_EQ(shown.month, icu->month);
        EXPECT_EQ(shown.year, icu->year);
    }
    // 1 January 1800 lies before the table: the civil date, and said so.
    const int early = static_cast<int>(JulianDayNumber(1800, 1, 1));
    const ShownHijri outside = HijriFor(Day(early), {HijriCalendar::kUmmAlQura, 0});
    const HijriDay civil = HijriFromJulianDay(early);
    EXPECT_TRUE(outside.civilInstead);
    EXPECT_EQ(outside.year, civil.year);
    EXPECT_EQ(outside.day, civil.day);
}

TEST(DayOptionsTest, HijriAdjustmentCrossesMonthAndYearEnds)
{
    const struct
    {
        int year, month, day; // Hijri, civil
        int adjust;
        const char* text;
    } cases[] = {
        {1447, 12, 29, 1, "30 Thw al-hijjah 1447 A.H."},
        {1447, 12, 30, 1, "1 Muharram 1448 A.H."},
        {1448, 1, 1, -1, "30 Thw al-hijjah 1447 A.H."},
        {1448, 1, 1, -2, "29 Thw al-hijjah 1447 A.H."},
        {1447, 9, 30, 2, "2 Shawwal 1447 A.H."},
        {1447, 8, 29, 1, "1 Ramadan 1447 A.H."},
    };
    for (const auto& c : cases)
    {
        const int julian = HijriToJulianDay(c.year, c.month, c.day);
        EXPECT_EQ(HijriFor(Day(julian), {HijriCalendar::kCivil, c.adjust}).text, c.text);
    }
}

TEST(DayOptionsTest, ClockAndRoundingShapeTheTimeTexts)
{
    const struct
    {
        double hours;
        bool round;
        int minutes;
        const char* text12;
        const char* text24;
    } cases[] = {
        {5.125, false, 0, "5:07 AM", "05:07"},  {17.9999, false, 0, "5:59 PM", "17:59"},
        {17.9999, true, 0, "6:00 PM", "18:00"}, {23.9999, true, 0, "12:00 AM", "00:00"},
        {0.25, false, 0, "12:15 AM", "00:15"},  {12.5, false, -31, "11:59 AM", "11:59"},
        {23.5, false, 30, "12:00 AM", "00:00"},
    };
    for (const auto& c : cases)
    {
        PrayerTime time;
        SplitTime(c.hours, time);
        const PrayerTime shown = AdjustedTime(time, c.minutes, c.round);
        EXPECT_EQ(ClockText(shown, false), c.text12) << c.hours;
        EXPECT_EQ(ClockText(shown, true), c.text24) << c.hours;
    }
    EXPECT_EQ(ClockText(PrayerTime{}, true), kNoTimeText);

    // Written over a string that held a longer text, a time reads the same.
    PrayerTime time;
    SplitTime(17.5, time);
    for (bool clock24 : {false, true})
    {
        std::string text = "30 Thw al-hijjah 1447 A.H.";
        WriteClockText(time, clock24, text);
        EXPECT_EQ(text, ClockText(time, clock24));
        WriteClockText(PrayerTime{}, clock24, text);
        EXPECT_EQ(text, kNoTimeText);
    }
}

TEST_F(StoreTest, MainDisplayTextsFollowTheStoredOptions)
{
    ASSERT_TRUE(InstallDefaultSettings());
    testing::RecordingMessages messages;
    testing::CreateTestZone();
    testing::AddTestCity("Testville", "1075", "5991", messages);
    ASSERT_TRUE(WriteSetting("CityName", "Testville"));
    const DateRecord date = Day(static_cast<int>(JulianDayNumber(2026, 3, 20)));
    const DayComputation plain = ComputeDay(date, messages);
    PrayerEngine engine;
    engine.Setup(10.75, 59.91, 0, date, 15, 15, 0);
    EXPECT_EQ(plain.texts[kFajrText], engine.FajrText());
    EXPECT_EQ(plain.texts[kHijriDateText], engine.HijriDateText());

    ASSERT_TRUE(WriteCalculationOption("Clock", "24"));
    ASSERT_TRUE(WriteCalculationOption("Rounding", "Nearest"));
    ASSERT_TRUE(WriteCalculationOption("Method", "Turkey"));
    ASSERT_TRUE(WriteCalculationOption("HijriAdjust", "1"));
    const DayComputation day = ComputeDay(date, messages);
    PrayerEngine turkey;
    turkey.Setup(10.75, 59.91, 0, date, 18, 17, 0);
    const CalculationMethod& method = *FindCalculationMethod("Turkey");
    for (int i = 0; i < kPrayerCount; ++i)
    {
        const PrayerTime expected = AdjustedTime(turkey.times[i], method.adjustments[i], true);
        EXPECT_EQ(day.texts[kFajrText + i], ClockText(expected, true)) << i;
        EXPECT_EQ(day.texts[kFajrText + i].size(), 5u);
        EXPECT_EQ(day.texts[kFajrText + i].find('M'), std::string::npos);
    }
    const int julian = static_cast<int>(JulianDayNumber(2026, 3, 20)) + 1;
    EXPECT_EQ(day.texts[kHijriDateText], HijriFor(Day(julian), {}).text);
    EXPECT_NE(day.texts[kHijriDateText], plain.texts[kHijriDateText]);
}

// The Adhan sounds from the day's moments: they must move with the minutes
// a method adds and with rounding, or the call would come at the engine's
// minute while the display shows another.
TEST_F(StoreTest, AdhanMomentsFollowTheAddedMinutesAndTheRounding)
{
    ASSERT_TRUE(InstallDefaultSettings());
    testing::RecordingMessages messages;
    testing::CreateTestZone();
    testing::AddTestCity("Testville", "-7938", "4365", messages);
    ASSERT_TRUE(WriteSetting("CityName", "Testville"));
    const DateRecord date = Day(static_cast<int>(JulianDayNumber(2026, 12, 7)));
    const DayComputation plain = ComputeDay(date, messages);

    ASSERT_TRUE(WriteCalculationOption("Adjust", "0,0,0,0,3,-2"));
    ASSERT_TRUE(WriteCalculationOption("Rounding", "Nearest"));
    const DayComputation day = ComputeDay(date, messages);
    const int added[kPrayerCount] = {0, 0, 0, 0, 3, -2};
    for (int i = 0; i < kPrayerCount; ++i)
    {
        ASSERT_TRUE(day.moments[i].hasTime) << i;
        const double hours = plain.engine.times[i].hours + added[i] / 60.0;
        // Never early: the moment is the computed one, rounded up to the ms.
        EXPECT_GE(day.moments[i].computedMs, static_cast<std::int64_t>(hours * 3600000.0)) << i;
        EXPECT_LE(day.moments[i].computedMs, static_cast<std::int64_t>(hours * 3600000.0) + 1) << i;
        // The shown minute is the nearest one to that moment.
        const double minutes = hours * 60;
        EXPECT_EQ(day.moments[i].shownMinute, static_cast<int>(std::floor(minutes + 0.5))) << i;
        EXPECT_EQ(day.moments[i].shownMinute,
                  (day.times[i].hour % 12 + (day.times[i].pm != 0 ? 12 : 0)) * 60 +
                      day.times[i].minute)
            << i;
    }
}

} // namespace
} // namespace halvo
