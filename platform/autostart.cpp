#include "platform/autostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace halvo
{

namespace
{

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

std::string Failure(const std::string& what, const std::string& path, int error)
{
    return what + " " + path + ": " + std::strerror(error);
}

bool WriteAll(int descriptor, const std::string& contents)
{
    std::size_t written = 0;
    while (written < contents.size())
    {
        const ssize_t n = ::write(descriptor, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string AutostartPath(const std::string& appId)
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (IsAbsolute(config))
    {
        folder = config;
    }
    else
    {
        const char* home = std::getenv("HOME");
        if (!IsAbsolute(home))
            return {};
        folder = std::string(home) + "/.config";
    }
    return folder + "/autostart/" + appId + ".desktop";
}

AutostartState ReadAutostart(const std::string& path)
{
    struct stat status
    {
    };
    if (::lstat(path.c_str(), &status) != 0)
        return AutostartState::kOff;
    return S_ISREG(status.st_mode) ? AutostartState::kOn : AutostartState::kOther;
}

bool WriteAutostart(const std::string& path, const std::string& contents, std::string& error)
{
    const std::filesystem::path target(path);
    std::error_code made;
    std::filesystem::create_directories(target.parent_path(), made);
    if (made)
    {
        error = Failure("could not create", target.parent_path().string(), made.value());
        return false;
    }
    struct stat status
    {
    };
    if (::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
    {
        error = Failure("could not replace", path, EISDIR);
        return false;
    }
    const std::string temporary = path + ".new-" + std::to_string(::getpid());
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor < 0)
    {
        error = Failure("could not create", temporary, errno);
        return false;
    }
    bool done = WriteAll(descriptor, contents) && ::fsync(descriptor) == 0;
    int failure = errno;
    if (::close(descriptor) != 0 && done)
    {
        done = false;
        failure = errno;
    }
    if (done && ::rename(temporary.c_str(), path.c_str()) != 0)
    {
        done = false;
        failure = errno;
    }
    if (!done)
    {
        ::unlink(temporary.c_str());
        error = Failure("could not write", path, failure);
    }
    return done;
}

bool RemoveAutostart(const std::string& path, std::string& error)
{
    struct stat status
    {
    };
    if (::lstat(path.c_str(), &status) != 0)
        return true;
    if (S_ISDIR(status.st_mode))
    {
        error = Failure("could not remove", path, EISDIR);
        return false;
    }
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
    {
        error = Failure("could not remove", path, errno);
        return false;
    }
    return true;
}

std::string AutostartEntry()
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Halvo Tavorin\n"
           "Comment=Daily prayer times, started at login\n"
           "Exec=halvo-tavorin --hidden\n"
           "Icon=halvo-tavorin\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

} // namespace halvo
