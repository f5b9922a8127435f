#pragma once

// Files of the device folder: shipped files copied in whole or not at all,
// and text files read line by line without trusting what the path names.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace halvo
{

enum class FileKind
{
    kMissing,
    kRegular,
    kOther, // a folder, a pipe, a device, or a link to one of them
};
// What a path names, following links.
FileKind KindOfFile(const std::filesystem::path& path);

enum class CopyOutcome
{
    kCopied,
    kAlreadyThere,
    kFailed,
};
struct CopyResult
{
    CopyOutcome outcome = CopyOutcome::kFailed;
    std::string problem; // one line naming the file, when kFailed
};

// Copies a regular file through a temporary file in the target's folder,
// which is flushed to the disk and then linked into place: the target is
// either absent or whole, whenever the process is killed. A target that
// exists already (placed by hand, or by another start) is never replaced.
CopyResult CopyFileWhole(const std::filesystem::path& source, const std::filesystem::path& target);

// Removes the temporary files of copies that never finished because their
// process was killed. Only while no other process copies into the folder.
void RemoveUnfinishedCopies(const std::filesystem::path& folder);

// A text file read line by line. Only a regular file is read (a pipe would
// block, a device never end); a line longer than the cap is handed back
// empty and marked, its bytes skipped, so memory stays bounded.
class LineFile
{
  public:
    enum class State
    {
        kOpen,
        kMissing,
        kNotRegular,
        kUnreadable,
    };

    LineFile(const std::filesystem::path& file, std::size_t maxLineBytes);
    ~LineFile();
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    State OpenState() const { return state_; }
    // Why the file is not open, or why a read failed: one line.
    const std::string& Problem() const { return problem_; }

    struct Line
    {
        std::string text; // without its line feed
        bool tooLong = false;
    };
    // The next line; nothing at the end of the file or after a read error.
    std::optional<Line> Next();
    bool ReadFailed() const { return readFailed_; }

  private:
    bool Fill();

    int descriptor_ = -1;
    State state_ = State::kMissing;
    std::string problem_;
    std::size_t maxLineBytes_;
    std::string buffer_;
    std::size_t start_ = 0; // where the unread part of buffer_ begins
    bool skipping_ = false; // inside a line longer than the cap
    bool atEnd_ = false;
    bool readFailed_ = false;
};

} // namespace halvo
