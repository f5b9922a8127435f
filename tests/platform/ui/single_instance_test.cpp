#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace
{

struct Probe
{
    pid_t pid = -1;
    int output = -1; // read end of its stdout
};

Probe Start(const std::filesystem::path& folder)
{
    int pipeEnds[2];
    EXPECT_EQ(pipe(pipeEnds), 0);
    Probe probe;
    probe.pid = fork();
    if (probe.pid == 0)
    {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(SINGLE_INSTANCE_PROBE, SINGLE_INSTANCE_PROBE, folder.c_str(), nullptr);
        _exit(127);
    }
    close(pipeEnds[1]);
    fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    probe.output = pipeEnds[0];
    return probe;
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

int Count(const std::string& text, const std::string& word)
{
    int count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

class SingleInstanceRace : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        folder_ =
            std::filesystem::temp_directory_path() / ("halvo-instance-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
        setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Starts several at once and waits until all but one have ended (or
    // time is up); counts those that ended with status 0 and returns the
    // ones still running.
    std::vector<Probe> StartAtOnce(int count, int& endedWithZero)
    {
        std::vector<Probe> running;
        for (int i = 0; i < count; ++i)
            running.push_back(Start(folder_));
        endedWithZero = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (running.size() > 1 && std::chrono::steady_clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            for (auto it = running.begin(); it != running.end();)
            {
                int status = 0;
                if (waitpid(it->pid, &status, WNOHANG) != it->pid)
                {
                    ++it;
                    continue;
                }
                if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                    ++endedWithZero;
                close(it->output);
                it = running.erase(it);
            }
        }
        return running;
    }

    std::filesystem::path folder_;
};

TEST_F(SingleInstanceRace, ManyStartsAtOnceLeaveOneThatTheOthersBringForward)
{
    int endedWithZero = 0;
    std::vector<Probe> running = StartAtOnce(6, endedWithZero);
    ASSERT_EQ(running.size(), 1u);
    EXPECT_EQ(endedWithZero, 5);
    // Each knock is read by the survivor; give it a moment to say so.
    std::string said;
    for (int wait = 0; wait < 100 && Count(said, "forward") < 5; ++wait)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        said += ReadAll(running[0].output);
    }
    EXPECT_EQ(Count(said, "first"), 1) << said;
    EXPECT_EQ(Count(said, "forward"), 5) << said;

    // Killed, it leaves its lock and socket behind: the next start takes
    // them over instead of knocking on a dead socket.
    kill(running[0].pid, SIGKILL);
    waitpid(running[0].pid, nullptr, 0);
    close(running[0].output);
    Probe next = Start(folder_);
    std::string nextSaid;
    for (int wait = 0; wait < 200 && nextSaid.find("first") == std::string::npos; ++wait)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        nextSaid += ReadAll(next.output);
    }
    EXPECT_EQ(nextSaid, "first\n");
    kill(next.pid, SIGKILL);
    waitpid(next.pid, nullptr, 0);
    close(next.output);
}

} // namespace
