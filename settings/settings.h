#pragma once

// The "Settings" store: every user choice that survives a restart, as
// name/value texts.

#include <array>
#include <cstdint>
#include <string>

namespace halvo
{

namespace setting
{
inline constexpr char kKQMethod[] = "KQMethod";
inline constexpr char kAsrMethod[] = "AsrMethod";
inline constexpr char kFajrAngle[] = "FajrAngle";
inline constexpr char kIshaAngle[] = "IshaAngle";
inline constexpr char kAdhan[] = "Adhan";
inline constexpr char kReminder[] = "Reminder";
inline constexpr char kCityName[] = "CityName";
inline constexpr char kAlarm[] = "Alarm";
inline constexpr char kBg[] = "Bg";
inline constexpr char kTxt[] = "Txt";
inline constexpr char kHr[] = "Hr";
inline constexpr char kFajr[] = "Fajr";
inline constexpr char kZuhr[] = "Zuhr";
inline constexpr char kAsr[] = "Asr";
inline constexpr char kMaghrib[] = "Maghrib";
inline constexpr char kIsha[] = "Isha";
} // namespace setting

inline constexpr char kSettingsStoreName[] = "Settings";
inline constexpr std::uint32_t kSettingsTypeTag = 0x3052;
inline constexpr std::uint16_t kSettingNameProperty = 301;
inline constexpr std::uint16_t kSettingValueProperty = 302;
// Values are handled in buffers of 1024 units, so at most 1023 characters.
inline constexpr std::size_t kMaxSettingLength = 1023;
inline constexpr char kIshaNinetyMinutes[] = "90 min after Maghrib";
// What a settings dialog says when its OK could not store the choice
// (another program held the write lock too long, a full disk, a read-only
// folder); nothing of the choice was stored.
inline constexpr char kSettingsNotWrittenMessage[] =
    "Your choice cannot be saved!  The settings could not be written.";

struct SettingDefault
{
    const char* name;
    const char* value;
};

// The settings in seeding order. A store holding exactly the first eight is
// the older layout that InstallDefaultSettings completes.
inline constexpr std::array<SettingDefault, 16> kDefaultSettings = {{
    {setting::kKQMethod, "Islamic Society of North America"},
    {setting::kAsrMethod, "Shafi"},
    {setting::kFajrAngle, "150"},
    {setting::kIshaAngle, "150"},
    {setting::kAdhan, "Off"},
    {setting::kReminder, "1"},
    {setting::kCityName, "Seattle, WA"},
    {setting::kAlarm, "HalvoAdhan"},
    {setting::kBg, "9"},
    {setting::kTxt, "1"},
    {setting::kHr, "1"},
    {setting::kFajr, "0"},
    {setting::kZuhr, "0"},
    {setting::kAsr, "0"},
    {setting::kMaghrib, "0"},
    {setting::kIsha, "0"},
}};
inline constexpr std::size_t kOlderLayoutCount = 8;

// Copies the stored value into out; out is left as it was when the store
// cannot be opened or holds no such setting.
void ReadSetting(const std::string& name, std::string& out);
// The stored value, or "" when there is none.
std::string ReadSetting(const std::string& name);

// Replaces the value of the existing setting of that name. False when the
// value is not printable UTF-8 of at most 1023 characters, the store cannot
// be opened, holds no such setting (nothing is added) or the write fails.
bool WriteSetting(const std::string& name, const std::string& value);

// Resets the feast reminder numbers to 0, then creates the store with the
// sixteen defaults, or completes an existing store as CompleteSettings
// does. False when the store cannot be created, opened or filled.
bool InstallDefaultSettings();

// Adds every setting an existing store lacks, at its default, and keeps
// every value present: a store of the older eight-record layout gains
// records 9 to 16 in table order. False when there is no store or it cannot
// be written.
bool CompleteSettings();

// Whether value is a valid text for the named setting: UTF-8 without
// control characters, at most 1023 characters (UTF-16 units, as the stores
// count), in the setting's own format. KQMethod is refused:
// it only changes together with the angles, by selecting a convention.
// Whether a CityName names a stored city is for the caller to check. On
// refusal, reason (when given) says why in one line.
bool ValidateSettingValue(const std::string& name, const std::string& value,
                          std::string* reason = nullptr);

} // namespace halvo
