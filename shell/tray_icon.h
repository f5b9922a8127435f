#pragma once

// The program's icon in the desktop's tray (a StatusNotifierItem where a
// watcher runs, XEmbed otherwise): the next prayer in its tooltip, today's
// times and the window's commands in its menu. With it, closing the window
// hides it to the tray.

#include "day/prayer_status.h"
#include "platform/ui/desktop_notifier.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace halvo
{

class CMainFrame;

// Whether the desktop shows tray icons now.
bool DesktopHasTray();

class TrayIcon : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(TrayIcon)

  public:
    explicit TrayIcon(CMainFrame& frame);
    ~TrayIcon() override;

    // Tooltip, menu and icon for the clock now.
    void Update();

    // For tests and pictures.
    QSystemTrayIcon& Icon() { return *icon_; }
    QMenu& Menu() { return *menu_; }
    QString ToolTip() const;
    bool ShowsAdhan() const { return showsAdhan_; }
    void Activate();    // a left click on the icon
    void RefreshMenu(); // what the menu shows as it opens

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PrayerStatus StatusNow() const;
    void FillMenu(const PrayerStatus& status);
    void ToggleWindow();
    void SetStartAtLogin(bool on);
    void ScheduleNextMinute();
    // Called by the frame after each Adhan check or stop.
    void AdhanStateMayHaveChanged();

    CMainFrame& frame_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::unique_ptr<QMenu> menu_;
    std::array<QAction*, 6> rows_{};
    QAction* showHide_ = nullptr;
    QAction* stopAdhan_ = nullptr;
    QAction* startAtLogin_ = nullptr;
    QTimer* minuteTimer_ = nullptr;
    bool showsAdhan_ = false;
    bool closeToldOnce_ = false;
    DesktopNotifier notices_;
};

} // namespace halvo
