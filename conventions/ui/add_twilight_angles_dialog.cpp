#include "conventions/ui/add_twilight_angles_dialog.h"

#include "conventions/twilight_conventions.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"

#include <optional>
#include <string>

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {40, 25, "Method Name", TextColour::kText},
    {40, 70, "Fajr Angle", TextColour::kText},
    {40, 110, "Isha Angle", TextColour::kText},
};

// The messages have two blanks after "added!".
constexpr char kNoName[] = "Your method cannot be added!  You must enter a Method Name";
constexpr char kNameTaken[] =
    "Your method cannot be added!  There is already a method with this name";
constexpr char kNoFajr[] = "Your method cannot be added!  You must enter the Fajr Twilight Angle";
constexpr char kBadFajr[] =
    "Your method cannot be added!  The Fajr Twilight Angle must be a number between 0 and 90";
constexpr char kNoIsha[] = "Your method cannot be added!  You must enter the Isha Twilight Angle";
constexpr char kBadIsha[] =
    "Your method cannot be added!  The Isha Twilight Angle must be a number between 0 and 90";

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
    // Each check stops at the first failure and leaves the dialog open.
    // A name of blanks alone is no name, and the blanks around a name are
    // not kept: they would only make a look-alike entry.
    const std::string name = TrimBlanks(Edit(IDC_METHOD_NAME).GetWindowText());
    if (name.empty())
        return MessageBox(this, kNoName);
    if (ConventionNameTaken(name))
        return MessageBox(this, kNameTaken);

    const std::string fajrTyped = Edit(IDC_FAJR_ANGLE).GetWindowText();
    if (TrimBlanks(fajrTyped).empty())
        return MessageBox(this, kNoFajr);
    const std::optional<std::string> fajr = TypedAngleToText(fajrTyped);
    if (!fajr)
        return MessageBox(this, kBadFajr);

    const std::string ishaTyped = Edit(IDC_ISHA_ANGLE).GetWindowText();
    if (TrimBlanks(ishaTyped).empty())
        return MessageBox(this, kNoIsha);
    const std::optional<std::string> isha = TypedAngleToText(ishaTyped);
    if (!isha)
        return MessageBox(this, kBadIsha);

    // A method the store did not take is said, and stays typed in.
    EndOKIfStored(AddConvention(name, *fajr, *isha), kConventionNotWrittenMessage);
}

void CAddTwilightAnglesDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
