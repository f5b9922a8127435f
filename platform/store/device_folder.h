#pragma once

// Where this user's data lives: the device folder under the XDG data home,
// its windows/ sub-folder (seed files and sounds) and the database file.

#include <filesystem>
#include <string>

namespace halvo
{

// $XDG_DATA_HOME/halvo-tavorin, or ~/.local/share/halvo-tavorin when
// XDG_DATA_HOME is unset, empty or not an absolute path.
std::filesystem::path DeviceFolder();
std::filesystem::path WindowsFolder();
std::filesystem::path DatabaseFile();

// Creates the device folder (mode 0700) and its windows/ folder when
// missing. On failure, error holds one line naming the folder.
bool EnsureDeviceFolder(std::string* error = nullptr);

} // namespace halvo
