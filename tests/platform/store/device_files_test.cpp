// The device folder's files: shipped files copied whole or not at all, and
// text read line by line from regular files only, with a cap on a line. A
// kill in the middle of a copy is in tests/startup/startup_data_test.cpp.
#include "platform/store/device_files.h"
#include "tests/support/store_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace halvo
{
namespace
{

std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::string> PartialCopies(const std::filesystem::path& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".partial-") != std::string::npos)
            found.push_back(entry.path().filename().string());
    return found;
}

class DeviceFiles : public ::testing::Test
{
  protected:
    void SetUp() override { folder_ = testing::FreshFolder("halvo_files"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::vector<LineFile::Line> ReadAll(const std::filesystem::path& file, std::size_t cap)
    {
        LineFile lines(file, cap);
        EXPECT_EQ(lines.OpenState(), LineFile::State::kOpen) << lines.Problem();
        std::vector<LineFile::Line> read;
        while (auto line = lines.Next())
            read.push_back(*line);
        EXPECT_FALSE(lines.ReadFailed());
        return read;
    }

    std::filesystem::path folder_;
};

TEST_F(DeviceFiles, LinesLongerThanTheCapAreMarkedAndTheirBytesDropped)
{
    const std::string huge(300000, 'x'); // several reads long
    WriteBytes(folder_ / "f.txt", "one\n" + std::string(8, 'y') + "\n" + huge + "\ntwo\n\nlast");
    const auto lines = ReadAll(folder_ / "f.txt", 8);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].text, "one");
    EXPECT_EQ(lines[1].text, std::string(8, 'y')) << "exactly the cap is fine";
    EXPECT_FALSE(lines[1].tooLong);
    EXPECT_TRUE(lines[2].tooLong);
    EXPECT_EQ(lines[2].text, "");
    EXPECT_EQ(lines[3].text, "two");
    EXPECT_EQ(lines[4].text, "");
    EXPECT_EQ(lines[5].text, "last") << "a last line without a line feed";

    // A file that is one endless line ends as one long line.
    WriteBytes(folder_ / "g.txt", huge);
    const auto endless = ReadAll(folder_ / "g.txt", 4096);
    ASSERT_EQ(endless.size(), 1u);
    EXPECT_TRUE(endless[0].tooLong);
}

// A pipe would block every start and a device never end: neither is read,
// nor is a link to one, nor a folder.
TEST_F(DeviceFiles, OnlyRegularFilesAreRead)
{
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(folder_ / "folder");
    std::filesystem::create_symlink("/dev/zero", folder_ / "zero");
    std::filesystem::create_symlink(folder_ / "pipe", folder_ / "to-pipe");
    WriteBytes(folder_ / "regular", "a\n");
    std::filesystem::create_symlink(folder_ / "regular", folder_ / "to-regular");
    const struct
    {
        const char* name;
        LineFile::State state;
        FileKind kind;
    } cases[] = {
        {"pipe", LineFile::State::kNotRegular, FileKind::kOther},
        {"folder", LineFile::State::kNotRegular, FileKind::kOther},
        {"zero", LineFile::State::kNotRegular, FileKind::kOther},
        {"to-pipe", LineFile::State::kNotRegular, FileKind::kOther},
        {"missing", LineFile::State::kMissing, FileKind::kMissing},
        {"regular", LineFile::State::kOpen, FileKind::kRegular},
        {"to-regular", LineFile::State::kOpen, FileKind::kRegular},
    };
    for (const auto& c : cases)
    {
        LineFile file(folder_ / c.name, 4096);
        EXPECT_EQ(file.OpenState(), c.state) << c.name;
        EXPECT_EQ(KindOfFile(folder_ / c.name), c.kind) << c.name;
        if (c.state == LineFile::State::kNotRegular)
        {
            EXPECT_NE(file.Problem().find((folder_ / c.name).string()), std::string::npos);
            EXPECT_FALSE(file.Next().has_value());
        }
    }
}

TEST_F(DeviceFiles, CopyPutsAWholeFileInPlaceAndNeverReplacesOne)
{
    const std::string bytes(200000, 'b');
    WriteBytes(folder_ / "source", bytes);
    ASSERT_EQ(CopyFileWhole(folder_ / "source", folder_ / "copy").outcome, CopyOutcome::kCopied);
    EXPECT_EQ(FileBytes(folder_ / "copy"), bytes);

    WriteBytes(folder_ / "placed", "by hand");
    EXPECT_EQ(CopyFileWhole(folder_ / "source", folder_ / "placed").outcome,
              CopyOutcome::kAlreadyThere);
    EXPECT_EQ(FileBytes(folder_ / "placed"), "by hand");

    const CopyResult missing = CopyFileWhole(folder_ / "nothing", folder_ / "other");
    EXPECT_EQ(missing.outcome, CopyOutcome::kFailed);
    EXPECT_NE(missing.problem.find((folder_ / "nothing").string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "other"));
    EXPECT_TRUE(PartialCopies(folder_).empty());
}

} // namespace
} // namespace halvo
