#include "platform/ui/framework_impl.h"
#include "platform/ui/translation.h"
#include "platform/ui/window_activation.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace halvo
{

// Builds a menu bar from a menu resource; every item runs its command
// through the given function.
void FillMenuBar(QMenuBar& bar, const MenuResource& menu, std::map<int, QAction*>& actions,
                 const std::function<void(int)>& run)
{
    bar.setNativeMenuBar(false);
    for (const MenuPopupResource& popup : menu.popups)
    {
        QMenu* qmenu = bar.addMenu(ToQString(Translate(popup.text)));
        for (const MenuItemResource& item : popup.items)
        {
            if (item.id == 0)
            {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(ToQString(Translate(item.text)));
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, [run, id] { run(id); });
            actions[id] = action;
        }
    }
}

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
    FillMenuBar(*bar, menu, impl_->menuActions, [this](int id) { SendCommand(id); });
    for (QMenu* popup : bar->findChildren<QMenu*>())
        QObject::connect(popup, &QMenu::aboutToShow, [this] { UpdateMenuStates(); });
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
    // Only the minimised state is dropped: a maximised or moved window
    // stays as the user left it, and the native window is not recreated
    // (as changing its stay-on-top flag would).
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    ActivateWindow(*window, TakePendingActivationToken());
}

void CFrameWnd::SetPaneSize(int width, int height)
{
    auto* window = qobject_cast<QMainWindow*>(impl_->widget.data());
    if (window == nullptr)
        return;
    const int barHeight = window->menuBar()->sizeHint().height();
    // Translated titles may be longer than the pane is wide: the window
    // widens to show them all (the picture stays centred in it). English
    // keeps the pane's own width.
    if (!ActiveLanguage().empty())
        width = std::max(width, window->menuBar()->sizeHint().width());
    window->resize(width, height + barHeight);
}

void CFrameWnd::AddShortcut(const std::string& keys, int commandId)
{
    QWidget* window = impl_->widget.data();
    if (window == nullptr)
        return;
    // A shortcut of the window, not of a menu item, so the menu reads as before.
    auto* shortcut = new QShortcut(QKeySequence(ToQString(keys)), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated,
                     [this, commandId] { SendCommand(commandId); });
}

WindowPlacement CFrameWnd::GetWindowPlacement() const
{
    WindowPlacement placement;
    const QWidget* window = impl_->widget.data();
    if (window == nullptr)
        return placement;
    placement.maximized = window->isMaximized();
    const QRect normal = placement.maximized ? window->normalGeometry() : window->geometry();
    placement.normal =
        CRect{normal.x(), normal.y(), normal.x() + normal.width(), normal.y() + normal.height()};
    return placement;
}

void CFrameWnd::SetWindowPlacement(const WindowPlacement& placement)
{
    QWidget* window = impl_->widget.data();
    if (window == nullptr)
        return;
    const QRect wanted(placement.normal.left, placement.normal.top, placement.normal.Width(),
                       placement.normal.Height());
    const QSize size = wanted.size().expandedTo(window->minimumSizeHint());
    if (QGuiApplication::screenAt(wanted.center()) != nullptr)
        window->setGeometry(QRect(wanted.topLeft(), size));
    else
        window->resize(size);
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

} // namespace halvo
