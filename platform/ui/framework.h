#pragma once

// The window framework the system's windows are written against: an
// application object, frame windows with a menu bar, child windows, message
// maps, device contexts, timers and message boxes. It is a thin layer over
// the toolkit; nothing above this folder sees the toolkit itself.

#include "platform/colour.h"
#include "platform/ui/templates.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace halvo
{

class CCmdTarget;
class CDC;
class CWnd;

struct CPoint
{
    int x = 0;
    int y = 0;
};

struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Ids the framework gives meaning to.
inline constexpr int kFirstPaneId = 0xE900; // the child that fills a frame's client area
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr unsigned WM_APP = 0x8000;

// ---------------------------------------------------------------------------
// Message maps: each window class lists its handlers in one table.

enum class Message
{
    Create, // after the window exists; a handler returning -1 fails the creation
    Paint,  // the window paints itself into the given device context
    Timer,  // id: the timer's id
    SetFocus,
    Command,    // id: the menu command
    AppMessage, // id: the application message number (WM_APP + n)
    Clicked,    // id: the button or check box
    SelChange,  // id: the combo box or list box whose selection changed
    DateChange, // id: the date picker
};

struct MessageArgs
{
    int id = 0;
    CDC* dc = nullptr;
};

struct MessageEntry
{
    Message message = Message::Command;
    int id = 0; // 0 matches any id
    std::function<int(CCmdTarget&, const MessageArgs&)> call;
};

using MessageMap = std::vector<MessageEntry>;

template <class T> MessageEntry MapCreate(int (T::*handler)())
{
    return {Message::Create, 0, [handler](CCmdTarget& t, const MessageArgs&) {
                return (static_cast<T&>(t).*handler)();
            }};
}

template <class T> MessageEntry MapPaint(void (T::*handler)(CDC&))
{
    return {Message::Paint, 0,
            [handler](CCmdTarget& t, const MessageArgs& args)
            {
                (static_cast<T&>(t).*handler)(*args.dc);
                return 0;
            }};
}

template <class T> MessageEntry MapTimer(void (T::*handler)(unsigned))
{
    return {Message::Timer, 0,
            [handler](CCmdTarget& t, const MessageArgs& args)
            {
                (static_cast<T&>(t).*handler)(static_cast<unsigned>(args.id));
                return 0;
            }};
}

template <class T> MessageEntry MapSetFocus(void (T::*handler)())
{
    return {Message::SetFocus, 0,
            [handler](CCmdTarget& t, const MessageArgs&)
            {
                (static_cast<T&>(t).*handler)();
                return 0;
            }};
}

template <class T> MessageEntry MapHandler(Message message, int id, void (T::*handler)())
{
    return {message, id,
            [handler](CCmdTarget& t, const MessageArgs&)
            {
                (static_cast<T&>(t).*handler)();
                return 0;
            }};
}

template <class T> MessageEntry MapCommand(int id, void (T::*handler)())
{
    return MapHandler(Message::Command, id, handler);
}
template <class T> MessageEntry MapClicked(int id, void (T::*handler)())
{
    return MapHandler(Message::Clicked, id, handler);
}
template <class T> MessageEntry MapSelChange(int id, void (T::*handler)())
{
    return MapHandler(Message::SelChange, id, handler);
}
template <class T> MessageEntry MapDateChange(int id, void (T::*handler)())
{
    return MapHandler(Message::DateChange, id, handler);
}

template <class T> MessageEntry MapAppMessage(unsigned message, int (T::*handler)())
{
    return {Message::AppMessage, static_cast<int>(message),
            [handler](CCmdTarget& t, const MessageArgs&)
            { return (static_cast<T&>(t).*handler)(); }};
}

// Anything that receives messages through a message map.
class CCmdTarget
{
  public:
    virtual ~CCmdTarget() = default;

    // Offers a command to this target; true when a handler took it.
    virtual bool OnCmdMsg(int id);
    // Whether OnCmdMsg would find a handler; menu items without one are disabled.
    virtual bool HasCommandHandler(int id) const;

    // Runs the handler of a message; false when the map has none.
    bool Dispatch(Message message, const MessageArgs& args, int* result = nullptr);
    bool HasHandler(Message message, int id) const;

  protected:
    virtual const MessageMap& GetMessageMap() const;
};

// ---------------------------------------------------------------------------
// Painting.

// A font as the system names it: face, height and weight. The height is
// negative: minus the character height in pixels.
struct FontSpec
{
    std::string face = "Verdana";
    int height = -10;
    int weight = 400;
};

// A solid brush, or an 8 x 8 pattern of the colour on white (a set bit in a
// row paints the colour; bit 7 is the leftmost pixel).
struct BrushSpec
{
    COLORREF colour = 0;
    bool pattern = false;
    std::array<std::uint8_t, 8> rows{};
};

// A painted picture read back pixel by pixel (tests, screenshots).
class Picture
{
  public:
    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);

    int Width() const;
    int Height() const;
    COLORREF Pixel(int x, int y) const;
    bool SavePng(const std::string& path) const;

    struct Impl;
    std::shared_ptr<Impl> impl;
};

// A device context: the window's surface during one paint. Starts with a
// black one-pixel pen, black text, a white brush and the system font.
class CDC
{
  public:
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void FillSolidRect(const CRect& rect, COLORREF colour);
    COLORREF SetTextColor(COLORREF colour);
    void SelectFont(const FontSpec& font);
    // Text with the top-left corner of its cell at (x, y); no clipping, no background.
    void TextOut(int x, int y, const std::string& text);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Outline with the pen, inside filled with the white brush.
    void Rectangle(const CRect& rect);
    // Filled with the brush, outlined with the pen.
    void Polygon(const std::vector<CPoint>& points, const BrushSpec& brush);
    // Copies a bitmap resource unchanged, at its own size; false when it is missing.
    bool DrawBitmap(int x, int y, int bitmapId);

    struct Impl;
    explicit CDC(std::unique_ptr<Impl> impl);

  private:
    std::unique_ptr<Impl> impl_;
};

// Paints into an offscreen picture of the given size.
Picture RenderPicture(int width, int height, const std::function<void(CDC&)>& paint);

// Size of a bitmap resource; 0 x 0 when it is missing.
CPoint BitmapSize(int bitmapId);

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

    // Marks the whole window for repainting; UpdateWindow paints at once.
    void Invalidate();
    void UpdateWindow();

    void SetTimer(unsigned id, int milliseconds);
    void KillTimer(unsigned id);

    void SetFocus();

    // Queues an application message for this window's map.
    void PostMessage(unsigned message);

    // What the window shows on screen now, as a picture.
    Picture Snapshot() const;

    struct Impl;
    Impl& impl() const { return *impl_; }

  protected:
    // Runs the Create handler after the window exists.
    bool FinishCreate();

    std::unique_ptr<Impl> impl_;
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

    // Brings the frame in front of other windows: top-most and at once not
    // top-most again, shown and activated.
    void BringToFront();

    // Makes the pane's client area this size.
    void SetPaneSize(int width, int height);

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
// Handles every message waiting now, without blocking.
void ProcessPendingMessages();
// Handles messages for the given time (tests waiting for another process).
void ProcessMessagesFor(int milliseconds);

// ---------------------------------------------------------------------------
// Message boxes: text only, one OK button, owned by a window, the
// application's name as caption.

void MessageBox(CWnd* owner, const std::string& text);

// Sends message boxes to a function instead of the screen (tests); an empty
// function restores the screen.
void SetMessageBoxSink(std::function<void(CWnd* owner, const std::string& text)> sink);

} // namespace halvo
