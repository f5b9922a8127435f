#include "platform/ui/framework_impl.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QThread>

#include <utility>

namespace halvo
{

// --- Colours and texts: the one place where 0x00BBGGRR meets the toolkit.

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

COLORREF FromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}
std::string FromQString(const QString& text)
{
    return text.toStdString();
}

// --- Message maps.

bool CCmdTarget::OnCmdMsg(int id)
{
    return Dispatch(Message::Command, MessageArgs{id, nullptr});
}

bool CCmdTarget::HasCommandHandler(int id) const
{
    return HasHandler(Message::Command, id);
}

// One rule for finding a handler and for running it, so a menu item is
// enabled exactly when its command would be handled. Id 0 in the map takes
// every id (timers, paint, creation, focus).
static bool Handles(const MessageEntry& entry, Message message, int id)
{
    return entry.message == message && (entry.id == 0 || entry.id == id);
}

bool CCmdTarget::HasHandler(Message message, int id) const
{
    for (const MessageEntry& entry : GetMessageMap())
        if (Handles(entry, message, id))
            return true;
    return false;
}

bool CCmdTarget::Dispatch(Message message, const MessageArgs& args, int* result)
{
    for (const MessageEntry& entry : GetMessageMap())
    {
        if (Handles(entry, message, args.id))
        {
            const int value = entry.call(*this, args);
            if (result != nullptr)
                *result = value;
            return true;
        }
    }
    return false;
}

const MessageMap& CCmdTarget::GetMessageMap() const
{
    static const MessageMap empty;
    return empty;
}

// --- Painting.

static QFont MakeFont(const FontSpec& request)
{
    QFont font(ToQString(request.face));
    font.setStyleStrategy(QFont::PreferDefault);
    font.setWeight(request.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setPixelSize(std::max(1, -request.height));
    return font;
}

static QFont SystemFont()
{
    return MakeFont(FontSpec{"Verdana", -11, 400});
}

CDC::CDC(std::unique_ptr<Impl> impl) : impl_(std::move(impl))
{
    impl_->painter->setPen(QPen(Qt::black, 1));
    impl_->painter->setBrush(Qt::white);
    impl_->font = SystemFont();
    impl_->painter->setFont(impl_->font);
}

CDC::~CDC() = default;

void CDC::FillSolidRect(const CRect& rect, COLORREF colour)
{
    impl_->painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                             ToQColor(colour));
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    const COLORREF previous = FromQColor(impl_->painter->pen().color());
    QPen pen = impl_->painter->pen();
    pen.setColor(ToQColor(colour));
    impl_->painter->setPen(pen);
    return previous;
}

void CDC::SelectFont(const FontSpec& font)
{
    impl_->font = MakeFont(font);
    impl_->painter->setFont(impl_->font);
}

void CDC::TextOut(int x, int y, const std::string& text)
{
    const QFontMetrics metrics(impl_->font);
    impl_->painter->drawText(QPoint(x, y + metrics.ascent()), ToQString(text));
}

void CDC::MoveTo(int x, int y)
{
    impl_->current = QPoint(x, y);
}

void CDC::LineTo(int x, int y)
{
    // Lines use the pen, not the text colour: black, one pixel.
    QPainter& painter = *impl_->painter;
    const QPen textPen = painter.pen();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(impl_->current, QPoint(x, y));
    painter.setPen(textPen);
    impl_->current = QPoint(x, y);
}

void CDC::Rectangle(const CRect& rect)
{
    QPainter& painter = *impl_->painter;
    const QPen textPen = painter.pen();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
    painter.setPen(textPen);
}

void CDC::Polygon(const std::vector<CPoint>& points, const BrushSpec& brush)
{
    QPainter& painter = *impl_->painter;
    const QPen textPen = painter.pen();
    QPolygon polygon;
    for (const CPoint& point : points)
        polygon << QPoint(point.x, point.y);
    if (brush.pattern)
    {
        QImage tile(8, 8, QImage::Format_RGB32);
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 8; ++column)
            {
                const bool set = (brush.rows[static_cast<std::size_t>(row)] >> (7 - column)) & 1;
                tile.setPixel(column, row,
                              set ? ToQColor(brush.colour).rgb() : qRgb(255, 255, 255));
            }
        painter.setBrush(QBrush(tile));
    }
    else
    {
        painter.setBrush(ToQColor(brush.colour));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolygon(polygon);
    painter.setBrush(Qt::white);
    painter.setPen(textPen);
}

static QString BitmapPath(int bitmapId)
{
    return QStringLiteral(":/halvo/bitmap_%1.png").arg(bitmapId);
}

// Bitmaps are decoded once: they are part of the program and never change.
static const QImage& LoadBitmap(int bitmapId)
{
    static std::map<int, QImage> decoded;
    const auto found = decoded.find(bitmapId);
    if (found != decoded.end())
        return found->second;
    return decoded.emplace(bitmapId, QImage(BitmapPath(bitmapId))).first->second;
}

bool CDC::DrawBitmap(int x, int y, int bitmapId)
{
    const QImage& image = LoadBitmap(bitmapId);
    if (image.isNull())
        return false;
    QPainter& painter = *impl_->painter;
    const auto mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), image);
    painter.setCompositionMode(mode);
    return true;
}

CPoint BitmapSize(int bitmapId)
{
    const QImage& image = LoadBitmap(bitmapId);
    return CPoint{image.width(), image.height()};
}

Picture::Picture() : impl(std::make_shared<Impl>()) {}
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;

int Picture::Width() const
{
    return impl->image.width();
}
int Picture::Height() const
{
    return impl->image.height();
}

COLORREF Picture::Pixel(int x, int y) const
{
    if (!impl->image.valid(x, y))
        return 0xFFFFFFFFu;
    return FromQColor(QColor(impl->image.pixel(x, y)));
}

bool Picture::SavePng(const std::string& path) const
{
    return impl->image.save(ToQString(path), "PNG");
}

Picture RenderPicture(int width, int height, const std::function<void(CDC&)>& paint)
{
    EnsureApplication();
    Picture picture;
    picture.impl->image = QImage(width, height, QImage::Format_RGB32);
    picture.impl->image.fill(Qt::white);
    QPainter painter(&picture.impl->image);
    auto impl = std::make_unique<CDC::Impl>();
    impl->painter = &painter;
    CDC dc(std::move(impl));
    paint(dc);
    return picture;
}

// --- Windows.

void DispatchPaint(CWnd& window, QWidget& widget, QPaintEvent&)
{
    QPainter painter(&widget);
    auto impl = std::make_unique<CDC::Impl>();
    impl->painter = &painter;
    CDC dc(std::move(impl));
    window.Dispatch(Message::Paint, MessageArgs{0, &dc});
}

void DispatchTimer(CWnd& window, QTimerEvent& event)
{
    const auto& timers = window.impl().timers;
    const auto found = timers.find(event.timerId());
    if (found != timers.end())
        window.Dispatch(Message::Timer, MessageArgs{static_cast<int>(found->second), nullptr});
}

bool DispatchCustom(CWnd& window, QEvent& event)
{
    if (event.type() != kAppMessageEvent)
        return false;
    const auto& message = static_cast<AppMessageEvent&>(event);
    window.Dispatch(Message::AppMessage, MessageArgs{static_cast<int>(message.message), nullptr});
    return true;
}

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
        impl_->widget->setWindowTitle(ToQString(text));
}

std::string CWnd::GetWindowText() const
{
    return impl_->widget ? FromQString(impl_->widget->windowTitle()) : std::string();
}

CRect CWnd::GetClientRect() const
{
    if (!impl_->widget)
        return {};
    return CRect{0, 0, impl_->widget->width(), impl_->widget->height()};
}

void CWnd::SetMinimumClientSize(int width, int height)
{
    if (impl_->widget)
        impl_->widget->setMinimumSize(width, height);
}

void CWnd::Invalidate()
{
    if (impl_->widget)
        impl_->widget->update();
}

void CWnd::UpdateWindow()
{
    if (impl_->widget)
        impl_->widget->repaint();
}

void CWnd::SetTimer(unsigned id, int milliseconds)
{
    if (!impl_->widget)
        return;
    KillTimer(id);
    const int toolkitId = impl_->widget->startTimer(milliseconds, Qt::CoarseTimer);
    if (toolkitId != 0)
    {
        impl_->timers[toolkitId] = id;
        impl_->timerIds[id] = toolkitId;
    }
}

void CWnd::KillTimer(unsigned id)
{
    const auto found = impl_->timerIds.find(id);
    if (found == impl_->timerIds.end())
        return;
    if (impl_->widget)
        impl_->widget->killTimer(found->second);
    impl_->timers.erase(found->second);
    impl_->timerIds.erase(found);
}

void CWnd::SetFocus()
{
    if (impl_->widget)
        impl_->widget->setFocus(Qt::OtherFocusReason);
}

void CWnd::PostMessage(unsigned message)
{
    if (impl_->widget)
        QCoreApplication::postEvent(impl_->widget.data(), new AppMessageEvent(message));
}

Picture CWnd::Snapshot() const
{
    Picture picture;
    if (impl_->widget)
        picture.impl->image = impl_->widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return picture;
}

// --- Frames.

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

bool CFrameWnd::LoadFrame(const MenuResource& menu)
{
    EnsureApplication();
    auto* window = new WindowWidget<QMainWindow>(*this);
    impl_->widget = window;
    PreCreateWindow();
    if (!impl_->widget)
        return false;

    QMenuBar* bar = window->menuBar();
    bar->setNativeMenuBar(false);
    for (const MenuPopupResource& popup : menu.popups)
    {
        QMenu* qmenu = bar->addMenu(ToQString(popup.text));
        for (const MenuItemResource& item : popup.items)
        {
            if (item.id == 0)
            {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(ToQString(item.text));
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, [this, id] { SendCommand(id); });
            impl_->menuActions[id] = action;
        }
        QObject::connect(qmenu, &QMenu::aboutToShow, [this] { UpdateMenuStates(); });
    }
    if (!FinishCreate())
        return false;
    UpdateMenuStates();
    return true;
}

bool CFrameWnd::OnCmdMsg(int id)
{
    if (CCmdTarget::OnCmdMsg(id))
        return true;
    CWinApp* app = CWinApp::Current();
    return app != nullptr && app->OnCmdMsg(id);
}

bool CFrameWnd::HasCommandHandler(int id) const
{
    if (CCmdTarget::HasCommandHandler(id))
        return true;
    const CWinApp* app = CWinApp::Current();
    return app != nullptr && app->HasCommandHandler(id);
}

void CFrameWnd::UpdateMenuStates()
{
    for (auto& [id, action] : impl_->menuActions)
        action->setEnabled(HasCommandHandler(id));
}

bool CFrameWnd::IsMenuItemEnabled(int id) const
{
    const auto found = impl_->menuActions.find(id);
    return found != impl_->menuActions.end() && found->second->isEnabled();
}

void CFrameWnd::SendCommand(int id)
{
    OnCmdMsg(id);
}

void CFrameWnd::BringToFront()
{
    QWidget* window = impl_->widget.data();
    if (window == nullptr)
        return;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    window->showNormal();
    window->raise();
    window->activateWindow();
}

void CFrameWnd::SetPaneSize(int width, int height)
{
    auto* window = qobject_cast<QMainWindow*>(impl_->widget.data());
    if (window == nullptr)
        return;
    const int barHeight = window->menuBar()->sizeHint().height();
    window->resize(width, height + barHeight);
}

// --- The application.

static CWinApp* currentApp = nullptr;

CWinApp::CWinApp(std::string appName) : appName_(std::move(appName))
{
    currentApp = this;
}

CWinApp::~CWinApp()
{
    if (currentApp == this)
        currentApp = nullptr;
}

CWinApp* CWinApp::Current()
{
    return currentApp;
}

// Exit is the framework's own command: every application has it.
bool CWinApp::OnCmdMsg(int id)
{
    if (CCmdTarget::OnCmdMsg(id))
        return true;
    if (id != ID_APP_EXIT)
        return false;
    OnAppExit();
    return true;
}

bool CWinApp::HasCommandHandler(int id) const
{
    return id == ID_APP_EXIT || CCmdTarget::HasCommandHandler(id);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr && m_pMainWnd->impl().widget)
        m_pMainWnd->impl().widget->close();
    else
        QCoreApplication::quit();
}

static int savedArgc = 1;
static char savedProgramName[] = "halvo-tavorin";
static char* savedArgv[] = {savedProgramName, nullptr};

static void CreateApplication(int& argc, char** argv)
{
    if (QApplication::instance() == nullptr)
    {
        auto* app = new QApplication(argc, argv);
        app->setApplicationName(QStringLiteral("Halvo Tavorin"));
    }
}

void EnsureApplication()
{
    CreateApplication(savedArgc, savedArgv);
}

int CWinApp::Run(int argc, char** argv)
{
    savedArgc = argc;
    CreateApplication(savedArgc, argv);
    QApplication::setApplicationName(ToQString(appName_));
    if (!InitInstance())
        return ExitInstance();
    const int status = QApplication::exec();
    const int exitStatus = ExitInstance();
    return status != 0 ? status : exitStatus;
}

void SetApplicationIcon(int iconId)
{
    EnsureApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/halvo/icon_%1.png").arg(iconId)));
}

void ProcessPendingMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ProcessMessagesFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// --- Message boxes.

static std::function<void(CWnd*, const std::string&)>& MessageBoxSink()
{
    static std::function<void(CWnd*, const std::string&)> sink;
    return sink;
}

void SetMessageBoxSink(std::function<void(CWnd* owner, const std::string& text)> sink)
{
    MessageBoxSink() = std::move(sink);
}

void MessageBox(CWnd* owner, const std::string& text)
{
    if (MessageBoxSink())
    {
        MessageBoxSink()(owner, text);
        return;
    }
    EnsureApplication();
    QWidget* parent = owner != nullptr ? owner->impl().widget.data() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), ToQString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace halvo
