#include "tests/cli/run_tavorin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace halvo::test
{

namespace
{

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[65536];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
    {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

} // namespace

namespace
{

RunResult Run(const std::string* outputFile, const std::vector<std::string>& args,
              const std::vector<std::string>& environment)
{
    char errTemplate[] = "/tmp/tavorin-stderr-XXXXXX";
    const int errFd = mkstemp(errTemplate);
    unlink(errTemplate);
    int outPipe[2];
    if (errFd < 0 || pipe(outPipe) != 0)
    {
        return {};
    }
    const pid_t child = fork();
    if (child == 0)
    {
        const int outFd = outputFile != nullptr
                              ? open(outputFile->c_str(), O_WRONLY | O_CREAT, 0600)
                              : outPipe[1];
        dup2(outFd, 1);
        dup2(errFd, 2);
        close(outPipe[0]);
        close(outPipe[1]);
        for (const std::string& entry : environment)
        {
            putenv(strdup(entry.c_str()));
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(TAVORIN_PATH));
        for (const std::string& arg : args)
        {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(TAVORIN_PATH, argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    RunResult result;
    result.out = ReadAll(outPipe[0]);
    close(outPipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    lseek(errFd, 0, SEEK_SET);
    result.err = ReadAll(errFd);
    close(errFd);
    return result;
}

} // namespace

RunResult RunTavorin(const std::vector<std::string>& args,
                     const std::vector<std::string>& environment)
{
    return Run(nullptr, args, environment);
}

RunResult RunTavorinInto(const std::string& outputFile, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment)
{
    return Run(&outputFile, args, environment);
}

} // namespace halvo::test
