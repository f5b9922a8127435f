#pragma once

#include <string>
#include <vector>

namespace halvo
{

// Resources as plain data, so the folder that holds them needs no toolkit.

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

enum class ControlKind
{
    PushButton,
    DefaultPushButton,
    CheckBox,
    Edit,
    ReadOnlyMultiLineEdit,
    StaticText,
    ComboDropDownList, // choose only
    ComboDropDown,     // choose or type
    ListBox,
    IconList,
    DatePicker,
};

// Style bits the controls honour.
inline constexpr unsigned kStyleSorted = 1;

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
};

struct DialogTemplate
{
    int id = 0;
    std::string title;
    int width = 0;  // dialog units
    int height = 0; // dialog units
    std::vector<ControlTemplate> controls;
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
