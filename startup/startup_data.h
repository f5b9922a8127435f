#pragma once

#include "platform/user_messages.h"

#include <filesystem>
#include <string>

namespace halvo
{

// Where the seed files and sounds that ship with the program are: the
// HALVO_DATA_DIR environment variable when set, the source tree's data/ for
// a program run from its build tree, else the installed share folder.
std::filesystem::path ShippedDataFolder();

struct StartupDataResult
{
    bool ok = true;
    std::string failure; // one line: what failed and where
};

// The data steps every start runs before anything else, in the desktop
// program and in tavorin alike:
//  - installation: a device folder that does not exist yet is created and
//    the shipped seed files are copied into its windows/ folder;
//  - the database is opened (a damaged file is moved aside, with a warning);
//  - self-healing: no "Settings" store and no main city file means the
//    database was lost, so the shipped seed files are copied again;
//  - a main city file present: the old location registry keys go, the
//    default settings are installed, CityName becomes "Seattle, WA", the
//    cities are imported;
//  - a supplementary city file is imported; a zone file present: the old
//    zone registry keys go and the zones are imported.
// A failure is shown through messages as one line and the program must end.
StartupDataResult RunStartupDataSteps(UserMessages& messages);

} // namespace halvo
