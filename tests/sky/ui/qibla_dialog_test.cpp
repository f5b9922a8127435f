#include "sky/ui/qibla_dialog.h"

#include "engine/compass_needle.h"
#include "platform/ui/dialog_harness.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "sky/qibla.h"
#include "tests/support/store_fixture.h"
#include "tests/support/test_cities.h"

#include <gtest/gtest.h>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class QiblaDialog : public testing::StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(InstallDefaultSettings());
        testing::CreateTestZone();
        testing::AddTestCity("London", "-12", "5151", messages_);
        testing::AddTestCity("New York", "-7401", "4071", messages_);
        testing::AddTestCity("Jakarta", "10680", "-620", messages_);
        screenColours = ColoursFromIndexTexts("8", "5", "1"); // green needle on white
    }
};

TEST_F(QiblaDialog, ShowsTheBearingOfTheStoredCityWithItsNeedle)
{
    struct Case
    {
        const char* city;
        int longitude, latitude;
        const char* line;
    };
    const Case cases[] = {
        {"London", -12, 5151, "The Qibla is 119\xC2\xB0 2' E of N"},
        {"New York", -7401, 4071, "The Qibla is 58\xC2\xB0 30' E of N"},
        {"Jakarta", 10680, -620, "The Qibla is 64\xC2\xB0 52' W of N"},
    };
    for (const Case& c : cases)
    {
        WriteSetting("CityName", c.city);
        CQiblaDlg dialog(nullptr);
        DialogHarness harness(dialog);
        const Picture picture = harness.Snapshot();
        EXPECT_EQ(dialog.ShownLine(), c.line);

        // The needle, filled in the text colour, points along the bearing.
        CompassNeedle needle;
        needle.Place(120, 100, static_cast<float>(QiblaBearingAt(c.longitude, c.latitude)), 100);
        std::array<NeedlePoint, 3> corners;
        needle.Outline(corners);
        const int x = (corners[1].x + corners[2].x + 2 * corners[0].x) / 4;
        const int y = (corners[1].y + corners[2].y + 2 * corners[0].y) / 4;
        EXPECT_EQ(picture.Pixel(x, y), 0x008000u) << c.city;
        // White around the dial whatever the background preference.
        EXPECT_EQ(picture.Pixel(5, 5), 0xFFFFFFu);
        EXPECT_TRUE(harness.Messages().empty());
    }
}

// Every paint repeats the lookup, yet a missing city is told once per run:
// the dial alone, no needle, no Kaaba, no line.
TEST_F(QiblaDialog, MissingCityIsToldOnceAndOnlyTheDialIsDrawn)
{
    WriteSetting("CityName", "Atlantis");
    CQiblaDlg dialog(nullptr);
    DialogHarness harness(dialog);
    Picture picture;
    for (int paint = 0; paint < 4; ++paint)
        picture = harness.Snapshot();
    harness.Snapshot();
    EXPECT_EQ(harness.Messages(), std::vector<std::string>{"City is not found in database"});
    EXPECT_EQ(dialog.ShownLine(), "");
    for (int y = 0; y < 268; ++y)
        for (int x = 0; x < 240; ++x)
            ASSERT_NE(picture.Pixel(x, y), 0x008000u) << x << "," << y;
    // The dial is there.
    EXPECT_NE(picture.Pixel(120, 45), 0xFFFFFFu);

    // Found again, the needle and line come back on the next paint.
    WriteSetting("CityName", "London");
    harness.Snapshot();
    EXPECT_EQ(dialog.ShownLine(), "The Qibla is 119\xC2\xB0 2' E of N");
    EXPECT_EQ(harness.Messages().size(), 1u);
}

} // namespace
} // namespace halvo
