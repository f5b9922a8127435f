#include "conventions/ui/add_twilight_angles_dialog.h"
#include "platform/text/translatable.h"

#include "conventions/twilight_conventions.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {40, 25, HALVO_TEXT("Method Name"), TextColour::kText},
    {40, 70, HALVO_TEXT("Fajr Angle"), TextColour::kText},
    {40, 110, HALVO_TEXT("Isha Angle"), TextColour::kText},
};

} // namespace

CAddTwilightAnglesDlg::CAddTwilightAnglesDlg(CWnd* parent)
    : CDialog(FindDialog(IDD_ADD_TWILIGHT_ANGLES), parent)
{
}

const MessageMap& CAddTwilightAnglesDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CAddTwilightAnglesDlg::OnPaint),
    };
    return map;
}

void CAddTwilightAnglesDlg::OnOK()
{
    // Each check stops at the first failure and leaves the dialog open. The
    // name is trimmed: blanks around it would only make a look-alike entry.
    const CheckedConventionEntry checked = CheckConventionEntry(
        Edit(IDC_METHOD_NAME).GetWindowText(), Edit(IDC_FAJR_ANGLE).GetWindowText(),
        Edit(IDC_ISHA_ANGLE).GetWindowText());
    if (!checked.convention)
        return MessageBox(this, ConventionEntryMessage(checked.problem));
    const Convention& convention = *checked.convention;

    // A method the store did not take is said, and stays typed in.
    EndOKIfStored(AddConvention(convention.name, convention.fajr, convention.isha),
                  kConventionNotWrittenMessage);
}

void CAddTwilightAnglesDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
