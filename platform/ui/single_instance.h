#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace halvo
{

// True for an absolute path to a folder of this user's with mode 0700: the
// only kind of $XDG_RUNTIME_DIR the lock and socket are put in.
bool IsPrivateFolder(const std::filesystem::path& folder);

// An activation token as window systems hand them out: 1 to 256 printable
// ASCII characters, no space. Anything else is never passed on.
bool IsActivationToken(const std::string& text);

// One running program per user and data folder. The first start takes a
// lock file and listens on a socket beside it, both in the user's runtime
// folder ($XDG_RUNTIME_DIR when IsPrivateFolder, else the data folder, with
// one line on stderr saying so) and private to the user;
// a later start finds the lock taken, asks the running program to come
// forward through the socket and ends. A lock or socket left by a program
// that was killed is taken over, and so is one that names no process or is
// not a file at all, once nobody answers on the socket.
class SingleInstance
{
  public:
    SingleInstance();
    // In a folder of the caller's choosing (tests).
    explicit SingleInstance(std::filesystem::path folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the first instance: it now holds the lock and calls
    // bringForward for every later start. False when another instance
    // runs; it has been asked to come forward. A later start passes on the
    // activation token its launcher gave it ($XDG_ACTIVATION_TOKEN), so the
    // window system lets the first raise its window; the token is "" when
    // it had none or it was not a token.
    bool Claim(std::function<void(const std::string& activationToken)> bringForward);
    bool Claim(std::function<void()> bringForward);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace halvo
