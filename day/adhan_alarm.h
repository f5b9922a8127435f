#pragma once

// The Adhan: at each prayer the user switched on, the chosen sound plays the
// chosen number of times, and while the Adhan is on the system is asked to
// start the program at the next prayer. The check runs on every tick of the
// main window, on the day just computed for today; it sees the desktop only
// through the services of platform/alarm_services.h.

#include "day/day_model.h"
#include "engine/date_record.h"
#include "platform/alarm_services.h"
#include "platform/user_messages.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace halvo
{

// Which Adhans sound: the Adhan as a whole, then each prayer's own.
struct AdhanSwitches
{
    bool enabled = false;
    bool fajr = false;
    bool zuhr = false;
    bool asr = false;
    bool maghrib = false;
    bool isha = false;
};

// The six switches as stored: on only for exactly "On" (Adhan) and "1"
// (each prayer).
AdhanSwitches ReadAdhanSwitches();

// The prayers that can sound, in the order they are checked. Sunrise is
// not among them.
struct PrayerSlot
{
    DayTextIndex text;
    PrayerIndex time;
    const char* name;
    bool AdhanSwitches::*on;
};
inline constexpr std::array<PrayerSlot, 5> kPrayerSlots = {{
    {kFajrText, kFajr, "Fajr", &AdhanSwitches::fajr},
    {kZuhrText, kZuhr, "Zuhr", &AdhanSwitches::zuhr},
    {kAsrText, kAsr, "Asr", &AdhanSwitches::asr},
    {kMaghribText, kMaghrib, "Maghrib", &AdhanSwitches::maghrib},
    {kIshaText, kIsha, "Isha", &AdhanSwitches::isha},
}};

// The sounds, in the order the Set Adhan dialog lists them; each is
// <windows folder>/<name>.wav.
inline constexpr std::array<const char*, 6> kSoundNames = {"Alarm1", "Alarm2", "Alarm3",
                                                           "Alarm4", "Alarm5", "HalvoAdhan"};
inline constexpr const char* kDefaultSoundName = "HalvoAdhan";
// How many times the sound plays, as the dialog lists them.
inline constexpr std::array<const char*, 6> kRepeatCounts = {"0", "1", "2", "3", "4", "5"};

// A time text of the day ("1:07 PM") as a 24-hour hour and a minute: the
// number before the colon, the number after it up to the blank, then "PM"
// adds 12 to hours other than 12 and "AM" makes 12 into 0. An empty text
// gives 00:00.
void ParseTimeText(std::string_view text, int& hour, int& minute);
// Whether a text is a time of the day at all ("5:07 AM"), not the "--:--"
// of a day whose city is not stored.
bool IsTimeText(std::string_view text);

// The first of Fajr, Zuhr, Asr, Maghrib and Isha whose shown minute is
// later than now's hour and minute, on now's date, seconds 0; hour 25 when
// none is later. The prayers' switches are not consulted.
DateRecord NextPrayerTime(const DayMoments& moments, const DateRecord& now);
// When the program should be started next: the next prayer time, or after
// Isha tomorrow at 00:00 (month and year rolling over).
DateRecord TimedStartTime(const DayMoments& moments, const DateRecord& now);

// The sound a stored Alarm value names: the value itself when it is one of
// the six names, the default otherwise, so no stored text can reach a file
// outside the sounds folder.
const char* SoundOfAlarm(std::string_view stored);
bool IsSoundName(std::string_view name);
// How many times to play for a stored Reminder value: its leading number,
// 0 when unreadable, at most 5.
int RepeatsOfReminder(std::string_view stored);

// The prefix of the timer units that start the program: one per data
// folder, so a test or a second data folder never replaces the user's.
std::string TimedStartUnitPrefix();

class AdhanAlarm
{
  public:
    struct Services
    {
        SoundPlayer& player;
        TimedStart& timer;
        AlarmNotifier& notifier;
        UserMessages& messages; // lines for stderr
    };

    // soundsFolder holds the .wav files; executable is what the system is
    // asked to start.
    AdhanAlarm(Services services, std::filesystem::path soundsFolder,
               std::filesystem::path executable);

    // One check: day is today's, now the local date and time. Sounds a
    // switched-on prayer whose shown minute it is once its start has come;
    // when a start is less than a minute ahead, gives the milliseconds to
    // wait before checking again.
    std::optional<int> Check(const DayComputation& day, const AdhanSwitches& switches,
                             const DateRecord& now);
    // Stops an Adhan that plays, with its repeats; false when none played.
    bool Stop();

  private:
    // A minute of a day: the same prayer minute on the next day sounds again.
    struct Minute
    {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        bool operator==(const Minute&) const = default;
    };
    static Minute MinuteOf(const DateRecord& date);

    void KeepTimedStart(const DayMoments& moments, const DateRecord& now);
    void Sound(const PrayerSlot& slot, const DayTexts& texts);

    Services services_;
    std::filesystem::path soundsFolder_;
    std::filesystem::path executable_;
    std::optional<Minute> lastAlarm_;
    // The start this process asked for last; asked again only when the
    // wanted time changes.
    std::optional<Minute> requested_;
    bool cancelled_ = false;
    bool timerFailureTold_ = false;
    std::optional<std::string> alarmValueTold_;
};

} // namespace halvo
