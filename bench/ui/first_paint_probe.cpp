// The desktop program's own start-up, ended right after the first paint.
// Prints the resident memory at that moment in kB.

#include "shell/prayer_app.h"
#include "shell/prayer_view.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace
{

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

class FirstPaintProbe : public halvo::CPrayerApp
{
  public:
    bool InitInstance() override
    {
        if (!CPrayerApp::InitInstance())
            return false;
        // The window is painted once the platform has exposed it.
        for (int round = 0; round < 1000 && halvo::dayTexts[0].empty(); ++round)
            halvo::ProcessMessagesFor(1);
        painted_ = !halvo::dayTexts[0].empty();
        std::printf("rss_kb %ld\n", ResidentKilobytes());
        return false; // no message loop: the first paint is done
    }
    int ExitInstance() override { return painted_ ? 0 : 1; }

  private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    FirstPaintProbe app;
    return app.Run(argc, argv);
}
