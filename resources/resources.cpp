#include "resources/resources.h"

#include "platform/text/translatable.h"
#include "resources/resource_ids.h"

namespace halvo
{

namespace
{

const MenuResource kMainMenu = {
    IDR_MAINFRAME,
    {
        {HALVO_TEXT("&File"),
         {
             {HALVO_TEXT("Greg To Hijri"), ID_FILE_GREG_TO_HIJRI},
             {HALVO_TEXT("Hijri To Greg"), ID_FILE_HIJRI_TO_GREG},
             {HALVO_TEXT("Change &Date"), ID_FILE_CHANGE_DATE},
             {HALVO_TEXT("Restore Date"), ID_FILE_RESTORE_DATE},
             {HALVO_TEXT("Islamic Feasts"), ID_FILE_ISLAMIC_FEASTS},
             {"", 0},
             {HALVO_TEXT("Qibla Direction"), ID_FILE_QIBLA_DIRECTION},
             {"", 0},
             {HALVO_TEXT("Moon phase"), ID_FILE_MOON_PHASE},
             {HALVO_TEXT("Timetable..."), ID_FILE_TIMETABLE},
             {"", 0},
             {HALVO_TEXT("E&xit"), ID_FILE_EXIT},
         }},
        {HALVO_TEXT("Location"),
         {
             {HALVO_TEXT("Select Location"), ID_LOCATION_SELECT},
             {HALVO_TEXT("Add New Location"), ID_LOCATION_ADD},
             {HALVO_TEXT("Edit Location"), ID_LOCATION_EDIT},
             {HALVO_TEXT("Delete Location"), ID_LOCATION_DELETE},
             {"", 0},
             {HALVO_TEXT("Find City..."), ID_LOCATION_FIND_CITY},
         }},
        {HALVO_TEXT("&Settings"),
         {
             {HALVO_TEXT("&Asr Method"), ID_SETTINGS_ASR_METHOD},
             {HALVO_TEXT("&Twilight Angles"), ID_SETTINGS_TWILIGHT_ANGLES},
             {HALVO_TEXT("&Add New Angles"), ID_SETTINGS_ADD_ANGLES},
             {HALVO_TEXT("Edit Timezones"), ID_SETTINGS_EDIT_TIMEZONES},
             {"", 0},
             {HALVO_TEXT("Enable/Disable Adhan"), ID_SETTINGS_ADHAN},
             {"", 0},
             {HALVO_TEXT("Preferences"), ID_SETTINGS_PREFERENCES},
             {"", 0},
             {HALVO_TEXT("Calculation Options..."), ID_SETTINGS_CALCULATION_OPTIONS},
         }},
        {HALVO_TEXT("&Help"),
         {
             {HALVO_TEXT("Instructions"), ID_HELP_INSTRUCTIONS},
             {HALVO_TEXT("&Contents"), ID_HELP_CONTENTS},
             {"", 0},
             {HALVO_TEXT("&About Halvo Tavorin"), ID_APP_ABOUT},
         }},
    },
};

// The Islamic Feasts dialog's own menu bar.
const MenuResource kFeastsMenu = {
    IDR_FEASTS_MENU,
    {
        {HALVO_TEXT("Tools"),
         {
             {HALVO_TEXT("Feast Reminders"), ID_FEAST_REMINDERS},
             {"", 0},
             {HALVO_TEXT("Exit"), ID_FEASTS_EXIT},
         }},
    },
};

} // namespace

const MenuResource& FindMenu(int id)
{
    static const MenuResource none;
    if (id == IDR_MAINFRAME)
        return kMainMenu;
    if (id == IDR_FEASTS_MENU)
        return kFeastsMenu;
    return none;
}

} // namespace halvo
