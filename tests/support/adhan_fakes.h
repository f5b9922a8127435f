#pragma once

// Recording stand-ins for the Adhan's desktop services: what would have
// played, which starts were asked for, which notifications shown.

#include "platform/alarm_services.h"

#include <string>
#include <vector>

namespace halvo::testing
{

class RecordingPlayer : public SoundPlayer
{
  public:
    struct Played
    {
        std::filesystem::path file;
        int times = 0;
        bool operator==(const Played&) const = default;
    };
    using SoundPlayer::Play;
    void Play(const std::filesystem::path& file, int times,
              std::function<void(const std::string&)> failed) override
    {
        if (times <= 0)
            return;
        played.push_back({file, times});
        playing = !fails;
        if (fails && failed)
            failed("no sound");
        onFailure = std::move(failed);
    }
    void Stop() override
    {
        ++stops;
        playing = false;
    }
    bool IsPlaying() const override { return playing; }
    unsigned PlaysAsked() const override { return static_cast<unsigned>(played.size()); }

    std::vector<Played> played;
    int stops = 0;
    bool playing = false;
    // Set to make every play fail at once.
    bool fails = false;
    // The last play's failure report, for a test to call later.
    std::function<void(const std::string&)> onFailure;
};

class RecordingTimer : public TimedStart
{
  public:
    bool Request(const DateRecord& when, const std::filesystem::path& executable) override
    {
        requests.push_back(when);
        lastExecutable = executable;
        pending = when;
        return answers;
    }
    bool Cancel() override
    {
        ++cancels;
        pending.reset();
        return answers;
    }
    std::optional<DateRecord> Pending() override { return pending; }
    bool Available() override { return answers; }
    std::string LastFailure() const override { return answers ? "" : "no user manager"; }

    std::vector<DateRecord> requests;
    std::filesystem::path lastExecutable;
    std::optional<DateRecord> pending;
    int cancels = 0;
    bool answers = true;
};

class RecordingNotifier : public AlarmNotifier
{
  public:
    void Notify(const std::string& summary, std::function<void()> onStop) override
    {
        shown.push_back(summary);
        stopAction = std::move(onStop);
    }
    void Withdraw() override
    {
        ++withdrawn;
        stopAction = nullptr;
    }

    std::vector<std::string> shown;
    std::function<void()> stopAction;
    int withdrawn = 0;
};

} // namespace halvo::testing
