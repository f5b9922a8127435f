#include "platform/store/file_lock.h"

#include "platform/test_point.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <system_error>
#include <thread>

namespace halvo
{
namespace
{

struct HeldLock
{
    int descriptor = -1;
    int depth = 0;
    pid_t owner = 0;
};

// The locks this process holds, by lock file. A child made by fork() finds
// its parent's entries here but does not own them.
std::map<std::string, HeldLock>& HeldLocks()
{
    static std::map<std::string, HeldLock> held;
    return held;
}

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

} // namespace

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait)
    : key_(file.string())
{
    auto& held = HeldLocks();
    if (auto found = held.find(key_); found != held.end())
    {
        if (found->second.owner == ::getpid())
        {
            ++found->second.depth;
            held_ = true;
            return;
        }
        // Inherited over fork(): the copy of the parent's descriptor would
        // keep the parent's lock alive after the parent lets go.
        ::close(found->second.descriptor);
        held.erase(found);
    }
    const int descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
    {
        problem_ = "cannot open the lock file " + key_ + ": " + ErrorText(errno);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    bool waiting = false;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0)
    {
        const int error = errno;
        if (error == EINTR)
            continue;
        // A file system without locks (some network mounts): going on
        // unlocked, as before there was a lock, beats never starting.
        if (error == ENOLCK || error == EOPNOTSUPP || error == EINVAL)
            break;
        if (error != EWOULDBLOCK)
        {
            problem_ = "cannot lock " + key_ + ": " + ErrorText(error);
            ::close(descriptor);
            return;
        }
        if (!waiting)
        {
            waiting = true;
            ReachTestPoint(TestPoint::kWaitingForLock);
        }
        if (std::chrono::steady_clock::now() >= deadline)
        {
            problem_ =
                "another process has held the lock " + key_ + " for " +
                std::to_string(std::chrono::duration_cast<std::chrono::seconds>(wait).count()) +
                " seconds";
            ::close(descriptor);
            return;
        }
        // Short pauses: the holder is usually a start that ends within
        // milliseconds.
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(10));
    }
    held[key_] = HeldLock{descriptor, 1, ::getpid()};
    held_ = true;
}

FileLock::~FileLock()
{
    if (!held_)
        return;
    auto& held = HeldLocks();
    auto found = held.find(key_);
    if (found == held.end() || --found->second.depth > 0)
        return;
    // Closing the descriptor lets go of the lock.
    ::close(found->second.descriptor);
    held.erase(found);
}

} // namespace halvo
