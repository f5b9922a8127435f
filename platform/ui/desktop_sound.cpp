#include "platform/ui/desktop_sound.h"

#include "platform/ui/framework.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <set>
#include <string>

namespace halvo
{

namespace
{

// How long a play may take to reach the playing state: loading a short
// wave file and opening a stream take milliseconds.
constexpr int kStartLimitMs = 3000;

} // namespace

struct DesktopSoundPlayer::Impl
{
    // One effect per play: an effect played again and again drops plays
    // on some Qt versions (silent, stretched, then nothing at all). Made on
    // the first sound, so a program that never plays one never talks to
    // the sound server.
    QSoundEffect* effect = nullptr;
    bool started = false;
    bool playing = false;
    unsigned plays = 0;
    std::filesystem::path file;
    std::function<void(const std::string&)> failed;
    std::unique_ptr<QTimer> startLimit;
    // Each lasting problem (no file, no server) is told once, not at every
    // prayer.
    std::set<std::string> told;

    ~Impl()
    {
        if (effect != nullptr)
        {
            effect->disconnect();
            delete effect;
        }
    }

    void Tell(const std::string& problem)
    {
        if (told.insert(problem).second)
            std::fprintf(stderr, "halvo-tavorin: %s\n", problem.c_str());
    }

    // The effect goes when control is back in the event loop: this may run
    // inside one of its own signals.
    void Drop()
    {
        if (startLimit)
            startLimit->stop();
        if (effect == nullptr)
            return;
        effect->disconnect();
        effect->stop();
        effect->deleteLater();
        effect = nullptr;
    }

    // A play that gives no sound is said every time: each is a call missed.
    void Fail(const std::string& why)
    {
        std::fprintf(stderr, "halvo-tavorin: %s could not be played (%s)\n", file.c_str(),
                     why.c_str());
        playing = false;
        Drop();
        std::function<void(const std::string&)> report = std::move(failed);
        failed = nullptr;
        if (report)
            report(why);
    }

    void Start(int times)
    {
        effect = new QSoundEffect();
        started = false;
        QObject::connect(effect, &QSoundEffect::statusChanged,
                         [this]
                         {
                             if (effect != nullptr && effect->status() == QSoundEffect::Error)
                                 Fail("the sound server or the file gave an error");
                         });
        QObject::connect(effect, &QSoundEffect::playingChanged,
                         [this]
                         {
                             if (effect == nullptr)
                                 return;
                             if (effect->isPlaying())
                             {
                                 started = true;
                                 startLimit->stop();
                                 return;
                             }
                             if (!started || effect->status() == QSoundEffect::Loading)
                                 return;
                             // The last repeat has ended.
                             playing = false;
                             failed = nullptr;
                             Drop();
                         });
        if (!startLimit)
        {
            startLimit = std::make_unique<QTimer>();
            startLimit->setSingleShot(true);
            QObject::connect(startLimit.get(), &QTimer::timeout,
                             [this]
                             {
                                 if (playing && !started)
                                     Fail("it did not start within " +
                                          std::to_string(kStartLimitMs / 1000) + " s");
                             });
        }
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
        // The repeats follow each other inside the sound server's stream: no
        // gap, and no restart of the first.
        effect->setLoopCount(times);
        playing = true;
        startLimit->start(kStartLimitMs);
        effect->play(); // waits for the file to load
    }
};

DesktopSoundPlayer::DesktopSoundPlayer() : impl_(std::make_unique<Impl>()) {}

DesktopSoundPlayer::~DesktopSoundPlayer() = default;

void DesktopSoundPlayer::Play(const std::filesystem::path& file, int times,
                              std::function<void(const std::string&)> failed)
{
    if (times <= 0)
        return;
    ++impl_->plays;
    impl_->playing = false;
    impl_->failed = nullptr;
    impl_->Drop();
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
    {
        impl_->Tell("cannot play " + file.string() + ": no such file");
        if (failed)
            failed("no such file");
        return;
    }
    EnsureApplication();
    if (QMediaDevices::defaultAudioOutput().isNull())
    {
        impl_->Tell("no sound server answers; the Adhan cannot be heard");
        if (failed)
            failed("no sound server answers");
        return;
    }
    impl_->file = file;
    impl_->failed = std::move(failed);
    impl_->Start(times);
}

void DesktopSoundPlayer::Stop()
{
    impl_->playing = false;
    impl_->failed = nullptr;
    impl_->Drop();
}

bool DesktopSoundPlayer::IsPlaying() const
{
    return impl_->playing;
}

unsigned DesktopSoundPlayer::PlaysAsked() const
{
    return impl_->plays;
}

} // namespace halvo
