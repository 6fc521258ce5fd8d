#pragma once
// "Alarm setting": the alarm time on two spin edits, shown on four read-out
// cells, and the preset to switch on.

#include "AlarmSetting.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QPushButton;
class QSpinBox;
class TDisplay;

class TAlarmDialog : public QDialog {
    Q_OBJECT
public:
    TAlarmDialog(const std::vector<tAlarmEntry>& presets, int currentPreset, int hour, int minute,
            QWidget* parent = nullptr);

    // The values taken on OK.
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Preset() const { return preset_; }

    std::function<void(const QString&)> OnHelp;

private:
    void HHChange();
    void MMChange();
    void ShowTime();
    void SetOkState();
    void btOkClick();

    QSpinBox* HH = nullptr;
    QSpinBox* MM = nullptr;
    std::array<TDisplay*, 4> cells_{}; // H1 H2 M1 M2
    QComboBox* Presets = nullptr;
    QPushButton* btOk = nullptr;
    int hour_ = 0, minute_ = 0, preset_ = 0;
};
