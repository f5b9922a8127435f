#include "platform/store/device_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace halvo
{
namespace
{

std::filesystem::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return "/";
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

} // namespace

std::filesystem::path DeviceFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (dataHome != nullptr && dataHome[0] == '/')
        base = dataHome;
    else
        base = HomeFolder() / ".local" / "share";
    return base / "halvo-tavorin";
}

std::filesystem::path WindowsFolder()
{
    return DeviceFolder() / "windows";
}

std::filesystem::path DatabaseFile()
{
    return DeviceFolder() / "halvo-tavorin.db";
}

bool EnsureDeviceFolder(std::string* error)
{
    const std::filesystem::path device = DeviceFolder();
    struct stat status
    {
    };
    const bool existed = ::stat(device.c_str(), &status) == 0;
    if (!MakeFolder(device, error) || !MakeFolder(WindowsFolder(), error))
        return false;
    if (!existed)
        ::chmod(device.c_str(), 0700);
    return true;
}

} // namespace halvo
