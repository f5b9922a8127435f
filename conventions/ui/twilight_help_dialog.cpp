#include "conventions/ui/twilight_help_dialog.h"
#include "platform/text/translatable.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

namespace halvo
{

namespace
{

constexpr PaintedText kLines[] = {
    {10, 10, HALVO_TEXT("The following Islamic organisations use"), TextColour::kText},
    {10, 30, HALVO_TEXT("different methods to calculate Fajr/Isha:"), TextColour::kText},
    {10, 50, HALVO_TEXT("1.Egyptian Gen Organisation of Surveying:"), TextColour::kHeader},
    {10, 70, HALVO_TEXT("Africa, Syria, Iraq, Lebanon, Malysia..."), TextColour::kHeader},
    {10, 90, HALVO_TEXT("2.Islamic Society of North America(ISNA):"), TextColour::kHeader},
    {10, 110, HALVO_TEXT("Parts of USA, Canada, UK."), TextColour::kHeader},
    {10, 130, HALVO_TEXT("3.Um Ul-Qura, Makkah:"), TextColour::kHeader},
    {10, 150, HALVO_TEXT("Arabian Peninsula."), TextColour::kHeader},
    {10, 170, HALVO_TEXT("4.University of Islamic Sciences, Karachi:"), TextColour::kHeader},
    {10, 190, HALVO_TEXT("Pakistan, Bangladesh, India, Afghanistan..."), TextColour::kHeader},
    {10, 210, HALVO_TEXT("5.World Islamic League:"), TextColour::kHeader},
    {10, 230, HALVO_TEXT("Europe, Far East, parts of USA."), TextColour::kHeader},
};

} // namespace

CTwilightHelpDlg::CTwilightHelpDlg(CWnd* parent) : CDialog(FindDialog(IDD_TWILIGHT_HELP), parent) {}

const MessageMap& CTwilightHelpDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CTwilightHelpDlg::OnPaint),
    };
    return map;
}

void CTwilightHelpDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLines, screenColours.text, screenColours.header);
}

} // namespace halvo
