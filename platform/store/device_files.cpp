#include "platform/store/device_files.h"

#include "platform/test_point.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace halvo
{
namespace
{

constexpr std::size_t kChunkBytes = 64 * 1024;
// A temporary copy is named ".NAME.partial-XXXXXX" beside its target.
constexpr const char* kPartialMark = ".partial-";

std::string ErrorText(int error)
{
    return std::generic_category().message(error);
}

// Opens a file for reading only when it is a regular file: a pipe is
// opened without waiting for a writer, then refused with the rest.
int OpenRegular(const std::filesystem::path& file, int* error, bool* notRegular)
{
    *notRegular = false;
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
    {
        *error = errno;
        return -1;
    }
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    {
        *notRegular = true;
        ::close(descriptor);
        return -1;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

bool WriteAll(int descriptor, const char* bytes, std::size_t size)
{
    while (size > 0)
    {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

ssize_t ReadSome(int descriptor, char* bytes, std::size_t size)
{
    for (;;)
    {
        const ssize_t read = ::read(descriptor, bytes, size);
        if (read >= 0 || errno != EINTR)
            return read;
    }
}

// Makes a new name in the folder survive a power loss.
void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0)
    {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

FileKind KindOfFile(const std::filesystem::path& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0)
    {
        // A link that leads nowhere is still something in the way.
        struct stat link
        {
        };
        return ::lstat(path.c_str(), &link) == 0 ? FileKind::kOther : FileKind::kMissing;
    }
    return S_ISREG(status.st_mode) ? FileKind::kRegular : FileKind::kOther;
}

CopyResult CopyFileWhole(const std::filesystem::path& source, const std::filesystem::path& target)
{
    CopyResult result;
    auto fail = [&](const std::string& what, int error)
    {
        result.outcome = CopyOutcome::kFailed;
        result.problem = "could not copy " + source.string() + " to " + target.string() + ": " +
                         what + (error != 0 ? " (" + ErrorText(error) + ")" : "");
        return result;
    };
    if (KindOfFile(target) != FileKind::kMissing)
    {
        result.outcome = CopyOutcome::kAlreadyThere;
        return result;
    }
    int error = 0;
    bool notRegular = false;
    const int in = OpenRegular(source, &error, &notRegular);
    if (in < 0)
        return fail(notRegular ? "it is not a regular file" : "cannot read it", error);

    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) about a text
    // prepended to a temporary string.
    std::string temporary = target.has_parent_path() ? target.parent_path().string() + "/" : "";
    temporary += ".";
    temporary += target.filename().string();
    temporary += kPartialMark;
    temporary += "XXXXXX";
    const int out = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (out < 0)
    {
        error = errno;
        ::close(in);
        return fail("cannot create a file in its folder", error);
    }
    std::vector<char> chunk(kChunkBytes);
    bool copied = true;
    bool first = true;
    for (;;)
    {
        const ssize_t read = ReadSome(in, chunk.data(), chunk.size());
        if (read == 0)
            break;
        if (read < 0 || !WriteAll(out, chunk.data(), static_cast<std::size_t>(read)))
        {
            error = errno;
            copied = false;
            break;
        }
        if (first)
        {
            first = false;
            ReachTestPoint(TestPoint::kCopyingFile);
        }
    }
    ::close(in);
    if (copied && ::fsync(out) != 0)
    {
        error = errno;
        copied = false;
    }
    if (::close(out) != 0 && copied)
    {
        error = errno;
        copied = false;
    }
    if (!copied)
    {
        ::unlink(temporary.c_str());
        return fail("the copy could not be written", error);
    }
    // link() never replaces an existing name, unlike rename().
    if (::link(temporary.c_str(), target.c_str()) != 0)
    {
        error = errno;
        if (error == EEXIST)
        {
            ::unlink(temporary.c_str());
            result.outcome = CopyOutcome::kAlreadyThere;
            return result;
        }
        // A file system without hard links: the folder is ours and the
        // target was absent a moment ago.
        if (::rename(temporary.c_str(), target.c_str()) != 0)
        {
            error = errno;
            ::unlink(temporary.c_str());
            return fail("cannot put the copy in place", error);
        }
    }
    else
    {
        ::unlink(temporary.c_str());
    }
    SyncFolder(target.parent_path());
    result.outcome = CopyOutcome::kCopied;
    return result;
}

void RemoveUnfinishedCopies(const std::filesystem::path& folder)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".") && name.find(kPartialMark) != std::string::npos)
            std::filesystem::remove(entry.path(), error);
    }
}

LineFile::LineFile(const std::filesystem::path& file, std::size_t maxLineBytes)
    : maxLineBytes_(maxLineBytes)
{
    int error = 0;
    bool notRegular = false;
    descriptor_ = OpenRegular(file, &error, &notRegular);
    if (descriptor_ >= 0)
    {
        state_ = State::kOpen;
        return;
    }
    if (notRegular)
    {
        state_ = State::kNotRegular;
        problem_ = file.string() + " is not a regular file";
    }
    else if (error == ENOENT)
    {
        state_ = State::kMissing;
        problem_ = file.string() + " does not exist";
    }
    else
    {
        state_ = State::kUnreadable;
        problem_ = "cannot read " + file.string() + ": " + ErrorText(error);
    }
}

LineFile::~LineFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool LineFile::Fill()
{
    if (atEnd_ || descriptor_ < 0)
        return false;
    // Keep the buffer small: drop what was handed out already.
    if (start_ > 0)
    {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    const std::size_t held = buffer_.size();
    buffer_.resize(held + kChunkBytes);
    const ssize_t read = ReadSome(descriptor_, buffer_.data() + held, kChunkBytes);
    if (read <= 0)
    {
        buffer_.resize(held);
        atEnd_ = true;
        if (read < 0)
        {
            readFailed_ = true;
            problem_ = "a read failed: " + ErrorText(errno);
        }
        return false;
    }
    buffer_.resize(held + static_cast<std::size_t>(read));
    return true;
}

std::optional<LineFile::Line> LineFile::Next()
{
    if (state_ != State::kOpen || readFailed_)
        return std::nullopt;
    // Bytes after start_ known to hold no line feed.
    std::size_t searched = 0;
    for (;;)
    {
        const std::size_t feed = buffer_.find('\n', start_ + searched);
        if (feed != std::string::npos)
        {
            Line line;
            line.tooLong = skipping_ || feed - start_ > maxLineBytes_;
            if (!line.tooLong)
                line.text.assign(buffer_, start_, feed - start_);
            start_ = feed + 1;
            skipping_ = false;
            return line;
        }
        if (buffer_.size() - start_ > maxLineBytes_)
        {
            // Past the cap without a line feed: forget the bytes, remember
            // that the line is too long, and look for its end.
            skipping_ = true;
            start_ = buffer_.size();
        }
        searched = buffer_.size() - start_;
        if (!Fill())
        {
            if (readFailed_)
                return std::nullopt;
            // The last line, without a line feed.
            if (start_ < buffer_.size() || skipping_)
            {
                Line line;
                line.tooLong = skipping_;
                if (!skipping_)
                    line.text.assign(buffer_, start_, buffer_.size() - start_);
                start_ = buffer_.size();
                skipping_ = false;
                return line;
            }
            return std::nullopt;
        }
    }
}

} // namespace halvo
