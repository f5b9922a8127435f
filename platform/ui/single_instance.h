#pragma once

#include <functional>
#include <memory>
#include <string>

namespace halvo
{

// One running program per user and data folder. The first start listens on
// a local socket; a later start asks it to come forward and then ends.
class SingleInstance
{
  public:
    explicit SingleInstance(std::string name = DefaultName());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the first instance: it now listens and calls
    // bringForward for every later start. False when another instance
    // runs; it has been asked to come forward.
    bool Claim(std::function<void()> bringForward);

    // The socket name of this user and this data folder.
    static std::string DefaultName();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace halvo
