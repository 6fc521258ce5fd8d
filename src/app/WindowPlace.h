#pragma once
// Where the main window opens: at the place it was closed, unless that place
// can no longer be reached (a screen unplugged, a hand-edited position), in
// which case it comes back onto the nearest screen.

#include <QList>
#include <QRect>

// `window` is the window's client area at its stored place; `screens` are the
// screens' available areas. Returns the client area's new top-left corner:
// unchanged while the top of the window and the room for its title bar above
// it are on a screen, otherwise inside the nearest screen with room for a
// title bar.
QPoint PlaceOnScreens(const QRect& window, const QList<QRect>& screens);

// Where a dialog of size `dialog` opens while the main window is hidden: its
// centre on the centre of `over` (the main window's last place), moved just
// far enough to lie on `screen` (that screen's available area). The top-left
// corner.
QPoint CentreOver(const QSize& dialog, const QRect& over, const QRect& screen);
