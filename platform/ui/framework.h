#pragma once

// The window framework the system's windows are written against: an
// application object, frame windows with a menu bar, child windows, message
// maps, device contexts, timers and message boxes. It is a thin layer over
// the toolkit; nothing above this folder sees the toolkit itself.

#include "platform/ui/message_map.h"
#include "platform/ui/painting.h"
#include "platform/ui/templates.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace halvo
{

class CWnd;

// Ids the framework gives meaning to.
inline constexpr int kFirstPaneId = 0xE900; // the child that fills a frame's client area
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr unsigned WM_APP = 0x8000;

// The screen the windows were laid out for: every painted position of the
// main display and the dialogs lies within it.
inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 268;

// ---------------------------------------------------------------------------
// Windows.

class CWnd : public CCmdTarget
{
  public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates this window as a child of parent. The pane id kFirstPaneId makes
    // it fill its frame's client area. False when the Create handler refuses.
    bool Create(CWnd* parent, int id, const CRect& rect);

    bool IsCreated() const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;

    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    CRect GetClientRect() const;
    void SetMinimumClientSize(int width, int height);

    // Marks the whole window for repainting; UpdateWindow paints at once
    // (when the window is shown; a hidden window paints when it shows).
    void Invalidate();
    void UpdateWindow();

    // A precise timer keeps to the millisecond; others may be late or
    // early by a few percent of their interval.
    void SetTimer(unsigned id, int milliseconds, bool precise = false);
    void KillTimer(unsigned id);
    bool HasTimer(unsigned id) const;

    void SetFocus();

    // Queues an application message for this window's map.
    void PostMessage(unsigned message);

    // What the window shows on screen now, as a picture of its client area.
    Picture Snapshot() const;
    // The colour the window shows at a client point; none outside it.
    std::optional<COLORREF> GetPixel(int x, int y) const;

    struct Impl;
    Impl& impl() const { return *impl_; }

  protected:
    // Runs the Create handler after the window exists.
    bool FinishCreate();

    std::unique_ptr<Impl> impl_;
};

// Where a top-level window stands: its normal rectangle (client area,
// screen pixels) and whether it is maximised over it.
struct WindowPlacement
{
    CRect normal;
    bool maximized = false;
};

// A top-level window with a menu bar and one pane.
class CFrameWnd : public CWnd
{
  public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame window and its menu bar from the menu, then runs the
    // Create handler. False when any step fails.
    bool LoadFrame(const MenuResource& menu);

    // Commands go to the frame's map, then to the application's.
    bool OnCmdMsg(int id) override;
    bool HasCommandHandler(int id) const override;

    // Enables exactly the menu items some handler serves.
    void UpdateMenuStates();
    bool IsMenuItemEnabled(int id) const;
    // Runs a menu command as a click on its item would.
    void SendCommand(int id);

    // Brings the frame in front of other windows without moving, resizing
    // or un-maximising it; a minimised frame is restored.
    void BringToFront();

    // Makes the pane's client area this size.
    void SetPaneSize(int width, int height);

    // A key that runs a menu command while the frame is the active window,
    // without showing in the menu. Keys in the toolkit's portable notation:
    // "Ctrl+Q", "F1".
    void AddShortcut(const std::string& keys, int commandId);

    WindowPlacement GetWindowPlacement() const;
    // Never smaller than the frame's minimum; a position off every screen
    // (a monitor since unplugged) is left to the window system.
    void SetWindowPlacement(const WindowPlacement& placement);

  protected:
    // Sets title and class of the window before it exists.
    virtual void PreCreateWindow() {}
};

// ---------------------------------------------------------------------------
// The application.

class CWinApp : public CCmdTarget
{
  public:
    explicit CWinApp(std::string appName);
    ~CWinApp() override;

    // Creates the toolkit application, runs InitInstance and then the
    // message loop. Returns the exit status: ExitInstance's when
    // InitInstance failed, else the loop's unless that was 0.
    int Run(int argc, char** argv);

    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    CWnd* m_pMainWnd = nullptr;

    static CWinApp* Current();

    bool OnCmdMsg(int id) override;
    bool HasCommandHandler(int id) const override;

  protected:
    // Closes the main window, which ends the message loop.
    void OnAppExit();

  private:
    std::string appName_;
};

// Makes sure the toolkit's application object exists (tests create windows
// without a CWinApp).
void EnsureApplication();
// The icon of every window of the program.
void SetApplicationIcon(int iconId);
// The name of the program's desktop entry, without ".desktop", by which the
// window system finds its name and icon.
void SetDesktopFileName(const std::string& name);
// Handles every message waiting now, without blocking.
void ProcessPendingMessages();
// Handles messages for the given time (tests waiting for another process).
void ProcessMessagesFor(int milliseconds);

// ---------------------------------------------------------------------------
// Message boxes: text only, one OK button, owned by a window, the
// application's name as caption.

void MessageBox(CWnd* owner, const std::string& text);

// Sends message boxes to a function instead of the screen (tests); an empty
// function restores the screen. Returns the sink it replaces.
using MessageBoxSinkFunction = std::function<void(CWnd* owner, const std::string& text)>;
MessageBoxSinkFunction SetMessageBoxSink(MessageBoxSinkFunction sink);

} // namespace halvo
