#pragma once

// Resource, command and control ids, by the numbers the windows use.

#include "platform/ui/framework.h"

namespace halvo
{

// Menus
inline constexpr int IDR_MAINFRAME = 128; // the main frame's menu bar, and the program icon
inline constexpr int IDR_FEASTS_MENU = 224;

// Bitmaps
inline constexpr int IDB_TODAY_IN_HIJRI = 133;     // beside the result line of Today in Hijri
inline constexpr int IDB_MOON_FIRST_QUARTER = 195; // 50 x 50, right half lit
inline constexpr int IDB_MOON_LAST_QUARTER = 196;  // 50 x 50, left half lit
inline constexpr int IDB_MOON_NEW = 197;           // 50 x 50, outline only
inline constexpr int IDB_MOON_WANING_CRESCENT = 198;
inline constexpr int IDB_MOON_WANING_GIBBOUS = 199;
inline constexpr int IDB_MOON_WAXING_CRESCENT = 200;
inline constexpr int IDB_MOON_WAXING_GIBBOUS = 201;
inline constexpr int IDB_MOON_FULL = 213;
inline constexpr int IDB_HIJRI_TO_GREG = 214; // beside the result line of Hijri To Gregorean
inline constexpr int IDB_QIBLA_KAABA = 220;   // 51 x 51, beside the large needle's tip
inline constexpr int IDB_QIBLA_DIAL = 223;    // 130 x 130 dial marked N, E, S, W
inline constexpr int IDB_KAABA = 227;         // 25 x 25, beside the needle tip
inline constexpr int IDB_COMPASS = 228;       // 64 x 64 dial marked N, E, S, W
inline constexpr int IDB_WORLD_MAP = 232;     // 240 x 120, regions in their key colours

// Icons
inline constexpr int IDI_PROGRAM = 128;
inline constexpr int IDI_FAJR_ISHA = 130;  // beside the convention name
inline constexpr int IDI_ASR_METHOD = 134; // beside the Asr school
inline constexpr int IDI_ISHA_ANGLE = 135;
inline constexpr int IDI_FAJR_ANGLE = 136;
inline constexpr int IDI_FIRST_SWATCH = 202; // 202 to 211 are colours 0 to 9, 212 colour 10
inline constexpr int IDI_LAST_SWATCH = 212;

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
inline constexpr int IDD_TWILIGHT_HELP = 187;
inline constexpr int IDD_INSTRUCTIONS = 188;
inline constexpr int IDD_DELETE_CITY = 189;
inline constexpr int IDD_SET_ADHAN = 190;
inline constexpr int IDD_QIBLA = 191;
inline constexpr int IDD_COLOR_PREFERENCES = 192;
inline constexpr int IDD_MOON_PHASE = 193;
inline constexpr int IDD_COLOR_PALETTE = 194;
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
// Ours, not the seed's: the stored calculation options.
inline constexpr int ID_SETTINGS_CALCULATION_OPTIONS = 32900;
// Ours too: the month timetable.
inline constexpr int ID_FILE_TIMETABLE = 32901;
// Ours: the city found by typing.
inline constexpr int ID_LOCATION_FIND_CITY = 32902;
inline constexpr int ID_HELP_INSTRUCTIONS = 32788;
inline constexpr int ID_HELP_CONTENTS = 57670;
inline constexpr int ID_APP_ABOUT = 57664;

// Commands of menu 224
inline constexpr int ID_FEAST_REMINDERS = 32798;
inline constexpr int ID_FEASTS_EXIT = 32802;

// Controls, by dialog. The same number means different controls in
// different dialogs.

// 100 About
inline constexpr int IDC_ABOUT_OK = 1017;

// 157 Date Settings
inline constexpr int IDC_GREG_DAY = 1000;
inline constexpr int IDC_GREG_MONTH = 1001;
inline constexpr int IDC_GREG_YEAR = 1002;
inline constexpr int IDC_HIJRI_DAY = 1016; // also in 215 Hijri To Gregorean
inline constexpr int IDC_HIJRI_MONTH = 1017;
inline constexpr int IDC_HIJRI_YEAR = 1018;

// 158 Help
inline constexpr int IDC_HELP_TEXT = 1004;

// 166 Select Location
inline constexpr int IDC_REGION = 1039;
inline constexpr int IDC_COUNTRIES = 1020;
inline constexpr int IDC_CITIES = 1019;

// 167 Add City
inline constexpr int IDC_CITY_NAME = 1006;
inline constexpr int IDC_COUNTRY_NAME = 1007;
inline constexpr int IDC_LONGITUDE = 1008;
inline constexpr int IDC_EAST_WEST = 1016;
inline constexpr int IDC_LATITUDE = 1009;
inline constexpr int IDC_NORTH_SOUTH = 1017;
inline constexpr int IDC_CITY_ZONE = 1010;

// 168 Select Asr Method
inline constexpr int IDC_ASR_SCHOOL = 1011;

// 169 Twilight Conventions and 170 Add Twilight Angles
inline constexpr int IDC_CONVENTION = 1012;
inline constexpr int IDC_FAJR_ANGLE = 1013;
inline constexpr int IDC_ISHA_ANGLE = 1014;
inline constexpr int IDC_METHOD_NAME = 1015;
inline constexpr int IDC_CONVENTIONS_HELP = 1018;

// 186 Today in Hijri
inline constexpr int IDC_GREG_DATE = 1026;

// 189 Delete City
inline constexpr int IDC_DELETE_CITIES = 1020;

// 190 Set Adhan
inline constexpr int IDC_ADHAN_FAJR = 1013;
inline constexpr int IDC_ADHAN_ASR = 1011;
inline constexpr int IDC_ADHAN_ZUHR = 1025;
inline constexpr int IDC_ADHAN_MAGHRIB = 1026;
inline constexpr int IDC_ADHAN_ISHA = 1014;
inline constexpr int IDC_ADHAN_ALL = 1028;
inline constexpr int IDC_ADHAN_ON = 1022;
inline constexpr int IDC_ADHAN_REPEAT = 1036;
inline constexpr int IDC_ADHAN_SOUND = 1034;
inline constexpr int IDC_TEST_SOUND = 1035;

// 192 Color Preferences and 194 Color Palette
inline constexpr int IDC_CHANGE_BACKGROUND = 1024;
inline constexpr int IDC_CHANGE_TEXT = 1025;
inline constexpr int IDC_CHANGE_HEADERS = 1026;
inline constexpr int IDC_PALETTE = 1027;

// 193 Moon Phase
inline constexpr int IDC_MOON_DATE = 1025;

// 218 EditTimezone
inline constexpr int IDC_ZONE = 1036;
inline constexpr int IDC_START_MONTH = 1046;
inline constexpr int IDC_START_DAY_OF_WEEK = 1047;
inline constexpr int IDC_START_OCCURRENCE = 1048;
inline constexpr int IDC_END_MONTH = 1038;
inline constexpr int IDC_END_DAY_OF_WEEK = 1044;
inline constexpr int IDC_END_OCCURRENCE = 1045;

// 225 Remind Me
inline constexpr int IDC_REMINDER_CHECK = 1023;
inline constexpr int IDC_REMIND_DAYS = 1036;

} // namespace halvo
