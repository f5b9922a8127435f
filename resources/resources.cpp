#include "resources/resources.h"

#include "resources/resource_ids.h"

namespace halvo
{

namespace
{

const MenuResource kMainMenu = {
    IDR_MAINFRAME,
    {
        {"&File",
         {
             {"Greg To Hijri", ID_FILE_GREG_TO_HIJRI},
             {"Hijri To Greg", ID_FILE_HIJRI_TO_GREG},
             {"Change &Date", ID_FILE_CHANGE_DATE},
             {"Restore Date", ID_FILE_RESTORE_DATE},
             {"Islamic Feasts", ID_FILE_ISLAMIC_FEASTS},
             {"", 0},
             {"Qibla Direction", ID_FILE_QIBLA_DIRECTION},
             {"", 0},
             {"Moon phase", ID_FILE_MOON_PHASE},
             {"Timetable...", ID_FILE_TIMETABLE},
             {"", 0},
             {"E&xit", ID_FILE_EXIT},
         }},
        {"Location",
         {
             {"Select Location", ID_LOCATION_SELECT},
             {"Add New Location", ID_LOCATION_ADD},
             {"Edit Location", ID_LOCATION_EDIT},
             {"Delete Location", ID_LOCATION_DELETE},
             {"", 0},
             {"Find City...", ID_LOCATION_FIND_CITY},
         }},
        {"&Settings",
         {
             {"&Asr Method", ID_SETTINGS_ASR_METHOD},
             {"&Twilight Angles", ID_SETTINGS_TWILIGHT_ANGLES},
             {"&Add New Angles", ID_SETTINGS_ADD_ANGLES},
             {"Edit Timezones", ID_SETTINGS_EDIT_TIMEZONES},
             {"", 0},
             {"Enable/Disable Adhan", ID_SETTINGS_ADHAN},
             {"", 0},
             {"Preferences", ID_SETTINGS_PREFERENCES},
             {"", 0},
             {"Calculation Options...", ID_SETTINGS_CALCULATION_OPTIONS},
         }},
        {"&Help",
         {
             {"Instructions", ID_HELP_INSTRUCTIONS},
             {"&Contents", ID_HELP_CONTENTS},
             {"", 0},
             {"&About Halvo Tavorin", ID_APP_ABOUT},
         }},
    },
};

// The Islamic Feasts dialog's own menu bar.
const MenuResource kFeastsMenu = {
    IDR_FEASTS_MENU,
    {
        {"Tools",
         {
             {"Feast Reminders", ID_FEAST_REMINDERS},
             {"", 0},
             {"Exit", ID_FEASTS_EXIT},
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
