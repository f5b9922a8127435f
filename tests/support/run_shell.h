#pragma once

// Runs a command line through the shell and collects its stdout, for tests
// that try a program as a user runs it.

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace halvo::testing
{

struct Ran
{
    int status = -1; // the exit status; -1 when it did not exit normally
    std::string out;
};

inline Ran RunShell(const std::string& command)
{
    Ran ran;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return ran;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        ran.out.append(buffer, n);
    const int status = ::pclose(pipe);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

} // namespace halvo::testing
