#include "shell/set_adhan_dialog.h"
#include "platform/text/translatable.h"

#include "day/adhan_alarm.h"
#include "platform/store/device_folder.h"
#include "platform/store/record_store.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/adhan_switches.h"

#include <array>

namespace halvo
{

namespace
{

// Every label in the heading colour, beside its box or list.
constexpr PaintedText kLabels[] = {
    {60, 15, HALVO_TEXT("Fajr"), TextColour::kHeader},
    {60, 40, HALVO_TEXT("Asr"), TextColour::kHeader},
    {60, 65, HALVO_TEXT("Isha"), TextColour::kHeader},
    {145, 15, HALVO_TEXT("Zuhr"), TextColour::kHeader},
    {145, 40, HALVO_TEXT("Maghrib"), TextColour::kHeader},
    {145, 65, HALVO_TEXT("All"), TextColour::kHeader},
    {60, 110, HALVO_TEXT("Adhan Sound ON/OFF"), TextColour::kHeader},
    {30, 140, HALVO_TEXT("Repeat Adhan"), TextColour::kHeader},
    {30, 170, HALVO_TEXT("Alarm/Adhan"), TextColour::kHeader},
};

// The prayers' boxes with their settings and switches, in the order OK
// stores them.
struct PrayerBox
{
    int id;
    const char* setting;
    bool AdhanSwitches::*on;
};
constexpr std::array<PrayerBox, 5> kPrayerBoxes = {{
    {IDC_ADHAN_FAJR, setting::kFajr, &AdhanSwitches::fajr},
    {IDC_ADHAN_ZUHR, setting::kZuhr, &AdhanSwitches::zuhr},
    {IDC_ADHAN_ASR, setting::kAsr, &AdhanSwitches::asr},
    {IDC_ADHAN_MAGHRIB, setting::kMaghrib, &AdhanSwitches::maghrib},
    {IDC_ADHAN_ISHA, setting::kIsha, &AdhanSwitches::isha},
}};

// The switches and the sound belong together: one commit, or nothing. The
// switches in effect change only with what is stored, so the Adhan never
// sounds by a choice that a failed write lost.
bool StoreChoices(const CDialog& dialog)
{
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    AdhanSwitches chosen = adhanSwitches;
    chosen.enabled = dialog.Button(IDC_ADHAN_ON).GetCheck();
    if (!WriteSetting(setting::kAdhan, chosen.enabled ? "On" : "Off"))
        return false;
    for (const PrayerBox& box : kPrayerBoxes)
    {
        chosen.*box.on = dialog.Button(box.id).GetCheck();
        if (!WriteSetting(box.setting, chosen.*box.on ? "1" : "0"))
            return false;
    }
    // A list left without a choice stores nothing for its value.
    const CComboBox sounds = dialog.Combo(IDC_ADHAN_SOUND);
    if (const int sound = sounds.GetCurSel();
        sound >= 0 && !WriteSetting(setting::kAlarm, sounds.GetText(sound)))
        return false;
    const CComboBox repeats = dialog.Combo(IDC_ADHAN_REPEAT);
    if (const int repeat = repeats.GetCurSel();
        repeat >= 0 && !WriteSetting(setting::kReminder, repeats.GetText(repeat)))
        return false;
    if (!transaction.Commit())
        return false;
    adhanSwitches = chosen;
    return true;
}

} // namespace

CSetAdhanDlg::CSetAdhanDlg(CWnd* parent, SoundPlayer& player)
    : CDialog(FindDialog(IDD_SET_ADHAN), parent), player_(player)
{
}

// Whichever way the dialog ended, its test sound ends with it.
CSetAdhanDlg::~CSetAdhanDlg()
{
    StopTestSound();
}

const MessageMap& CSetAdhanDlg::GetMessageMap() const
{
    static const MessageMap map = {
        MapPaint(&CSetAdhanDlg::OnPaint),
        MapClicked(IDC_ADHAN_ALL, &CSetAdhanDlg::OnAll),
        MapClicked(IDC_TEST_SOUND, &CSetAdhanDlg::OnTestSound),
    };
    return map;
}

bool CSetAdhanDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Button(IDC_ADHAN_ON).SetCheck(adhanSwitches.enabled);
    bool all = true;
    for (const PrayerBox& box : kPrayerBoxes)
    {
        Button(box.id).SetCheck(adhanSwitches.*box.on);
        all = all && adhanSwitches.*box.on;
    }
    Button(IDC_ADHAN_ALL).SetCheck(all);

    CComboBox repeats = Combo(IDC_ADHAN_REPEAT);
    for (const char* count : kRepeatCounts)
        repeats.AddString(count);
    CComboBox sounds = Combo(IDC_ADHAN_SOUND);
    for (const char* sound : kSoundNames)
        sounds.AddString(sound);

    repeats.SelectString(-1, ReadSetting(setting::kReminder));
    // The sound that will play: a stored value that names none plays the
    // default, so the list shows the default rather than a look-alike.
    sounds.SelectString(-1, SoundOfAlarm(ReadSetting(setting::kAlarm)));
    return true;
}

void CSetAdhanDlg::OnAll()
{
    for (const PrayerBox& box : kPrayerBoxes)
        Button(box.id).SetCheck(true);
}

void CSetAdhanDlg::OnTestSound()
{
    if (StopTestSound())
        return;
    const CComboBox sounds = Combo(IDC_ADHAN_SOUND);
    const int index = sounds.GetCurSel();
    if (index < 0)
        return;
    player_.Play(WindowsFolder() / (sounds.GetText(index) + ".wav"), 1);
    testPlay_ = player_.PlaysAsked();
}

bool CSetAdhanDlg::StopTestSound()
{
    const bool ours = testPlay_ == player_.PlaysAsked() && player_.IsPlaying();
    testPlay_.reset();
    if (ours)
        player_.Stop();
    return ours;
}

void CSetAdhanDlg::OnOK()
{
    EndOKIfStored(StoreChoices(*this), kSettingsNotWrittenMessage);
}

void CSetAdhanDlg::OnPaint(CDC& dc)
{
    dc.FillSolidRect(GetClientRect(), screenColours.background);
    PaintTexts(dc, kLabels, screenColours.text, screenColours.header);
}

} // namespace halvo
