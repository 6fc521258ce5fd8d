#include "WidgetKit.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <cmath>

void SetFill(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                            const QRect& geometry)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setGeometry(geometry);
    return button;
}

void FitOnScreen(QWidget* window, const QSize& wanted, bool centre)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // A window not yet shown has no frame; leave room for a title bar.
    const QRect inner = window->geometry(), outer = window->frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!window->isVisible() || frame.isNull()) frame = QMargins(4, 32, 4, 4);
    const QSize room = area.size().shrunkBy(frame);
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSize()));
    QRect placed(QPoint(), window->size().grownBy(frame));
    if (centre)
        placed.moveCenter(area.center());
    else
        placed.moveTopLeft(window->frameGeometry().topLeft());
    placed.moveLeft(
        std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(
        std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    window->move(placed.topLeft());
}

QFont PanelFont(double scale, bool bold, const QStringList& texts, const QSize& box, int stretch)
{
    QFont font = QApplication::font();
    font.setBold(bold);
    font.setStretch(stretch);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, int(font.pixelSize() * scale)));
    // Smaller, half a point at a time, until every text fits the box; at 5
    // points or below it stays as it is. Each size tried loads the type at
    // that size, the slow part of building the panel, so the size is
    // estimated from the widths at the first size (they grow about in
    // proportion) and then checked half a point at a time both ways.
    const double start = font.pointSizeF();
    auto fits = [&](double size, double* share) {
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font);
        bool fit = metrics.ascent() <= box.height() + 1;
        double least = (box.height() + 1) / std::max(metrics.ascent(), 1.0);
        for (const QString& text : texts) {
            const qreal width = metrics.horizontalAdvance(text);
            fit = fit && width <= box.width();
            least = std::min(least, box.width() / std::max(width, 1.0));
        }
        if (share) *share = least;
        return fit;
    };
    double share = 1;
    if (start <= 5 || fits(start, &share)) return font;
    // Steps of half a point below the start; `last` is the first at 5 or below.
    const int last = int(std::ceil((start - 5) / 0.5));
    const auto size = [start](int step) { return start - 0.5 * step; };
    int step = std::clamp(int(std::ceil((start - start * share) / 0.5)), 1, last);
    if (fits(size(step), nullptr)) {
        while (step > 1 && fits(size(step - 1), nullptr)) --step;
    } else {
        while (step < last && !fits(size(++step), nullptr)) {}
    }
    font.setPointSizeF(size(step));
    return font;
}
