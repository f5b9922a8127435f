#include "conventions/ui/asr_method_dialog.h"
#include "platform/text/translatable.h"

#include "conventions/asr_method.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"

namespace halvo
{

namespace
{

constexpr PaintedText kLabels[] = {
    {40, 25, HALVO_TEXT("Asr Method"), TextColour::kText},
    {10, 60, HALVO_TEXT("Hanafi Method:"), TextColour::kHeader},
    {10, 80, HALVO_TEXT("Asr Time is when length of shadow ="), TextColour::kText},
    {10, 100, HALVO_TEXT("2 * length of object + noon shadow"), TextColour::kText},
    {10, 120, HALVO_TEXT("Shafi Method:"), TextColour::kHeader},
    {10, 140, HALVO_TEXT("Asr Time is when length of shadow ="), TextColour::kText},
    {10, 160, HALVO_TEXT("length of object + noon shadow"), TextColour::kText},
};

} // namespace

CAsrMethodDlg::CAsrMethodDlg(CWnd* parent) : CDialog(FindDialog(IDD_ASR_METHOD), parent) {}

const MessageMap& CAsrMethodDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CAsrMethodDlg::OnPaint),
    };
    return map;
}

bool CAsrMethodDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CComboBox schools = Combo(IDC_ASR_SCHOOL);
    for (const char* school : AsrSchools)
        schools.AddString(school);
    // Only the stored text itself is selected: any other text opens with
    // no selection (and counts as Shafi).
    const std::string stored = ReadSetting(setting::kAsrMethod);
    for (int index = 0; index < schools.GetCount(); ++index)
        if (schools.GetText(index) == stored)
            schools.SetCurSel(index);
    return true;
}

void CAsrMethodDlg::OnOK()
{
    // With nothing chosen there is nothing to store.
    const int index = Combo(IDC_ASR_SCHOOL).GetCurSel();
    bool stored = true;
    if (index >= 0 && index < static_cast<int>(AsrSchools.size()))
        stored = WriteSetting(setting::kAsrMethod, AsrSchools[static_cast<std::size_t>(index)]);
    EndOKIfStored(stored, kSettingsNotWrittenMessage);
}

void CAsrMethodDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
