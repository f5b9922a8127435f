#include "shell/prayer_view_accessible.h"

#include "platform/ui/translation.h"
#include "shell/prayer_view.h"
#include "sky/qibla.h"

#include <cmath>

namespace halvo
{

namespace
{

// Where the view paints each text (its own pixels), wide enough for the
// longest line, so a screen reader's pointer lands on what it reads.
constexpr CRect kCityCell{30, 40, 230, 55};
constexpr CRect kGregorianCell{10, 110, 230, 123};
constexpr CRect kHijriCell{10, 125, 230, 138};
constexpr CRect kDialCell{150, 20, 214, 84};

CRect PrayerCell(std::size_t prayer)
{
    const int x = 20 + 80 * static_cast<int>(prayer % 3);
    const int y = 160 + 40 * static_cast<int>(prayer / 3);
    return {x, y, x + 75, y + 28};
}

CRect OnClient(const CRect& cell, const PictureFit& fit)
{
    const auto at = [&fit](int value, int origin)
    { return origin + static_cast<int>(std::lround(value * fit.scale)); };
    return {at(cell.left, fit.origin.x), at(cell.top, fit.origin.y), at(cell.right, fit.origin.x),
            at(cell.bottom, fit.origin.y)};
}

} // namespace

std::vector<AccessibleText> PrayerViewTexts(const DayTexts& texts, std::optional<double> bearing)
{
    // Read out as painted: in the language shown, piece by piece.
    std::vector<AccessibleText> shown = {
        {texts[kLocationText], kCityCell},
        {ShownText(texts[kGregorianDateText]), kGregorianCell},
        {ShownText(texts[kHijriDateText]), kHijriCell},
    };
    for (std::size_t prayer = 0; prayer < kPrayerCount; ++prayer)
        shown.push_back(
            {ShownText(PrayerLabel(prayer)) + " " + ShownText(texts[kFajrText + prayer]),
             PrayerCell(prayer)});
    if (bearing)
        shown.push_back({QiblaText(*bearing), kDialCell});
    return shown;
}

void MakePrayerViewAccessible(CPrayerView& view)
{
    CPrayerView* shownView = &view;
    SetAccessibleTexts(view,
                       [shownView]
                       {
                           // The day the last paint or refresh showed, and the
                           // bearing its needle points along.
                           const DayComputation& day = shownView->Day();
                           std::optional<double> bearing;
                           if (day.cityFound)
                               bearing = QiblaBearingAt(day.longitude, day.latitude);
                           const CRect client = shownView->GetClientRect();
                           const PictureFit fit = FitPicture(client.Width(), client.Height());
                           std::vector<AccessibleText> texts = PrayerViewTexts(day.texts, bearing);
                           for (AccessibleText& text : texts)
                               text.rect = OnClient(text.rect, fit);
                           return texts;
                       });
}

} // namespace halvo
