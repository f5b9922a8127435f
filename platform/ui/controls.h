#pragma once

// The controls of a dialog, reached by id through small handles that hold
// no state of their own. Operations the program performs notify nobody;
// the "ByUser" operations act as the user would and send the notification
// that follows, so tests drive a dialog exactly as a person does.

#include "engine/date_record.h"

#include <string>

namespace halvo
{

class CDialog;
class ControlAdapter;

class CControl
{
  public:
    CControl(const CDialog& dialog, int id) : dialog_(&dialog), id_(id) {}
    int GetDlgCtrlID() const { return id_; }
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    // The caption of a button or static text, the text of an edit, the
    // shown text of a combo, the selected entry of a list box.
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    // What a screen reader calls a control that has no caption painted
    // beside it; a painted caption never replaces it.
    void SetAccessibleName(const std::string& name);

  protected:
    ControlAdapter& Adapter() const;

    const CDialog* dialog_;
    int id_;
};

// Push buttons and check boxes.
class CButton : public CControl
{
  public:
    using CControl::CControl;
    bool GetCheck() const;
    void SetCheck(bool checked);
    // Clicks it as the user would: a check box toggles, then the click is
    // notified.
    void Click();
};

// Single-line edits and read-only multi-line edits.
class CEdit : public CControl
{
  public:
    using CControl::CControl;
    // Replaces the text as the user typing it would, with the notification.
    void TypeByUser(const std::string& text);
};

// Static texts and pictures.
class CStatic : public CControl
{
  public:
    using CControl::CControl;
};

// Combo boxes and list boxes share their list operations. Sorted lists
// order their entries as the stores do (ICU root collation, without regard
// to case) and the prefix searches compare the same way.
class CListControl : public CControl
{
  public:
    using CControl::CControl;
    int AddString(const std::string& text); // index where it landed (sorted lists sort)
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const; // -1 when nothing is selected
    bool SetCurSel(int index);
    std::string GetText(int index) const;
    // First entry after startAfter (-1: from the top) that begins with prefix,
    // wrapping round to the top; -1 when none does.
    int FindString(int startAfter, const std::string& prefix) const;
    // The same search, and selects what it found.
    int SelectString(int startAfter, const std::string& prefix);
    // Selects an entry as the user would, with the notifications that follow.
    void SelectByUser(int index);
};

class CComboBox : public CListControl
{
  public:
    using CListControl::CListControl;
};

class CListBox : public CListControl
{
  public:
    using CListControl::CListControl;
};

// An icon-view list: entries with a picture above their text.
class CListCtrl : public CControl
{
  public:
    using CControl::CControl;
    // Adds an entry at the end showing an icon resource; its index.
    int InsertItem(const std::string& text, int iconId);
    int GetItemCount() const;
    std::string GetItemText(int index) const;
    int GetSelectedItem() const; // -1 when none
    void SelectItem(int index);
    void SelectItemByUser(int index);
};

// A date picker or a date-time picker.
class CDateTimeCtrl : public CControl
{
  public:
    using CControl::CControl;
    // The date shown (and for a date-time picker the time of day; a date
    // picker gives 00:00:00); the day of the week is set.
    DateRecord GetTime() const;
    void SetTime(const DateRecord& date);
    // The display format in the toolkit's notation, for example "dd-MMM-yyyy".
    void SetFormat(const std::string& format);
    // Changes the date (and a date-time picker's time of day) as the user
    // would, with the notification that follows.
    void SetTimeByUser(const DateRecord& date);
    // Picks a day in the calendar pop-up as the user would: the time of day
    // stays, the notification follows.
    void PickDateByUser(int year, int month, int day);
};

} // namespace halvo
