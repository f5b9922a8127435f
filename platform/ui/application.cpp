#include "platform/ui/framework_impl.h"
#include "platform/ui/translation.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QThread>

#include <utility>

namespace halvo
{

static CWinApp* currentApp = nullptr;

CWinApp::CWinApp(std::string appName) : appName_(std::move(appName))
{
    currentApp = this;
}

CWinApp::~CWinApp()
{
    if (currentApp == this)
        currentApp = nullptr;
}

CWinApp* CWinApp::Current()
{
    return currentApp;
}

// Exit is the framework's own command: every application has it.
bool CWinApp::OnCmdMsg(int id)
{
    if (CCmdTarget::OnCmdMsg(id))
        return true;
    if (id != ID_APP_EXIT)
        return false;
    OnAppExit();
    return true;
}

bool CWinApp::HasCommandHandler(int id) const
{
    return id == ID_APP_EXIT || CCmdTarget::HasCommandHandler(id);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr && m_pMainWnd->impl().widget)
        m_pMainWnd->impl().widget->close();
    else
        QCoreApplication::quit();
}

static int savedArgc = 1;
static char savedProgramName[] = "halvo-tavorin";
static char* savedArgv[] = {savedProgramName, nullptr};

static void CreateApplication(int& argc, char** argv)
{
    if (QApplication::instance() == nullptr)
    {
        auto* app = new QApplication(argc, argv);
        app->setApplicationName(QStringLiteral("Halvo Tavorin"));
        // The windows' texts were placed for DejaVu Sans, which stands in for
        // Verdana on Debian. Fontconfig may prefer another face once more
        // fonts are installed (Noto, for the scripts of the translations),
        // which would move every English text; scripts DejaVu lacks still
        // fall back to the fonts that carry them.
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    }
}

void EnsureApplication()
{
    CreateApplication(savedArgc, savedArgv);
}

int CWinApp::Run(int argc, char** argv)
{
    savedArgc = argc;
    CreateApplication(savedArgc, argv);
    QApplication::setApplicationName(ToQString(appName_));
    if (!InitInstance())
        return ExitInstance();
    const int status = QApplication::exec();
    const int exitStatus = ExitInstance();
    return status != 0 ? status : exitStatus;
}

void SetApplicationIcon(int iconId)
{
    EnsureApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/halvo/icon_%1.png").arg(iconId)));
}

void SetDesktopFileName(const std::string& name)
{
    EnsureApplication();
    QGuiApplication::setDesktopFileName(ToQString(name));
}

void ProcessPendingMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ProcessMessagesFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// --- Message boxes.

static MessageBoxSinkFunction& MessageBoxSink()
{
    static MessageBoxSinkFunction sink;
    return sink;
}

MessageBoxSinkFunction SetMessageBoxSink(MessageBoxSinkFunction sink)
{
    return std::exchange(MessageBoxSink(), std::move(sink));
}

void MessageBox(CWnd* owner, const std::string& english)
{
    const std::string text = ShownText(english);
    if (MessageBoxSink())
    {
        MessageBoxSink()(owner, text);
        return;
    }
    EnsureApplication();
    QWidget* parent = owner != nullptr ? owner->impl().widget.data() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), ToQString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace halvo
