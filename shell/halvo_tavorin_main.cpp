#include "shell/command_line.h"
#include "shell/prayer_app.h"
#include "shell/timetable_pdf.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// Help and version go to stdout; a failed write is a failure, not a silent 0.
int Print(const std::string& text)
{
    const bool written = std::fputs(text.c_str(), stdout) >= 0;
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace halvo;
    const std::vector<std::string> arguments(argv, argv + argc);
    // Help and version still win over it, as for a start with a window.
    const StartRequest start =
        ReadStartRequest(arguments, [](const char* name) { return std::getenv(name); });
    if (start != StartRequest::kHelp && start != StartRequest::kVersion)
    {
        if (const auto pdf = ReadTimetablePdfRequest(arguments))
            return RunTimetablePdf(*pdf, argc, argv);
    }
    switch (start)
    {
    case StartRequest::kHelp:
        return Print(DesktopUsageText());
    case StartRequest::kVersion:
        return Print(DesktopVersionText());
    case StartRequest::kNoDisplay:
        // Before the toolkit, which would abort with a plugin message.
        std::fprintf(stderr, "%s\n", kNoDisplayMessage);
        return 1;
    case StartRequest::kRun:
        break;
    }
    CPrayerApp app;
    app.SetStartHidden(StartsHidden(arguments));
    return app.Run(argc, argv);
}
