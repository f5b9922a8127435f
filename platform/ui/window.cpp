#include "platform/ui/accessibility_impl.h"
#include "platform/ui/dialog.h"
#include "platform/ui/framework_impl.h"
#include "platform/ui/translation.h"

#include <QCoreApplication>
#include <QTimer>

namespace halvo
{

// --- From the toolkit's events to the message maps.

void GrowToPaintedTexts(CWnd& window, QWidget& widget, int textsLeft, int textsRight);

void DispatchPaint(CWnd& window, QWidget& widget, QPaintEvent&)
{
    std::vector<SurfaceText>& painted = window.impl().paintedTexts;
    painted.clear();
    int textsLeft = 0;
    int textsRight = 0;
    {
        QPainter painter(&widget);
        auto impl = std::make_unique<CDC::Impl>();
        impl->painter = &painter;
        impl->painted = &painted;
        impl->deviceWidth = widget.width();
        impl->mirrorWidth = RightToLeft() ? widget.width() : 0;
        if (!ActiveLanguage().empty() && dynamic_cast<CDialog*>(&window) == nullptr)
            impl->fitWidth = widget.width();
        CDC::Impl& surface = *impl;
        CDC dc(std::move(impl));
        window.Dispatch(Message::Paint, MessageArgs{.dc = &dc});
        textsLeft = surface.textsLeft;
        textsRight = surface.textsRight;
    }
    AfterPaintForScreenReaders(window, widget);
    GrowToPaintedTexts(window, widget, textsLeft, textsRight);
}

// A translation longer than the English may run past a dialog's fixed
// edge: the dialog grows to hold it, as Instructions does for a long
// address, on the side the texts run to. English never grows a window.
void GrowToPaintedTexts(CWnd& window, QWidget& widget, int textsLeft, int textsRight)
{
    constexpr int kMargin = 4;
    if (ActiveLanguage().empty() || dynamic_cast<CDialog*>(&window) == nullptr ||
        widget.minimumWidth() != widget.maximumWidth())
        return;
    const int wanted = RightToLeft() ? widget.width() - textsLeft + kMargin : textsRight + kMargin;
    if (wanted <= widget.width())
        return;
    QPointer<QWidget> surface(&widget);
    // Not inside the paint: the new size repaints the surface. Paints
    // before it ask for the same width, which is set once.
    QTimer::singleShot(0, &widget,
                       [surface, wanted]
                       {
                           if (!surface || surface->width() >= wanted)
                               return;
                           const int grown = wanted - surface->width();
                           // Right to left, the controls keep their distance
                           // from the right edge.
                           if (RightToLeft())
                               for (QWidget* child :
                                    surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                                   child->move(child->x() + grown, child->y());
                           surface->setFixedWidth(wanted);
                           surface->resize(wanted, surface->height());
                           if (QWidget* window = surface->window(); window != surface)
                               window->adjustSize();
                       });
}

void DispatchTimer(CWnd& window, QTimerEvent& event)
{
    const auto& timers = window.impl().timers;
    const auto found = timers.find(event.timerId());
    if (found != timers.end())
        window.Dispatch(Message::Timer, MessageArgs{.id = static_cast<int>(found->second)});
}

bool DispatchCustom(CWnd& window, QEvent& event)
{
    if (event.type() != kAppMessageEvent)
        return false;
    const auto& message = static_cast<AppMessageEvent&>(event);
    window.Dispatch(Message::AppMessage, MessageArgs{.id = static_cast<int>(message.message)});
    return true;
}

bool DispatchMousePress(CWnd& window, QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    const QPoint at = event.position().toPoint();
    return window.Dispatch(Message::LButtonDown, MessageArgs{.point = CPoint{at.x(), at.y()}});
}

static KeyCode ToKeyCode(int key)
{
    switch (key)
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::kReturn;
    case Qt::Key_Escape:
        return KeyCode::kEscape;
    case Qt::Key_Space:
        return KeyCode::kSpace;
    default:
        return KeyCode::kOther;
    }
}

bool DispatchKeyPress(CWnd& window, QKeyEvent& event)
{
    return window.Dispatch(Message::KeyDown, MessageArgs{.key = ToKeyCode(event.key())});
}

// --- Windows.

CWnd::CWnd() : impl_(std::make_unique<Impl>()) {}

CWnd::~CWnd()
{
    // A child's widget may already be gone with its parent's.
    if (impl_->widget)
        delete impl_->widget.data();
}

bool CWnd::Create(CWnd* parent, int id, const CRect& rect)
{
    EnsureApplication();
    QWidget* parentWidget = parent != nullptr ? parent->impl().widget.data() : nullptr;
    auto* widget = new WindowWidget<QWidget>(*this, parentWidget);
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    impl_->widget = widget;
    impl_->parent = parent;
    impl_->id = id;
    auto* frame = parentWidget != nullptr ? qobject_cast<QMainWindow*>(parentWidget) : nullptr;
    if (frame != nullptr && id == kFirstPaneId)
        frame->setCentralWidget(widget);
    else
        widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    return FinishCreate();
}

bool CWnd::FinishCreate()
{
    int result = 0;
    Dispatch(Message::Create, {}, &result);
    if (result == -1)
    {
        delete impl_->widget.data();
        return false;
    }
    return true;
}

bool CWnd::IsCreated() const
{
    return !impl_->widget.isNull();
}
int CWnd::GetDlgCtrlID() const
{
    return impl_->id;
}
CWnd* CWnd::GetParent() const
{
    return impl_->parent;
}

void CWnd::ShowWindow(bool show)
{
    if (impl_->widget)
        impl_->widget->setVisible(show);
}

bool CWnd::IsWindowVisible() const
{
    return impl_->widget && impl_->widget->isVisible();
}

void CWnd::SetWindowText(const std::string& text)
{
    if (impl_->widget)
        impl_->widget->setWindowTitle(ToQString(Translate(text)));
}

std::string CWnd::GetWindowText() const
{
    return impl_->widget ? FromQString(impl_->widget->windowTitle()) : std::string();
}

CRect CWnd::GetClientRect() const
{
    const QWidget* surface = impl_->Surface();
    if (surface == nullptr)
        return {};
    return CRect{0, 0, surface->width(), surface->height()};
}

void CWnd::SetMinimumClientSize(int width, int height)
{
    if (QWidget* surface = impl_->Surface())
        surface->setMinimumSize(width, height);
}

void CWnd::Invalidate()
{
    if (QWidget* surface = impl_->Surface())
        surface->update();
}

void CWnd::UpdateWindow()
{
    if (QWidget* surface = impl_->Surface())
        surface->repaint();
}

void CWnd::SetTimer(unsigned id, int milliseconds, bool precise)
{
    QWidget* surface = impl_->Surface();
    if (surface == nullptr)
        return;
    KillTimer(id);
    const int toolkitId =
        surface->startTimer(milliseconds, precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (toolkitId != 0)
    {
        impl_->timers[toolkitId] = id;
        impl_->timerIds[id] = toolkitId;
    }
}

bool CWnd::HasTimer(unsigned id) const
{
    return impl_->timerIds.contains(id);
}

void CWnd::KillTimer(unsigned id)
{
    const auto found = impl_->timerIds.find(id);
    if (found == impl_->timerIds.end())
        return;
    if (QWidget* surface = impl_->Surface())
        surface->killTimer(found->second);
    impl_->timers.erase(found->second);
    impl_->timerIds.erase(found);
}

void CWnd::SetFocus()
{
    if (QWidget* surface = impl_->Surface())
        surface->setFocus(Qt::OtherFocusReason);
}

void CWnd::PostMessage(unsigned message)
{
    if (QWidget* surface = impl_->Surface())
        QCoreApplication::postEvent(surface, new AppMessageEvent(message));
}

Picture CWnd::Snapshot() const
{
    Picture picture;
    if (QWidget* surface = impl_->Surface())
        picture.impl->image = surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return picture;
}

std::optional<COLORREF> CWnd::GetPixel(int x, int y) const
{
    QWidget* surface = impl_->Surface();
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->width() || y >= surface->height())
        return std::nullopt;
    // What the window shows there now: the one pixel rendered as on screen.
    const QImage pixel = surface->grab(QRect(x, y, 1, 1)).toImage();
    if (pixel.isNull())
        return std::nullopt;
    return FromQColor(QColor(pixel.pixel(0, 0)));
}

} // namespace halvo
