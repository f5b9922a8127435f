#pragma once

// Inside the framework: how its windows sit on the toolkit's widgets.
// Included only by the framework's own sources.

#include "platform/ui/framework.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QImage>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>

#include <map>

namespace halvo
{

QColor ToQColor(COLORREF colour);
COLORREF FromQColor(const QColor& colour);
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// The event that carries an application message to a window.
inline const QEvent::Type kAppMessageEvent = static_cast<QEvent::Type>(QEvent::User + 0x64);

class AppMessageEvent : public QEvent
{
  public:
    explicit AppMessageEvent(unsigned message) : QEvent(kAppMessageEvent), message(message) {}
    unsigned message;
};

struct CWnd::Impl
{
    QPointer<QWidget> widget;
    CWnd* parent = nullptr;
    int id = 0;
    std::map<int, unsigned> timers; // toolkit timer id -> window timer id
    std::map<unsigned, int> timerIds;
    std::map<int, QAction*> menuActions;
};

struct CDC::Impl
{
    QPainter* painter = nullptr;
    QPoint current;
    QFont font;
};

struct Picture::Impl
{
    QImage image;
};

// Hands the toolkit's events of one widget to its window's message map.
void DispatchPaint(CWnd& window, QWidget& widget, QPaintEvent& event);
void DispatchTimer(CWnd& window, QTimerEvent& event);
bool DispatchCustom(CWnd& window, QEvent& event);

template <class Base> class WindowWidget : public Base
{
  public:
    template <class... Args>
    explicit WindowWidget(CWnd& window, Args&&... args)
        : Base(std::forward<Args>(args)...), window_(window)
    {
    }

  protected:
    void paintEvent(QPaintEvent* event) override { DispatchPaint(window_, *this, *event); }
    void timerEvent(QTimerEvent* event) override { DispatchTimer(window_, *event); }
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        window_.Dispatch(Message::SetFocus, {});
    }
    bool event(QEvent* event) override
    {
        if (DispatchCustom(window_, *event))
            return true;
        if (event->type() == QEvent::WindowActivate)
            window_.Dispatch(Message::SetFocus, {});
        return Base::event(event);
    }

  private:
    CWnd& window_;
};

} // namespace halvo
