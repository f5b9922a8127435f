#pragma once

// Sounds through the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio service) with Qt Multimedia, a new effect for every play. A
// file plays its repeats one after the other without a gap; the call
// returns at once. A play that never starts is said on stderr and to the
// caller.

#include "platform/alarm_services.h"

#include <memory>

namespace halvo
{

class DesktopSoundPlayer : public SoundPlayer
{
  public:
    DesktopSoundPlayer();
    ~DesktopSoundPlayer() override;

    using SoundPlayer::Play;
    void Play(const std::filesystem::path& file, int times,
              std::function<void(const std::string&)> failed) override;
    void Stop() override;
    bool IsPlaying() const override;
    unsigned PlaysAsked() const override;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace halvo
