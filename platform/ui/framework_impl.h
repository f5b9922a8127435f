#pragma once

// Inside the framework: how its windows sit on the toolkit's widgets.
// Included only by the framework's own sources.

#include "platform/ui/framework.h"
#include "platform/ui/translation.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>

#include <map>
#include <vector>

namespace halvo
{

QColor ToQColor(COLORREF colour);
COLORREF FromQColor(const QColor& colour);
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);
// The font texts and controls use unless a window selects another.
QFont SystemFont();
// Picture resources by id, decoded once; a null image when there is none.
const QImage& LoadBitmap(int bitmapId);
const QImage& LoadIcon(int iconId);

// The test's observer of painted texts; empty outside tests.
std::function<void(const ShownTextBox&)>& ShownTextObserver();

// The event that carries an application message to a window.
inline const QEvent::Type kAppMessageEvent = static_cast<QEvent::Type>(QEvent::User + 0x64);

class AppMessageEvent : public QEvent
{
  public:
    explicit AppMessageEvent(unsigned message) : QEvent(kAppMessageEvent), message(message) {}
    unsigned message;
};

// A text as one paint drew it, where it landed on the window's surface: the
// captions screen readers are given come from what was painted.
struct SurfaceText
{
    QString text;
    QRect rect;
};

struct CWnd::Impl
{
    // The top-level or child widget of the window.
    QPointer<QWidget> widget;
    // Where the window paints and its controls sit: the widget itself, or
    // for a dialog the area below its menu bar.
    QPointer<QWidget> surface;
    CWnd* parent = nullptr;
    int id = 0;
    std::map<int, unsigned> timers; // toolkit timer id -> window timer id
    std::map<unsigned, int> timerIds;
    std::map<int, QAction*> menuActions;
    std::vector<SurfaceText> paintedTexts; // by the last paint

    QWidget* Surface() const { return surface ? surface.data() : widget.data(); }
};

struct CDC::Impl
{
    QPainter* painter = nullptr;
    QPoint current;
    QFont font;
    std::vector<SurfaceText>* painted = nullptr; // where texts drawn are kept
    // Right to left: the width of the surface in the paint's own
    // coordinates, across which texts are mirrored; 0 keeps them in place.
    int mirrorWidth = 0;
    int deviceWidth = 0;
    // How far the texts painted reach, in the surface's pixels.
    int textsLeft = 0;
    int textsRight = 0;
    // A window that cannot grow (the main display) narrows a translated
    // text that would run past its right edge, in the paint's own
    // coordinates; 0 draws every text at its width.
    int fitWidth = 0;
};

struct Picture::Impl
{
    QImage image;
};

// Hands the toolkit's events of one widget to its window's message map.
void DispatchPaint(CWnd& window, QWidget& widget, QPaintEvent& event);
void DispatchTimer(CWnd& window, QTimerEvent& event);
bool DispatchCustom(CWnd& window, QEvent& event);
bool DispatchMousePress(CWnd& window, QMouseEvent& event);
bool DispatchKeyPress(CWnd& window, QKeyEvent& event);

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
    void mousePressEvent(QMouseEvent* event) override
    {
        if (!DispatchMousePress(window_, *event))
            Base::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!DispatchKeyPress(window_, *event))
            Base::keyPressEvent(event);
    }
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
