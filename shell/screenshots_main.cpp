// Renders the program's windows offscreen into PNG files, from the data
// folder in XDG_DATA_HOME and at a fixed date, so the pictures can be
// compared from one build to the next.
//
//   halvo-screenshots OUTPUT_FOLDER [WHICH ...]
//
// WHICH is "main", a dialog template id (168) or a picture's name
// ("asr-method"); without any, every window is rendered.

#include "conventions/ui/calculation_options_dialog.h"
#include "platform/clock.h"
#include "platform/ui/framework.h"
#include "platform/ui/own_window_parent.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/adhan_switches.h"
#include "shell/main_frame.h"
#include "shell/screenshot_catalog.h"
#include "startup/startup_data.h"

#include <QPixmap>

#include <cstdio>
#include <set>
#include <string>
#include <utility>

namespace
{

class FixedClock : public halvo::Clock
{
  public:
    halvo::DateRecord Now() const override
    {
        halvo::DateRecord date = halvo::MakeDate(2026, 3, 20);
        date.dayOfWeek = 5;
        date.hour = 10;
        return date;
    }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace halvo;
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: halvo-screenshots OUTPUT_FOLDER [main|ID|NAME ...]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::set<std::string> wanted(argv + 2, argv + argc);
    auto isWanted = [&](const std::string& name, int id)
    {
        return wanted.empty() || wanted.count(name) != 0 ||
               (id != 0 && wanted.count(std::to_string(id)) != 0);
    };
    EnsureApplication();
    static const FixedClock clock;
    SetClock(&clock);

    // Before anything can speak: offscreen, a box would wait for ever.
    SetMessageBoxSink([](CWnd*, const std::string& text)
                      { std::fprintf(stderr, "message: %s\n", text.c_str()); });
    WindowMessages messages(nullptr);
    const StartupDataResult data = RunStartupDataSteps(messages);
    if (!data.ok)
    {
        std::fprintf(stderr, "halvo-screenshots: %s\n", data.failure.c_str());
        return 1;
    }
    LoadAdhanSwitches();

    // The main window as a first start shows it, then two variants: colours
    // chosen in the preferences, and a current city that is not stored.
    struct Variant
    {
        const char* file;
        const char* bg;
        const char* txt;
        const char* hr;
        const char* city;
        int width = kViewWidth;
        int height = kViewHeight;
    };
    const std::string city = ReadSetting(setting::kCityName);
    const Variant variants[] = {
        {"main.png", "9", "1", "1", city.c_str()},
        {"main-colours.png", "7", "8", "3", city.c_str()},
        {"main-missing-city.png", "9", "1", "1", "Atlantis"},
        // Resized by the user: the picture grows with the window, centred.
        {"main-large.png", "9", "1", "1", city.c_str(), 560, 420},
    };
    for (const Variant& variant : variants)
    {
        if (!isWanted("main", 0))
            break;
        // A picture of settings that were not stored would be a wrong picture.
        for (const auto& [name, value] :
             {std::pair{setting::kBg, variant.bg}, std::pair{setting::kTxt, variant.txt},
              std::pair{setting::kHr, variant.hr}, std::pair{setting::kCityName, variant.city}})
        {
            if (!WriteSetting(name, value))
            {
                std::fprintf(stderr, "halvo-screenshots: cannot store the setting %s = %s\n", name,
                             value);
                return 1;
            }
        }
        LoadScreenColours();
        CMainFrame frame;
        if (!frame.LoadFrame(FindMenu(IDR_MAINFRAME)))
            return 1;
        frame.SetPaneSize(variant.width, variant.height);
        frame.ShowWindow(true);
        ProcessPendingMessages();
        const std::string path = folder + "/" + variant.file;
        if (!frame.Snapshot().SavePng(path))
        {
            std::fprintf(stderr, "halvo-screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
        // What the paint posted (a missing city's message) before the frame goes.
        ProcessPendingMessages();
    }

    // Every dialog over the main window as a first start shows it.
    WriteSetting(setting::kCityName, city);
    WriteSetting(setting::kBg, "9");
    WriteSetting(setting::kTxt, "1");
    WriteSetting(setting::kHr, "1");
    LoadScreenColours();
    CMainFrame frame;
    if (!frame.LoadFrame(FindMenu(IDR_MAINFRAME)))
        return 1;
    frame.SetPaneSize(kViewWidth, kViewHeight);
    frame.ShowWindow(true);
    ProcessPendingMessages();
    for (const DialogShot& shot : DialogShots())
    {
        if (!isWanted(shot.file, shot.id))
            continue;
        const std::unique_ptr<CDialog> dialog = shot.make(frame);
        testing::DialogHarness harness(*dialog);
        if (shot.prepare)
            shot.prepare(harness);
        const std::string path = folder + "/" + shot.file + ".png";
        if (!harness.WindowPicture().SavePng(path))
        {
            std::fprintf(stderr, "halvo-screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }

    // Our own windows, plain Qt over the same frame.
    if (isWanted("calculation-options", 0))
    {
        CalculationOptionsDialog options(OwnWindowParent(frame));
        options.show();
        ProcessPendingMessages();
        const std::string path = folder + "/calculation-options.png";
        if (!options.grab().save(QString::fromStdString(path)))
        {
            std::fprintf(stderr, "halvo-screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
