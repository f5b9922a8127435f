#pragma once

// Where this user's data lives: the device folder under the XDG data home,
// its windows/ sub-folder (seed files and sounds) and the database file.

#include <filesystem>
#include <string>
#include <vector>

namespace halvo
{

// $XDG_DATA_HOME/halvo-tavorin, or ~/.local/share/halvo-tavorin when
// XDG_DATA_HOME is unset, empty or not an absolute path. The home is HOME
// only when it is absolute, else the account's home folder; with neither
// the answer is relative, and EnsureDeviceFolder refuses it.
std::filesystem::path DeviceFolder();
std::filesystem::path WindowsFolder();
std::filesystem::path DatabaseFile();

// Creates the device folder and its windows/ folder when missing, and
// makes both private to the user (0700) when they are not; never through a
// link. On failure, error holds one line naming the folder; a folder that
// could not be made private is a line in warnings, and so is an XDG_DATA_HOME
// or HOME that was passed over for not being absolute.
bool EnsureDeviceFolder(std::string* error = nullptr, std::vector<std::string>* warnings = nullptr);

} // namespace halvo
