#pragma once
// Shown when the system is too old for the program; it ends afterwards.

#include <QDialog>

class TCannotStartDialog : public QDialog {
    Q_OBJECT
public:
    explicit TCannotStartDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
