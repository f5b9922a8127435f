#include "shell/tray_icon.h"

#include "engine/hijri_calendar.h"
#include "platform/autostart.h"
#include "platform/clock.h"
#include "platform/ui/own_window_parent.h"
#include "resources/resource_ids.h"
#include "shell/adhan_switches.h"
#include "shell/main_frame.h"
#include "shell/tray_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace halvo
{

namespace
{

// Tomorrow's day is computed only after Isha; its city's message was
// already given by today's.
class NoMessages : public UserMessages
{
  public:
    void Show(const std::string&) override {}
    void Warn(const std::string&) override {}
};

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/halvo/icon_%1.png").arg(IDI_PROGRAM));
}

// The program icon with a sounding dot in its corner: the Adhan plays.
QIcon AdhanIcon()
{
    QPixmap picture = ProgramIcon().pixmap(64, 64);
    if (picture.isNull())
        picture = QPixmap(64, 64);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(QColor(0xD3, 0x2F, 0x2F));
    painter.drawEllipse(QRectF(34, 34, 28, 28));
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(40, 40, 16, 16), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(44, 44, 8, 8), -50 * 16, 100 * 16);
    return QIcon(picture);
}

bool StartsAtLogin()
{
    const std::string path = AutostartPath(HALVO_APP_ID);
    return !path.empty() && ReadAutostart(path) == AutostartState::kOn;
}

} // namespace

bool DesktopHasTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

TrayIcon::TrayIcon(CMainFrame& frame)
    : frame_(frame), icon_(std::make_unique<QSystemTrayIcon>()), menu_(std::make_unique<QMenu>())
{
    // Enabled, so the times read as clearly as the commands; a click on
    // one shows the window with the whole day.
    for (QAction*& row : rows_)
        row = menu_->addAction(QString(), this,
                               [this]
                               {
                                   frame_.ShowWindow(true);
                                   frame_.BringToFront();
                               });
    menu_->addSeparator();
    showHide_ = menu_->addAction(tr("Show window"), this, [this] { ToggleWindow(); });
    stopAdhan_ = menu_->addAction(tr("Stop Adhan"), this, [this] { frame_.StopAdhan(); });
    startAtLogin_ = menu_->addAction(tr("Start at login"));
    startAtLogin_->setCheckable(true);
    connect(startAtLogin_, &QAction::triggered, this, [this](bool on) { SetStartAtLogin(on); });
    menu_->addSeparator();
    menu_->addAction(tr("Quit"), this, [this] { frame_.SendCommand(ID_APP_EXIT); });
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] { RefreshMenu(); });

    icon_->setContextMenu(menu_.get());
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason)
            {
                if (reason == QSystemTrayIcon::Trigger)
                    Activate();
            });

    minuteTimer_ = new QTimer(this);
    minuteTimer_->setSingleShot(true);
    minuteTimer_->setTimerType(Qt::PreciseTimer);
    connect(minuteTimer_, &QTimer::timeout, this,
            [this]
            {
                Update();
                ScheduleNextMinute();
            });

    if (QWidget* window = OwnWindowParent(frame_))
        window->installEventFilter(this);
    frame_.SetAdhanListener([this] { AdhanStateMayHaveChanged(); });

    Update();
    icon_->show();
    ScheduleNextMinute();
}

TrayIcon::~TrayIcon()
{
    frame_.SetAdhanListener({});
    if (QWidget* window = OwnWindowParent(frame_))
        window->removeEventFilter(this);
}

PrayerStatus TrayIcon::StatusNow() const
{
    const DateRecord now = LocalNow();
    NoMessages quiet;
    DayComputation today = frame_.Today();
    const DateRecord& day = today.engine.date;
    // The minute may come before the tick that moves the frame on to a new day.
    if (day.year != now.year || day.month != now.month || day.day != now.day)
        today = ComputeDay(MakeDate(now.year, now.month, now.day), quiet);
    return PrayerStatusAt(
        today,
        [&quiet, &now]
        { return ComputeDay(DaysLater(MakeDate(now.year, now.month, now.day), 1), quiet); },
        adhanSwitches, frame_.AdhanPlaying(), now);
}

QString TrayIcon::ToolTip() const
{
    return icon_->toolTip();
}

void TrayIcon::Update()
{
    showsAdhan_ = frame_.AdhanPlaying();
    icon_->setIcon(showsAdhan_ ? AdhanIcon() : ProgramIcon());
    const PrayerStatus status = StatusNow();
    icon_->setToolTip(TrayTexts::ToolTip(status));
    FillMenu(status);
}

void TrayIcon::RefreshMenu()
{
    FillMenu(StatusNow());
}

void TrayIcon::FillMenu(const PrayerStatus& status)
{
    const auto rows = PrayerRows(frame_.Today(), status);
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        rows_[i]->setText(TrayTexts::Row(rows[i]));
        QFont font = rows_[i]->font();
        font.setBold(rows[i].next);
        rows_[i]->setFont(font);
    }
    showHide_->setText(frame_.IsWindowVisible() ? tr("Hide window") : tr("Show window"));
    stopAdhan_->setVisible(frame_.AdhanPlaying());
    startAtLogin_->setChecked(StartsAtLogin());
}

void TrayIcon::Activate()
{
    ToggleWindow();
}

void TrayIcon::ToggleWindow()
{
    if (frame_.IsWindowVisible())
    {
        frame_.ShowWindow(false);
        return;
    }
    frame_.ShowWindow(true);
    frame_.BringToFront();
}

void TrayIcon::SetStartAtLogin(bool on)
{
    // The same entry `tavorin autostart` writes.
    const std::string path = AutostartPath(HALVO_APP_ID);
    std::string error = "no folder for the autostart entry: HOME is not set";
    const bool done = !path.empty() && (on ? WriteAutostart(path, AutostartEntry(), error)
                                           : RemoveAutostart(path, error));
    if (!done)
        notices_.Ask(tr("Start at login could not be changed").toStdString(), error, {}, {});
    startAtLogin_->setChecked(StartsAtLogin());
}

void TrayIcon::ScheduleNextMinute()
{
    const DateRecord now = LocalNow();
    const int intoMinute = now.second * 1000 + now.milliseconds;
    // A little after the minute begins, so the clock reads the new minute.
    minuteTimer_->start(60000 - intoMinute + 20);
}

void TrayIcon::AdhanStateMayHaveChanged()
{
    if (frame_.AdhanPlaying() != showsAdhan_)
        Update();
}

// With a tray, the window's close button only hides the window; Exit and
// Ctrl+Q close it from within the program and end it.
bool TrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);
    if (!event->spontaneous())
    {
        // A hidden window that closes is no last window the toolkit sees
        // closing: end the program here.
        if (!frame_.IsWindowVisible())
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
    event->ignore();
    frame_.ShowWindow(false);
    if (!closeToldOnce_)
    {
        closeToldOnce_ = true;
        notices_.Ask(
            tr("Halvo Tavorin is still running in the tray").toStdString(),
            tr("Quit from the tray icon's menu, or with Ctrl+Q in the window.").toStdString(), {},
            {});
    }
    return true;
}

} // namespace halvo
