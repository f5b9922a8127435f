#include "platform/ui/quit_on_signal.h"

#include "platform/ui/framework.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace halvo
{
namespace
{

int g_pipe[2] = {-1, -1};
QSocketNotifier* g_notifier = nullptr;

// Only what is safe inside a signal handler: one write to the pipe.
void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void QuitOnSignals(std::function<void()> quit)
{
    EnsureApplication();
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    delete g_notifier;
    g_notifier = new QSocketNotifier(static_cast<qintptr>(g_pipe[0]), QSocketNotifier::Read,
                                     QCoreApplication::instance());
    QObject::connect(g_notifier, &QSocketNotifier::activated, g_notifier,
                     [quit = std::move(quit)]
                     {
                         char bytes[16];
                         while (::read(g_pipe[0], bytes, sizeof bytes) > 0)
                         {
                         }
                         quit();
                         QCoreApplication::exit(0);
                     });
    struct sigaction action
    {
    };
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

} // namespace halvo
