#include "platform/store/device_folder.h"

#include "platform/text/quoted.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace halvo
{
namespace
{

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

bool IsSetButRelative(const char* path)
{
    return path != nullptr && path[0] != '\0' && path[0] != '/';
}

// The user's home: HOME when it is an absolute path (a relative one would
// put the data wherever the program happens to be started), else the
// account's home folder. Empty when neither is absolute.
std::filesystem::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (IsAbsolute(home))
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && IsAbsolute(entry->pw_dir))
        return entry->pw_dir;
    return {};
}

// Says once per call which variables were passed over, and why.
void WarnAboutIgnoredVariables(const std::filesystem::path& device,
                               std::vector<std::string>* warnings)
{
    if (warnings == nullptr)
        return;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (IsSetButRelative(dataHome))
        warnings->push_back("XDG_DATA_HOME is not an absolute path (" + Quoted(dataHome) +
                            "); it was ignored");
    const char* home = std::getenv("HOME");
    if (!IsAbsolute(dataHome) && IsSetButRelative(home) && device.is_absolute())
        warnings->push_back("HOME is not an absolute path (" + Quoted(home) +
                            "); the data folder is " + device.string());
}

// Creates the folder and any missing parents, each private to the user.
bool MakeFolder(const std::filesystem::path& folder, std::string* error)
{
    std::filesystem::path built;
    for (const auto& part : folder)
    {
        built /= part;
        if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST)
        {
            if (error != nullptr)
                *error = "Cannot create the folder " + built.string() + ": " +
                         std::generic_category().message(errno) + ".";
            return false;
        }
    }
    struct stat status
    {
    };
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
    {
        if (error != nullptr)
            *error = "Cannot use the folder " + folder.string() + ": it is not a folder.";
        return false;
    }
    return true;
}

std::string OctalMode(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Others have no business in the user's prayer data: a folder of ours that
// others may read or enter is made private. The folder is opened without
// following a link, so a link's target is never changed.
void MakePrivate(const std::filesystem::path& folder, std::vector<std::string>* warnings)
{
    auto warn = [&](const std::string& line)
    {
        if (warnings != nullptr)
            warnings->push_back(line);
    };
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
    {
        struct stat status
        {
        };
        if (errno == ELOOP || errno == ENOTDIR)
        {
            if (::stat(folder.c_str(), &status) == 0 && (status.st_mode & 077) != 0)
                warn(folder.string() + " is a link to a folder others can reach (mode " +
                     OctalMode(status.st_mode) + "); its permissions were left as they are");
            return;
        }
        warn("cannot check the permissions of " + folder.string() + ": " +
             std::generic_category().message(errno));
        return;
    }
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) == 0 && (status.st_mode & 077) != 0)
    {
        if (status.st_uid != ::geteuid())
            warn(folder.string() + " belongs to another user and others can reach it (mode " +
                 OctalMode(status.st_mode) + ")");
        else if (::fchmod(descriptor, 0700) != 0)
            warn("cannot make " + folder.string() + " private (mode " + OctalMode(status.st_mode) +
                 "): " + std::generic_category().message(errno));
    }
    ::close(descriptor);
}

} // namespace

std::filesystem::path DeviceFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (IsAbsolute(dataHome))
        return std::filesystem::path(dataHome) / "halvo-tavorin";
    const std::filesystem::path home = HomeFolder();
    // No absolute home at all: a relative answer, which EnsureDeviceFolder
    // refuses, rather than a folder in the working directory.
    return home.empty() ? std::filesystem::path("halvo-tavorin")
                        : home / ".local" / "share" / "halvo-tavorin";
}

std::filesystem::path WindowsFolder()
{
    return DeviceFolder() / "windows";
}

std::filesystem::path DatabaseFile()
{
    return DeviceFolder() / "halvo-tavorin.db";
}

bool EnsureDeviceFolder(std::string* error, std::vector<std::string>* warnings)
{
    const std::filesystem::path device = DeviceFolder();
    if (!device.is_absolute())
    {
        if (error != nullptr)
            *error = "Cannot find a data folder: XDG_DATA_HOME and HOME are not absolute paths "
                     "and the user account has no home folder.";
        return false;
    }
    WarnAboutIgnoredVariables(device, warnings);
    if (!MakeFolder(device, error) || !MakeFolder(WindowsFolder(), error))
        return false;
    MakePrivate(device, warnings);
    MakePrivate(WindowsFolder(), warnings);
    return true;
}

} // namespace halvo
