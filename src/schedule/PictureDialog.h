#pragma once
// The frame the alarm and sleep dialogs share.

#include <QString>
#include <functional>

class QDialog;
class QPushButton;
class QWidget;

// Lays out `picture` beside `group` with Help, Cancel and OK under them, at
// a fixed size. Help calls `help` with `topic` when it is set then (so it
// may be set after the dialog is built; it must live as long as the dialog);
// Cancel rejects. Returns OK, the default button, for the caller to connect.
QPushButton* LayOutPictureDialog(QDialog* dialog, QWidget* picture, QWidget* group,
                                 const std::function<void(const QString&)>& help, const QString& topic);
