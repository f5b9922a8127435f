#pragma once

// A data folder of its own for tavorin processes, seeded by their first use
// from a folder of shipped files: the real ones in data/, or the small set
// in tests/data/startup/shipped.

#include "tests/cli/run_tavorin.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace halvo::test
{

inline const std::string kRealShippedData = HALVO_SOURCE_DATA_DIR;
inline const std::string kSmallShippedData = HALVO_TEST_DATA_DIR "/startup/shipped";

class DataFolder
{
  public:
    DataFolder(const std::string& name, const std::string& shipped)
        : home_(std::filesystem::temp_directory_path() /
                ("halvo_cli_" + name + "_" + std::to_string(::getpid()))),
          shipped_(shipped)
    {
        std::filesystem::remove_all(home_);
        std::filesystem::create_directories(home_);
    }
    ~DataFolder() { std::filesystem::remove_all(home_); }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    RunResult Run(const std::vector<std::string>& args) const
    {
        return RunTavorin(args, Environment());
    }
    RunResult RunInto(const std::string& file, const std::vector<std::string>& args) const
    {
        return RunTavorinInto(file, args, Environment());
    }
    std::filesystem::path Database() const { return home_ / "halvo-tavorin" / "halvo-tavorin.db"; }

  private:
    std::vector<std::string> Environment() const
    {
        return {"XDG_DATA_HOME=" + home_.string(), "HALVO_DATA_DIR=" + shipped_, "TZ=UTC"};
    }

    std::filesystem::path home_;
    std::string shipped_;
};

// "a b c", for messages naming a command line.
inline std::string Joined(const std::vector<std::string>& args)
{
    std::string joined = "tavorin";
    for (const std::string& arg : args)
    {
        joined += " " + arg;
    }
    return joined;
}

} // namespace halvo::test
