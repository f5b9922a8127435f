// Renders the program's windows offscreen into PNG files, from a freshly
// seeded data folder of its own and at a fixed date, so the pictures can be
// compared from one build to the next.
//
//   halvo-screenshots OUTPUT_FOLDER [WHICH ...]
//
// WHICH is "main", a dialog template id (168) or a picture's name
// ("asr-method"); without any, every window is rendered.

#include "conventions/ui/calculation_options_dialog.h"
#include "day/ui/timetable_window.h"
#include "locations/ui/find_city_dialog.h"
#include "platform/clock.h"
#include "platform/ui/framework.h"
#include "platform/ui/own_window_parent.h"
#include "platform/ui/translation.h"
#include "platform/ui/window_messages.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "settings/screen_colours.h"
#include "settings/settings.h"
#include "shell/adhan_switches.h"
#include "shell/main_frame.h"
#include "shell/screenshot_catalog.h"
#include "shell/tray_icon.h"
#include "startup/startup_data.h"

#include <QLineEdit>
#include <QMenu>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
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

constexpr const char* kUsage = "usage: halvo-screenshots OUTPUT_FOLDER [main|ID|NAME ...]\n";

// The pictures store colours and a city to show them: in a data folder of
// their own, made for the run and removed after it, never the user's.
class TemporaryDataFolder
{
  public:
    TemporaryDataFolder()
    {
        std::error_code error;
        std::string pattern =
            (std::filesystem::temp_directory_path(error) / "halvo-screenshots-XXXXXX").string();
        if (error)
            pattern = "/tmp/halvo-screenshots-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TemporaryDataFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TemporaryDataFolder(const TemporaryDataFolder&) = delete;
    TemporaryDataFolder& operator=(const TemporaryDataFolder&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

int Render(int argc, char** argv);

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
    {
        std::printf("%s", kUsage);
        std::printf("Renders the windows offscreen into OUTPUT_FOLDER/NAME.png from a data folder\n"
                    "of its own, at a fixed date. WHICH is \"main\", a dialog template id or a\n"
                    "picture's name; without any, every window is rendered.\n");
        return 0;
    }
    if (argc < 2)
    {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    const TemporaryDataFolder data;
    if (data.Path().empty() || ::setenv("XDG_DATA_HOME", data.Path().c_str(), 1) != 0)
    {
        std::fprintf(stderr, "halvo-screenshots: cannot make a temporary data folder\n");
        return 1;
    }
    return Render(argc, argv);
}

namespace
{

int Render(int argc, char** argv)
{
    using namespace halvo;
    const std::string folder = argv[1];
    // The output folder is made when missing, as `make screenshots` does.
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made)
    {
        std::fprintf(stderr, "halvo-screenshots: cannot make %s: %s\n", folder.c_str(),
                     made.message().c_str());
        return 1;
    }
    const std::set<std::string> wanted(argv + 2, argv + argc);
    auto isWanted = [&](const std::string& name, int id)
    {
        return wanted.empty() || wanted.count(name) != 0 ||
               (id != 0 && wanted.count(std::to_string(id)) != 0);
    };
    EnsureApplication();
    // SCREENSHOT_LANG=ar renders the windows in that language; otherwise the
    // locale's (LANG=C gives the English windows).
    const char* screenshotLanguage = std::getenv("SCREENSHOT_LANG");
    InstallLanguageOf(screenshotLanguage != nullptr ? screenshotLanguage : "");
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
        {"main-black.png", "0", "7", "10", city.c_str()},
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
    if (isWanted("find-city", 0))
    {
        FindCityDialog find(OwnWindowParent(frame));
        find.show();
        ProcessPendingMessages();
        find.findChild<QLineEdit*>("search")->setText("mak");
        ProcessPendingMessages();
        const std::string path = folder + "/find-city.png";
        if (!find.grab().save(QString::fromStdString(path)))
        {
            std::fprintf(stderr, "halvo-screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    if (isWanted("timetable", 0))
    {
        TimetableWindow timetable(LocalNow(), OwnWindowParent(frame));
        timetable.show();
        ProcessPendingMessages();
        const std::string path = folder + "/timetable.png";
        if (!timetable.grab().save(QString::fromStdString(path)))
        {
            std::fprintf(stderr, "halvo-screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    if (isWanted("tray-menu", 0))
    {
        // The tray icon's menu as it opens: today's times, the next marked.
        TrayIcon tray(frame);
        tray.RefreshMenu();
        tray.Menu().popup(QPoint(0, 0));
        ProcessPendingMessages();
        const std::string path = folder + "/tray-menu.png";
        const bool saved = tray.Menu().grab().save(QString::fromStdString(path));
        tray.Menu().hide();
        if (!saved)
        {
            std::fprintf(stderr, "halvo-screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}

} // namespace
