#include "sky/ui/moon_phase_dialog.h"
#include "platform/text/translatable.h"

#include "platform/clock.h"
#include "platform/ui/translation.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

#include <array>
#include <cstdio>
#include <string>

namespace halvo
{

namespace
{

// By phase index; the last slice of the cycle is a waning crescent again.
constexpr std::array<int, 9> kPhaseBitmaps = {
    IDB_MOON_NEW,
    IDB_MOON_WAXING_CRESCENT,
    IDB_MOON_FIRST_QUARTER,
    IDB_MOON_WAXING_GIBBOUS,
    IDB_MOON_FULL,
    IDB_MOON_WANING_GIBBOUS,
    IDB_MOON_LAST_QUARTER,
    IDB_MOON_WANING_CRESCENT,
    IDB_MOON_WANING_CRESCENT,
};

// The Moon's age and distance in the language's words around the computed
// numbers; in English they read exactly as the computed texts.
constexpr const char* kAgeWords = HALVO_TEXT("%1 Days %2 Hr %3 Mn");
constexpr const char* kDistanceWords = HALVO_TEXT("%1 Km");

std::string AgeWords(const MoonPhase& moon)
{
    return TranslatedWith(kAgeWords, {std::to_string(moon.days), std::to_string(moon.hours),
                                      std::to_string(moon.minutes)});
}

std::string DistanceWords(const MoonPhase& moon)
{
    char number[32];
    std::snprintf(number, sizeof number, "%.2f", moon.distance);
    return TranslatedWith(kDistanceWords, {number});
}

constexpr PaintedText kDateLabel[] = {
    {20, 20, HALVO_TEXT("Date:"), TextColour::kHeader},
};

constexpr PaintedText kLabels[] = {
    {25, 110, HALVO_TEXT("Moon Age:"), TextColour::kText},
    {25, 130, HALVO_TEXT("Moon Phase:"), TextColour::kText},
    {25, 150, HALVO_TEXT("% Luminated:"), TextColour::kText},
    {25, 170, HALVO_TEXT("Lunation:"), TextColour::kText},
    {25, 190, HALVO_TEXT("Moon/Earth:"), TextColour::kText},
};

// The texts in the frame are a pixel smaller than the dialog's own font:
// the face that stands in for the device's is wider, and the longest phase
// name would run across the frame.
const FontSpec kFrameFont{"Verdana", -10, 400};

constexpr CRect kFrame{20, 70, 230, 220};
constexpr CRect kPicture{100, 50, 150, 100};
constexpr int kValueX = 105;

// The picture of a phase index (0..8 into MoonPhaseNames()).
int MoonPhaseBitmap(int phaseIndex)
{
    if (phaseIndex < 0 || phaseIndex >= static_cast<int>(kPhaseBitmaps.size()))
        return IDB_MOON_NEW;
    return kPhaseBitmaps[static_cast<std::size_t>(phaseIndex)];
}

} // namespace

CMoonPhaseDlg::CMoonPhaseDlg(CWnd* parent) : CDialog(FindDialog(IDD_MOON_PHASE), parent) {}

const MessageMap& CMoonPhaseDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CMoonPhaseDlg::OnPaint),
        MapDateChange(IDC_MOON_DATE, &CMoonPhaseDlg::OnDateChange),
    };
    return map;
}

bool CMoonPhaseDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Now, as the clock tells it; picking a day keeps this time of day.
    DatePicker(IDC_MOON_DATE).SetTime(LocalNow());
    return true;
}

void CMoonPhaseDlg::OnDateChange(const DateRecord&)
{
    Invalidate();
}

void CMoonPhaseDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kDateLabel, screenColours.text, screenColours.header);
    dc.FrameRect(kFrame, screenColours.text);
    dc.SelectFont(kFrameFont);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);

    // The picker shows local time; the lunar theory runs on universal time.
    const DateRecord moment = UniversalFromLocal(DatePicker(IDC_MOON_DATE).GetTime());
    shown_ = ComputeMoonPhase(moment.year, moment.month, moment.day, moment.hour, moment.minute,
                              moment.second);
    dc.TextOut(kValueX, 110, AgeWords(shown_));
    dc.TextOut(kValueX, 130, shown_.phaseName);
    dc.TextOut(kValueX, 150, shown_.illuminationText);
    dc.TextOut(kValueX, 170, shown_.lunationText);
    dc.TextOut(kValueX, 190, DistanceWords(shown_));

    dc.PatternRectangle(kPicture, MoonPhaseBitmap(shown_.phaseIndex));
}

} // namespace halvo
