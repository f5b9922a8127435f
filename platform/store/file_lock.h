#pragma once

// An exclusive lock on a lock file, shared by every process of this user
// that uses the same data folder. The start-up data steps and the judgement
// of a damaged database run under it, so no two processes do them at once.

#include <chrono>
#include <filesystem>
#include <string>

namespace halvo
{

class FileLock
{
  public:
    // Waits up to the given time for another process to let go. A lock this
    // process holds already is taken again at once (the start-up holds it
    // while it opens the database) and let go with the outermost holder.
    FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }
    // When not held: one line naming the lock file and why.
    const std::string& Problem() const { return problem_; }

  private:
    std::string key_;
    bool held_ = false;
    std::string problem_;
};

} // namespace halvo
