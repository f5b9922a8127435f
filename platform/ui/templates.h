#pragma once

// Resources as plain data, so the folder that holds them needs no toolkit.

#include <string>
#include <vector>

namespace halvo
{

// A menu bar: pop-ups of items; an item with id 0 is a separator.
struct MenuItemResource
{
    std::string text;
    int id = 0;
};

struct MenuPopupResource
{
    std::string text;
    std::vector<MenuItemResource> items;
};

struct MenuResource
{
    int id = 0;
    std::vector<MenuPopupResource> popups;
};

// The kinds of control a dialog template can hold. Each has one adapter in
// the framework (platform/ui/control_adapters.cpp).
enum class ControlKind
{
    PushButton,
    DefaultPushButton,
    CheckBox,              // a box with its caption; an empty caption shows the box alone
    Edit,                  // one line the user types into
    ReadOnlyEdit,          // one line the program fills
    ReadOnlyMultiLineEdit, // scrolling text the program fills
    StaticText,
    StaticPicture,     // a bitmap or icon resource (pictureId), at its own size
    ComboDropDownList, // choose only
    ComboDropDown,     // choose or type
    ListBox,           // one column of entries, one selected
    IconList,          // entries with a 32 x 32 icon above their text
    DatePicker,        // a date with a calendar pop-up
    DateTimePicker,    // a date and a time of day, the date with a calendar pop-up
};

// Style bits the controls honour.
inline constexpr unsigned kStyleSorted = 1; // lists and combos keep their entries sorted
inline constexpr unsigned kStyleIcon = 2;   // a StaticPicture shows an icon, not a bitmap

// Positions and sizes are dialog units; the framework turns them into pixels.
struct ControlTemplate
{
    int id = 0;
    ControlKind kind = ControlKind::StaticText;
    std::string text;
    unsigned style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int pictureId = 0; // StaticPicture only
};

inline constexpr int IDC_STATIC = -1; // a control no code refers to

struct DialogTemplate
{
    int id = 0;
    std::string title;
    int width = 0;  // dialog units
    int height = 0; // dialog units
    std::vector<ControlTemplate> controls;
    // A menu bar of the dialog's own, whose commands reach its message map.
    const MenuResource* menu = nullptr;
};

// Dialog units of the system font (8 point) to pixels.
constexpr int DialogUnitsToPixelsX(int units)
{
    return units * 3 / 2;
}
constexpr int DialogUnitsToPixelsY(int units)
{
    return units * 13 / 8;
}

} // namespace halvo
