#pragma once

// What the Adhan needs from the desktop: a sound player, a service that
// starts the program at a given local time, and desktop notifications. The
// Adhan's logic sees only these interfaces; the desktop program gives it the
// real ones (platform/ui/desktop_sound.h, platform/ui/desktop_notifier.h,
// platform/systemd_timed_start.h) and the tests give it recording fakes.

#include "engine/date_record.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace halvo
{

class SoundPlayer
{
  public:
    virtual ~SoundPlayer() = default;
    // Plays the file `times` times one after the other and returns at once.
    // Whatever played before stops. Nothing happens for times <= 0. When
    // the play makes no sound (no file, no sound server, a stream that
    // never starts) `failed` is called with the reason, at once or later,
    // and IsPlaying is false from then on.
    virtual void Play(const std::filesystem::path& file, int times,
                      std::function<void(const std::string& why)> failed) = 0;
    void Play(const std::filesystem::path& file, int times) { Play(file, times, {}); }
    // Stops the sound and the repeats still waiting.
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
    // Counts the plays asked for, so a caller can tell whether the sound
    // now playing is still the one it started.
    virtual unsigned PlaysAsked() const = 0;
};

class TimedStart
{
  public:
    virtual ~TimedStart() = default;
    // Has the executable started at that local date-time (seconds are
    // ignored), in place of any start requested before. False when the
    // service cannot take the request.
    virtual bool Request(const DateRecord& when, const std::filesystem::path& executable) = 0;
    // Withdraws every start requested and still waiting. False when the
    // service cannot be asked.
    virtual bool Cancel() = 0;
    // The waiting start, if any; none as well when the service cannot say.
    virtual std::optional<DateRecord> Pending() = 0;
    // Whether the service answers at all.
    virtual bool Available() = 0;
    // Why the last call failed, in one line.
    virtual std::string LastFailure() const = 0;
};

class AlarmNotifier
{
  public:
    virtual ~AlarmNotifier() = default;
    // Shows a notification whose stop action calls onStop. Silently nothing
    // where no notification service runs.
    virtual void Notify(const std::string& summary, std::function<void()> onStop) = 0;
    // Takes the last notification away again.
    virtual void Withdraw() = 0;
};

} // namespace halvo
