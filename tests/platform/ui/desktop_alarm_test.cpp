// The desktop's Adhan services for real: a private PulseAudio server with a
// null sink hears the sound (its monitor is recorded and measured), and a
// private session bus carries the notification to a stand-in notification
// service and its "stop" action back.
#include "platform/ui/desktop_notifier.h"
#include "platform/ui/desktop_sound.h"
#include "platform/ui/framework.h"
#include "tests/support/store_fixture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace halvo
{
namespace
{

const std::filesystem::path kAlarm1 = std::filesystem::path(HALVO_SOURCE_DATA_DIR) / "Alarm1.wav";

// A child process ended with the test.
class Child
{
  public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { Stop(SIGTERM); }

    bool Start(const std::vector<std::string>& arguments, const std::filesystem::path& log)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        const int spawned = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            pid_ = 0;
        return spawned == 0;
    }

    void Stop(int signal)
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
    }

    bool Running() { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }

  private:
    pid_t pid_ = 0;
};

bool Succeeds(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A PulseAudio server of the test's own: a null sink whose monitor can be
// recorded, on a socket no other program uses.
class PrivateSoundServer
{
  public:
    explicit PrivateSoundServer(const std::filesystem::path& folder) : folder_(folder)
    {
        for (const char* name : kChanged)
            if (const char* value = std::getenv(name))
                saved_.emplace_back(name, value);
    }

    ~PrivateSoundServer()
    {
        server_.Stop(SIGTERM);
        for (const char* name : kChanged)
            ::unsetenv(name);
        for (const auto& [name, value] : saved_)
            ::setenv(name.c_str(), value.c_str(), 1);
    }

    // Empty when the server runs; otherwise why it does not.
    std::string Start()
    {
        if (!Succeeds("command -v pulseaudio") || !Succeeds("command -v parec"))
            return "pulseaudio or parec is not installed (scripts/install-deps installs them)";
        std::filesystem::create_directories(folder_ / "runtime");
        std::filesystem::permissions(folder_ / "runtime", std::filesystem::perms::owner_all);
        socket_ = (folder_ / "runtime" / "native").string();
        ::setenv("XDG_RUNTIME_DIR", (folder_ / "runtime").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        ::setenv("HOME", folder_.c_str(), 1);
        if (!server_.Start({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                            "--disable-shm=yes", "--use-pid-file=no", "--system=no",
                            "--log-target=stderr", "-L",
                            "module-native-protocol-unix auth-anonymous=1 socket=" + socket_, "-L",
                            "module-null-sink sink_name=halvo_null"},
                           folder_ / "pulseaudio.log"))
            return "pulseaudio could not be run";
        for (int wait = 0; wait < 100; ++wait)
        {
            if (Succeeds("pactl --server=unix:" + socket_ + " info"))
            {
                ::setenv("PULSE_SERVER", ("unix:" + socket_).c_str(), 1);
                return {};
            }
            if (!server_.Running())
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return "pulseaudio did not start: " + ReadFile(folder_ / "pulseaudio.log");
    }

    // Seconds of sound heard on the sink while act runs and for `seconds`
    // after it began, in 10 ms steps that are clearly not silent.
    double SecondsHeard(const std::function<void()>& act, double seconds)
    {
        const std::vector<bool> steps = LoudSteps(act, seconds);
        return static_cast<double>(std::count(steps.begin(), steps.end(), true)) * 0.01;
    }

    // How many separate sounds were heard: loud runs parted by at least
    // 100 ms of quiet.
    int SoundsHeard(const std::function<void()>& act, double seconds)
    {
        int sounds = 0;
        int quiet = 10;
        for (const bool loud : LoudSteps(act, seconds))
        {
            if (loud && quiet >= 10)
                ++sounds;
            quiet = loud ? 0 : quiet + 1;
        }
        return sounds;
    }

    // Whether each 10 ms step of the recording is clearly not silent.
    std::vector<bool> LoudSteps(const std::function<void()>& act, double seconds)
    {
        const std::filesystem::path recording = folder_ / "recording.raw";
        std::filesystem::remove(recording);
        Child parec;
        EXPECT_TRUE(parec.Start({"parec", "--raw", "--format=s16le", "--channels=1", "--rate=22050",
                                 "--latency-msec=20", "--device=halvo_null.monitor",
                                 "--server=unix:" + socket_, recording.string()},
                                folder_ / "parec.log"));
        // The recording stream is connected once its first samples are in.
        for (int wait = 0; wait < 60 && ReadFile(recording).size() < 4410; ++wait)
            ProcessMessagesFor(50);
        act();
        ProcessMessagesFor(static_cast<int>(seconds * 1000));
        parec.Stop(SIGINT);
        const std::string bytes = ReadFile(recording);
        peak_ = 0;
        std::vector<bool> loudSteps;
        constexpr std::size_t kStep = 220; // samples in 10 ms
        const std::size_t samples = bytes.size() / 2;
        for (std::size_t start = 0; start + kStep <= samples; start += kStep)
        {
            double sum = 0;
            for (std::size_t i = start; i < start + kStep; ++i)
            {
                const auto low = static_cast<unsigned char>(bytes[2 * i]);
                const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
                const auto sample = static_cast<std::int16_t>(low | (high << 8));
                sum += double(sample) * sample;
                peak_ = std::max(peak_, std::abs(int{sample}));
            }
            loudSteps.push_back(std::sqrt(sum / kStep) > 200);
        }
        return loudSteps;
    }

    int Peak() const { return peak_; }

  private:
    static constexpr const char* kChanged[] = {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "HOME",
                                               "PULSE_SERVER"};
    std::vector<std::pair<std::string, std::string>> saved_;
    std::filesystem::path folder_;
    std::string socket_;
    Child server_;
    int peak_ = 0;
};

void WaitUntilQuiet(const SoundPlayer& player, int limitMilliseconds)
{
    for (int waited = 0; player.IsPlaying() && waited < limitMilliseconds; waited += 50)
        ProcessMessagesFor(50);
}

// Alarm1 is heard on the sink; two repeats are heard twice as long, one
// after the other; a stop ends the sound and the repeats still waiting.
TEST(DesktopSound, PlaysOnTheSoundServerWithItsRepeatsAndStops)
{
    const auto folder = testing::FreshFolder("halvo_sound");
    PrivateSoundServer server(folder);
    if (const std::string why = server.Start(); !why.empty())
        GTEST_SKIP() << "no private sound server: " << why;
    EnsureApplication();
    DesktopSoundPlayer player;

    const double once = server.SecondsHeard([&] { player.Play(kAlarm1, 1); }, 4.0);
    std::printf("Alarm1 heard for %.2f s\n", once);
    EXPECT_GT(server.Peak(), 2000) << "the recording is silent";
    EXPECT_GT(once, 0.5);
    WaitUntilQuiet(player, 3000);
    EXPECT_FALSE(player.IsPlaying());

    const double twice = server.SecondsHeard([&] { player.Play(kAlarm1, 2); }, 7.0);
    EXPECT_GT(twice, 1.7 * once) << once << " s once, " << twice << " s twice";
    EXPECT_LT(twice, 2.3 * once) << once << " s once, " << twice << " s twice";
    WaitUntilQuiet(player, 3000);

    const double stopped = server.SecondsHeard(
        [&]
        {
            player.Play(kAlarm1, 3);
            ProcessMessagesFor(400);
            EXPECT_TRUE(player.IsPlaying());
            player.Stop();
        },
        3.0);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_LT(stopped, 0.5 * once) << once << " s once, " << stopped << " s after a stop";
    std::filesystem::remove_all(folder);
}

// A mono 16-bit wave file of a tone.
void WriteTone(const std::filesystem::path& path, double seconds)
{
    constexpr std::uint32_t kRate = 22050;
    const auto samples = static_cast<std::uint32_t>(seconds * kRate);
    std::ofstream out(path, std::ios::binary);
    auto put32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    put32(36 + samples * 2);
    out.write("WAVEfmt ", 8);
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    out.write("data", 4);
    put32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i)
        put16(static_cast<std::uint16_t>(
            static_cast<std::int16_t>(12000 * std::sin(2 * 3.14159265358979 * 880 * i / kRate))));
}

// One player, many plays: every one is heard (one effect played again and
// again went silent after a few), and none is reported as failed.
TEST(DesktopSound, TwentyPlaysInOneRunAreAllHeard)
{
    const auto folder = testing::FreshFolder("halvo_sound_many");
    PrivateSoundServer server(folder);
    if (const std::string why = server.Start(); !why.empty())
        GTEST_SKIP() << "no private sound server: " << why;
    EnsureApplication();
    const std::filesystem::path tone = folder / "tone.wav";
    WriteTone(tone, 0.15);
    DesktopSoundPlayer player;
    int failures = 0;
    constexpr int kPlays = 20;
    const int heard = server.SoundsHeard(
        [&]
        {
            for (int play = 0; play < kPlays; ++play)
            {
                player.Play(tone, 1, [&failures](const std::string&) { ++failures; });
                ProcessMessagesFor(450);
            }
        },
        1.0);
    EXPECT_EQ(heard, kPlays);
    EXPECT_EQ(failures, 0);
    EXPECT_FALSE(player.IsPlaying());
    std::filesystem::remove_all(folder);
}

// A play the sound server cannot start is said, on stderr and to the
// caller, and is not reported as playing.
TEST(DesktopSound, APlayThatNeverStartsIsSaidAndNotPlaying)
{
    const auto folder = testing::FreshFolder("halvo_sound_bad");
    PrivateSoundServer server(folder);
    if (const std::string why = server.Start(); !why.empty())
        GTEST_SKIP() << "no private sound server: " << why;
    EnsureApplication();
    const std::filesystem::path broken = folder / "broken.wav";
    std::ofstream(broken) << "RIFF but not a wave file at all";
    DesktopSoundPlayer player;
    std::vector<std::string> reasons;
    ::testing::internal::CaptureStderr();
    player.Play(broken, 1, [&reasons](const std::string& why) { reasons.push_back(why); });
    for (int wait = 0; wait < 100 && reasons.empty(); ++wait)
        ProcessMessagesFor(50);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(reasons.size(), 1u);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_NE(said.find("broken.wav could not be played"), std::string::npos) << said;
    std::filesystem::remove_all(folder);
}

// No server, or no file: one line on stderr, once, and nothing breaks.
TEST(DesktopSound, WithoutAServerOrAFileSaysSoOnceAndGoesOn)
{
    const auto folder = testing::FreshFolder("halvo_nosound");
    ::setenv("PULSE_SERVER", ("unix:" + (folder / "nobody").string()).c_str(), 1);
    EnsureApplication();
    DesktopSoundPlayer player;
    ::testing::internal::CaptureStderr();
    player.Play(folder / "missing.wav", 2);
    player.Play(folder / "missing.wav", 2);
    player.Play(kAlarm1, 1);
    ProcessMessagesFor(300);
    player.Play(kAlarm1, 1);
    ProcessMessagesFor(300);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("missing.wav: no such file"), std::string::npos) << said;
    EXPECT_EQ(said.find("missing.wav"), said.rfind("missing.wav")) << said;
    // Ours: the missing file and the missing server, each once. (The
    // toolkit may add a line of its own.)
    int ours = 0;
    for (std::size_t at = said.find("halvo-tavorin: "); at != std::string::npos;
         at = said.find("halvo-tavorin: ", at + 1))
        ++ours;
    EXPECT_EQ(ours, 2) << said;
    EXPECT_NE(said.find("no sound server answers"), std::string::npos) << said;
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    std::filesystem::remove_all(folder);
}

// What the notification service is asked, and its answers.
class FakeNotificationService : public QDBusVirtualObject
{
  public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        std::lock_guard lock(mutex);
        if (message.member() == QLatin1String("Notify"))
        {
            const QList<QVariant> arguments = message.arguments();
            summaries.push_back(arguments.value(3).toString().toStdString());
            actions = arguments.value(5).toStringList();
            connection.send(message.createReply(QVariant::fromValue(uint{7})));
            return true;
        }
        if (message.member() == QLatin1String("CloseNotification"))
        {
            closed.push_back(message.arguments().value(0).toUInt());
            connection.send(message.createReply());
            return true;
        }
        return false;
    }

    std::mutex mutex;
    std::vector<std::string> summaries;
    QStringList actions;
    std::vector<uint> closed;
};

TEST(DesktopNotifier, ShowsTheAdhanAndItsStopActionStopsIt)
{
    if (!Succeeds("command -v dbus-daemon"))
        GTEST_SKIP() << "no dbus-daemon to run a private session bus";
    FILE* daemon = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    ASSERT_NE(daemon, nullptr);
    char address[512] = {};
    char pidText[32] = {};
    const bool read = std::fgets(address, sizeof address, daemon) != nullptr &&
                      std::fgets(pidText, sizeof pidText, daemon) != nullptr;
    ::pclose(daemon);
    if (!read)
        GTEST_SKIP() << "the private session bus did not start";
    std::string busAddress = address;
    busAddress.erase(busAddress.find_last_not_of("\n") + 1);
    const pid_t busPid = std::atoi(pidText);
    ::setenv("DBUS_SESSION_BUS_ADDRESS", busAddress.c_str(), 1);
    EnsureApplication();

    {
        // Before the service exists: nothing is shown, nothing is said.
        DesktopNotifier early;
        ::testing::internal::CaptureStderr();
        early.Notify("Fajr 5:46 AM, Seattle, WA", [] {});
        ProcessMessagesFor(300);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }

    FakeNotificationService service;
    QDBusConnection serviceBus =
        QDBusConnection::connectToBus(QString::fromStdString(busAddress), "fake-notifications");
    ASSERT_TRUE(serviceBus.isConnected());
    ASSERT_TRUE(serviceBus.registerVirtualObject("/org/freedesktop/Notifications", &service));
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.Notifications"));

    DesktopNotifier notifier;
    int stops = 0;
    notifier.Notify("Maghrib 7:21 PM, Seattle, WA", [&stops] { ++stops; });
    auto summaries = [&service]
    {
        std::lock_guard lock(service.mutex);
        return service.summaries.size();
    };
    for (int wait = 0; wait < 100 && summaries() == 0; ++wait)
        ProcessMessagesFor(20);
    {
        std::lock_guard lock(service.mutex);
        ASSERT_EQ(service.summaries, std::vector<std::string>{"Maghrib 7:21 PM, Seattle, WA"});
        EXPECT_TRUE(service.actions.contains("stop"));
    }
    ProcessMessagesFor(100); // the id comes back

    QDBusMessage other = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    other << uint{99} << QString("stop");
    serviceBus.send(other);
    QDBusMessage invoked = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    invoked << uint{7} << QString("stop");
    serviceBus.send(invoked);
    for (int wait = 0; wait < 100 && stops == 0; ++wait)
        ProcessMessagesFor(20);
    EXPECT_EQ(stops, 1);

    notifier.Notify("Isha 8:46 PM, Seattle, WA", [&stops] { ++stops; });
    for (int wait = 0; wait < 100 && summaries() < 2; ++wait)
        ProcessMessagesFor(20);
    ProcessMessagesFor(100);
    notifier.Withdraw();
    auto closed = [&service]
    {
        std::lock_guard lock(service.mutex);
        return service.closed;
    };
    for (int wait = 0; wait < 100 && closed().empty(); ++wait)
        ProcessMessagesFor(20);
    EXPECT_EQ(closed(), std::vector<uint>{7});

    serviceBus.unregisterService("org.freedesktop.Notifications");
    QDBusConnection::disconnectFromBus("fake-notifications");
    ::kill(busPid, SIGTERM);
}

} // namespace
} // namespace halvo
