#include "platform/ui/desktop_notifier.h"

#include "platform/ui/desktop_notifier_receiver.h"
#include "platform/ui/framework.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace halvo
{

namespace
{

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kStopAction = QStringLiteral("stop");
const QString kDefaultAction = QStringLiteral("default");

} // namespace

DesktopNotifier::Receiver::Receiver()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    connected_ = true;
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(OnClosed(uint, uint)));
}

void DesktopNotifier::Receiver::Notify(const QString& summary, const QString& body,
                                       const QStringList& actions,
                                       std::function<void(const QString& key)> onAction)
{
    if (!connected_)
        return;
    Withdraw();
    onAction_ = std::move(onAction);
    actionKeys_.clear();
    for (qsizetype i = 0; i + 1 < actions.size(); i += 2)
        actionKeys_ << actions[i];
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("category"), QStringLiteral("im.received"));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("halvo-tavorin"));
    call << QStringLiteral("Halvo Tavorin") << uint{0} << QStringLiteral("halvo-tavorin") << summary
         << body << actions << hints << int{-1};
    // Asynchronous: a service that is slow to start never holds the window.
    const unsigned asked = ++asked_;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                     [this, asked](QDBusPendingCallWatcher* finished)
                     {
                         const QDBusPendingReply<uint> reply = *finished;
                         finished->deleteLater();
                         if (reply.isError())
                             return;
                         if (asked == asked_)
                             shown_ = reply.value();
                         else // withdrawn before the service answered
                             Close(reply.value());
                     });
}

void DesktopNotifier::Receiver::Withdraw()
{
    ++asked_;
    onAction_ = nullptr;
    Close(shown_);
    shown_ = 0;
}

void DesktopNotifier::Receiver::Close(uint id)
{
    if (id == 0)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CloseNotification"));
    call << id;
    QDBusConnection::sessionBus().asyncCall(call);
}

void DesktopNotifier::Receiver::OnActionInvoked(uint id, const QString& action)
{
    if (id == 0 || id != shown_ || !actionKeys_.contains(action))
        return;
    // The callback may notify again; take it out first.
    std::function<void(const QString&)> onAction = std::move(onAction_);
    onAction_ = nullptr;
    if (onAction)
        onAction(action);
}

void DesktopNotifier::Receiver::OnClosed(uint id, uint)
{
    if (id != 0 && id == shown_)
    {
        shown_ = 0;
        onAction_ = nullptr;
    }
}

DesktopNotifier::DesktopNotifier() = default;

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::Notify(const std::string& summary, std::function<void()> onStop)
{
    if (!receiver_)
    {
        EnsureApplication();
        receiver_ = std::make_unique<Receiver>();
    }
    // The body stays empty: the summary says it all. A click on the
    // notification itself stops the sound too.
    const QStringList actions = {kDefaultAction, QStringLiteral("Stop"), kStopAction,
                                 QStringLiteral("Stop")};
    receiver_->Notify(QString::fromStdString(summary), QString(), actions,
                      [onStop = std::move(onStop)](const QString&)
                      {
                          if (onStop)
                              onStop();
                      });
}

void DesktopNotifier::Ask(const std::string& summary, const std::string& body,
                          const std::vector<Action>& actions,
                          std::function<void(const std::string& key)> onAction)
{
    if (!receiver_)
    {
        EnsureApplication();
        receiver_ = std::make_unique<Receiver>();
    }
    QStringList pairs;
    for (const Action& action : actions)
        pairs << QString::fromStdString(action.key) << QString::fromStdString(action.label);
    receiver_->Notify(QString::fromStdString(summary), QString::fromStdString(body), pairs,
                      [onAction = std::move(onAction)](const QString& key)
                      {
                          if (onAction)
                              onAction(key.toStdString());
                      });
}

void DesktopNotifier::Withdraw()
{
    if (receiver_)
        receiver_->Withdraw();
}

} // namespace halvo
