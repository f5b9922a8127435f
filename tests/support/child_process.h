#pragma once

// A forked child process that a test steers through the program's test
// points: the child can stop at a point, tell the parent, and wait there
// until the parent lets it go on, or be killed there. The parent must have
// closed the database before it forks (a connection must not cross fork()).

#include "platform/test_point.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace halvo::testing
{

// What the child's handler does, set in the child before it runs the code
// under test.
inline TestPoint g_stopPoint = TestPoint::kCopyingFile;
inline int g_stopsLeft = 0; // the point is passed this many times first
inline int g_toParent = -1;
inline int g_fromParent = -1;

// Stops at the chosen point: tells the parent and waits for its go.
inline void PauseAtStopPoint(TestPoint point)
{
    if (point != g_stopPoint || g_stopsLeft-- != 0)
        return;
    const char told = 't';
    [[maybe_unused]] ssize_t ignored = ::write(g_toParent, &told, 1);
    char go = 0;
    ignored = ::read(g_fromParent, &go, 1);
}

// Dies at the chosen point, as a kill -9 at that moment would end it.
inline void KillAtStopPoint(TestPoint point)
{
    if (point == g_stopPoint && g_stopsLeft-- == 0)
        ::raise(SIGKILL);
}

// Tells the parent without stopping (a process that starts to wait for a
// lock, say).
inline void TellAtStopPoint(TestPoint point)
{
    if (point != g_stopPoint)
        return;
    const char told = 't';
    [[maybe_unused]] ssize_t ignored = ::write(g_toParent, &told, 1);
}

class ChildProcess
{
  public:
    // Forks; the child installs the handler for the point (reached `passes`
    // times before it acts), runs body and exits with its result.
    ChildProcess(TestPointHandler handler, TestPoint point, int passes,
                 const std::function<int()>& body)
    {
        int toParent[2];
        int fromParent[2];
        if (::pipe(toParent) != 0 || ::pipe(fromParent) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0)
        {
            ::close(toParent[0]);
            ::close(fromParent[1]);
            g_toParent = toParent[1];
            g_fromParent = fromParent[0];
            g_stopPoint = point;
            g_stopsLeft = passes;
            SetTestPointHandler(handler);
            ::_exit(body());
        }
        // A go for a child that has ended already must not end the test.
        ::signal(SIGPIPE, SIG_IGN);
        ::close(toParent[1]);
        ::close(fromParent[0]);
        told_ = toParent[0];
        go_ = fromParent[1];
    }
    ~ChildProcess()
    {
        if (pid_ > 0 && status_ < 0)
        {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (told_ >= 0)
            ::close(told_);
        if (go_ >= 0)
            ::close(go_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }

    // True once the child has told; false when it ended first or the time
    // ran out.
    bool AwaitTold(int milliseconds = 20000)
    {
        pollfd ready{told_, POLLIN, 0};
        if (::poll(&ready, 1, milliseconds) != 1)
            return false;
        char told = 0;
        return ::read(told_, &told, 1) == 1;
    }

    void Go()
    {
        const char go = 'g';
        [[maybe_unused]] ssize_t ignored = ::write(go_, &go, 1);
    }

    // The child's wait status.
    int Wait()
    {
        if (status_ < 0 && pid_ > 0)
        {
            int status = 0;
            if (::waitpid(pid_, &status, 0) == pid_)
                status_ = status;
        }
        return status_;
    }

    bool ExitedWith(int code)
    {
        const int status = Wait();
        return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == code;
    }

    bool WasKilled()
    {
        const int status = Wait();
        return status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

  private:
    pid_t pid_ = -1;
    int told_ = -1;
    int go_ = -1;
    int status_ = -1;
};

// The parent's own handler for a point: lets a paused child go on (the
// parent is about to wait for what the child holds).
inline ChildProcess* g_childToRelease = nullptr;
inline TestPoint g_releasePoint = TestPoint::kWaitingForLock;
inline void ReleaseChildAtPoint(TestPoint point)
{
    if (point == g_releasePoint && g_childToRelease != nullptr)
    {
        g_childToRelease->Go();
        g_childToRelease = nullptr;
    }
}

} // namespace halvo::testing
