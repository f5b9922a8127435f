#pragma once

// The desktop's entry that starts a program at login: a .desktop file in
// the user's autostart folder (the XDG Autostart layout).

#include <string>

namespace halvo
{

// $XDG_CONFIG_HOME/autostart/<appId>.desktop; a relative XDG_CONFIG_HOME
// is passed over for $HOME/.config. Empty when HOME is not absolute either.
std::string AutostartPath(const std::string& appId);

enum class AutostartState
{
    kOff,   // nothing at the path
    kOn,    // a regular file
    kOther, // a link, a folder or anything else: not ours to read
};
AutostartState ReadAutostart(const std::string& path);

// Writes the entry whole or not at all: a new file beside it, flushed to
// disk, then renamed over the path, so a link at the path is replaced, not
// followed. The folder is created when missing. On failure `error` says
// why and nothing has changed.
bool WriteAutostart(const std::string& path, const std::string& contents, std::string& error);

// The entry both programs write: the desktop program, hidden to the tray.
std::string AutostartEntry();

// Removes the file at the path (a link there is removed itself, never its
// target); nothing there is success. A folder is left alone and is an error.
bool RemoveAutostart(const std::string& path, std::string& error);

} // namespace halvo
