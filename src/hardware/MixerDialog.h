#pragma once
// The mixer window: master output with bass and treble, and the three lines a
// radio card may be plugged into (line in, microphone, compact disc), each
// with volume, balance and mute. It has its own mixer on the sound card, so
// it follows changes made anywhere, and the radio card's mixer hears of the
// changes made here.

#include "Mixer.h"
#include "RadioCards.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class QLabel;
class QPushButton;
class QSlider;

class TMixerDialog final : public QDialog {
    Q_OBJECT
public:
    // `mixer`: an open mixer, which the window keeps (null shows every control
    // disabled); `cardLine`: the line the radio card uses, shown in bold.
    TMixerDialog(std::unique_ptr<TMixer> mixer, tVolumeLine cardLine, QWidget* parent = nullptr);
    ~TMixerDialog() override;

    // Opens a help topic; the window itself has no help viewer.
    std::function<void(const QString& topic)> OnHelp;
    static QString HelpTopic() { return QStringLiteral("Volume_controls"); }
    // Told when the mixer refuses a change; without it the window beeps and
    // logs the error, as the program does with errors nobody catches.
    std::function<void(const std::exception& error)> OnError;

    TMixer& Mixer() { return *fMixer; }

    // Balance -100..100 of a channel pair; 0 when both are silent.
    static int BalanceFromChannels(int left, int right);
    // The (left, right) pair for a volume and a balance.
    static std::pair<int, int> ChannelsFromSliders(int volume, int balance);

private:
    struct TRow {
        QLabel* label = nullptr;
        QSlider* volume = nullptr;
        QSlider* balance = nullptr;
        QPushButton* mute = nullptr;
        int volumeControl = 0;
        int muteControl = 0;
    };
    enum { rMaster, rLineIn, rMic, rCd };

    QWidget* BuildRow(TRow& row, const QString& prefix, const QString& caption, bool vertical);
    void SetUpRow(TRow& row);
    void SetUpTone(QSlider* slider, int control);
    void ShowVolume(TRow& row, bool keepBalanceWhenSilent);
    void VolumeChange(TRow& row);
    void MuteClick(TRow& row);
    void ToneChange(QSlider* slider, int control);
    void fMixerControlChange(int control);
    template <typename F> void Guarded(F&& action);

    std::array<TRow, 4> rows_;
    QSlider* aBass = nullptr;
    QSlider* aTreble = nullptr;
    std::unique_ptr<TMixer> fMixer;
};
