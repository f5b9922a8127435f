#include "day/adhan_alarm.h"

#include "engine/hijri_calendar.h"
#include "platform/store/device_folder.h"
#include "platform/text/number_text.h"
#include "settings/settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace halvo
{

namespace
{

// No clock time is hour 25: the mark of "no prayer later today".
constexpr std::uint16_t kNoHour = 25;
constexpr int kMaxRepeats = 5;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

AdhanSwitches ReadAdhanSwitches()
{
    AdhanSwitches switches;
    switches.enabled = ReadSetting(setting::kAdhan) == "On";
    switches.fajr = ReadSetting(setting::kFajr) == "1";
    switches.zuhr = ReadSetting(setting::kZuhr) == "1";
    switches.asr = ReadSetting(setting::kAsr) == "1";
    switches.maghrib = ReadSetting(setting::kMaghrib) == "1";
    switches.isha = ReadSetting(setting::kIsha) == "1";
    return switches;
}

void ParseTimeText(std::string_view text, int& hour, int& minute)
{
    const std::size_t colon = text.find(':');
    hour = LeadingInteger(text.substr(0, colon));
    minute = 0;
    if (colon == std::string_view::npos)
        return;
    const std::string_view afterColon = text.substr(colon + 1);
    const std::size_t blank = afterColon.find(' ');
    minute = LeadingInteger(afterColon.substr(0, blank));
    const std::string_view suffix =
        blank == std::string_view::npos ? std::string_view{} : afterColon.substr(blank + 1);
    if (suffix == "PM" && hour != 12)
        hour += 12;
    else if (suffix == "AM" && hour == 12)
        hour = 0;
}

bool IsTimeText(std::string_view text)
{
    // "17:07" on the 24-hour clock the options may choose.
    if (text.size() == 5 && IsDigit(text[0]) && IsDigit(text[1]) && text[2] == ':' &&
        IsDigit(text[3]) && IsDigit(text[4]))
        return LeadingInteger(text.substr(0, 2)) < 24 && LeadingInteger(text.substr(3)) < 60;
    // "5:07 AM" or "12:30 PM": one or two digits, a colon, two digits, a
    // blank and the half of the day.
    const std::size_t colon = text.find(':');
    if (colon != 1 && colon != 2)
        return false;
    if (text.size() != colon + 6 || !std::all_of(text.begin(), text.begin() + colon, IsDigit) ||
        !IsDigit(text[colon + 1]) || !IsDigit(text[colon + 2]) || text[colon + 3] != ' ')
        return false;
    const std::string_view suffix = text.substr(colon + 4);
    return suffix == "AM" || suffix == "PM";
}

DateRecord NextPrayerTime(const DayMoments& moments, const DateRecord& now)
{
    DateRecord when = now;
    when.second = 0;
    when.milliseconds = 0;
    when.hour = kNoHour;
    when.minute = 0;
    const int nowMinute = now.hour * 60 + now.minute;
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        const PrayerMoment& moment = moments[slot.time];
        if (moment.hasTime && moment.shownMinute > nowMinute)
        {
            when.hour = static_cast<std::uint16_t>(moment.shownMinute / 60);
            when.minute = static_cast<std::uint16_t>(moment.shownMinute % 60);
            return when;
        }
    }
    return when;
}

DateRecord TimedStartTime(const DayMoments& moments, const DateRecord& now)
{
    DateRecord when = NextPrayerTime(moments, now);
    if (when.hour == kNoHour)
    {
        when = DaysLater(when, 1);
        when.hour = 0;
        when.minute = 0;
    }
    return when;
}

bool IsSoundName(std::string_view name)
{
    return std::any_of(kSoundNames.begin(), kSoundNames.end(),
                       [name](const char* sound) { return name == sound; });
}

const char* SoundOfAlarm(std::string_view stored)
{
    for (const char* sound : kSoundNames)
        if (stored == sound)
            return sound;
    return kDefaultSoundName;
}

int RepeatsOfReminder(std::string_view stored)
{
    return std::clamp(static_cast<int>(LeadingInteger(stored)), 0, kMaxRepeats);
}

std::string TimedStartUnitPrefix()
{
    const std::string folder = DeviceFolder().string();
    const char* home = std::getenv("HOME");
    if (home != nullptr && folder == std::string(home) + "/.local/share/halvo-tavorin")
        return "halvo-tavorin-adhan";
    // FNV-1a of the folder's path: short, stable, and a valid unit name.
    std::uint32_t hash = 2166136261u;
    for (const char c : folder)
    {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(hash));
    return std::string("halvo-tavorin-adhan-") + suffix;
}

AdhanAlarm::AdhanAlarm(Services services, std::filesystem::path soundsFolder,
                       std::filesystem::path executable)
    : services_(services), soundsFolder_(std::move(soundsFolder)),
      executable_(std::move(executable))
{
}

AdhanAlarm::Minute AdhanAlarm::MinuteOf(const DateRecord& date)
{
    return {date.year, date.month, date.day, date.hour, date.minute};
}

std::optional<int> AdhanAlarm::Check(const DayComputation& day, const AdhanSwitches& switches,
                                     const DateRecord& now)
{
    if (!switches.enabled)
    {
        // Our waiting start is withdrawn once; nothing is asked while off.
        if (!cancelled_)
            services_.timer.Cancel();
        cancelled_ = true;
        requested_.reset();
        return std::nullopt;
    }
    cancelled_ = false;
    KeepTimedStart(day.moments, now);

    const int nowMinute = now.hour * 60 + now.minute;
    const std::int64_t nowMs =
        nowMinute * kMsPerMinute + now.second * std::int64_t{1000} + now.milliseconds;
    std::optional<int> wait;
    for (const PrayerSlot& slot : kPrayerSlots)
    {
        // A day without times (its city is not stored) has nothing to sound.
        const PrayerMoment& moment = day.moments[slot.time];
        if (!(switches.*slot.on) || !moment.hasTime)
            continue;
        // A check up to a minute before the prayer's start (the ticks are
        // 20 s apart) has the caller check again at that start.
        const std::int64_t start = AdhanStartMs(moment);
        if (nowMs < start)
        {
            if (start - nowMs <= kMsPerMinute)
                wait = static_cast<int>(
                    std::min<std::int64_t>(start - nowMs, wait.value_or(kMsPerMinute)));
            continue;
        }
        if (moment.shownMinute != nowMinute || lastAlarm_ == MinuteOf(now))
            continue;
        lastAlarm_ = MinuteOf(now);
        Sound(slot, day.texts);
    }
    return wait;
}

void AdhanAlarm::KeepTimedStart(const DayMoments& moments, const DateRecord& now)
{
    const DateRecord when = TimedStartTime(moments, now);
    // Three ticks a minute: ask only when the wanted time moves on.
    if (requested_ == MinuteOf(when))
        return;
    requested_ = MinuteOf(when);
    if (!services_.timer.Request(when, executable_) && !timerFailureTold_)
    {
        timerFailureTold_ = true;
        services_.messages.Warn("the system cannot start the program at the next prayer (" +
                                services_.timer.LastFailure() + ")");
    }
}

void AdhanAlarm::Sound(const PrayerSlot& slot, const DayTexts& texts)
{
    const std::string stored = ReadSetting(setting::kAlarm);
    const char* sound = SoundOfAlarm(stored);
    if (!IsSoundName(stored) && stored != alarmValueTold_)
    {
        alarmValueTold_ = stored;
        services_.messages.Warn("the Alarm setting \"" + stored + "\" names no sound; playing " +
                                kDefaultSoundName);
    }
    const int times = RepeatsOfReminder(ReadSetting(setting::kReminder));
    if (times <= 0)
        return;
    const std::string summary =
        std::string(slot.name) + " " + texts[slot.text] + ", " + texts[kLocationText];
    services_.notifier.Notify(summary, [this] { Stop(); });
    // A play that makes no sound is said in the notification, which then
    // has nothing to stop. The player may tell before Play returns.
    services_.player.Play(
        soundsFolder_ / (std::string(sound) + ".wav"), times,
        [this, summary](const std::string&)
        { services_.notifier.Notify(summary + ": the Adhan could not be played", [] {}); });
}

bool AdhanAlarm::Stop()
{
    if (!services_.player.IsPlaying())
        return false;
    services_.player.Stop();
    services_.notifier.Withdraw();
    return true;
}

} // namespace halvo
