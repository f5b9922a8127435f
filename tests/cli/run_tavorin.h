#pragma once

#include <string>
#include <vector>

namespace halvo::test
{

struct RunResult
{
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built tavorin with the given arguments (no shell involved) and
// collects its exit status, stdout and stderr. Extra environment entries
// ("NAME=value") are added to the child's environment.
RunResult RunTavorin(const std::vector<std::string>& args,
                     const std::vector<std::string>& environment = {});

// The same with stdout going to a file (such as /dev/full) instead of a
// pipe; out stays empty.
RunResult RunTavorinInto(const std::string& outputFile, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment = {});

} // namespace halvo::test
