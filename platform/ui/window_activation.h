#pragma once

#include <string>

class QWidget;

namespace halvo
{

// Asks the window system to make the window the active one. On Wayland a
// compositor raises a window only for a valid activation token: the one a
// later start passed on is handed to the toolkit (which reads it from
// $XDG_ACTIVATION_TOKEN while it activates) and withdrawn again, so no
// process this one starts inherits it. Without a token, or on X11, the
// window is activated as before.
void ActivateWindow(QWidget& window, const std::string& activationToken);

// The token a later start passed on, kept for the next time a frame comes
// forward (CFrameWnd::BringToFront), which takes it: a token is good once.
void SetPendingActivationToken(const std::string& token);
std::string TakePendingActivationToken();

} // namespace halvo
