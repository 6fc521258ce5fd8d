#pragma once
// Acts on the next modal dialog once its event loop runs, as a user would.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

inline void WhenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, qApp, [act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) act(dialog);
    });
}
