#include "platform/ui/desktop_sound.h"

#include "platform/ui/framework.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>
#include <set>
#include <string>

namespace halvo
{

struct DesktopSoundPlayer::Impl
{
    // Made on the first sound, so a program that never plays one never
    // talks to the sound server.
    std::unique_ptr<QSoundEffect> effect;
    bool playing = false;
    std::filesystem::path file;
    // Each problem is told once, not at every prayer.
    std::set<std::string> told;

    void Tell(const std::string& problem)
    {
        if (told.insert(problem).second)
            std::fprintf(stderr, "halvo-tavorin: %s\n", problem.c_str());
    }

    void Make()
    {
        if (effect)
            return;
        EnsureApplication();
        effect = std::make_unique<QSoundEffect>();
        QObject::connect(effect.get(), &QSoundEffect::statusChanged,
                         [this]
                         {
                             if (effect->status() != QSoundEffect::Error)
                                 return;
                             playing = false;
                             Tell("cannot play " + file.string());
                         });
        QObject::connect(effect.get(), &QSoundEffect::playingChanged,
                         [this]
                         {
                             // The last repeat has ended.
                             if (!effect->isPlaying() && effect->status() != QSoundEffect::Loading)
                                 playing = false;
                         });
    }
};

DesktopSoundPlayer::DesktopSoundPlayer() : impl_(std::make_unique<Impl>()) {}

DesktopSoundPlayer::~DesktopSoundPlayer() = default;

void DesktopSoundPlayer::Play(const std::filesystem::path& file, int times)
{
    if (times <= 0)
        return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
    {
        impl_->Tell("cannot play " + file.string() + ": no such file");
        return;
    }
    impl_->Make();
    if (QMediaDevices::defaultAudioOutput().isNull())
    {
        impl_->Tell("no sound server answers; the Adhan cannot be heard");
        return;
    }
    QSoundEffect& effect = *impl_->effect;
    effect.stop();
    impl_->file = file;
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    if (effect.source() != source)
        effect.setSource(source);
    // The repeats follow each other inside the sound server's stream: no
    // gap, and no restart of the first.
    effect.setLoopCount(times);
    impl_->playing = true;
    effect.play(); // waits for the file to load when it is not loaded yet
}

void DesktopSoundPlayer::Stop()
{
    impl_->playing = false;
    if (impl_->effect)
        impl_->effect->stop();
}

bool DesktopSoundPlayer::IsPlaying() const
{
    return impl_->playing;
}

} // namespace halvo
