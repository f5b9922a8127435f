#pragma once

// Drives dialogs offscreen as a person would, for the tests of every window:
// open a dialog without a modal loop, select, type, click and press by
// control id, run OK or Cancel, and read back texts, message boxes and
// pixels. Dialogs the code under test opens modally are driven by scripts.

#include "platform/ui/dialog.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace halvo::testing
{

class DialogHarness;
using DialogScript = std::function<void(DialogHarness&)>;

// While one lives, message boxes are recorded instead of shown, and every
// dialog opened modally takes the next queued script (a dialog with no
// script left is cancelled).
class ModalScripts
{
  public:
    ModalScripts();
    ~ModalScripts();
    ModalScripts(const ModalScripts&) = delete;
    ModalScripts& operator=(const ModalScripts&) = delete;

    // Queues a script for the next dialog opened modally.
    void Then(DialogScript script);
    // Message boxes shown since this object was made, oldest first.
    std::vector<std::string> Messages() const;
    // Template ids of the dialogs opened modally since this object was made.
    std::vector<int> Opened() const;

  private:
    std::size_t firstMessage_;
    std::size_t firstOpened_;
};

// A key combination pressed while the window is the active one, delivered
// as the window system would deliver it ("Ctrl+Q", "F1").
void PressShortcut(CWnd& window, const std::string& keys);

class DialogHarness
{
  public:
    // Builds the dialog offscreen and runs its initialisation.
    explicit DialogHarness(CDialog& dialog);
    // Wraps a dialog that is built already: one a modal script drives.
    struct Adopt
    {
    };
    DialogHarness(CDialog& dialog, Adopt);
    ~DialogHarness();
    DialogHarness(const DialogHarness&) = delete;
    DialogHarness& operator=(const DialogHarness&) = delete;

    CDialog& Dialog() { return dialog_; }

    // What a person does; each action is followed by the work the toolkit
    // would do next (repaints, posted messages).
    void Click(int id);
    void Select(int id, int index);
    // Selects the entry with exactly this text; false when there is none.
    bool SelectText(int id, const std::string& text);
    void Type(int id, const std::string& text);
    void SetDate(int id, const DateRecord& date);
    void PickDay(int id, int year, int month, int day);
    // A press of the primary button on the dialog's surface.
    void PressAt(int x, int y);
    // Typed characters going to a control (a list box jumps to an entry).
    void TypeKeys(int id, const std::string& keys);
    // Return or Escape on the dialog.
    void PressKey(KeyCode key);
    // A command of the dialog's own menu bar.
    void Command(int id);
    // Clicks OK or Cancel; true when the dialog ended.
    bool OK();
    bool Cancel();

    // What the dialog shows.
    std::string Text(int id) const;
    bool Checked(int id) const;
    int Selection(int id) const;
    std::vector<std::string> Items(int id) const;
    bool Enabled(int id) const;
    // The surface as painted now.
    Picture Snapshot();
    COLORREF Pixel(int x, int y);
    // The whole dialog, menu bar included (screenshots).
    Picture WindowPicture();

    bool Ended() const { return dialog_.HasEnded(); }
    int Result() const { return dialog_.Result(); }

    // Message boxes shown since the harness was made, oldest first.
    std::vector<std::string> Messages() const { return scripts_.Messages(); }
    // Scripts for the dialogs this one opens modally.
    void ThenModal(DialogScript script) { scripts_.Then(std::move(script)); }
    std::vector<int> OpenedModally() const { return scripts_.Opened(); }

  private:
    CDialog& dialog_;
    ModalScripts scripts_;
};

// A press of the primary button, and a key, on a window that is no dialog
// (the main window), delivered as the toolkit delivers them: what the window
// does not take goes on to its parent.
void PressOnWindow(CWnd& window, int x, int y);
// kOther stands for a letter key.
void PressKeyOnWindow(CWnd& window, KeyCode key);

} // namespace halvo::testing
