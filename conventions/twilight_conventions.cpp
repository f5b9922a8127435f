#include "conventions/twilight_conventions.h"

#include "settings/calculation_options.h"

#include "platform/store/record_store.h"
#include "platform/text/collation.h"
#include "platform/text/number_text.h"
#include "platform/text/plain_text.h"
#include "platform/text/utf8.h"
#include "settings/settings.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace halvo
{

namespace
{

// Names are handled in buffers of 1024 UTF-16 units.
constexpr std::size_t kMaxNameUnits = 1023;

Convention FromRecord(const Record& record)
{
    return Convention{TextProperty(record, kConventionNameProperty),
                      TextProperty(record, kConventionFajrProperty),
                      TextProperty(record, kConventionIshaProperty)};
}

Record ConventionRecord(const Convention& convention)
{
    Record record;
    record.reserve(3);
    PutProperty(record, kConventionNameProperty, convention.name);
    PutProperty(record, kConventionFajrProperty, convention.fajr);
    PutProperty(record, kConventionIshaProperty, convention.isha);
    return record;
}

// Creates the store and seeds the built-ins inside the caller's transaction.
bool CreateSeededStore(RecordStore& store)
{
    const StoreIdentity identity =
        RecordStore::Create(kConventionsStoreName, kConventionsStoreType,
                            {{kConventionNameProperty, kSortCaseInsensitive}});
    if (identity == 0 || !store.Open(identity))
    {
        return false;
    }
    for (const Convention& convention : BuiltInConventions())
    {
        if (!store.Append(ConventionRecord(convention)))
        {
            return false;
        }
    }
    return true;
}

} // namespace

const std::array<Convention, 5>& BuiltInConventions()
{
    static const std::array<Convention, 5> builtIns = {{
        {"Egyptian General Organization of Surveying", "195", "175"},
        {"Islamic Society of North America", "150", "150"},
        {"Um Ul-Qura, Makkah", "190", kNinetyMinutesAfterMaghrib},
        {"University of Islamic Sciences, Karachi", "180", "180"},
        {"World Islamic League", "180", "170"},
    }};
    return builtIns;
}

bool EnsureConventionStore()
{
    if (RecordStore::Exists(kConventionsStoreName))
    {
        return true;
    }
    StoreTransaction transaction;
    RecordStore store;
    if (!transaction.Active() || !CreateSeededStore(store))
    {
        return false;
    }
    store.Close();
    return transaction.Commit();
}

std::vector<std::string> ListConventions()
{
    std::vector<std::string> names;
    RecordStore store;
    if (!store.Open(kConventionsStoreName))
    {
        return names;
    }
    while (auto record = store.ReadCurrent())
    {
        names.push_back(TextProperty(*record, kConventionNameProperty));
    }
    return names;
}

std::vector<Convention> ReadAllConventions()
{
    std::vector<Convention> conventions;
    RecordStore store;
    if (!store.Open(kConventionsStoreName))
    {
        return conventions;
    }
    while (auto record = store.ReadCurrent())
    {
        conventions.push_back(FromRecord(*record));
    }
    return conventions;
}

std::optional<Convention> FindConvention(const std::string& name)
{
    RecordStore store;
    if (!store.Open(kConventionsStoreName) ||
        store.SeekFirstEqual(kConventionNameProperty, name) < 0)
    {
        return std::nullopt;
    }
    const auto record = store.ReadCurrent();
    if (!record)
    {
        return std::nullopt;
    }
    return FromRecord(*record);
}

bool ValidateConventionName(const std::string& name, std::string* reason)
{
    auto refuse = [&](const char* why)
    {
        if (reason != nullptr)
            *reason = why;
        return false;
    };
    if (name.empty())
        return refuse("a twilight convention needs a name");
    if (!IsValidUtf8(name))
        return refuse("a twilight convention's name must be UTF-8 text");
    if (Utf16Length(name) > kMaxNameUnits)
        return refuse("a twilight convention's name holds at most 1023 characters");
    if (!IsPrintableUtf8(name))
        return refuse("a twilight convention's name must not hold control characters");
    return true;
}

bool IsAngleText(std::string_view text, bool isha)
{
    if (isha && text == kNinetyMinutesAfterMaghrib)
    {
        return true;
    }
    if (text.starts_with('-'))
    {
        text.remove_prefix(1);
    }
    // Up to ten digits within the 32-bit range, as the conversion makes them.
    std::int64_t value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
        {
            return false;
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
        {
            return false;
        }
    }
    return !text.empty();
}

int FindConventionPosition(const std::string& name)
{
    RecordStore store;
    if (!store.Open(kConventionsStoreName))
    {
        return -1;
    }
    return store.SeekFirstEqual(kConventionNameProperty, name);
}

bool AddConvention(const std::string& name, const std::string& fajrText,
                   const std::string& ishaText)
{
    // Whatever enters the store is shown in lists and printed as JSON later,
    // so it must be text that can be.
    if (!ValidateConventionName(name) || !IsAngleText(fajrText, false) ||
        !IsAngleText(ishaText, true))
    {
        return false;
    }
    StoreTransaction transaction;
    if (!transaction.Active())
    {
        return false;
    }
    RecordStore store;
    if (RecordStore::Exists(kConventionsStoreName))
    {
        if (!store.Open(kConventionsStoreName))
        {
            return false;
        }
    }
    else if (!CreateSeededStore(store))
    {
        return false;
    }
    if (!store.Append(ConventionRecord({name, fajrText, ishaText})))
    {
        return false;
    }
    store.Close();
    return transaction.Commit();
}

bool SelectConvention(const std::string& name)
{
    const auto convention = FindConvention(name);
    if (!convention)
    {
        return false;
    }
    // The name and its angles belong together: one commit, or none of them.
    StoreTransaction transaction;
    if (!transaction.Active())
    {
        return false;
    }
    // The name as given, as the dialog passes its list entry. A chosen
    // convention means its own angles, so a published method in force is
    // set aside.
    const bool methodInForce = !StoredOptionText(setting::kMethod).empty();
    return WriteSetting(setting::kKQMethod, name) &&
           WriteSetting(setting::kFajrAngle, convention->fajr) &&
           WriteSetting(setting::kIshaAngle, convention->isha) &&
           (!methodInForce || WriteCalculationOption(setting::kMethod, "")) && transaction.Commit();
}

double AngleTextToDegrees(std::string_view text)
{
    if (text == kNinetyMinutesAfterMaghrib)
    {
        text = "90";
    }
    return LeadingInteger(text) * 0.1;
}

std::string AngleTextForDisplay(std::string_view text)
{
    if (text == kNinetyMinutesAfterMaghrib)
    {
        return std::string(text);
    }
    const float degrees = static_cast<float>(LeadingInteger(text) * 0.1);
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.1f", static_cast<double>(degrees));
    return shown;
}

std::optional<std::string> DegreesToAngleText(std::string_view typed)
{
    std::size_t i = 0;
    while (i < typed.size() && (typed[i] == ' ' || typed[i] == '\t'))
    {
        ++i;
    }
    if (i < typed.size() && typed[i] == '+')
    {
        ++i;
    }
    float degrees = 0;
    const auto parsed = std::from_chars(typed.data() + i, typed.data() + typed.size(), degrees,
                                        std::chars_format::general);
    if (parsed.ec != std::errc{} || !std::isfinite(degrees))
    {
        return std::nullopt;
    }
    // Single precision throughout, as the dialog computes: 19.35f x 10 is
    // 193.49998, which truncates to 193.
    const float tenths = degrees * 10.0f;
    if (!(std::fabs(tenths) < 2147483520.0f))
    {
        return std::nullopt;
    }
    return std::to_string(static_cast<std::int32_t>(tenths));
}

namespace
{

// The tenths text of a typed angle, or why there is none.
std::optional<std::string> TypedAngleText(std::string_view typed, TypedAngleProblem& problem)
{
    std::string number(TrimBlanks(typed));
    problem = TypedAngleProblem::kEmpty;
    if (number.empty())
        return std::nullopt;
    problem = TypedAngleProblem::kNotAnAngle;
    // "+18" is a number as people write it; "+-18" and "++18" are not.
    if (number.front() == '+')
    {
        number.erase(0, 1);
        if (number.empty() || number.front() == '+' || number.front() == '-')
            return std::nullopt;
    }
    float degrees = 0;
    const char* end = number.data() + number.size();
    const auto parsed = std::from_chars(number.data(), end, degrees, std::chars_format::general);
    if (parsed.ec != std::errc{} || parsed.ptr != end || !std::isfinite(degrees) ||
        !(degrees > 0.0f && degrees < 90.0f))
        return std::nullopt;
    auto text = DegreesToAngleText(number);
    if (!text)
        return std::nullopt;
    // 0.05 degrees would be stored as "0": no angle at all.
    if (LeadingInteger(*text) < 1)
    {
        problem = TypedAngleProblem::kUnderATenth;
        return std::nullopt;
    }
    problem = TypedAngleProblem::kNone;
    return text;
}

} // namespace

std::optional<std::string> TypedAngleToText(std::string_view typed)
{
    TypedAngleProblem problem = TypedAngleProblem::kNone;
    return TypedAngleText(typed, problem);
}

TypedAngleProblem CheckTypedAngle(std::string_view typed)
{
    TypedAngleProblem problem = TypedAngleProblem::kNone;
    TypedAngleText(typed, problem);
    return problem;
}

CheckedConventionEntry CheckConventionEntry(std::string_view name, std::string_view fajr,
                                            std::string_view isha)
{
    using Problem = ConventionEntryProblem;
    const auto refuse = [](Problem problem) {
        return CheckedConventionEntry{std::nullopt, problem};
    };
    Convention convention{std::string(TrimBlanks(name)), {}, {}};
    if (convention.name.empty())
        return refuse(Problem::kNoName);
    if (ConventionNameTaken(convention.name))
        return refuse(Problem::kNameTaken);
    struct Angle
    {
        std::string_view typed;
        std::string& stored;
        Problem empty, bad, underATenth;
    };
    for (const Angle& angle : {Angle{fajr, convention.fajr, Problem::kNoFajr, Problem::kBadFajr,
                                     Problem::kFajrUnderATenth},
                               Angle{isha, convention.isha, Problem::kNoIsha, Problem::kBadIsha,
                                     Problem::kIshaUnderATenth}})
    {
        TypedAngleProblem problem = TypedAngleProblem::kNone;
        const std::optional<std::string> text = TypedAngleText(angle.typed, problem);
        switch (problem)
        {
        case TypedAngleProblem::kNone:
            angle.stored = *text;
            break;
        case TypedAngleProblem::kEmpty:
            return refuse(angle.empty);
        case TypedAngleProblem::kNotAnAngle:
            return refuse(angle.bad);
        case TypedAngleProblem::kUnderATenth:
            return refuse(angle.underATenth);
        }
    }
    return {std::move(convention), Problem::kNone};
}

const char* ConventionEntryMessage(ConventionEntryProblem problem)
{
    // The messages have two blanks after "added!".
    switch (problem)
    {
    case ConventionEntryProblem::kNone:
        break;
    case ConventionEntryProblem::kNoName:
        return "Your method cannot be added!  You must enter a Method Name";
    case ConventionEntryProblem::kNameTaken:
        return "Your method cannot be added!  There is already a method with this name";
    case ConventionEntryProblem::kNoFajr:
        return "Your method cannot be added!  You must enter the Fajr Twilight Angle";
    case ConventionEntryProblem::kBadFajr:
        return "Your method cannot be added!  The Fajr Twilight Angle must be a number between 0 "
               "and 90";
    case ConventionEntryProblem::kFajrUnderATenth:
        return "Your method cannot be added!  The Fajr Twilight Angle must be at least 0.1";
    case ConventionEntryProblem::kNoIsha:
        return "Your method cannot be added!  You must enter the Isha Twilight Angle";
    case ConventionEntryProblem::kBadIsha:
        return "Your method cannot be added!  The Isha Twilight Angle must be a number between 0 "
               "and 90";
    case ConventionEntryProblem::kIshaUnderATenth:
        return "Your method cannot be added!  The Isha Twilight Angle must be at least 0.1";
    }
    return "";
}

std::optional<int> RowOfStoredConvention(const std::vector<std::string>& names,
                                         std::string_view stored)
{
    for (std::size_t row = 0; row < names.size(); ++row)
        if (names[row] == stored)
            return static_cast<int>(row);
    for (std::size_t row = 0; row < names.size(); ++row)
        if (CompareCaseInsensitive(names[row], stored) == 0)
            return static_cast<int>(row);
    return std::nullopt;
}

bool ConventionNameTaken(std::string_view name)
{
    const std::string wanted(TrimBlanks(name));
    auto same = [&wanted](const std::string& stored)
    { return CompareCaseInsensitive(TrimBlanks(stored), wanted) == 0; };
    if (!RecordStore::Exists(kConventionsStoreName))
    {
        // Adding creates the store with the built-ins first.
        for (const Convention& convention : BuiltInConventions())
        {
            if (same(convention.name))
            {
                return true;
            }
        }
        return false;
    }
    for (const std::string& stored : ListConventions())
    {
        if (same(stored))
        {
            return true;
        }
    }
    return false;
}

} // namespace halvo
