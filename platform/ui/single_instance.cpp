#include "platform/ui/single_instance.h"

#include "platform/store/device_folder.h"
#include "platform/text/quoted.h"
#include "platform/ui/framework.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace halvo
{

namespace
{

// "forward\n", or "forward TOKEN\n" with the later start's activation token.
constexpr char kForwardRequest[] = "forward";
constexpr std::size_t kMaxTokenLength = 256;
// A request is one short line; a peer that sends more is not one of ours.
constexpr qsizetype kMaxRequestLength = 1024;
// How long a start keeps knocking while the lock holder is still coming up.
constexpr int kClaimMilliseconds = 10000;

// The lock and socket go where only this user can reach them: a runtime
// folder that others may enter would let them take the lock first.
std::filesystem::path RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && IsPrivateFolder(runtime))
        return runtime;
    EnsureDeviceFolder();
    const std::filesystem::path own = DeviceFolder();
    static bool told = false;
    if (runtime != nullptr && runtime[0] != '\0' && !told)
    {
        told = true;
        std::fprintf(stderr,
                     "halvo-tavorin: XDG_RUNTIME_DIR (%s) is not a folder of this user's alone "
                     "(mode 0700); the start-up lock is kept in %s instead\n",
                     EscapedForLine(runtime).c_str(), own.c_str());
    }
    return own;
}

enum class LockEntry
{
    kNone,
    kFile,
    kOther, // a link, a folder, a pipe: never a lock this program wrote
};

LockEntry EntryAt(const QString& path)
{
    struct stat status
    {
    };
    if (::lstat(path.toLocal8Bit().constData(), &status) != 0)
        return LockEntry::kNone;
    return S_ISREG(status.st_mode) ? LockEntry::kFile : LockEntry::kOther;
}

// A lock this program wrote names its process. Reading is safe here: the
// entry is a regular file, so opening it cannot block as a pipe would.
bool NamesAProcess(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) && pid > 0;
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

// The token this start's launcher gave it, when it is one.
std::string OwnActivationToken()
{
    const char* token = std::getenv("XDG_ACTIVATION_TOKEN");
    return token != nullptr && IsActivationToken(token) ? std::string(token) : std::string();
}

QByteArray ForwardRequest()
{
    QByteArray request(kForwardRequest);
    const std::string token = OwnActivationToken();
    if (!token.empty())
        request += ' ' + QByteArray::fromStdString(token);
    return request + '\n';
}

// The token of a request line; "" for a plain "forward" or anything else.
std::string TokenOfRequest(const QByteArray& line)
{
    const QByteArray prefix = QByteArray(kForwardRequest) + ' ';
    if (!line.startsWith(prefix))
        return {};
    const std::string token = line.mid(prefix.size()).toStdString();
    return IsActivationToken(token) ? token : std::string();
}

bool AskToComeForward(const QString& socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(200))
        return false;
    socket.write(ForwardRequest());
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return true;
}

} // namespace

bool IsPrivateFolder(const std::filesystem::path& folder)
{
    struct stat status
    {
    };
    return folder.is_absolute() && ::stat(folder.c_str(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & 07777) == 0700;
}

bool IsActivationToken(const std::string& text)
{
    if (text.empty() || text.size() > kMaxTokenLength)
        return false;
    for (const char c : text)
    {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

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
    return Claim(
        [bringForward](const std::string&)
        {
            if (bringForward)
                bringForward();
        });
}

bool SingleInstance::Claim(std::function<void(const std::string& activationToken)> bringForward)
{
    EnsureApplication();
    const QDeadlineTimer deadline(kClaimMilliseconds);
    const QString lockPath = impl_->lock->fileName();
    bool namedNoProcess = false;
    for (;;)
    {
        // Something other than a file under the lock's name would make the
        // lock's own reading block (a pipe) or fail for ever (a dangling
        // link, a folder): it is no start's lock once nobody answers.
        if (EntryAt(lockPath) == LockEntry::kOther && !AskToComeForward(impl_->socketPath))
        {
            std::error_code error;
            if (!std::filesystem::remove(lockPath.toStdString(), error))
            {
                std::fprintf(stderr,
                             "halvo-tavorin: %s is not a lock file and cannot be removed; "
                             "starting without the guard against a second window\n",
                             qPrintable(lockPath));
                return true;
            }
        }
        if (impl_->lock->tryLock(0))
            break;
        if (impl_->lock->error() != QLockFile::LockFailedError)
        {
            // No lock can be taken there at all: run without the guard.
            std::fprintf(stderr, "halvo-tavorin: cannot create the lock file %s\n",
                         qPrintable(lockPath));
            return true;
        }
        // Another start holds the lock: knock until it listens.
        if (AskToComeForward(impl_->socketPath))
            return false;
        // A lock that names no process (empty, cut short, unreadable) was
        // left by a crash: a start writes its lock whole in one go, so one
        // still found so a moment later, with nobody answering, is stale.
        if (EntryAt(lockPath) == LockEntry::kFile && !NamesAProcess(*impl_->lock))
        {
            if (namedNoProcess)
            {
                namedNoProcess = false;
                if (!impl_->lock->removeStaleLockFile() && !QFile::remove(lockPath))
                {
                    std::fprintf(stderr,
                                 "halvo-tavorin: cannot remove the unusable lock file %s; "
                                 "starting without the guard against a second window\n",
                                 qPrintable(lockPath));
                    return true;
                }
                continue;
            }
            namedNoProcess = true;
        }
        else
        {
            namedNoProcess = false;
        }
        if (deadline.hasExpired())
        {
            std::fprintf(stderr,
                         "halvo-tavorin: another start holds %s but does not answer; "
                         "starting anyway\n",
                         qPrintable(lockPath));
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
                             // The line may come in pieces; it is read once whole.
                             auto received = std::make_shared<QByteArray>();
                             QObject::connect(client, &QLocalSocket::readyRead, client,
                                              [client, received, bringForward]
                                              {
                                                  if (received->contains('\n'))
                                                  {
                                                      client->readAll();
                                                      return;
                                                  }
                                                  *received += client->readAll();
                                                  const qsizetype end = received->indexOf('\n');
                                                  if (end < 0)
                                                  {
                                                      if (received->size() > kMaxRequestLength)
                                                          client->abort();
                                                      return;
                                                  }
                                                  if (bringForward)
                                                      bringForward(
                                                          TokenOfRequest(received->left(end)));
                                              });
                         }
                     });
    return true;
}

} // namespace halvo
