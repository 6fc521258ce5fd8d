#include "DialogPlacer.h"

#include "WindowPlace.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>

TDialogPlacer::TDialogPlacer(QWidget* mainWindow, std::function<bool()> hidden)
    : QObject(mainWindow), window_(mainWindow), hidden_(std::move(hidden))
{
    qApp->installEventFilter(this);
}

bool TDialogPlacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !window_ || !hidden_()) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow()) return false;
    // A dialog over another dialog that is up is placed by it. One that
    // centred itself on the screen is placed all the same: the screen's
    // centre is not where the user was looking.
    QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (owner && owner != window_) return false;
    const QRect over = window_->geometry();
    QScreen* screen = QGuiApplication::screenAt(over.center());
    if (!screen) screen = window_->screen();
    if (!screen) return false;
    dialog->move(CentreOver(dialog->frameGeometry().size(), over, screen->availableGeometry()));
    return false;
}
