#pragma once
// A launcher starting the program hands it a token (XDG_ACTIVATION_TOKEN on
// Wayland, DESKTOP_STARTUP_ID on X11) that lets its window take the focus
// where the window manager refuses it to programs the user did not just
// start. A second start passes its token to the copy that runs, which raises
// its window with it and ends the launcher's "starting" feedback.

#include <QByteArray>
#include <optional>

class QWidget;

// The token this start was given, XDG_ACTIVATION_TOKEN before
// DESKTOP_STARTUP_ID; empty when there is none or it is not a valid token.
QByteArray LaunchToken();
// 1..255 printable ASCII characters, without blanks, quotes or backslashes.
bool IsValidLaunchToken(const QByteArray& token);
// The X server time a startup id carries ("..._TIME123456"), if any.
std::optional<quint32> StartupIdTime(const QByteArray& startupId);
// Shows, raises and activates `window` with the token: on X11 the activation
// carries the launch's time and the launcher is told the start is done; on
// Wayland the token goes to the compositor with the activation request.
void ActivateWithToken(QWidget* window, const QByteArray& token);
