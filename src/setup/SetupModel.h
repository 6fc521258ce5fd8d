#pragma once
// The settings dialog's working copy and every rule it enforces, apart from
// the widgets: which card models can be confirmed on this machine, the port
// and volume path each model remembers while the dialog is open, the volume
// paths a card and the sound card offer, the button colours the preset rows
// may not share, and the keys that may not be given twice.

#include "KeyCommands.h"
#include "RadioCards.h"

#include <QString>
#include <array>
#include <vector>

// The four rows of button colours.
enum tButtonRow { brGeneric = 0, brFavFM = 1, brFavAM = 2, brNotAssigned = 3 };

// Every value the dialog edits; on OK the main window takes them all.
struct tSetupValues {
    tModel Model = mRadioTrack;
    int Port = 1; // I/O port index (1 = 30Ch, 2 = 20Ch) or COM number
    QString PortDevice; // the device behind the chosen COM number; empty for other models
    tVolumeLine VolumeLine = vlNative;
    bool CheckIfTuned = false;
    bool JapaneseFM = false;
    bool LastStation = true;
    bool StartMinimized = false;
    bool TipOfTheDay = false;
    bool LaunchAlarm = false;
    bool StartMuted = false;
    bool ForceStereoOff = false;
    bool UsbAudio = true;
    tSdrSettings Sdr; // the software-defined radio's source, rates and sound
    // Recording: the folder (empty: the music folder's "Vantoro"), the
    // format as a file extension, and whether the end of sleep stops it.
    QString RecordFolder;
    QString RecordFormat = QStringLiteral("flac");
    bool RecordStopsAtSleep = false;
    int ShutDown = 2; // 0 mute, 1 leave playing, 2 ask
    int Background = 2; // unlit read-out colour, palette index 0..15
    int Foreground = 10; // lit read-out colour
    int Style = 2; // 0 Seg 16, 1 Bulb 5x7, 2 Dot 5x7, 3 Seg 7
    int ColorPanel = 0;
    std::array<int, 4> ButtonColours{4, 2, 0, 4}; // colour numbers 0..7 by tButtonRow
    int ColorText = 7;
    int ColorFlag = 5;
    QString KeyboardCommands;
};

// A serial port the dialog may offer: its COM number and the device behind it.
struct tSerialPortChoice {
    int Number = 0;
    QString Device;
    bool Accessible = true; // false: this user may not open it (not in the dialout group)
};

// The serial ports to offer: `ports` (free, or the card's own), then each
// adapter that is not already behind one of them, on the lowest COM number
// 1..`count` not offered, in number order.
std::vector<tSerialPortChoice> SerialPortChoices(std::vector<tSerialPortChoice> ports,
                                                 const std::vector<tSerialPortChoice>& adapters,
                                                 int count = 8);

// A Linux radio device found: port number, device file and the card name its driver gives.
struct tRadioDevice {
    int Number = 0;
    QString Device;
    QString Card;
};

// What the dialog is told about the machine and the card in use.
struct tSetupFacts {
    bool SoundCard = false;
    // Whether the sound card's mixer has both the volume and the mute control of a line.
    bool LineIn = false;
    bool Microphone = false;
    bool Cd = false;
    bool PortAccess = true; // the I/O-port cards can be reached
    QString PortAccessReason; // the system's words when they cannot
    std::vector<tSerialPortChoice> SerialPorts; // free, or held by the card in use
    std::vector<tRadioDevice> RadioDevices;
    int InstalledModel = -1; // the card in use (a tModel), -1 when none is configured yet
    QString DefaultKeys; // what "Reset to default" restores
};

// Which of the groups that share the port place is shown.
enum class tPortGroup { IOPort, Serial, NoPortAccess, NoSerials, Radio, Sdr };

struct tVolumeSource {
    QString Text;
    tVolumeLine Line;
};

class TSetupModel {
public:
    TSetupModel(const tSetupValues& values, tSetupFacts facts);

    const tSetupValues& Values() const { return values_; }
    // The values no rule ties to others (start options, shutdown, read-out
    // colours and style, text and flag colours, check if tuned).
    tSetupValues& Plain() { return values_; }
    const tSetupFacts& Facts() const { return facts_; }
    const tDevCap& Caps(tModel model) const { return table_[std::size_t(model)]; }
    const tDevCap& Caps() const { return Caps(values_.Model); }

    // Radio card page. Choosing a model loads what was last chosen for it.
    void SelectModel(tModel model);
    void SetPort(int port);
    void SetJapaneseFM(bool on);
    bool JapaneseFMAllowed() const { return Caps().HasJapaneseFM; }
    tPortGroup PortGroup() const;
    bool OkEnabled() const;
    // The chosen model is the card in use.
    bool Installed() const { return facts_.InstalledModel == int(values_.Model); }
    // The index of the chosen port among the serial ports offered; -1 when absent.
    int SerialIndex() const;

    // Volume control page.
    std::vector<tVolumeSource> VolumeSources() const;
    int VolumeSourceIndex() const; // -1 when the line is none of them
    void ChooseVolumeSource(const QString& text);
    QString Capabilities() const;

    // Buttons page. A preset row may not take a colour another preset row holds.
    void SetButtonColour(tButtonRow row, int colour);
    bool ButtonColourEnabled(tButtonRow row, int colour) const;

    // Keys page.
    static QString KeyChoices(); // blank to "~" without the lower-case letters
    QChar Key(int position) const;
    // False, and nothing changes, when another position already has the key.
    bool SetKey(int position, QChar key);
    void ResetKeys();

private:
    struct tModelEntry {
        int Port = 0;
        tVolumeLine Line = vlNone;
        bool JapaneseFM = false;
    };
    tModelEntry& Entry() { return entries_[std::size_t(values_.Model)]; }
    void SettleVolumeLine();
    void SettlePort();
    void TakePortDevice();

    tDevCaps table_;
    tSetupValues values_;
    tSetupFacts facts_;
    std::array<tModelEntry, ModelCount> entries_{};
};
