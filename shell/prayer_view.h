#pragma once

#include "day/day_model.h"
#include "engine/date_record.h"
#include "platform/ui/framework.h"
#include "platform/ui/window_messages.h"
#include "settings/screen_colours.h"

#include <deque>
#include <optional>
#include <string>

namespace halvo
{

// The texts of the day on screen, as the last paint or refresh computed them.
extern DayTexts dayTexts;

// The main display's picture in its own pixels: the window's default size,
// and the coordinates every position of the paint is given in.
inline constexpr int kViewWidth = 240;
inline constexpr int kViewHeight = 268;

// Where the picture stands in a client area of another size: scaled
// uniformly to fit, and centred.
struct PictureFit
{
    CPoint origin;
    double scale = 1.0;
};
PictureFit FitPicture(int clientWidth, int clientHeight);

// Where the needle sits on the dial.
inline constexpr int kNeedleCentreX = 182;
inline constexpr int kNeedleCentreY = 52;
inline constexpr int kNeedleDiameter = 50;

// Asks the display to show the lookup messages waiting for it.
inline constexpr unsigned WM_SHOW_LOOKUP_MESSAGE = WM_APP + 0x65;

// The label the display paints above a prayer's time (0 Fajr .. 5 Isha).
std::string PrayerLabel(std::size_t prayer);

// Top-left corner of the Kaaba picture beside a needle tip.
CPoint KaabaPosition(int tipX, int tipY);

// Paints one day: city, dates, the six times and the Qibla compass. Without
// a bearing the dial shows neither needle nor Kaaba.
void PaintDay(CDC& dc, const CRect& client, const DayTexts& texts, const ScreenColours& colours,
              std::optional<float> bearing);

// Shows the lookup's message at most once for each city name, so a missing
// city does not bring a new message box with every repaint and timer tick.
// The lookup runs inside the paint, where a modal box would let the next
// tick repaint into the running paint; so Show only keeps the text and posts
// WM_SHOW_LOOKUP_MESSAGE to the owner, whose handler calls ShowWaiting once
// the paint is over.
class OncePerCityMessages : public WindowMessages
{
  public:
    explicit OncePerCityMessages(CWnd* owner) : WindowMessages(owner) {}
    // The name the next lookups are for.
    void SetCity(const std::string& name) { city_ = name; }
    // The city was found: a later loss of it is worth a message again.
    void Forget() { shownFor_.reset(); }
    void Show(const std::string& text) override;
    void Warn(const std::string& text) override;
    // Shows the oldest waiting message in a box owned by the owner.
    void ShowWaiting();

  private:
    std::string city_;
    std::optional<std::string> shownFor_;
    std::deque<std::string> waiting_;
    std::string lastWarning_;
};

// The main display: today's (or a chosen day's) times for the current city.
class CPrayerView : public CWnd
{
  public:
    CPrayerView();

    // Fills dayTexts for the display date from the stores and the engine.
    void ComputeDay();
    // Takes year, month and day (not the time of day), with the day of the
    // week that goes with them, then refreshes.
    void SetDisplayDate(const DateRecord& date);
    // Computes the day and repaints now, so dayTexts are current when this
    // returns, whether or not the window is shown.
    void Refresh();

    const DateRecord& DisplayDate() const { return displayDate_; }
    // The day last computed: a paint outside Refresh may replace it.
    const DayComputation& Day() const { return day_; }
    const std::string& DisplayHijriText() const { return day_.texts[kHijriDateText]; }

  protected:
    const MessageMap& GetMessageMap() const override;

  private:
    int OnCreate();
    void OnPaint(CDC& dc);
    int OnShowLookupMessage();

    DateRecord displayDate_;
    // The last computed day: its texts, and the coordinates for the needle.
    DayComputation day_;
    // Set only while Refresh paints the day it has just computed, so that
    // paint does not read the stores a second time.
    bool dayJustComputed_ = false;
    OncePerCityMessages messages_;
};

} // namespace halvo
