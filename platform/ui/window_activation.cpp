#include "platform/ui/window_activation.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <QtGlobal>

#include <utility>

namespace halvo
{

void ActivateWindow(QWidget& window, const std::string& activationToken)
{
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (!wayland || activationToken.empty())
    {
        window.activateWindow();
        return;
    }
    // The toolkit reads the token during the call and takes it out of the
    // environment when it uses it; a compositor without activation leaves
    // it there, so it is removed here in every case.
    qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activationToken));
    window.activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

namespace
{

std::string& PendingToken()
{
    static std::string token;
    return token;
}

} // namespace

void SetPendingActivationToken(const std::string& token)
{
    PendingToken() = token;
}

std::string TakePendingActivationToken()
{
    return std::exchange(PendingToken(), std::string());
}

} // namespace halvo
