#include "WindowPlace.h"

#include <algorithm>
#include <limits>

namespace {

// Room above the client area for the window manager's title bar, and how much
// of the window's top must lie on a screen for the user to grab it.
constexpr int TitleAllowance = 32;
constexpr int GrabWidth = 40;
constexpr int GrabHeight = 20;

bool Reachable(const QRect& window, const QRect& screen)
{
    const QRect top(window.left(), window.top(), window.width(), std::min(GrabHeight, window.height()));
    const QRect shown = top.intersected(screen);
    // The title bar sits above the client area: it must be on the screen too.
    return window.top() >= screen.top() + TitleAllowance && shown.height() == top.height() &&
           shown.width() >= std::min(GrabWidth, window.width());
}

// Squared distance from the window's centre to the nearest point of `screen`.
long long Distance(const QRect& window, const QRect& screen)
{
    const QPoint c = window.center();
    const long long dx = c.x() < screen.left() ? screen.left() - c.x() : c.x() > screen.right() ? c.x() - screen.right() : 0;
    const long long dy = c.y() < screen.top() ? screen.top() - c.y() : c.y() > screen.bottom() ? c.y() - screen.bottom() : 0;
    return dx * dx + dy * dy;
}

} // namespace

QPoint PlaceOnScreens(const QRect& window, const QList<QRect>& screens)
{
    if (screens.isEmpty()) return window.topLeft();
    for (const QRect& screen : screens)
        if (Reachable(window, screen)) return window.topLeft();
    const QRect* nearest = &screens.front();
    long long best = std::numeric_limits<long long>::max();
    for (const QRect& screen : screens) {
        const long long d = Distance(window, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    // As far inside as the window fits; a window larger than the screen keeps
    // its top-left corner on it.
    const QRect& s = *nearest;
    const int top = std::min(s.top() + TitleAllowance, s.bottom());
    const int x = std::max(s.left(), std::min(window.left(), s.right() + 1 - window.width()));
    const int y = std::max(top, std::min(window.top(), s.bottom() + 1 - window.height()));
    return {x, y};
}

QPoint CentreOver(const QSize& dialog, const QRect& over, const QRect& screen)
{
    QPoint corner = over.center() - QPoint(dialog.width() / 2, dialog.height() / 2);
    // Right and bottom edges first, so a dialog larger than the screen keeps
    // its top-left corner (title bar and first controls) on it.
    corner.setX(std::max(screen.left(), std::min(corner.x(), screen.right() + 1 - dialog.width())));
    corner.setY(std::max(screen.top(), std::min(corner.y(), screen.bottom() + 1 - dialog.height())));
    return corner;
}
