#include "settings/calculation_options.h"

#include "platform/store/record_store.h"
#include "platform/text/plain_text.h"
#include "settings/settings.h"

#include <charconv>
#include <iostream>
#include <mutex>
#include <set>

namespace halvo
{

namespace
{

// A whole number with an optional sign, within [low, high].
std::optional<int> WholeNumberIn(std::string_view text, int low, int high)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 4 || text.front() == '+')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<MinuteAdjustments> ParseAdjust(const std::string& text)
{
    MinuteAdjustments minutes{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < minutes.size(); ++i)
    {
        const std::size_t comma = text.find(',', start);
        const bool last = i + 1 == minutes.size();
        if (last != (comma == std::string::npos))
            return std::nullopt;
        const std::string_view field =
            std::string_view(text).substr(start, last ? std::string::npos : comma - start);
        const auto value = WholeNumberIn(field, -kMaxAdjustOptionMinutes, kMaxAdjustOptionMinutes);
        if (!value)
            return std::nullopt;
        minutes[i] = *value;
        start = comma + 1;
    }
    return minutes;
}

struct Choice
{
    const char* key;
    int value;
};

constexpr std::array<Choice, 2> kRoundingChoices = {{
    {"Truncate", static_cast<int>(Rounding::kTruncate)},
    {"Nearest", static_cast<int>(Rounding::kNearest)},
}};
constexpr std::array<Choice, 4> kHighLatitudeChoices = {{
    {"Reference45", static_cast<int>(HighLatitudeRule::kReference45)},
    {"MiddleOfNight", static_cast<int>(HighLatitudeRule::kMiddleOfNight)},
    {"OneSeventh", static_cast<int>(HighLatitudeRule::kOneSeventh)},
    {"TwilightAngle", static_cast<int>(HighLatitudeRule::kTwilightAngle)},
}};
constexpr std::array<Choice, 2> kPolarDaysChoices = {{
    {"None", static_cast<int>(PolarDays::kNone)},
    {"NearestLatitude", static_cast<int>(PolarDays::kNearestLatitude)},
}};
constexpr std::array<Choice, 2> kHijriCalendarChoices = {{
    {"Civil", static_cast<int>(HijriCalendar::kCivil)},
    {"UmmAlQura", static_cast<int>(HijriCalendar::kUmmAlQura)},
}};
constexpr std::array<Choice, 2> kClockChoices = {{{"12", 12}, {"24", 24}}};

template <std::size_t N>
const Choice* FindChoice(const std::array<Choice, N>& choices, const std::string& typed)
{
    for (const Choice& choice : choices)
        if (EqualIgnoringAsciiCase(typed, choice.key))
            return &choice;
    return nullptr;
}

template <std::size_t N> std::string ChoiceList(const std::array<Choice, N>& choices)
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + choices[i].key;
    return list;
}

template <std::size_t N> const char* KeyOf(const std::array<Choice, N>& choices, int value)
{
    for (const Choice& choice : choices)
        if (choice.value == value)
            return choice.key;
    return choices.front().key;
}

template <std::size_t N>
std::optional<std::string> CanonicalChoice(const std::array<Choice, N>& choices,
                                           const std::string& name, const std::string& value,
                                           std::string* reason)
{
    if (const Choice* choice = FindChoice(choices, value))
        return std::string(choice->key);
    if (reason != nullptr)
        *reason = name + " must be " + ChoiceList(choices) + ", not \"" + value + "\"";
    return std::nullopt;
}

std::string MethodKeys()
{
    std::string keys;
    for (const CalculationMethod& method : kCalculationMethods)
        keys += std::string(keys.empty() ? "" : ", ") + method.name;
    return keys;
}

} // namespace

MinuteAdjustments CalculationOptions::TotalAdjustments() const
{
    MinuteAdjustments total = adjust;
    if (method != nullptr)
        for (std::size_t i = 0; i < total.size(); ++i)
            total[i] += method->adjustments[i];
    return total;
}

std::optional<std::string> CalculationOptionName(const std::string& name)
{
    for (const StoredCalculationOption& known : kStoredCalculationOptions)
        if (EqualIgnoringAsciiCase(name, known.name))
            return std::string(known.name);
    return std::nullopt;
}

std::optional<std::string> CanonicalOptionValue(const std::string& typedName,
                                                const std::string& value, std::string* reason)
{
    const auto name = CalculationOptionName(typedName);
    auto refuse = [&](const std::string& why) -> std::optional<std::string>
    {
        if (reason != nullptr)
            *reason = why;
        return std::nullopt;
    };
    if (!name)
        return refuse("unknown option \"" + typedName + "\"");
    const std::string quoted = "\"" + value + "\"";
    if (*name == setting::kMethod)
    {
        if (value.empty())
            return std::string();
        if (const CalculationMethod* method = FindCalculationMethod(value))
            return std::string(method->name);
        return refuse("Method must be empty or one of " + MethodKeys() + ", not " + quoted);
    }
    if (*name == setting::kAdjust)
    {
        if (const auto minutes = ParseAdjust(value))
            return AdjustText(*minutes);
        return refuse("Adjust must be six whole minutes from -30 to 30, "
                      "\"FAJR,SUNRISE,ZUHR,ASR,MAGHRIB,ISHA\", not " +
                      quoted);
    }
    if (*name == setting::kHijriAdjust)
    {
        if (const auto days = WholeNumberIn(value, -kMaxHijriAdjustDays, kMaxHijriAdjustDays))
            return std::to_string(*days);
        return refuse("HijriAdjust must be a whole number of days from -2 to 2, not " + quoted);
    }
    if (*name == setting::kNotifyBefore)
    {
        if (const auto minutes = WholeNumberIn(value, 0, kMaxNotifyBeforeMinutes))
            return std::to_string(*minutes);
        return refuse("NotifyBefore must be a whole number of minutes from 0 (none) to 120, "
                      "not " +
                      quoted);
    }
    if (*name == setting::kLanguage)
    {
        if (value.empty())
            return std::string();
        for (const char* language : kShippedLanguages)
            if (EqualIgnoringAsciiCase(value, language))
                return std::string(language);
        std::string languages;
        for (const char* language : kShippedLanguages)
            languages += std::string(languages.empty() ? "" : ", ") + language;
        return refuse("Language must be empty (the system's) or one of " + languages + ", not " +
                      quoted);
    }
    if (*name == setting::kRounding)
        return CanonicalChoice(kRoundingChoices, *name, value, reason);
    if (*name == setting::kHighLatitude)
        return CanonicalChoice(kHighLatitudeChoices, *name, value, reason);
    if (*name == setting::kPolarDays)
        return CanonicalChoice(kPolarDaysChoices, *name, value, reason);
    if (*name == setting::kHijriCalendar)
        return CanonicalChoice(kHijriCalendarChoices, *name, value, reason);
    return CanonicalChoice(kClockChoices, *name, value, reason);
}

CalculationOptions
OptionsFromTexts(const std::function<std::optional<std::string>(const char*)>& text,
                 const std::function<void(const std::string&)>& warn)
{
    CalculationOptions options;
    for (const StoredCalculationOption& known : kStoredCalculationOptions)
    {
        const std::optional<std::string> stored = text(known.name);
        if (!stored)
            continue;
        std::string reason;
        const std::optional<std::string> value = CanonicalOptionValue(known.name, *stored, &reason);
        if (!value)
        {
            warn(reason + "; the default \"" + known.defaultValue + "\" is used");
            continue;
        }
        const std::string name = known.name;
        if (name == setting::kMethod)
            options.method = value->empty() ? nullptr : FindCalculationMethod(*value);
        else if (name == setting::kAdjust)
            options.adjust = *ParseAdjust(*value);
        else if (name == setting::kRounding)
            options.rounding = static_cast<Rounding>(FindChoice(kRoundingChoices, *value)->value);
        else if (name == setting::kHighLatitude)
            options.highLatitude =
                static_cast<HighLatitudeRule>(FindChoice(kHighLatitudeChoices, *value)->value);
        else if (name == setting::kPolarDays)
            options.polarDays =
                static_cast<PolarDays>(FindChoice(kPolarDaysChoices, *value)->value);
        else if (name == setting::kHijriCalendar)
            options.hijri.calendar =
                static_cast<HijriCalendar>(FindChoice(kHijriCalendarChoices, *value)->value);
        else if (name == setting::kHijriAdjust)
            options.hijri.adjustDays = std::stoi(*value);
        else if (name == setting::kNotifyBefore)
            options.notifyBeforeMinutes = std::stoi(*value);
        else if (name == setting::kLanguage)
            options.language = *value;
        else
            options.clock24 = *value == "24";
    }
    return options;
}

CalculationOptions ReadCalculationOptions()
{
    // Every tick reads the options again; a bad stored value is told once,
    // not every twenty seconds.
    static std::mutex toldLock;
    static std::set<std::string> told;
    return OptionsFromTexts(
        [](const char* name) -> std::optional<std::string>
        {
            std::optional<std::string> value;
            std::string text;
            // An option the store has no record of keeps the sentinel.
            text.assign(1, '\0');
            ReadSetting(name, text);
            if (text.size() != 1 || text[0] != '\0')
                value = text;
            return value;
        },
        [](const std::string& warning)
        {
            const std::lock_guard<std::mutex> guard(toldLock);
            if (told.insert(warning).second)
                std::cerr << "halvo-tavorin: warning: " << warning << '\n';
        });
}

std::string StoredOptionText(const char* name)
{
    std::string text(1, '\0');
    ReadSetting(name, text);
    if (text.size() == 1 && text[0] == '\0')
    {
        for (const StoredCalculationOption& known : kStoredCalculationOptions)
            if (std::string_view(known.name) == name)
                return known.defaultValue;
        return {};
    }
    return text;
}

bool WriteCalculationOption(const std::string& typedName, const std::string& value)
{
    const auto name = CalculationOptionName(typedName);
    const auto canonical = CanonicalOptionValue(typedName, value);
    if (!name || !canonical)
        return false;
    // Stores made before the options existed have no record of them: the
    // first write adds it, in the same transaction that looked for it.
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    {
        RecordStore store;
        if (!store.Open(kSettingsStoreName))
            return false;
        if (store.SeekFirstEqual(kSettingNameProperty, *name) < 0)
        {
            if (!store.Append({{kSettingNameProperty, *name}, {kSettingValueProperty, *canonical}}))
                return false;
            store.Close();
            return transaction.Commit();
        }
    }
    if (!WriteSetting(*name, *canonical))
        return false;
    return transaction.Commit();
}

SettingText CanonicalSettingText(const std::string& name, const std::string& value)
{
    if (const auto option = CalculationOptionName(name))
        return {*option, CanonicalOptionValue(*option, value).value_or(value)};
    SettingText text{name, value};
    for (const SettingDefault& entry : kDefaultSettings)
        if (EqualIgnoringAsciiCase(name, entry.name))
            text.name = entry.name;
    struct Enumerated
    {
        const char* setting;
        std::array<const char*, 6> spellings;
    };
    static const std::array<Enumerated, 4> kEnumerated = {{
        {setting::kAsrMethod, {"Shafi", "Hanafi"}},
        {setting::kAdhan, {"On", "Off"}},
        {setting::kAlarm, {"Alarm1", "Alarm2", "Alarm3", "Alarm4", "Alarm5", "HalvoAdhan"}},
        {setting::kIshaAngle, {kIshaNinetyMinutes}},
    }};
    for (const Enumerated& entry : kEnumerated)
        if (text.name == entry.setting)
            for (const char* spelling : entry.spellings)
                if (spelling != nullptr && EqualIgnoringAsciiCase(value, spelling))
                    text.value = spelling;
    return text;
}

const char* RoundingKey(Rounding rounding)
{
    return KeyOf(kRoundingChoices, static_cast<int>(rounding));
}

const char* HighLatitudeKey(HighLatitudeRule rule)
{
    return KeyOf(kHighLatitudeChoices, static_cast<int>(rule));
}

const char* PolarDaysKey(PolarDays polarDays)
{
    return KeyOf(kPolarDaysChoices, static_cast<int>(polarDays));
}

const char* HijriCalendarKey(HijriCalendar calendar)
{
    return KeyOf(kHijriCalendarChoices, static_cast<int>(calendar));
}

std::string AdjustText(const MinuteAdjustments& minutes)
{
    // Appended piece by piece: g++ 12 at -O3 takes a temporary joined to a
    // literal here for an overlapping copy (-Wrestrict).
    std::string text;
    for (std::size_t i = 0; i < minutes.size(); ++i)
    {
        if (i != 0)
            text += ',';
        text += std::to_string(minutes[i]);
    }
    return text;
}

} // namespace halvo
