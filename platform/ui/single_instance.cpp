#include "platform/ui/single_instance.h"

#include "platform/store/device_folder.h"
#include "platform/ui/framework.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace halvo
{

namespace
{

constexpr char kForwardRequest[] = "forward\n";
// How long a start keeps knocking while the lock holder is still coming up.
constexpr int kClaimMilliseconds = 10000;

std::filesystem::path RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && std::filesystem::is_directory(runtime))
        return runtime;
    EnsureDeviceFolder();
    return DeviceFolder();
}

// Separate data folders are separate programs (tests run side by side).
std::string InstanceName()
{
    const QByteArray folder = QByteArray::fromStdString(DeviceFolder().string());
    return "halvo-tavorin-" + QCryptographicHash::hash(folder, QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(12)
                                  .toStdString();
}

bool AskToComeForward(const QString& socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(200))
        return false;
    socket.write(kForwardRequest);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return true;
}

} // namespace

struct SingleInstance::Impl
{
    std::unique_ptr<QLockFile> lock;
    QString socketPath;
    std::unique_ptr<QLocalServer> server;
};

SingleInstance::SingleInstance() : SingleInstance(RuntimeFolder()) {}

SingleInstance::SingleInstance(std::filesystem::path folder) : impl_(std::make_unique<Impl>())
{
    const std::string name = InstanceName();
    impl_->lock =
        std::make_unique<QLockFile>(QString::fromStdString((folder / (name + ".lock")).string()));
    // A lock is stale only when its process is gone, never by its age: the
    // program runs for days.
    impl_->lock->setStaleLockTime(0);
    impl_->socketPath = QString::fromStdString((folder / (name + ".socket")).string());
}

SingleInstance::~SingleInstance()
{
    if (impl_->server)
        impl_->server->close();
}

bool SingleInstance::Claim(std::function<void()> bringForward)
{
    EnsureApplication();
    const QDeadlineTimer deadline(kClaimMilliseconds);
    while (!impl_->lock->tryLock(0))
    {
        if (impl_->lock->error() != QLockFile::LockFailedError)
        {
            // No lock can be taken there at all: run without the guard.
            std::fprintf(stderr, "halvo-tavorin: cannot create the lock file %s\n",
                         qPrintable(impl_->lock->fileName()));
            return true;
        }
        // Another start holds the lock: knock until it listens.
        if (AskToComeForward(impl_->socketPath))
            return false;
        if (deadline.hasExpired())
        {
            std::fprintf(stderr,
                         "halvo-tavorin: another start holds %s but does not answer; "
                         "starting anyway\n",
                         qPrintable(impl_->lock->fileName()));
            return true;
        }
        QThread::msleep(50);
    }
    // The lock is ours: a socket file there was left by a program that died.
    QLocalServer::removeServer(impl_->socketPath);
    impl_->server = std::make_unique<QLocalServer>();
    impl_->server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!impl_->server->listen(impl_->socketPath))
    {
        std::fprintf(stderr, "halvo-tavorin: cannot listen on %s: %s\n",
                     qPrintable(impl_->socketPath), qPrintable(impl_->server->errorString()));
        return true; // run anyway: a second window is better than none
    }
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
