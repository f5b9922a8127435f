#pragma once

// Running another program and waiting for its answer, and the path of this
// program's own executable.

#include <filesystem>
#include <string>
#include <vector>

namespace halvo
{

struct ProgramResult
{
    bool started = false; // false: no such program, or it could not be run
    bool timedOut = false;
    int status = -1;    // the exit status when it ended by itself
    std::string output; // what it wrote on stdout and stderr, together
};

// Runs the program (found on PATH) with these arguments, standard input
// empty, and waits for it at most timeoutMilliseconds; a program that takes
// longer is killed.
ProgramResult RunProgram(const std::vector<std::string>& arguments, int timeoutMilliseconds);

// The full path of the running program's executable; empty when unknown.
std::filesystem::path ExecutablePath();

} // namespace halvo
