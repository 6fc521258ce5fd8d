#pragma once
// The sound card's mixer as sixteen controls by index: volume and mute of the
// master output and of six source lines, treble and bass of the output. Each
// control keeps two channel values; changes go to the card, and changes made
// by other programs come back through OnControlChange.

#include "MixerControls.h"
#include "MixerDevice.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QSocketNotifier;
class THardwareEnv;

// A mixer that cannot be used; the message says why.
class eMixerError : public std::exception {
public:
    explicit eMixerError(const QString& message) : message_(message), text_(message.toUtf8()) {}
    const char* what() const noexcept override { return text_.constData(); }
    QString Message() const { return message_; }

private:
    QString message_;
    QByteArray text_;
};

// A call of the mixer library failed: "Multimedia System Error 6 - No device
// driver present in snd_mixer_attach".
class eMMError : public eMixerError {
public:
    eMMError(int code, const QString& call);
    int Code() const { return code_; }
    QString Call() const { return call_; }

    static QString CodeText(int code);
    static QString Category(int code);
    // The nearest multimedia code for a negative errno of the sound library.
    static int FromErrno(int error);

private:
    int code_;
    QString call_;
};

class TMixer final : public QObject, public TMixerControls {
    Q_OBJECT
public:
    // Opens nothing yet: set Active to open.
    explicit TMixer(std::unique_ptr<TMixerDevice> device, QObject* parent = nullptr);
    ~TMixer() override;

    // Whether the device is open. Opening raises eMixerError when the card has
    // no master output and eMMError when the sound library fails; the mixer
    // then stays closed.
    bool Active() const { return active_; }
    void SetActive(bool value);
    // FirstCard opens the first sound card's mixer. There is no mixer behind
    // a MIDI output here, so any other value fails to open.
    int MidiDeviceID() const { return midiDeviceID_; }
    void SetMidiDeviceID(int value);
    static constexpr int FirstCard = -2;

    QString DeviceName() const { return deviceName_; }
    // "Can't find MIDI output source line for ..." for each source line the
    // card lacks; those lines' controls are simply absent.
    QStringList MissingLines() const { return missing_; }

    bool Exists(int control) const override;
    int Minimum(int control) const override;
    int Maximum(int control) const override;
    int Value(int control, int channel) const override;
    void SetValue(int control, int channel, int value) override;
    void SetValues(int control, int first, int second) override;

    // Told of errors met while following outside changes, which cannot be
    // thrown back into the event loop; without it they go to the warning log.
    std::function<void(const std::exception& error)> OnNotifyError;
    // Runs the reading of what the sound card tells of (given as a function),
    // for whoever uses this mixer from another thread too; null: at once.
    std::function<void(const std::function<void()>& read)> NotifyGuard;

private:
    struct TControl {
        bool exists = false;
        int element = -1;
        TMixerPart part = TMixerPart::Volume;
        bool uniform = true;
        int minimum = 0;
        int maximum = 0;
        int value[2] = {0, 0};
    };
    static bool Valid(int control) { return control >= 0 && control < MixerControlCount; }
    void Open();
    void Close();
    void FindControl(int control, int element, TMixerPart part);
    void Read(int control);
    void Write(int control);
    void CheckRange(int control, int value) const;
    void DeviceReadable();
    void DeviceReadableGuarded();
    void ElementChanged(int element);
    [[noreturn]] void Raise(int error) const;

    std::unique_ptr<TMixerDevice> device_;
    std::array<TControl, MixerControlCount> controls_{};
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
    QString deviceName_;
    QStringList missing_;
    bool active_ = false;
    bool destroying_ = false;
    int midiDeviceID_ = -1;
};

// The first sound card's mixer, opened; null when the machine has no sound
// card (why stays empty) or when its mixer cannot be opened (why says so).
// The program then goes on without a mixer.
std::unique_ptr<TMixer> OpenSoundCardMixer(THardwareEnv& env, QString* why);
