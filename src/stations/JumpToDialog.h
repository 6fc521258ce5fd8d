#pragma once
// "Jump to": a band and a frequency, typed or slid to, for the main window to
// tune on OK. The dialog never tunes the card itself.

#include "JumpTo.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class TNumEdit;

class TJumpToDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TJumpToDialog(const tJumpCard& card, QWidget* parent = nullptr);

    // After OK: the band and the snapped frequency to tune.
    tBand Band() const { return jump_.Band(); }
    double Frequency() const { return jump_.Frequency(); }

    std::function<void(const QString& topic)> OnHelp;
    static QString HelpTopic() { return QStringLiteral("Tuning_radio_frequency"); }

private:
    void ShowBand();
    void BandClick(tBand band, bool down);
    void FreqChange(double value);
    void sFreqChange(int position);
    void OkClick();

    TJumpTo jump_;
    QToolButton* btFM = nullptr;
    QToolButton* btAM = nullptr;
    QLabel* LFreq = nullptr;
    TNumEdit* Freq = nullptr;
    QSlider* sFreq = nullptr;
};
