#include "platform/text/translatable.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

#include <cassert>
#include <map>

namespace halvo
{

namespace
{

// Positions and sizes in dialog units: x, y, width, height.

ControlTemplate PushButton(int id, const char* text, int x, int y, int width, int height)
{
    return {id, ControlKind::PushButton, text, 0, x, y, width, height};
}

ControlTemplate DefaultButton(int id, const char* text, int x, int y, int width, int height)
{
    return {id, ControlKind::DefaultPushButton, text, 0, x, y, width, height};
}

// A box alone: its caption is painted by the dialog beside it.
ControlTemplate CheckBox(int id, const char* text, int x, int y)
{
    return {id, ControlKind::CheckBox, text, 0, x, y, 10, 10};
}

ControlTemplate EditBox(int id, int x, int y, int width, int height)
{
    return {id, ControlKind::Edit, "", 0, x, y, width, height};
}

ControlTemplate ReadOnlyEditBox(int id, int x, int y, int width, int height)
{
    return {id, ControlKind::ReadOnlyEdit, "", 0, x, y, width, height};
}

// Every drop-down list lets the user choose only among its rows: a typed
// text that is no row would give the program no value to store.
ControlTemplate PickList(int id, unsigned style, int x, int y, int width, int height)
{
    return {id, ControlKind::ComboDropDownList, "", style, x, y, width, height};
}

ControlTemplate ListBox(int id, unsigned style, int x, int y, int width, int height)
{
    return {id, ControlKind::ListBox, "", style, x, y, width, height};
}

ControlTemplate Icon(int iconId, int x, int y)
{
    return {IDC_STATIC, ControlKind::StaticPicture, "", kStyleIcon, x, y, 16, 16, iconId};
}

ControlTemplate Bitmap(int bitmapId, int x, int y, int width, int height)
{
    return {IDC_STATIC, ControlKind::StaticPicture, "", 0, x, y, width, height, bitmapId};
}

// OK and Cancel at the foot of a dialog laid out here.
ControlTemplate FootOK(int y = 143)
{
    return DefaultButton(IDOK, HALVO_TEXT("OK"), 20, y, 50, 14);
}
ControlTemplate FootCancel(int y = 143)
{
    return PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 88, y, 50, 14);
}

std::map<int, DialogTemplate> BuildTemplates()
{
    std::map<int, DialogTemplate> all;
    auto add = [&all](DialogTemplate dialog) { all.emplace(dialog.id, std::move(dialog)); };

    add({IDD_ABOUTBOX,
         HALVO_TEXT("About Halvo Tavorin"),
         160,
         165,
         {
             Icon(IDI_PROGRAM, 8, 10),
             DefaultButton(IDC_ABOUT_OK, HALVO_TEXT("OK"), 55, 143, 50, 14),
         }});

    add({IDD_DATE_SETTINGS,
         HALVO_TEXT("Date Settings"),
         129,
         151,
         {
             // Wide enough for "Jumada al-thany" in the fonts at hand.
             PickList(IDC_GREG_DAY, 0, 63, 15, 82, 30),
             PickList(IDC_GREG_MONTH, 0, 63, 32, 82, 30),
             PickList(IDC_GREG_YEAR, 0, 63, 49, 82, 30),
             PickList(IDC_HIJRI_DAY, 0, 63, 77, 82, 30),
             PickList(IDC_HIJRI_MONTH, 0, 63, 94, 82, 30),
             PickList(IDC_HIJRI_YEAR, 0, 63, 111, 82, 30),
             DefaultButton(IDOK, HALVO_TEXT("Apply"), 19, 132, 40, 12),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 69, 132, 40, 12),
         }});

    add({IDD_HELP,
         HALVO_TEXT("Help"),
         160,
         165,
         {
             {IDC_HELP_TEXT, ControlKind::ReadOnlyMultiLineEdit, "", 0, 5, 5, 150, 132},
             DefaultButton(IDOK, HALVO_TEXT("OK"), 55, 143, 50, 14),
         }});

    add({IDD_SELECT_LOCATION,
         HALVO_TEXT("Select Location"),
         129,
         162,
         {
             PickList(IDC_REGION, kStyleSorted, 6, 72, 120, 49),
             ListBox(IDC_COUNTRIES, kStyleSorted, 6, 88, 55, 49),
             ListBox(IDC_CITIES, kStyleSorted, 67, 88, 55, 49),
             DefaultButton(IDOK, HALVO_TEXT("OK"), 19, 141, 41, 14),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 74, 141, 41, 14),
         }});

    // The hemisphere lists are wide enough to show "North" beside the arrow.
    add({IDD_ADD_CITY,
         HALVO_TEXT("Add  City Information"),
         143,
         148,
         {
             {IDC_CITY_NAME, ControlKind::Edit, "", 0, 62, 15, 74, 14},
             EditBox(IDC_COUNTRY_NAME, 62, 37, 74, 14),
             EditBox(IDC_LONGITUDE, 62, 61, 39, 12),
             PickList(IDC_EAST_WEST, kStyleSorted, 103, 61, 40, 30),
             EditBox(IDC_LATITUDE, 62, 81, 40, 12),
             PickList(IDC_NORTH_SOUTH, kStyleSorted, 103, 81, 40, 30),
             PickList(IDC_CITY_ZONE, 0, 62, 103, 74, 30),
             DefaultButton(IDOK, HALVO_TEXT("OK"), 17, 127, 50, 14),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 76, 127, 50, 14),
         }});

    // The painted explanation fills the upper part; the choice sits under it.
    add({IDD_ASR_METHOD,
         HALVO_TEXT("Select Asr Method"),
         160,
         165,
         {
             Icon(IDI_ASR_METHOD, 4, 11),
             PickList(IDC_ASR_SCHOOL, kStyleSorted, 83, 13, 60, 40),
             FootOK(),
             FootCancel(),
         }});

    add({IDD_TWILIGHT_CONVENTIONS,
         HALVO_TEXT("Twilight Conventions"),
         160,
         165,
         {
             Icon(IDI_FAJR_ISHA, 2, 16),
             PickList(IDC_CONVENTION, 0, 63, 17, 93, 80),
             Icon(IDI_FAJR_ANGLE, 2, 41),
             ReadOnlyEditBox(IDC_FAJR_ANGLE, 63, 42, 40, 12),
             Icon(IDI_ISHA_ANGLE, 2, 66),
             ReadOnlyEditBox(IDC_ISHA_ANGLE, 63, 67, 90, 12),
             PushButton(IDC_CONVENTIONS_HELP, HALVO_TEXT("Help"), 55, 100, 50, 14),
             FootOK(),
             FootCancel(),
         }});

    add({IDD_ADD_TWILIGHT_ANGLES,
         HALVO_TEXT("Add Twilight Angles"),
         160,
         165,
         {
             Icon(IDI_FAJR_ISHA, 2, 14),
             EditBox(IDC_METHOD_NAME, 27, 26, 125, 12),
             Icon(IDI_FAJR_ANGLE, 2, 41),
             EditBox(IDC_FAJR_ANGLE, 83, 42, 40, 12),
             Icon(IDI_ISHA_ANGLE, 2, 66),
             EditBox(IDC_ISHA_ANGLE, 83, 67, 40, 12),
             FootOK(),
             FootCancel(),
         }});

    add({IDD_TODAY_IN_HIJRI,
         HALVO_TEXT("Today in Hijri"),
         142,
         137,
         {
             // Right of the painted "Gregorean Date:", which runs past x = 62 in
             // the fonts at hand.
             {IDC_GREG_DATE, ControlKind::DatePicker, "", 0, 70, 7, 73, 11},
             DefaultButton(IDOK, HALVO_TEXT("OK"), 45, 116, 50, 14),
             Bitmap(IDB_TODAY_IN_HIJRI, 9, 24, 13, 12),
         }});

    // Wider and taller than the screen the texts were placed for: the
    // longest painted lines need 250 pixels in the desktop's font, and the
    // last one needs room above OK.
    add({IDD_TWILIGHT_HELP,
         HALVO_TEXT("Twilight Angles Help"),
         176,
         174,
         {
             DefaultButton(IDOK, HALVO_TEXT("OK"), 63, 156, 50, 12),
         }});

    add({IDD_INSTRUCTIONS,
         HALVO_TEXT("Instructions"),
         160,
         165,
         {
             DefaultButton(IDOK, HALVO_TEXT("OK"), 55, 151, 50, 12),
         }});

    add({IDD_DELETE_CITY,
         HALVO_TEXT("Delete City"),
         148,
         150,
         {
             ListBox(IDC_DELETE_CITIES, kStyleSorted, 16, 28, 115, 89),
             DefaultButton(IDOK, HALVO_TEXT("Delete"), 18, 129, 50, 14),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 78, 129, 50, 14),
         }});

    // The boxes stand just left of the captions the dialog paints.
    add({IDD_SET_ADHAN,
         HALVO_TEXT("Set  Adhan"),
         160,
         165,
         {
             CheckBox(IDC_ADHAN_FAJR, HALVO_TEXT("Fajr"), 27, 9),
             CheckBox(IDC_ADHAN_ASR, HALVO_TEXT("Asr"), 27, 24),
             CheckBox(IDC_ADHAN_ISHA, HALVO_TEXT("Isha"), 27, 40),
             CheckBox(IDC_ADHAN_ZUHR, HALVO_TEXT("Zuhr"), 83, 9),
             CheckBox(IDC_ADHAN_MAGHRIB, HALVO_TEXT("Maghrib"), 83, 24),
             CheckBox(IDC_ADHAN_ALL, HALVO_TEXT("All"), 83, 40),
             CheckBox(IDC_ADHAN_ON, HALVO_TEXT("adhan"), 27, 67),
             PickList(IDC_ADHAN_REPEAT, 0, 83, 84, 40, 60),
             PickList(IDC_ADHAN_SOUND, 0, 83, 102, 65, 80),
             PushButton(IDC_TEST_SOUND, HALVO_TEXT("Test Sound"), 83, 120, 65, 14),
             FootOK(),
             FootCancel(),
         }});

    add({IDD_QIBLA,
         HALVO_TEXT("Qibla Direction"),
         142,
         162,
         {
             DefaultButton(IDOK, HALVO_TEXT("OK"), 55, 143, 50, 14),
         }});

    add({IDD_COLOR_PREFERENCES,
         HALVO_TEXT("Color Preferences..."),
         160,
         165,
         {
             PushButton(IDC_CHANGE_BACKGROUND, HALVO_TEXT("Change Background Color"), 20, 20, 120,
                        16),
             PushButton(IDC_CHANGE_TEXT, HALVO_TEXT("Change Text Color"), 20, 45, 120, 16),
             PushButton(IDC_CHANGE_HEADERS, HALVO_TEXT("Change Headers Color"), 20, 70, 120, 16),
             FootOK(),
             FootCancel(),
         }});

    add({IDD_MOON_PHASE,
         HALVO_TEXT("Moon Phase"),
         144,
         158,
         {
             {IDC_MOON_DATE, ControlKind::DateTimePicker, "DateTimePicker1", 0, 62, 7, 75, 12},
             DefaultButton(IDOK, HALVO_TEXT("OK"), 17, 137, 50, 14),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 76, 137, 50, 14),
         }});

    add({IDD_COLOR_PALETTE,
         HALVO_TEXT("Color Palette"),
         160,
         165,
         {
             {IDC_PALETTE, ControlKind::IconList, "", 0, 5, 5, 150, 132},
             FootOK(),
             FootCancel(),
         }});

    add({IDD_HIJRI_TO_GREG,
         HALVO_TEXT("Hijri To Gregorean"),
         139,
         154,
         {
             // Wide enough for "Jumada al-thany" in the fonts at hand.
             PickList(IDC_HIJRI_DAY, 0, 63, 8, 82, 100),
             PickList(IDC_HIJRI_MONTH, 0, 63, 25, 82, 100),
             PickList(IDC_HIJRI_YEAR, 0, 63, 42, 82, 100),
             DefaultButton(IDOK, HALVO_TEXT("Close"), 44, 133, 50, 14),
             Bitmap(IDB_HIJRI_TO_GREG, 7, 64, 15, 13),
         }});

    // The zone list stands clear of "Timezone Name", the END lists sit
    // beside their labels as the START lists do, under their heading, and
    // the rule lists are wide enough for "September" and "Wednesday".
    add({IDD_EDIT_TIMEZONE,
         HALVO_TEXT("EditTimezone"),
         138,
         155,
         {
             PickList(IDC_ZONE, 0, 66, 7, 74, 72),
             PickList(IDC_START_MONTH, 0, 58, 32, 62, 55),
             PickList(IDC_START_DAY_OF_WEEK, 0, 58, 48, 62, 37),
             PickList(IDC_START_OCCURRENCE, 0, 58, 63, 62, 26),
             PickList(IDC_END_MONTH, 0, 58, 94, 62, 51),
             PickList(IDC_END_DAY_OF_WEEK, 0, 58, 109, 62, 45),
             PickList(IDC_END_OCCURRENCE, 0, 58, 124, 62, 49),
             DefaultButton(IDOK, HALVO_TEXT("OK"), 13, 141, 50, 14),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 76, 141, 50, 14),
         }});

    add({IDD_FEASTS, HALVO_TEXT("Islamic Feasts"), 146, 161, {}, &FindMenu(IDR_FEASTS_MENU)});

    add({IDD_REMIND_ME,
         HALVO_TEXT("Remind Me"),
         142,
         148,
         {
             CheckBox(IDC_REMINDER_CHECK, HALVO_TEXT("Reminder"), 17, 13),
             // Wide enough for "3 Days Before" in the fonts at hand.
             PickList(IDC_REMIND_DAYS, 0, 67, 31, 72, 35),
             DefaultButton(IDOK, HALVO_TEXT("OK"), 14, 127, 50, 14),
             PushButton(IDCANCEL, HALVO_TEXT("Cancel"), 78, 127, 50, 14),
         }});

    return all;
}

const std::map<int, DialogTemplate>& Templates()
{
    static const std::map<int, DialogTemplate> templates = BuildTemplates();
    return templates;
}

} // namespace

const DialogTemplate& FindDialog(int id)
{
    static const DialogTemplate none;
    const auto found = Templates().find(id);
    assert(found != Templates().end() && "no dialog template of this id");
    return found != Templates().end() ? found->second : none;
}

std::vector<int> AllDialogIds()
{
    std::vector<int> ids;
    for (const auto& [id, dialog] : Templates())
        ids.push_back(id);
    return ids;
}

} // namespace halvo
