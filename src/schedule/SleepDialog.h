#pragma once
// "Sleep": the minutes after which the radio is muted.

#include <QDialog>
#include <functional>

class QSpinBox;

class TSleepDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSleepDialog(int minutes, QWidget* parent = nullptr);
    int Minutes() const { return minutes_; }

    std::function<void(const QString&)> OnHelp;

private:
    QSpinBox* sMinutes = nullptr;
    int minutes_ = 0;
};
