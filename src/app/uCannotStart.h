#pragma once
// Shown when the system is too old for the program; it ends afterwards.

#include <QDialog>

class tdCannotStart : public QDialog {
    Q_OBJECT
public:
    explicit tdCannotStart(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
