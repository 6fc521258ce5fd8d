#pragma once
// Small helpers the dialogs build their fixed-layout controls with.

#include <QFont>
#include <QString>
#include <QStringList>

class QColor;
class QLabel;
class QRect;
class QSize;
class QToolButton;
class QWidget;

// Fills the widget's background with `colour`.
void SetFill(QWidget* widget, const QColor& colour);
// Draws the widget's text in `colour`.
void SetTextColour(QWidget* widget, const QColor& colour);
// A label named `name` with `text`, placed at `geometry` in `parent`.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);
// A tool button named `name` with `caption` and the balloon hint `hint`.
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                            const QRect& geometry);
// Gives a top-level window `wanted` as its size, as far as the screen's
// available area allows with room for the window manager's frame, and keeps
// the frame on that area: in its middle when `centre`, else where it was.
void FitOnScreen(QWidget* window, const QSize& wanted, bool centre);
// The desktop's font at `scale` of its size (bold if asked, narrowed to
// `stretch` percent), made smaller until each of `texts` fits `box`: a panel
// keeps its fixed geometry and its texts still follow the user's font and the
// screen's density.
QFont PanelFont(double scale, bool bold, const QStringList& texts, const QSize& box,
                int stretch = 100);
