#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo
{

// A named pair of twilight angles as stored: tenths of a degree as decimal
// text, or for Isha the literal kNinetyMinutesAfterMaghrib.
struct Convention
{
    std::string name;
    std::string fajr;
    std::string isha;
};

inline constexpr const char* kConventionsStoreName = "Twilight Methods";
inline constexpr std::uint32_t kConventionsStoreType = 12360;
inline constexpr std::uint16_t kConventionNameProperty = 106;
inline constexpr std::uint16_t kConventionFajrProperty = 107;
inline constexpr std::uint16_t kConventionIshaProperty = 108;

inline constexpr const char* kNinetyMinutesAfterMaghrib = "90 min after Maghrib";

// The five conventions of Islamic organisations, in the order they are seeded.
const std::array<Convention, 5>& BuiltInConventions();

// Creates "Twilight Methods" with the built-ins when it does not exist yet.
bool EnsureConventionStore();
// Every method name in store order.
std::vector<std::string> ListConventions();
// Every method with its angles, in list order.
std::vector<Convention> ReadAllConventions();
// The angles of the first method of that name (case-insensitive), if any.
std::optional<Convention> FindConvention(const std::string& name);
// Whether a text may be stored as a method name: not empty, UTF-8 without
// control characters, at most 1023 characters (UTF-16 units, as the stores
// count). On refusal, reason (when given) says why in one line.
bool ValidateConventionName(const std::string& name, std::string* reason = nullptr);
// Whether a text is an angle text the store holds: tenths of a degree as a
// whole decimal number ("195", "-50"), or for Isha the 90-minute text.
bool IsAngleText(std::string_view text, bool isha);

// Position in list order of the method FindConvention picks for that name:
// the first one equal to it under the store's case-insensitive comparison.
// -1 when there is none.
int FindConventionPosition(const std::string& name);
// What Add Twilight Angles says when the store did not take the method.
inline constexpr char kConventionNotWrittenMessage[] =
    "Your method cannot be added!  The list of methods could not be written";
// Adds a method (a repeated name is added again). A store that does not
// exist yet is created with the built-ins first, so they are never lost.
// False, with nothing stored, when the name or an angle text is refused.
bool AddConvention(const std::string& name, const std::string& fajrText,
                   const std::string& ishaText);
// Copies a method's name and angles into KQMethod, FajrAngle and IshaAngle;
// false, with the settings unchanged, when no method has that name.
bool SelectConvention(const std::string& name);

// Angle text to the degrees the engine takes: integer x 0.1, and the
// 90-minute text as exactly 9.0.
double AngleTextToDegrees(std::string_view text);
// Angle text as the conventions dialog shows it: "19.5", or the 90-minute
// text unchanged.
std::string AngleTextForDisplay(std::string_view text);
// Degrees typed by the user to angle text, in single precision and
// truncated as the add dialog stores them: 19.5 gives "195", 19.35 "193".
// Empty when the text does not start with a number.
std::optional<std::string> DegreesToAngleText(std::string_view typed);

// An angle typed into the add dialog, as the tenths text it stores: only a
// text that is a number as a whole (blanks around it and a leading "+"
// allowed), strictly between 0 and 90 degrees and at least a tenth. Empty
// otherwise.
std::optional<std::string> TypedAngleToText(std::string_view typed);

// Why a typed angle is not taken, so each reason gets its own message.
enum class TypedAngleProblem
{
    kNone,
    kEmpty,       // nothing but blanks
    kNotAnAngle,  // not a number as a whole, or not between 0 and 90
    kUnderATenth, // above 0, but it would be stored as "0"
};
TypedAngleProblem CheckTypedAngle(std::string_view typed);

// A convention as typed into the add dialog or given to `tavorin conventions
// add`, checked in the dialog's order: name, Fajr, Isha. The name is
// trimmed, and one that differs from a stored name only in case or blanks
// around it is taken already.
enum class ConventionEntryProblem
{
    kNone,
    kNoName,
    kNameTaken,
    kNoFajr,
    kBadFajr,
    kFajrUnderATenth,
    kNoIsha,
    kBadIsha,
    kIshaUnderATenth,
};
struct CheckedConventionEntry
{
    std::optional<Convention> convention; // name and tenths texts to store
    ConventionEntryProblem problem = ConventionEntryProblem::kNone;
};
CheckedConventionEntry CheckConventionEntry(std::string_view name, std::string_view fajr,
                                            std::string_view isha);
// The add dialog's message for a problem; empty for kNone.
const char* ConventionEntryMessage(ConventionEntryProblem problem);

// The row of the conventions list that holds the stored KQMethod itself:
// the same text, else the first equal to it but for case. None when no
// entry is; a prefix search would pick a longer name first.
std::optional<int> RowOfStoredConvention(const std::vector<std::string>& names,
                                         std::string_view stored);

// Whether a name is a stored convention's (the built-ins when the store does
// not exist yet) but for case or surrounding blanks: adding it would make a
// second entry people cannot tell from the first.
bool ConventionNameTaken(std::string_view name);

} // namespace halvo
