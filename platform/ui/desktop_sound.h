#pragma once

// Sounds through the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio service) with Qt Multimedia. A file plays its repeats one
// after the other without a gap; the call returns at once.

#include "platform/alarm_services.h"

#include <memory>

namespace halvo
{

class DesktopSoundPlayer : public SoundPlayer
{
  public:
    DesktopSoundPlayer();
    ~DesktopSoundPlayer() override;

    void Play(const std::filesystem::path& file, int times) override;
    void Stop() override;
    bool IsPlaying() const override;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace halvo
