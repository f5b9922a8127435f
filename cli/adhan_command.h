#pragma once

namespace CLI
{
class App;
}

namespace halvo::cli
{

// adhan: the Adhan's switches, sound and repeats, the next prayer and
// whether the system will start the program for it.
void AddAdhanCommand(CLI::App& app);

} // namespace halvo::cli
