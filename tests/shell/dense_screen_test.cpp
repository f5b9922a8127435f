// Every window at the scale the run was started with (QT_SCALE_FACTOR; the
// suite runs at 1.25, 1.5 and 2): no text cut, pictures drawn at the
// screen's density, and map taps landing on the region tapped.

#include "conventions/ui/calculation_options_dialog.h"
#include "day/ui/timetable_window.h"
#include "locations/ui/find_city_dialog.h"
#include "locations/ui/select_location_dialog.h"
#include "locations/world_regions.h"
#include "platform/ui/bitmap_pixel.h"
#include "platform/ui/dialog_harness.h"
#include "platform/ui/own_window_parent.h"
#include "platform/ui/text_fit.h"
#include "resources/resource_ids.h"
#include "shell/screenshot_catalog.h"
#include "sky/ui/qibla_dialog.h"
#include "tests/support/main_window_fixture.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

namespace halvo
{
namespace
{

using testing::DialogHarness;

class DenseScreen : public testing::MainWindow
{
};

double ScaleOfThisRun()
{
    const char* scale = std::getenv("QT_SCALE_FACTOR");
    return scale != nullptr ? std::atof(scale) : 1.0;
}

std::string Describe(const std::vector<testing::CutText>& cuts)
{
    std::ostringstream out;
    for (const testing::CutText& cut : cuts)
        out << "\n  " << cut.what << " \"" << cut.text << "\" needs " << cut.needed << " of "
            << cut.available;
    return out.str();
}

TEST_F(DenseScreen, RunsAtTheScaleItWasStartedWith)
{
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), ScaleOfThisRun());
}

// A window with one text of each kind cut and one that fits: the check
// names exactly the cut ones, whatever the scale.
class CutTextsDlg : public CDialog
{
  public:
    CutTextsDlg()
        : CDialog(
              {0,
               "Cut",
               60,
               60,
               {{1001, ControlKind::StaticText, "A caption far too long for its box", 0, 2, 2, 20,
                 8},
                {1002, ControlKind::PushButton, "A button caption far too long", 0, 2, 14, 20, 14},
                {1003, ControlKind::StaticText, "Fits", 0, 2, 30, 40, 8},
                {1004, ControlKind::StaticText, "Past", 0, 150, 44, 30, 8}}},
              nullptr)
    {
    }
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map = {MapPaint(&CutTextsDlg::OnPaint)};
        return map;
    }
    void OnPaint(CDC& dc)
    {
        dc.TextOut(4, 70, "Inside");
        dc.TextOut(GetClientRect().Width() - 6, 70, "Beyond the right edge");
    }
};

TEST_F(DenseScreen, CutTextsNamesEachCutTextAndNoOther)
{
    CutTextsDlg dialog;
    DialogHarness harness(dialog);
    std::vector<std::string> cut;
    for (const testing::CutText& text : testing::CutTexts(dialog))
        cut.push_back(text.what + ": " + text.text);
    std::sort(cut.begin(), cut.end());
    cut.erase(std::unique(cut.begin(), cut.end()), cut.end());
    EXPECT_EQ(cut, (std::vector<std::string>{"button: A button caption far too long",
                                             "control inside the window: QLabel",
                                             "label: A caption far too long for its box",
                                             "painted: Beyond the right edge"}));
}

TEST_F(DenseScreen, NoWindowCutsAText)
{
    CMainFrame& frame = OpenFrame();
    EXPECT_EQ(Describe(testing::CutTexts(frame.View())), "") << "main window";
    for (const DialogShot& shot : DialogShots())
    {
        const std::unique_ptr<CDialog> dialog = shot.make(frame);
        DialogHarness harness(*dialog);
        if (shot.prepare)
            shot.prepare(harness);
        EXPECT_EQ(Describe(testing::CutTexts(*dialog)), "") << shot.file;
    }

    // Our own windows, plain Qt over the same frame.
    CalculationOptionsDialog options(OwnWindowParent(frame));
    options.show();
    EXPECT_EQ(Describe(testing::CutTexts(options)), "") << "calculation options";
    FindCityDialog find(OwnWindowParent(frame));
    find.show();
    EXPECT_EQ(Describe(testing::CutTexts(find)), "") << "find city";
    TimetableWindow timetable(LocalNow(), OwnWindowParent(frame));
    timetable.show();
    EXPECT_EQ(Describe(testing::CutTexts(timetable)), "") << "timetable";
}

// The dial is the @2x drawing where the screen has the pixels for it, not
// the small picture enlarged: at scale 2 the window shows the drawing's own
// pixels.
TEST_F(DenseScreen, PicturesAreDrawnFromTheirDenseDrawing)
{
    if (ScaleOfThisRun() != 2.0)
        GTEST_SKIP() << "pixel for pixel only at scale 2";
    const QImage dense(QStringLiteral(":/halvo/bitmap_%1@2x.png").arg(IDB_QIBLA_DIAL));
    ASSERT_FALSE(dense.isNull());
    CQiblaDlg dialog(nullptr);
    DialogHarness harness(dialog);
    const Picture shown = harness.Snapshot();
    ASSERT_EQ(shown.Width(), 2 * dialog.GetClientRect().Width());
    constexpr CPoint kDialCorner{50, 30};
    int differing = 0;
    for (int y = 0; y < dense.height(); ++y)
        for (int x = 0; x < dense.width(); ++x)
        {
            const COLORREF pixel = shown.Pixel(2 * kDialCorner.x + x, 2 * kDialCorner.y + y);
            const QColor drawn(dense.pixel(x, y));
            if (std::abs(GetRValue(pixel) - drawn.red()) > 8 ||
                std::abs(GetGValue(pixel) - drawn.green()) > 8 ||
                std::abs(GetBValue(pixel) - drawn.blue()) > 8)
                ++differing;
        }
    // The needle and the Kaaba cover about one pixel in twenty of the dial;
    // the small dial enlarged differs in more than one in six.
    EXPECT_LT(differing, dense.width() * dense.height() / 10);
}

// A tap reads the colour the window shows; at any scale it is the map's own
// colour at the tapped pixel, so the region is the one at 1.
TEST_F(DenseScreen, MapTapsLandOnTheRegionOfTheTappedPixel)
{
    int taps = 0;
    for (int y = 3; y < kWorldMapHeight; y += 9)
        for (int x = 1; x < kWorldMapWidth; x += 7)
        {
            const auto colour = BitmapPixel(IDB_WORLD_MAP, x, y);
            ASSERT_TRUE(colour.has_value());
            const WorldRegion* region = RegionAtMapPoint(*colour, x);
            if (region == nullptr)
                continue;
            CSelectLocationDlg dialog(nullptr);
            DialogHarness harness(dialog);
            harness.PressAt(x, y);
            const int row = harness.Selection(IDC_REGION);
            ASSERT_GE(row, 0) << x << ", " << y;
            EXPECT_EQ(harness.Items(IDC_REGION)[static_cast<std::size_t>(row)], region->name)
                << "tap at " << x << ", " << y;
            ++taps;
        }
    EXPECT_GT(taps, 40);
}

} // namespace
} // namespace halvo
