#include "shell/screenshot_catalog.h"

#include "conventions/ui/add_twilight_angles_dialog.h"
#include "conventions/ui/asr_method_dialog.h"
#include "conventions/ui/twilight_conventions_dialog.h"
#include "conventions/ui/twilight_help_dialog.h"
#include "datetools/ui/date_settings_dialog.h"
#include "datetools/ui/hijri_to_greg_dialog.h"
#include "datetools/ui/today_in_hijri_dialog.h"
#include "feasts/ui/feasts_dialog.h"
#include "feasts/ui/remind_me_dialog.h"
#include "locations/ui/add_city_dialog.h"
#include "locations/ui/delete_city_dialog.h"
#include "locations/ui/edit_timezone_dialog.h"
#include "locations/ui/select_location_dialog.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "shell/about_dialog.h"
#include "shell/colour_palette_dialog.h"
#include "shell/colour_preferences_dialog.h"
#include "shell/help_dialog.h"
#include "shell/instructions_dialog.h"
#include "shell/set_adhan_dialog.h"
#include "sky/ui/moon_phase_dialog.h"
#include "sky/ui/qibla_dialog.h"

#include <cctype>
#include <map>

namespace halvo
{

namespace
{

template <class Dialog> std::unique_ptr<CDialog> Make(CMainFrame& frame)
{
    return std::make_unique<Dialog>(&frame);
}

// Select Location after a tap on Africa (Cairo's pixel) and the choice of
// Egypt and Cairo.
void TapEgyptAndCairo(testing::DialogHarness& dialog)
{
    dialog.PressAt(133, 40);
    dialog.SelectText(IDC_COUNTRIES, "Egypt");
    dialog.SelectText(IDC_CITIES, "Cairo");
}

std::unique_ptr<CDialog> MakeEditCity(CMainFrame& frame)
{
    auto dialog = std::make_unique<CAddCityDlg>(&frame);
    dialog->SetEditCity("Seattle, WA");
    return dialog;
}

// A picture makes no sound: "Test Sound" plays nothing here.
class SilentPlayer : public SoundPlayer
{
  public:
    void Play(const std::filesystem::path&, int, std::function<void(const std::string&)>) override
    {
    }
    void Stop() override {}
    bool IsPlaying() const override { return false; }
    unsigned PlaysAsked() const override { return 0; }
};

std::unique_ptr<CDialog> MakeSetAdhan(CMainFrame& frame)
{
    static SilentPlayer silent;
    return std::make_unique<CSetAdhanDlg>(&frame, silent);
}

// The dialogs the program opens with classes of their own, and the faces
// worth a picture.
std::vector<DialogShot> ClassShots()
{
    return {
        {IDD_ASR_METHOD, "asr-method", Make<CAsrMethodDlg>, {}},
        // The date tools: a Hijri choice moving the Gregorian lists, and the
        // two converters after a choice of their own.
        {IDD_DATE_SETTINGS, "date-settings", Make<CDateSettingsDlg>,
         [](testing::DialogHarness& dialog)
         {
             dialog.SelectText(IDC_HIJRI_YEAR, "1425");
             dialog.SelectText(IDC_HIJRI_MONTH, "Ramadan");
         }},
        {IDD_TODAY_IN_HIJRI, "today-in-hijri",
         [](CMainFrame& frame) -> std::unique_ptr<CDialog>
         {
             return std::make_unique<CTodayInHijriDlg>(&frame, frame.View().DisplayDate(),
                                                       frame.View().DisplayHijriText());
         },
         [](testing::DialogHarness& dialog) { dialog.PickDay(IDC_GREG_DATE, 2000, 1, 1); }},
        {IDD_HIJRI_TO_GREG, "hijri-to-gregorean", Make<CHijriToGregDlg>,
         [](testing::DialogHarness& dialog)
         {
             dialog.SelectText(IDC_HIJRI_YEAR, "1425");
             dialog.SelectText(IDC_HIJRI_MONTH, "Ramadan");
         }},
        // The feasts of the clock's Hijri year, and the reminder switched on.
        {IDD_FEASTS, "islamic-feasts", Make<CFeastsDlg>, {}},
        {IDD_REMIND_ME, "remind-me", Make<CRemindMeDlg>,
         [](testing::DialogHarness& dialog)
         {
             if (!dialog.Checked(IDC_REMINDER_CHECK))
                 dialog.Click(IDC_REMINDER_CHECK);
             dialog.SelectText(IDC_REMIND_DAYS, "1 Day Before");
         }},
        // The sky: the current city's Qibla, and the Moon a week apart.
        {IDD_QIBLA, "qibla-direction", Make<CQiblaDlg>, {}},
        {IDD_MOON_PHASE, "moon-phase", Make<CMoonPhaseDlg>,
         [](testing::DialogHarness& dialog) { dialog.PickDay(IDC_MOON_DATE, 2026, 3, 26); }},
        {IDD_MOON_PHASE, "moon-phase-waning", Make<CMoonPhaseDlg>,
         [](testing::DialogHarness& dialog) { dialog.PickDay(IDC_MOON_DATE, 2026, 4, 10); }},
        {IDD_SELECT_LOCATION, "select-location", Make<CSelectLocationDlg>, TapEgyptAndCairo},
        {IDD_ADD_CITY, "add-city-information", Make<CAddCityDlg>, {}},
        {IDD_ADD_CITY, "edit-city-information", MakeEditCity, {}},
        {IDD_DELETE_CITY, "delete-city", Make<CDeleteCityDlg>, {}},
        {IDD_EDIT_TIMEZONE, "edittimezone", Make<CEditTimezoneDlg>, {}},
        {IDD_TWILIGHT_CONVENTIONS, "twilight-conventions", Make<CTwilightConventionsDlg>, {}},
        {IDD_TWILIGHT_CONVENTIONS, "twilight-conventions-makkah", Make<CTwilightConventionsDlg>,
         [](testing::DialogHarness& dialog)
         { dialog.SelectText(IDC_CONVENTION, "Um Ul-Qura, Makkah"); }},
        {IDD_ADD_TWILIGHT_ANGLES, "add-twilight-angles", Make<CAddTwilightAnglesDlg>,
         [](testing::DialogHarness& dialog)
         {
             dialog.Type(IDC_METHOD_NAME, "Moonsighting Committee");
             dialog.Type(IDC_FAJR_ANGLE, "18");
             dialog.Type(IDC_ISHA_ANGLE, "18");
         }},
        {IDD_TWILIGHT_HELP, "twilight-angles-help", Make<CTwilightHelpDlg>, {}},
        {IDD_SET_ADHAN, "set-adhan", MakeSetAdhan, {}},
        {IDD_SET_ADHAN, "set-adhan-maghrib", MakeSetAdhan,
         [](testing::DialogHarness& dialog)
         {
             dialog.Click(IDC_ADHAN_ON);
             dialog.Click(IDC_ADHAN_MAGHRIB);
             dialog.SelectText(IDC_ADHAN_REPEAT, "3");
         }},
        {IDD_ABOUTBOX, "about", Make<CAboutDlg>, {}},
        {IDD_HELP, "help", Make<CHelpDlg>, {}},
        {IDD_INSTRUCTIONS, "instructions", Make<CInstructionsDlg>, {}},
        {IDD_COLOR_PREFERENCES, "color-preferences", Make<CColorPrefsDlg>, {}},
        {IDD_COLOR_PALETTE, "color-palette", Make<CColorPaletteDlg>,
         [](testing::DialogHarness& dialog)
         { dialog.Dialog().IconList(IDC_PALETTE).SelectItem(8); }},
    };
}

} // namespace

std::string FileNameOfTitle(const std::string& title)
{
    std::string name;
    for (const char c : title)
    {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name;
}

std::vector<DialogShot> DialogShots()
{
    std::map<int, std::vector<DialogShot>> byId;
    for (DialogShot& shot : ClassShots())
        byId[shot.id].push_back(std::move(shot));
    std::vector<DialogShot> shots;
    for (const int id : AllDialogIds())
    {
        auto found = byId.find(id);
        if (found != byId.end())
        {
            for (DialogShot& shot : found->second)
                shots.push_back(std::move(shot));
            continue;
        }
        // No class yet: the template alone.
        shots.push_back({id,
                         FileNameOfTitle(FindDialog(id).title),
                         [id](CMainFrame& frame)
                         { return std::make_unique<CDialog>(FindDialog(id), &frame); },
                         {}});
    }
    return shots;
}

} // namespace halvo
