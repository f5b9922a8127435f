// The tray icon over a main window on a set clock: its tooltip, its menu
// and the window it hides and shows; the notice before a prayer.
#include "shell/tray_icon.h"
#include "tests/support/main_window_fixture.h"

#include "platform/ui/own_window_parent.h"
#include "settings/calculation_options.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace halvo
{
namespace
{

using testing::MainWindow;

DateRecord At(int hour, int minute, int second = 0)
{
    DateRecord date = MakeDate(2026, 3, 20);
    date.hour = static_cast<std::uint16_t>(hour);
    date.minute = static_cast<std::uint16_t>(minute);
    date.second = static_cast<std::uint16_t>(second);
    return date;
}

QAction* ActionNamed(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

class Tray : public MainWindow
{
  protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        config_ = folder_ / "config";
        ::setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        WriteCalculationOption(setting::kNotifyBefore, "0");
    }

    // Seattle on 20 March 2026: Fajr 5:46 AM, Sunrise 7:12 AM, Zuhr 1:16 PM,
    // Asr 4:37 PM, Maghrib 7:21 PM, Isha 8:46 PM (daylight time).
    TrayIcon& OpenTray(const DateRecord& now)
    {
        clock_.now = now;
        OpenFrame();
        Tick();
        tray_ = std::make_unique<TrayIcon>(*frame_);
        return *tray_;
    }

    void TearDown() override
    {
        tray_.reset();
        MainWindow::TearDown();
    }

    std::filesystem::path config_;
    std::unique_ptr<TrayIcon> tray_;
};

TEST_F(Tray, ToolTipCountsDownToTheNextPrayerAcrossMidnightAndSaysTheAdhan)
{
    TrayIcon& tray = OpenTray(At(12, 4));
    EXPECT_EQ(tray.ToolTip().toStdString(), "Zuhr 1:16 PM, in 1 h 12 min");
    struct Step
    {
        DateRecord now;
        const char* toolTip;
    };
    const Step steps[] = {
        {At(16, 30, 10), "Asr 4:37 PM, in 7 min"},
        // After Isha: tomorrow's Fajr, which is two minutes earlier.
        {At(23, 0), "Fajr 5:44 AM, in 6 h 44 min"},
    };
    for (const Step& step : steps)
    {
        clock_.now = step.now;
        tray.Update();
        EXPECT_EQ(tray.ToolTip().toStdString(), step.toolTip);
    }
    // The Adhan sounds at Maghrib: the icon and the tooltip say so.
    adhanSwitches = {true, true, true, true, true, true};
    clock_.now = At(19, 21, 59);
    Tick();
    ASSERT_TRUE(player_.IsPlaying());
    EXPECT_TRUE(tray.ShowsAdhan());
    EXPECT_EQ(tray.ToolTip().toStdString(), "Maghrib now");
    tray.RefreshMenu();
    QAction* stop = ActionNamed(tray.Menu(), "Stop Adhan");
    ASSERT_NE(stop, nullptr);
    EXPECT_TRUE(stop->isVisible());
    stop->trigger();
    EXPECT_FALSE(player_.IsPlaying());
    EXPECT_FALSE(tray.ShowsAdhan());
    tray.RefreshMenu();
    EXPECT_FALSE(stop->isVisible());
}

TEST_F(Tray, MenuListsTodaysTimesWithTheNextMarked)
{
    TrayIcon& tray = OpenTray(At(14, 0));
    tray.RefreshMenu();
    const QList<QAction*> actions = tray.Menu().actions();
    ASSERT_GE(actions.size(), 6);
    const char* expected[] = {"Fajr  5:46 AM",        "Sunrise  7:12 AM", "Zuhr  1:16 PM",
                              "Asr  4:37 PM  (next)", "Maghrib  7:21 PM", "Isha  8:46 PM"};
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(actions[i]->text().toStdString(), expected[i]);
        EXPECT_EQ(actions[i]->font().bold(), i == 3) << i;
    }
    // A city that is not stored: no times, and the tooltip says why.
    WriteSetting("CityName", "Atlantis");
    ::testing::internal::CaptureStderr();
    Tick();
    tray.Update();
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(tray.ToolTip().toStdString(), "Atlantis is not in the city list");
}

TEST_F(Tray, CloseHidesToTheTrayAClickTogglesAndQuitEnds)
{
    TrayIcon& tray = OpenTray(At(12, 0));
    QWidget* window = OwnWindowParent(*frame_);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->windowHandle(), nullptr);
    // The window manager's close button: hidden, not closed.
    window->windowHandle()->close();
    ProcessPendingMessages();
    EXPECT_FALSE(frame_->IsWindowVisible());
    EXPECT_TRUE(frame_->IsCreated());

    Q_EMIT tray.Icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(frame_->IsWindowVisible());
    tray.RefreshMenu();
    QAction* showHide = ActionNamed(tray.Menu(), "Hide window");
    ASSERT_NE(showHide, nullptr);
    showHide->trigger();
    EXPECT_FALSE(frame_->IsWindowVisible());
    tray.RefreshMenu();
    EXPECT_EQ(showHide->text().toStdString(), "Show window");
    showHide->trigger();
    EXPECT_TRUE(frame_->IsWindowVisible());

    // Quit closes the window for good, as File -> Exit does.
    app_.m_pMainWnd = frame_.get();
    QAction* quit = ActionNamed(tray.Menu(), "Quit");
    ASSERT_NE(quit, nullptr);
    quit->trigger();
    ProcessPendingMessages();
    app_.m_pMainWnd = nullptr;
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Tray, StartAtLoginWritesAndRemovesTheAutostartEntry)
{
    TrayIcon& tray = OpenTray(At(12, 0));
    tray.RefreshMenu();
    QAction* login = ActionNamed(tray.Menu(), "Start at login");
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isCheckable());
    EXPECT_FALSE(login->isChecked());
    login->trigger();
    const std::filesystem::path folder = config_ / "autostart";
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
    {
        ++entries;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_NE(text.str().find("Exec=halvo-tavorin --hidden"), std::string::npos);
    }
    EXPECT_EQ(entries, 1);
    tray.RefreshMenu();
    EXPECT_TRUE(login->isChecked());
    login->trigger();
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_FALSE(login->isChecked());
}

TEST_F(MainWindow, NotifiesTheChosenMinutesBeforeASwitchedOnPrayerOnce)
{
    ASSERT_TRUE(WriteCalculationOption(setting::kNotifyBefore, "10"));
    adhanSwitches = {true, false, true, false, false, false};
    clock_.now = At(13, 5);
    OpenFrame();
    Tick();
    EXPECT_TRUE(notifier_.shown.empty());
    clock_.now = At(13, 6, 10);
    Tick();
    clock_.now = At(13, 6, 30);
    Tick();
    EXPECT_EQ(notifier_.shown, std::vector<std::string>{"Zuhr 1:16 PM in 10 min, Seattle, WA"});
    // Asr's Adhan is off: no notice before it.
    clock_.now = At(16, 30);
    Tick();
    EXPECT_EQ(notifier_.shown.size(), 1u);
    WriteCalculationOption(setting::kNotifyBefore, "0");
}

} // namespace
} // namespace halvo
