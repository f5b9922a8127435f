#pragma once

#include "platform/user_messages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace halvo
{

// Where the seed files and sounds that ship with the program are looked
// for, in order: only HALVO_DATA_DIR when it is set; else the share folder
// beside the program (<bindir>/../share/halvo-tavorin, wherever the
// installation was moved), the source tree's data/ for a program run from
// its build tree, and the share folder of the configured prefix.
std::vector<std::filesystem::path> ShippedDataFolders();
// The first of them that holds the main city file; the first of all when
// none does.
std::filesystem::path ShippedDataFolder();

struct StartupDataResult
{
    bool ok = true;
    std::string failure; // one line: what failed and where
};

// The data steps every start runs before anything else, in the desktop
// program and in tavorin alike, one start at a time (a lock file beside the
// database; a start that finds another at it waits):
//  - the device folder and its windows/ folder are created when missing and
//    kept private to the user;
//  - the database is opened (a damaged file is moved aside, with a warning);
//  - repair: a store that lacks its settings, cities or zones (a first
//    start, or one after a start that was killed) gets the shipped seed
//    files of the missing tables, and the missing sounds, copied into
//    windows/ whole or not at all;
//  - a main city file present: the old location registry keys go;
//  - settings: a new table gets the defaults and CityName "Seattle, WA" in
//    one commit; an existing one only gains the settings it lacks;
//  - the seed files present are imported (cities, supplementary cities,
//    then zones, whose old registry keys go first).
// A failure is shown through messages as one line and the program must end.
StartupDataResult RunStartupDataSteps(UserMessages& messages);

} // namespace halvo
