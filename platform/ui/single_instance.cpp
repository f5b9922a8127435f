#include "platform/ui/single_instance.h"

#include "platform/ui/framework.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace halvo
{

namespace
{

constexpr char kForwardRequest[] = "forward\n";

} // namespace

struct SingleInstance::Impl
{
    QString name;
    std::unique_ptr<QLocalServer> server;
};

SingleInstance::SingleInstance(std::string name) : impl_(std::make_unique<Impl>())
{
    impl_->name = QString::fromStdString(name);
}

SingleInstance::~SingleInstance() = default;

std::string SingleInstance::DefaultName()
{
    // Separate data folders are separate programs (tests run side by side).
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QByteArray hash =
        QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return "halvo-tavorin-" + std::to_string(getuid()) + "-" + hash.toStdString();
}

bool SingleInstance::Claim(std::function<void()> bringForward)
{
    EnsureApplication();
    {
        QLocalSocket socket;
        socket.connectToServer(impl_->name);
        if (socket.waitForConnected(500))
        {
            socket.write(kForwardRequest);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(1000);
            return false;
        }
    }
    // Nobody answers: a socket file left by a program that died is stale.
    QLocalServer::removeServer(impl_->name);
    impl_->server = std::make_unique<QLocalServer>();
    impl_->server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!impl_->server->listen(impl_->name))
        return true; // run anyway: a second window is better than none
    QLocalServer* server = impl_->server.get();
    QObject::connect(server, &QLocalServer::newConnection, server,
                     [server, bringForward]
                     {
                         while (QLocalSocket* client = server->nextPendingConnection())
                         {
                             QObject::connect(client, &QLocalSocket::disconnected, client,
                                              &QObject::deleteLater);
                             QObject::connect(client, &QLocalSocket::readyRead, client,
                                              [client, bringForward]
                                              {
                                                  if (client->readAll().contains('\n') &&
                                                      bringForward)
                                                      bringForward();
                                              });
                         }
                     });
    return true;
}

} // namespace halvo
