#pragma once

// Message maps: each window class lists its handlers in one table, and each
// kind of message carries its own payload to a handler of its own shape.

#include "engine/date_record.h"

#include <functional>
#include <vector>

namespace halvo
{

class CCmdTarget;
class CDC;

struct CPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
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

enum class Message
{
    Create,      // after the window exists; a handler returning -1 fails the creation
    Paint,       // dc: the window paints itself
    Timer,       // id: the timer's id
    SetFocus,    //
    LButtonDown, // point: where the primary button went down, in client pixels
    KeyDown,     // key: the key that went down (a KeyCode)
    Command,     // id: a menu command (the frame's menu or a dialog's own)
    AppMessage,  // id: the application message number (WM_APP + n)
    Clicked,     // id: the push button or check box
    SelChange,   // id: the list or combo whose selection changed
    SelEndOk,    // id: the combo whose drop-down selection the user completed
    EditChange,  // id: the edit whose text the user changed
    DateChange,  // id, date: the picker and the date (and time) it now shows
};

// Keys the windows tell apart; every other key arrives as kKeyOther.
enum class KeyCode
{
    kOther,
    kReturn,
    kEscape,
    kSpace,
};

struct MessageArgs
{
    int id = 0;
    CDC* dc = nullptr;
    CPoint point{};
    KeyCode key = KeyCode::kOther;
    DateRecord date{};
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

template <class T> MessageEntry MapLButtonDown(void (T::*handler)(CPoint))
{
    return {Message::LButtonDown, 0,
            [handler](CCmdTarget& t, const MessageArgs& args)
            {
                (static_cast<T&>(t).*handler)(args.point);
                return 0;
            }};
}

template <class T> MessageEntry MapKeyDown(void (T::*handler)(KeyCode))
{
    return {Message::KeyDown, 0,
            [handler](CCmdTarget& t, const MessageArgs& args)
            {
                (static_cast<T&>(t).*handler)(args.key);
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

template <class T> MessageEntry MapSetFocus(void (T::*handler)())
{
    return MapHandler(Message::SetFocus, 0, handler);
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
template <class T> MessageEntry MapSelEndOk(int id, void (T::*handler)())
{
    return MapHandler(Message::SelEndOk, id, handler);
}
template <class T> MessageEntry MapEditChange(int id, void (T::*handler)())
{
    return MapHandler(Message::EditChange, id, handler);
}

template <class T> MessageEntry MapDateChange(int id, void (T::*handler)(const DateRecord&))
{
    return {Message::DateChange, id,
            [handler](CCmdTarget& t, const MessageArgs& args)
            {
                (static_cast<T&>(t).*handler)(args.date);
                return 0;
            }};
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

} // namespace halvo
