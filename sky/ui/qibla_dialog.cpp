#include "sky/ui/qibla_dialog.h"

#include "day/qibla_bearing.h"
#include "engine/compass_needle.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "sky/qibla.h"

#include <array>

namespace halvo
{

namespace
{

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr CPoint kDialCorner{50, 30};
// The needle turns about the dial face's centre; the face is drawn there in
// its bitmap, five pixels right of and below the bitmap's own centre
// (115, 95), by which the Kaaba picture chooses its side.
constexpr int kNeedleCentreX = 120;
constexpr int kNeedleCentreY = 100;
constexpr int kNeedleDiameter = 100;
constexpr int kDialCentreX = 115;
constexpr int kDialCentreY = 95;
constexpr CPoint kLinePosition{30, 210};

// Asks the dialog to tell the message a paint kept back.
constexpr unsigned WM_SHOW_QIBLA_MESSAGE = WM_APP + 0x66;

// Keeps the lookup's message instead of showing it inside the paint.
class KeptMessages : public UserMessages
{
  public:
    explicit KeptMessages(CWnd* owner) : warnings_(owner) {}
    void Show(const std::string& text) override
    {
        if (!kept)
            kept = text;
    }
    void Warn(const std::string& text) override { warnings_.Warn(text); }
    std::optional<std::string> kept;

  private:
    WindowMessages warnings_;
};

// Top-left corner of the Kaaba picture beside the needle's tip: left of a
// tip on or left of the dial's centre line, else right; above a tip in the
// dial's upper half.
CPoint KaabaPosition(int tipX, int tipY)
{
    return {tipX <= kDialCentreX ? tipX - 66 : tipX + 10,
            tipY < kDialCentreY ? tipY - 51 : tipY - 11};
}

} // namespace

CQiblaDlg::CQiblaDlg(CWnd* parent) : CDialog(FindDialog(IDD_QIBLA), parent) {}

const MessageMap& CQiblaDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CQiblaDlg::OnPaint),
        MapAppMessage(WM_SHOW_QIBLA_MESSAGE, &CQiblaDlg::OnShowLookupMessage),
    };
    return map;
}

void CQiblaDlg::OnPaint(CDC& dc)
{
    // White, whatever the background preference: the dial is drawn on white.
    dc.FillSolidRect(GetClientRect(), kWhite);
    dc.SetTextColor(screenColours.header);
    dc.DrawBitmap(kDialCorner.x, kDialCorner.y, IDB_QIBLA_DIAL);

    // Every paint asks again, so a change of city shows the next time.
    KeptMessages messages(this);
    const std::optional<double> bearing = QiblaBearing(messages);
    if (messages.kept && !messageTold_)
    {
        messageTold_ = true;
        waitingMessage_ = messages.kept;
        PostMessage(WM_SHOW_QIBLA_MESSAGE);
    }
    shownLine_.clear();
    if (!bearing)
        return; // the dial alone: there is no direction to show

    CompassNeedle needle;
    needle.Place(kNeedleCentreX, kNeedleCentreY, static_cast<float>(*bearing), kNeedleDiameter);
    std::array<NeedlePoint, 3> corners;
    needle.Outline(corners);
    dc.Polygon(
        {{corners[0].x, corners[0].y}, {corners[1].x, corners[1].y}, {corners[2].x, corners[2].y}},
        BrushSpec{screenColours.text, false, {}});

    const CPoint kaaba = KaabaPosition(needle.tipX, needle.tipY);
    dc.DrawBitmap(kaaba.x, kaaba.y, IDB_QIBLA_KAABA);

    dc.SetTextColor(screenColours.header);
    shownLine_ = QiblaText(*bearing);
    dc.TextOut(kLinePosition.x, kLinePosition.y, shownLine_);
}

int CQiblaDlg::OnShowLookupMessage()
{
    if (waitingMessage_)
    {
        const std::string text = *waitingMessage_;
        waitingMessage_.reset();
        MessageBox(this, text);
    }
    return 0;
}

} // namespace halvo
