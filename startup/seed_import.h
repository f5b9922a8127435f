#pragma once

#include "platform/user_messages.h"

#include <filesystem>
#include <string>

namespace halvo
{

inline constexpr const char* kMainCitiesFile = "HalvoCities.txt";
inline constexpr const char* kMoreCitiesFile = "HalvoCities2.txt";
inline constexpr const char* kZonesFile = "HalvoZones.txt";

// What an importer did. A failure (a store that cannot be created or
// written) carries one line saying what failed and where; start-up ends on it.
struct ImportResult
{
    bool ok = true;
    std::string failure;
    int imported = 0;
    int skipped = 0;
};

// Each importer checks for its table and builds it in one transaction, and
// deletes its seed file only after the commit, so a process killed at any
// moment leaves either nothing imported with the file still there, or
// everything, and two imports at once never store a list twice. Damaged
// lines are skipped with a warning naming the file and the line. A seed
// path that is not a regular file is never read nor deleted (a warning);
// a missing one imports nothing.

// Main city list, only when "Cities List" does not exist yet; the file is
// deleted either way. A file that cannot be read while the table is missing
// is a failure.
ImportResult ImportCities(const std::filesystem::path& windowsFolder, UserMessages& messages);
// Supplementary list, added to "Cities List" whether or not it exists;
// cities whose name is already stored are left out. A file that cannot be
// read is a warning.
ImportResult ImportMoreCities(const std::filesystem::path& windowsFolder, UserMessages& messages);
// Zones, only when "Timezones List" does not exist yet; the file is deleted
// either way. A file that cannot be read while the table is missing is a
// failure.
ImportResult ImportTimeZones(const std::filesystem::path& windowsFolder, UserMessages& messages);
// The import of a shipped seed file (chosen by its name) read where it was
// installed, for when its name in windows/ is taken by something that is not
// a regular file. The shipped file is never deleted.
ImportResult ImportShippedFile(const std::filesystem::path& file, UserMessages& messages);

} // namespace halvo
