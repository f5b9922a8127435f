#pragma once

#include "engine/date_record.h"
#include "platform/ui/framework.h"

#include <string>

namespace halvo
{

class CDialog;

// Controls are reached by id through these small handles, which hold no
// state of their own.
class CControl
{
  public:
    CControl(const CDialog& dialog, int id) : dialog_(&dialog), id_(id) {}
    bool Exists() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

  protected:
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
    // Clicks it as the user would, with the notification that follows.
    void Click();
};

// Single-line edits and read-only multi-line edits.
class CEdit : public CControl
{
  public:
    using CControl::CControl;
};

// Combo boxes and list boxes share their list operations. Texts are
// compared without regard to case when sorting and searching.
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
    // Selects an entry as the user would, with the notification that follows.
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
    int InsertItem(const std::string& text, int iconId);
    int GetItemCount() const;
    int GetSelectedItem() const; // -1 when none
    void SelectItem(int index);
};

// A date picker with a calendar pop-up.
class CDateTimeCtrl : public CControl
{
  public:
    using CControl::CControl;
    DateRecord GetTime() const;
    void SetTime(const DateRecord& date);
    // Qt-style display format, for example "dd-MMM-yyyy".
    void SetFormat(const std::string& format);
    // Changes the date as the user would, with the notification that follows.
    void SetTimeByUser(const DateRecord& date);
};

// A dialog built from a template. Button clicks, selection and date changes
// reach the handlers of its message map; OK and Cancel buttons without a
// handler of their own end the dialog through OnOK and OnCancel.
class CDialog : public CWnd
{
  public:
    CDialog(const DialogTemplate& dialogTemplate, CWnd* parent);
    ~CDialog() override;

    // Runs the dialog modally; returns the id that ended it.
    int DoModal();
    // Builds the dialog, runs OnInitDialog and shows it without a modal
    // loop, so tests can drive it. False when the dialog could not be built.
    bool CreateModeless();

    void EndDialog(int result);
    int Result() const { return result_; }
    bool HasEnded() const { return ended_; }

    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    CButton Button(int id) const { return CButton(*this, id); }
    CEdit Edit(int id) const { return CEdit(*this, id); }
    CComboBox Combo(int id) const { return CComboBox(*this, id); }
    CListBox List(int id) const { return CListBox(*this, id); }
    CListCtrl IconList(int id) const { return CListCtrl(*this, id); }
    CDateTimeCtrl DatePicker(int id) const { return CDateTimeCtrl(*this, id); }

    void SetDlgItemText(int id, const std::string& text)
    {
        CControl(*this, id).SetWindowText(text);
    }
    std::string GetDlgItemText(int id) const { return CControl(*this, id).GetWindowText(); }

    // Handles a control's notification (used by the controls).
    void Notify(Message message, int id);

    const DialogTemplate& Template() const { return template_; }

  private:
    bool Build();

    DialogTemplate template_;
    CWnd* parent_;
    int result_ = IDCANCEL;
    bool ended_ = false;
};

} // namespace halvo
