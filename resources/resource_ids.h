#pragma once

// Resource and command ids, by the numbers the windows use.

#include "platform/ui/framework.h"

namespace halvo
{

// Menus
inline constexpr int IDR_MAINFRAME = 128; // the main frame's menu bar, and the program icon
inline constexpr int IDR_FEASTS_MENU = 224;

// Bitmaps
inline constexpr int IDB_KAABA = 227;   // 25 x 25, beside the needle tip
inline constexpr int IDB_COMPASS = 228; // 64 x 64 dial marked N, E, S, W
inline constexpr int IDB_WORLD_MAP = 232;

// Icons
inline constexpr int IDI_PROGRAM = 128;

// Dialogs
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_DATE_SETTINGS = 157;
inline constexpr int IDD_HELP = 158;
inline constexpr int IDD_SELECT_LOCATION = 166;
inline constexpr int IDD_ADD_CITY = 167;
inline constexpr int IDD_ASR_METHOD = 168;
inline constexpr int IDD_TWILIGHT_CONVENTIONS = 169;
inline constexpr int IDD_ADD_TWILIGHT_ANGLES = 170;
inline constexpr int IDD_TODAY_IN_HIJRI = 186;
inline constexpr int IDD_INSTRUCTIONS = 188;
inline constexpr int IDD_DELETE_CITY = 189;
inline constexpr int IDD_SET_ADHAN = 190;
inline constexpr int IDD_QIBLA = 191;
inline constexpr int IDD_COLOR_PREFERENCES = 192;
inline constexpr int IDD_MOON_PHASE = 193;
inline constexpr int IDD_HIJRI_TO_GREG = 215;
inline constexpr int IDD_EDIT_TIMEZONE = 218;
inline constexpr int IDD_FEASTS = 219;
inline constexpr int IDD_REMIND_ME = 225;

// Commands of menu 128
inline constexpr int ID_FILE_GREG_TO_HIJRI = 32781;
inline constexpr int ID_FILE_HIJRI_TO_GREG = 32794;
inline constexpr int ID_FILE_CHANGE_DATE = 32782;
inline constexpr int ID_FILE_RESTORE_DATE = 32787;
inline constexpr int ID_FILE_ISLAMIC_FEASTS = 32797;
inline constexpr int ID_FILE_QIBLA_DIRECTION = 32791;
inline constexpr int ID_FILE_MOON_PHASE = 32792;
inline constexpr int ID_FILE_EXIT = ID_APP_EXIT; // the framework's own Exit
inline constexpr int ID_LOCATION_SELECT = 32776;
inline constexpr int ID_LOCATION_ADD = 32777;
inline constexpr int ID_LOCATION_EDIT = 32795;
inline constexpr int ID_LOCATION_DELETE = 32789;
inline constexpr int ID_SETTINGS_ASR_METHOD = 32771;
inline constexpr int ID_SETTINGS_TWILIGHT_ANGLES = 32772;
inline constexpr int ID_SETTINGS_ADD_ANGLES = 32780;
inline constexpr int ID_SETTINGS_EDIT_TIMEZONES = 32796;
inline constexpr int ID_SETTINGS_ADHAN = 32790;
inline constexpr int ID_SETTINGS_PREFERENCES = 32793;
inline constexpr int ID_HELP_INSTRUCTIONS = 32788;
inline constexpr int ID_HELP_CONTENTS = 57670;
inline constexpr int ID_APP_ABOUT = 57664;

// Commands of menu 224
inline constexpr int ID_FEAST_REMINDERS = 32798;
inline constexpr int ID_FEASTS_EXIT = 32802;

// Controls of dialog 225
inline constexpr int IDC_REMINDER_CHECK = 1023;
inline constexpr int IDC_REMIND_DAYS = 1036;

} // namespace halvo
