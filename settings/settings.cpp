#include "settings/settings.h"

#include "platform/store/record_store.h"
#include "platform/text/utf8.h"
#include "settings/registry.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace halvo
{
namespace
{

Record SettingRecord(const std::string& name, const std::string& value)
{
    return {{kSettingNameProperty, name}, {kSettingValueProperty, value}};
}

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y)
                      {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

// The settings a store just opened has no record of, in table order. Names
// are found as ReadSetting finds them: without regard to case.
std::vector<const SettingDefault*> MissingSettings(RecordStore& store)
{
    std::vector<std::string> stored;
    while (auto record = store.ReadCurrent())
        stored.push_back(TextProperty(*record, kSettingNameProperty));
    std::vector<const SettingDefault*> missing;
    for (const SettingDefault& entry : kDefaultSettings)
        if (std::none_of(stored.begin(), stored.end(),
                         [&](const std::string& name) { return SameName(name, entry.name); }))
            missing.push_back(&entry);
    return missing;
}

// Adds the missing settings at their defaults to a store just opened; the
// values present stay. A new store gains all sixteen, one of the older
// eight-record layout records 9 to 16, each in table order.
bool AppendMissing(RecordStore& store)
{
    for (const SettingDefault* entry : MissingSettings(store))
        if (!store.Append(SettingRecord(entry->name, entry->value)))
            return false;
    return true;
}

// What any setting can hold: one line of printable text that fits the
// stores' 1024-unit buffers.
bool IsStorableValue(const std::string& value)
{
    return IsPrintableUtf8(value) && Utf16Length(value) <= kMaxSettingLength;
}

// A whole decimal number without sign or leading zeros, within [low, high].
bool IsDecimalIn(const std::string& text, int low, int high)
{
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text[0] == '0'))
        return false;
    int value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
}

bool IsOneOf(const std::string& text, std::initializer_list<const char*> choices)
{
    return std::any_of(choices.begin(), choices.end(),
                       [&](const char* choice) { return text == choice; });
}

} // namespace

void ReadSetting(const std::string& name, std::string& out)
{
    RecordStore store;
    if (!store.Open(kSettingsStoreName))
        return;
    // A name with no record leaves out alone rather than handing back the
    // value of whichever record the cursor happens to stand on.
    const std::optional<Record> record = store.ReadFirstEqual(kSettingNameProperty, name);
    if (record)
        out = TextProperty(*record, kSettingValueProperty);
}

std::string ReadSetting(const std::string& name)
{
    std::string value;
    ReadSetting(name, value);
    return value;
}

bool WriteSetting(const std::string& name, const std::string& value)
{
    if (!IsStorableValue(value))
        return false;
    // One transaction from the look-up to the write: the record found is
    // the one replaced, in the file that is live when the write begins.
    StoreTransaction transaction;
    RecordStore store;
    if (!transaction.Active() || !store.Open(kSettingsStoreName))
        return false;
    // Without a record of that name there is nothing to replace; writing
    // over the record under the cursor would destroy another setting.
    if (store.SeekFirstEqual(kSettingNameProperty, name) < 0)
        return false;
    const std::optional<Record> record = store.ReadCurrent();
    if (!record)
        return false;
    // The stored name keeps its spelling; only the value changes.
    if (!store.WriteCurrent(SettingRecord(TextProperty(*record, kSettingNameProperty), value)))
        return false;
    store.Close();
    return transaction.Commit();
}

bool InstallDefaultSettings()
{
    WriteRegistryNumber(kFeastSubkey, kFeastValue, 0);
    WriteRegistryNumber(kFeastSubkey, kNumDaysValue, 0);

    // One transaction: a second process starting at the same moment sees
    // either no store or a complete one, and a failed append leaves no
    // half-completed store that a later start would no longer recognise.
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    RecordStore store;
    if (RecordStore::Exists(kSettingsStoreName))
    {
        if (!store.Open(kSettingsStoreName) || !AppendMissing(store))
            return false;
        return transaction.Commit();
    }
    const StoreIdentity identity = RecordStore::Create(
        kSettingsStoreName, kSettingsTypeTag, {{kSettingNameProperty, kSortCaseInsensitive}});
    if (identity == 0 || !store.Open(identity) || !AppendMissing(store))
        return false;
    return transaction.Commit();
}

bool CompleteSettings()
{
    {
        // Reading first: an ordinary start finds all sixteen and writes
        // nothing, so it never waits for another process's write lock.
        RecordStore store;
        if (!store.Open(kSettingsStoreName))
            return false;
        if (MissingSettings(store).empty())
            return true;
    }
    StoreTransaction transaction;
    RecordStore store;
    if (!transaction.Active() || !store.Open(kSettingsStoreName) || !AppendMissing(store))
        return false;
    store.Close();
    return transaction.Commit();
}

bool ValidateSettingValue(const std::string& name, const std::string& value, std::string* reason)
{
    auto refuse = [&](const std::string& why)
    {
        if (reason != nullptr)
            *reason = why;
        return false;
    };
    const bool known = std::any_of(kDefaultSettings.begin(), kDefaultSettings.end(),
                                   [&](const SettingDefault& entry) { return name == entry.name; });
    if (!known)
        return refuse("unknown setting \"" + name + "\"");
    if (!IsValidUtf8(value))
        return refuse(name + " must be UTF-8 text");
    if (Utf16Length(value) > kMaxSettingLength)
        return refuse(name + " holds at most 1023 characters");
    if (!IsPrintableUtf8(value))
        return refuse(name + " must not hold control characters");
    const std::string quoted = "\"" + value + "\"";
    if (name == setting::kKQMethod)
        return refuse(
            "KQMethod changes only by selecting a twilight convention, which also sets the angles");
    if (name == setting::kAsrMethod)
    {
        if (!IsOneOf(value, {"Shafi", "Hanafi"}))
            return refuse("AsrMethod must be Shafi or Hanafi, not " + quoted);
    }
    else if (name == setting::kFajrAngle || name == setting::kIshaAngle)
    {
        const bool ninetyMinutes = name == setting::kIshaAngle && value == kIshaNinetyMinutes;
        if (!ninetyMinutes && !IsDecimalIn(value, 1, 899))
            return refuse(
                name + " must be tenths of a degree from 1 to 899 (\"150\" is 15.0 degrees)" +
                std::string(name == setting::kIshaAngle ? " or \"90 min after Maghrib\"" : "") +
                ", not " + quoted);
    }
    else if (name == setting::kAdhan)
    {
        if (!IsOneOf(value, {"On", "Off"}))
            return refuse("Adhan must be On or Off, not " + quoted);
    }
    else if (name == setting::kReminder)
    {
        if (!IsDecimalIn(value, 0, 5))
            return refuse("Reminder must be a number from 0 to 5, not " + quoted);
    }
    else if (name == setting::kCityName)
    {
        if (value.empty() || !IsPrintableUtf8(value))
            return refuse("CityName must be a non-empty name without control characters, not " +
                          quoted);
    }
    else if (name == setting::kAlarm)
    {
        if (!IsOneOf(value, {"Alarm1", "Alarm2", "Alarm3", "Alarm4", "Alarm5", "HalvoAdhan"}))
            return refuse("Alarm must be one of Alarm1 to Alarm5 or HalvoAdhan, not " + quoted);
    }
    else if (name == setting::kBg || name == setting::kTxt || name == setting::kHr)
    {
        if (!IsDecimalIn(value, 0, 10))
            return refuse(name + " must be a colour index from 0 to 10, not " + quoted);
    }
    else if (!IsOneOf(value, {"0", "1"}))
    {
        return refuse(name + " must be 1 (Adhan on) or 0 (off), not " + quoted);
    }
    return true;
}

} // namespace halvo
