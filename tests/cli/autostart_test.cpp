// `tavorin autostart`: the login entry is written whole, in the right
// folder, and never through a link someone left at its name.
#include "tests/cli/run_tavorin.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace halvo::test
{
namespace
{

namespace fs = std::filesystem;

class Scratch
{
  public:
    explicit Scratch(const std::string& name)
        : root_(fs::temp_directory_path() /
                ("halvo_autostart_" + name + "_" + std::to_string(::getpid())))
    {
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~Scratch() { fs::remove_all(root_); }
    const fs::path& Root() const { return root_; }

  private:
    fs::path root_;
};

std::string Contents(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kEntryName = std::string(HALVO_APP_ID) + ".desktop";

TEST(TavorinAutostart, FindsTheFolderFromTheEnvironment)
{
    Scratch scratch("folder");
    const std::string root = scratch.Root().string();
    struct Case
    {
        std::vector<std::string> environment;
        std::string folder; // where the entry goes; empty: refused
    };
    const Case cases[] = {
        {{"XDG_CONFIG_HOME=" + root + "/config", "HOME=" + root + "/home"}, root + "/config"},
        {{"XDG_CONFIG_HOME=relative", "HOME=" + root + "/home"}, root + "/home/.config"},
        {{"XDG_CONFIG_HOME=", "HOME=" + root + "/home"}, root + "/home/.config"},
        {{"XDG_CONFIG_HOME=relative", "HOME=also-relative"}, ""},
    };
    for (const Case& c : cases)
    {
        const RunResult on = RunTavorin({"autostart", "on"}, c.environment);
        if (c.folder.empty())
        {
            EXPECT_EQ(on.status, 2) << on.err;
            EXPECT_TRUE(on.out.empty());
            continue;
        }
        const std::string path = c.folder + "/autostart/" + kEntryName;
        ASSERT_EQ(on.status, 0) << on.err;
        EXPECT_EQ(on.out, "on: " + path + "\n");
        EXPECT_NE(Contents(path).find("\nExec=halvo-tavorin --hidden\n"), std::string::npos);
        const RunResult status = RunTavorin({"autostart", "status", "--json"}, c.environment);
        ASSERT_EQ(status.status, 0) << status.err;
        const auto json = nlohmann::json::parse(status.out);
        EXPECT_EQ(json["autostart"], true);
        EXPECT_EQ(json["path"], path);
        const RunResult off = RunTavorin({"autostart", "off"}, c.environment);
        EXPECT_EQ(off.out, "off: " + path + "\n");
        EXPECT_FALSE(fs::exists(path));
        // Off twice is still off, not an error.
        EXPECT_EQ(RunTavorin({"autostart", "off"}, c.environment).status, 0);
    }
    EXPECT_EQ(RunTavorin({"autostart", "maybe"}, {"HOME=" + root}).status, 2);
}

TEST(TavorinAutostart, ALinkAtTheEntryIsReplacedNotFollowed)
{
    Scratch scratch("link");
    const fs::path folder = scratch.Root() / "autostart";
    fs::create_directories(folder);
    const fs::path victim = scratch.Root() / "victim.txt";
    std::ofstream(victim) << "keep me\n";
    const fs::path entry = folder / kEntryName;
    fs::create_symlink(victim, entry);
    const std::vector<std::string> environment = {"XDG_CONFIG_HOME=" + scratch.Root().string()};

    EXPECT_EQ(RunTavorin({"autostart", "status"}, environment).out,
              "not a file: " + entry.string() + "\n");
    ASSERT_EQ(RunTavorin({"autostart", "on"}, environment).status, 0);
    EXPECT_EQ(Contents(victim), "keep me\n");
    EXPECT_FALSE(fs::is_symlink(entry));
    EXPECT_TRUE(fs::is_regular_file(entry));

    fs::remove(entry);
    fs::create_symlink(victim, entry);
    ASSERT_EQ(RunTavorin({"autostart", "off"}, environment).status, 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(entry)));
    EXPECT_EQ(Contents(victim), "keep me\n");

    // A folder at the name is left alone: status 1, said on stderr.
    fs::create_directories(entry);
    for (const char* state : {"on", "off"})
    {
        const RunResult r = RunTavorin({"autostart", state}, environment);
        EXPECT_EQ(r.status, 1) << state;
        EXPECT_NE(r.err.find(entry.string()), std::string::npos) << r.err;
        EXPECT_TRUE(fs::is_directory(entry));
    }
    // No temporary file is left behind.
    std::size_t names = 0;
    for ([[maybe_unused]] const auto& item : fs::directory_iterator(folder))
    {
        ++names;
    }
    EXPECT_EQ(names, 1u);
}

} // namespace
} // namespace halvo::test
