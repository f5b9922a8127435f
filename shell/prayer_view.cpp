#include "shell/prayer_view.h"

#include "engine/compass_needle.h"
#include "engine/day_texts.h"
#include "engine/hijri_calendar.h"
#include "platform/clock.h"
#include "platform/ui/translation.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"
#include "shell/prayer_view_accessible.h"
#include "sky/qibla.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace halvo
{

DayTexts dayTexts;

namespace
{

constexpr COLORREF kDateColour = 0x800000; // dark blue, whatever the chosen colours

const FontSpec kBoldFont{"Verdana", -12, 700};
const FontSpec kNormalFont{"Verdana", -10, 400};
constexpr int kCompassLeft = 150;
constexpr int kCityEndBeforeCompass = kCompassLeft - 6;
// The prayers stand in columns 80 pixels apart; a name keeps a gap before the next.
constexpr int kColumnWidth = 80 - 6;

} // namespace

std::string PrayerLabel(std::size_t prayer)
{
    return prayer < kPrayerNames.size() ? kPrayerNames[prayer] : "";
}

CPoint KaabaPosition(int tipX, int tipY)
{
    if (tipX > kNeedleCentreX)
        return tipY < kNeedleCentreY ? CPoint{tipX + 10, tipY - 30} : CPoint{tipX + 10, tipY - 5};
    return tipY < kNeedleCentreY ? CPoint{tipX - 35, tipY - 10} : CPoint{tipX - 35, tipY - 5};
}

PictureFit FitPicture(int clientWidth, int clientHeight)
{
    PictureFit fit;
    if (clientWidth <= 0 || clientHeight <= 0)
        return fit;
    fit.scale = std::min(static_cast<double>(clientWidth) / kViewWidth,
                         static_cast<double>(clientHeight) / kViewHeight);
    fit.origin.x = static_cast<int>(std::lround((clientWidth - kViewWidth * fit.scale) / 2));
    fit.origin.y = static_cast<int>(std::lround((clientHeight - kViewHeight * fit.scale) / 2));
    return fit;
}

void PaintDay(CDC& dc, const CRect& client, const DayTexts& texts, const ScreenColours& colours,
              std::optional<float> bearing)
{
    dc.FillSolidRect(client, colours.background);
    dc.SetTextColor(colours.header);

    dc.SelectFont(kBoldFont);
    // Right to left the compass stays where it is, a picture of the world,
    // so the mirrored city name ends short of it instead of under it.
    dc.TextOut(RightToLeft() ? kViewWidth - kCityEndBeforeCompass : 30, 40, texts[kLocationText]);

    dc.MoveTo(0, 100);
    dc.LineTo(240, 100);

    dc.SelectFont(kNormalFont);
    dc.SetTextColor(kDateColour);
    dc.TextOut(10, 110, texts[kGregorianDateText]);
    dc.TextOut(10, 125, texts[kHijriDateText]);

    dc.MoveTo(0, 145);
    dc.LineTo(240, 145);

    // The names and times are black, unless the chosen background would hide them.
    dc.SetTextColor(ReadableTextColour(colours.background));
    for (int row = 0; row < 2; ++row)
    {
        const int labelY = 160 + 40 * row;
        for (int column = 0; column < 3; ++column)
        {
            const int prayer = 3 * row + column;
            const int x = 20 + 80 * column;
            // A long translated name is narrowed to its column, never into
            // the next one.
            dc.SelectFont(kBoldFont);
            dc.TextOutWithin(x, labelY, PrayerLabel(static_cast<std::size_t>(prayer)),
                             kColumnWidth);
            dc.SelectFont(kNormalFont);
            dc.TextOutWithin(x, labelY + 15, texts[kFajrText + static_cast<std::size_t>(prayer)],
                             kColumnWidth);
        }
    }

    dc.DrawBitmap(kCompassLeft, 20, IDB_COMPASS);
    if (!bearing)
        return;

    CompassNeedle needle;
    needle.Place(kNeedleCentreX, kNeedleCentreY, *bearing, kNeedleDiameter);
    std::array<NeedlePoint, 3> corners;
    needle.Outline(corners);
    dc.Polygon(
        {{corners[0].x, corners[0].y}, {corners[1].x, corners[1].y}, {corners[2].x, corners[2].y}},
        BrushSpec{colours.text, false, {}});

    const CPoint kaaba = KaabaPosition(needle.tipX, needle.tipY);
    dc.DrawBitmap(kaaba.x, kaaba.y, IDB_KAABA);
}

void OncePerCityMessages::Show(const std::string& text)
{
    if (shownFor_ && *shownFor_ == city_)
        return;
    shownFor_ = city_;
    waiting_.push_back(text);
    Owner()->PostMessage(WM_SHOW_LOOKUP_MESSAGE);
}

void OncePerCityMessages::ShowWaiting()
{
    if (waiting_.empty())
        return;
    const std::string text = waiting_.front();
    waiting_.pop_front();
    WindowMessages::Show(text);
}

void OncePerCityMessages::Warn(const std::string& text)
{
    // The same warning with every paint would only bury the first one.
    if (text == lastWarning_)
        return;
    lastWarning_ = text;
    WindowMessages::Warn(text);
}

CPrayerView::CPrayerView() : messages_(this)
{
    // Not set until the first paint or the first SetDisplayDate.
    displayDate_.year = 0;
    displayDate_.month = 0;
}

const MessageMap& CPrayerView::GetMessageMap() const
{
    static const MessageMap map = {
        MapCreate(&CPrayerView::OnCreate),
        MapPaint(&CPrayerView::OnPaint),
        MapAppMessage(WM_SHOW_LOOKUP_MESSAGE, &CPrayerView::OnShowLookupMessage),
    };
    return map;
}

int CPrayerView::OnCreate()
{
    SetMinimumClientSize(kViewWidth, kViewHeight);
    MakePrayerViewAccessible(*this);
    return 0;
}

int CPrayerView::OnShowLookupMessage()
{
    messages_.ShowWaiting();
    return 0;
}

void CPrayerView::ComputeDay()
{
    if (displayDate_.year == 0)
        displayDate_ = LocalNow();
    const std::string city = ReadSetting(setting::kCityName);
    messages_.SetCity(city);
    day_ = ComputeDayTexts(city, displayDate_, messages_);
    if (day_.cityFound)
        messages_.Forget();
    dayTexts = day_.texts;
}

void CPrayerView::SetDisplayDate(const DateRecord& date)
{
    displayDate_.year = date.year;
    displayDate_.month = date.month;
    displayDate_.day = date.day;
    displayDate_.dayOfWeek = static_cast<std::uint16_t>(DayOfWeek(date.year, date.month, date.day));
    Refresh();
}

void CPrayerView::Refresh()
{
    // The day is computed here as well as in the paint: a hidden, minimised
    // or covered window is not painted, and the Adhan check must still read
    // the day's times.
    ComputeDay();
    dayJustComputed_ = true;
    Invalidate();
    UpdateWindow();
    dayJustComputed_ = false;
}

void CPrayerView::OnPaint(CDC& dc)
{
    if (!dayJustComputed_)
        ComputeDay();
    // The day's lookup already gave the coordinates: no second lookup.
    std::optional<float> bearing;
    if (day_.cityFound)
        bearing = static_cast<float>(QiblaBearingAt(day_.longitude, day_.latitude));
    // A larger window shows the same picture larger, centred on the
    // background; the paint keeps its own coordinates.
    const CRect client = GetClientRect();
    const PictureFit fit = FitPicture(client.Width(), client.Height());
    dc.FillSolidRect(client, screenColours.background);
    dc.SetTransform(fit.origin, fit.scale);
    PaintDay(dc, CRect{0, 0, kViewWidth, kViewHeight}, dayTexts, screenColours, bearing);
}

} // namespace halvo
