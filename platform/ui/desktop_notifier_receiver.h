#pragma once

// Inside the notifier: the object that hears the notification service's
// signals (a toolkit object, so the tool that reads its slots sees it).

#include "platform/ui/desktop_notifier.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace halvo
{

class DesktopNotifier::Receiver : public QObject
{
    Q_OBJECT

  public:
    Receiver();
    // actions: key, label, key, label... as the service takes them.
    void Notify(const QString& summary, const QString& body, const QStringList& actions,
                std::function<void(const QString& key)> onAction);
    void Withdraw();

  private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

  private:
    void Close(uint id);

    bool connected_ = false;
    uint shown_ = 0; // the id the service gave our last notification; 0: none
    QStringList actionKeys_;
    std::function<void(const QString& key)> onAction_;
    // Bumped by every Notify, so the answer of an older one is not taken
    // for the newest's.
    unsigned asked_ = 0;
};

} // namespace halvo
