#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/framework.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace halvo
{

class ControlAdapter;

// A dialog built from a template. Button clicks, selection, edit and date
// changes, presses on its surface, keys and the commands of its own menu
// bar reach the handlers of its message map; OK and Cancel buttons without
// a handler of their own end the dialog through OnOK and OnCancel, as
// Enter (the default button) and Escape do.
//
// The dialog's client area is at least the 240 x 268 screen its painted
// texts were placed for; its controls stand where the template puts them.
class CDialog : public CWnd
{
  public:
    CDialog(DialogTemplate dialogTemplate, CWnd* parent);
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
    // The end of an OK that wrote to the stores: ends the dialog through
    // CDialog::OnOK when the write went through, else says why in a message
    // box and stays open with the entries as the user left them.
    void EndOKIfStored(bool stored, const std::string& notStoredMessage);

    CButton Button(int id) const { return CButton(*this, id); }
    CEdit Edit(int id) const { return CEdit(*this, id); }
    CStatic Static(int id) const { return CStatic(*this, id); }
    CComboBox Combo(int id) const { return CComboBox(*this, id); }
    CListBox List(int id) const { return CListBox(*this, id); }
    CListCtrl IconList(int id) const { return CListCtrl(*this, id); }
    CDateTimeCtrl DatePicker(int id) const { return CDateTimeCtrl(*this, id); }

    void SetDlgItemText(int id, const std::string& text)
    {
        CControl(*this, id).SetWindowText(text);
    }
    std::string GetDlgItemText(int id) const { return CControl(*this, id).GetWindowText(); }

    const DialogTemplate& Template() const { return template_; }
    // Whether the dialog, as built now, has a control of that id.
    bool HasControl(int id) const;

    // Inside the framework: the control of an id. An id the template does
    // not have is a programming error (an assertion in debug builds); in a
    // release build it reaches a control that does nothing.
    ControlAdapter& ControlAt(int id) const;
    // Inside the framework: a control or the menu bar tells what the user did.
    void Notify(Message message, const MessageArgs& args);

  private:
    bool Build();
    void Destroy();

    DialogTemplate template_;
    CWnd* parent_;
    std::map<int, std::unique_ptr<ControlAdapter>> controls_;
    std::vector<std::unique_ptr<ControlAdapter>> unnamedControls_; // IDC_STATIC
    int result_ = IDCANCEL;
    bool ended_ = false;
};

// Tests: while a hook is set, DoModal builds and initialises the dialog,
// shows it without a modal loop and hands it to the hook, which drives it;
// a dialog the hook did not end counts as cancelled. An empty hook restores
// modal loops.
void SetModalHook(std::function<void(CDialog&)> hook);

} // namespace halvo
