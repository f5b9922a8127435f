#include "platform/ui/single_instance.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
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

// A start of the probe; with a token, as a launcher would give it one.
Probe Start(const std::filesystem::path& folder, const char* activationToken = nullptr)
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
        if (activationToken != nullptr)
            setenv("XDG_ACTIVATION_TOKEN", activationToken, 1);
        else
            unsetenv("XDG_ACTIVATION_TOKEN");
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

// Reads a probe's output until it says the word or the time is up.
std::string AwaitWord(const Probe& probe, const std::string& word, std::chrono::milliseconds wait)
{
    std::string said;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (said.find(word) == std::string::npos && std::chrono::steady_clock::now() < deadline)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        said += ReadAll(probe.output);
    }
    return said;
}

void Stop(Probe& probe)
{
    kill(probe.pid, SIGKILL);
    waitpid(probe.pid, nullptr, 0);
    close(probe.output);
}

// A lock that names no process, or is not a file at all, is no start's
// lock once nobody answers: the next start takes it over at once (not
// after ten seconds, not as a second unguarded window).
TEST_F(SingleInstanceRace, LockThatIsEmptyOrNotAFileIsTakenOverAtOnce)
{
    enum class Lock
    {
        Empty,
        DanglingLink,
        Pipe,
        Folder,
    };
    for (const Lock lock : {Lock::Empty, Lock::DanglingLink, Lock::Pipe, Lock::Folder})
    {
        SCOPED_TRACE(static_cast<int>(lock));
        Probe first = Start(folder_);
        ASSERT_NE(AwaitWord(first, "first", std::chrono::seconds(20)).find("first"),
                  std::string::npos);
        Stop(first);
        std::filesystem::path lockFile;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            if (entry.path().extension() == ".lock")
                lockFile = entry.path();
        ASSERT_FALSE(lockFile.empty());
        std::filesystem::remove(lockFile);
        switch (lock)
        {
        case Lock::Empty:
            std::ofstream(lockFile).flush();
            break;
        case Lock::DanglingLink:
            std::filesystem::create_symlink(folder_ / "nowhere", lockFile);
            break;
        case Lock::Pipe:
            ASSERT_EQ(mkfifo(lockFile.c_str(), 0600), 0);
            break;
        case Lock::Folder:
            std::filesystem::create_directory(lockFile);
            break;
        }
        const auto started = std::chrono::steady_clock::now();
        Probe next = Start(folder_);
        EXPECT_EQ(AwaitWord(next, "first", std::chrono::seconds(20)), "first\n");
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        // It holds the lock for real: a later start only brings it forward.
        Probe later = Start(folder_);
        int status = -1;
        waitpid(later.pid, &status, 0);
        close(later.output);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        Stop(next);
    }
}

// Only a runtime folder of the user's alone holds the lock and socket.
TEST(RuntimeFolder, OnlyAFolderOfTheUsersAloneIsPrivate)
{
    const auto base =
        std::filesystem::temp_directory_path() / ("halvo-runtime-" + std::to_string(getpid()));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    const struct
    {
        const char* name;
        mode_t mode;
        bool otherOwner;
        bool expected;
    } cases[] = {
        {"private", 0700, false, true},       {"readable", 0755, false, false},
        {"shared", 01777, false, false},      {"group", 0770, false, false},
        {"someone-elses", 0700, true, false},
    };
    for (const auto& c : cases)
    {
        const auto folder = base / c.name;
        std::filesystem::create_directory(folder);
        chmod(folder.c_str(), c.mode);
        if (c.otherOwner)
        {
            // Only the superuser can give a folder away; others have none to test with.
            if (geteuid() != 0)
                continue;
            ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
        }
        EXPECT_EQ(halvo::IsPrivateFolder(folder), c.expected) << c.name;
    }
    std::ofstream(base / "file").flush();
    EXPECT_FALSE(halvo::IsPrivateFolder(base / "file"));
    EXPECT_FALSE(halvo::IsPrivateFolder(base / "missing"));
    EXPECT_FALSE(halvo::IsPrivateFolder("relative"));
    std::filesystem::remove_all(base);
}

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

// A later start passes its launcher's activation token to the first, which
// needs it to raise its window on Wayland; what is no token is not passed.
TEST_F(SingleInstanceRace, LaterStartsPassTheirActivationTokenToTheFirst)
{
    Probe first = Start(folder_);
    ASSERT_EQ(AwaitWord(first, "first", std::chrono::seconds(10)), "first\n");
    const std::string longest(256, 't');
    struct Case
    {
        const char* token; // in the later start's environment; nullptr: none
        std::string passed;
    };
    const Case cases[] = {
        {"kwin-1234_abcd", "kwin-1234_abcd"},
        {nullptr, ""},
        {"", ""},
        {longest.c_str(), longest},
        {"two words", ""},
        {"line\nforward injected", ""},
        {"tab\there", ""},
        {"caf\xc3\xa9", ""},
    };
    for (const Case& c : cases)
    {
        Probe later = Start(folder_, c.token);
        int status = -1;
        waitpid(later.pid, &status, 0);
        close(later.output);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const std::string expected = c.passed.empty() ? "forward\n" : "forward " + c.passed + "\n";
        EXPECT_EQ(AwaitWord(first, "\n", std::chrono::seconds(5)), expected)
            << (c.token != nullptr ? c.token : "(none)");
    }
    Stop(first);
}

TEST(ActivationToken, OnlyShortPrintableTextWithoutSpacesIsAToken)
{
    EXPECT_TRUE(halvo::IsActivationToken("a"));
    EXPECT_TRUE(halvo::IsActivationToken("gnome-shell/halvo-tavorin/1234-5-host_TIME12345"));
    EXPECT_TRUE(halvo::IsActivationToken(std::string(256, '~')));
    EXPECT_FALSE(halvo::IsActivationToken(""));
    EXPECT_FALSE(halvo::IsActivationToken(std::string(257, 'x')));
    EXPECT_FALSE(halvo::IsActivationToken("a b"));
    EXPECT_FALSE(halvo::IsActivationToken(std::string("a\0b", 3)));
    EXPECT_FALSE(halvo::IsActivationToken("a\x7f"));
}

} // namespace
