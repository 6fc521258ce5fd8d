#pragma once
// The radio card component: the seven receiver models, their capabilities and
// band limits, and every request (open, close, tune, mute, volume, signal
// check) turned into the model's own sequence on the I/O port or serial line.
// Volume and mute can instead go through one line of the sound-card mixer.
// An eighth model is any Linux radio device (Video4Linux2), whose bands,
// steps and controls come from the device itself; the ninth is the
// software-defined radio: an RTL2832U dongle (on USB, over rtl_tcp, or a
// recording of one) whose signal the program demodulates itself.

#include "AudioLoop.h"
#include "MixerControls.h"
#include "PortAccess.h"
#include "RdsDecoder.h"
#include "SdrReceiver.h"
#include "SerialPort.h"
#include "V4l2Radio.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class THardwareEnv;

enum tModel { mRadioTrack, mRA300, mWizard, mRadioMan, mRadionMaru, mRajikoma, mZoltrix, mV4L2, mSdr };
enum tBand { bAM = 0, bFM = 1 };
enum tVolumeLine { vlNone = 0, vlNative = 1, vlLineIn = 2, vlMicIn = 3, vlCd = 4 };
enum tConnection : std::uint8_t { cnSerial = 1, cnIOPort = 2, cnDevice = 3, cnSdr = 4 };
enum tSignal : int { sgNone = 0, sgTuned = 1, sgStereo = 2, sgMono = 3 };

struct tDevCap {
    QString Name;
    QString Maker;
    std::int32_t VolumeStep = 0;
    bool Spare1 = false, Spare2 = false;
    bool HasFM = false;
    bool HasJapaneseFM = false;
    bool HasAM = false;
    double FMStep = 0;
    double AMStep = 0;
    bool CanVolume = false;
    bool CanMute = false;
    std::int32_t Spare3 = 0;
    bool ForcedMuteOnExit = false;
    bool CanSetStereo = false;
    bool NeedsWarmUp = false;
    tConnection Connection = cnIOPort;
    std::int32_t PortCount = 0;
    std::uint16_t DefaultPort = 0;
    std::uint16_t CurrentPort = 0;
    std::array<std::uint16_t, 9> Ports{};
    // Known only for radio devices, from the device when it opens.
    bool HasHardwareSeek = false;
    bool HasRds = false;
};
constexpr int ModelCount = 9;
using tDevCaps = std::array<tDevCap, ModelCount>;

// Misuse of the component; raised with an empty message, told apart by class.
class eRadioCard : public std::exception {};
class eCantSetup : public eRadioCard {
public:
    const char* what() const noexcept override { return "eCantSetup"; }
};
class ePortNotFound : public eRadioCard {
public:
    const char* what() const noexcept override { return "ePortNotFound"; }
};
class ePortAlreadyOpen : public eRadioCard {
public:
    const char* what() const noexcept override { return "ePortAlreadyOpen"; }
};

// Band limits in MHz.
constexpr double FMLow = 87.0, FMHigh = 108.0;
constexpr double JapaneseFMLow = 76.0, JapaneseFMHigh = 91.0;
constexpr double AMLow = 0.531, AMHigh = 1.62;
// Some band of some card covers `frequency` (MHz), compared as the files
// print it (to the kHz). Anything else in a file is damage, not a station.
bool InSomeBand(double frequency);
// The software-defined radio's bands.
constexpr double SdrFMLow = 87.5, SdrFMHigh = 108.0;
constexpr double SdrJapaneseFMLow = 76.0, SdrJapaneseFMHigh = 95.0;

// The software-defined radio's settings.
struct tSdrSettings {
    // "rtlsdr:N", "rtl_tcp:HOST:PORT" or the path of an I/Q recording (.cu8).
    QString source = QStringLiteral("rtlsdr:0");
    std::uint32_t sampleRate = 1024000;
    bool automaticGain = true;
    double gainDb = 0;      // when not automatic; snapped to the tuner's steps
    int correctionPpm = 0;
    int deemphasisUs = 50;  // 50 or 75
    QString audioDevice = QStringLiteral("default"); // empty: no sound (vantoroctl)
    double centerMhz = 0;   // a recording's centre; 0: the first tune's frequency
    bool operator==(const tSdrSettings&) const = default;
};
// The sample rates librtlsdr accepts that the program offers.
const std::vector<std::uint32_t>& SdrSampleRates();
// The de-emphasis of the country a locale names: 75 µs in the Americas and
// South Korea, 50 µs elsewhere.
int DefaultDeemphasisUs(const QString& localeName);
// Opens no device: checks a source's text; the reason when it is no source.
bool ValidSdrSource(const QString& source, QString* why);
// The source a setting names, unopened; null with `*why` when it names none.
std::unique_ptr<TIqSource> MakeIqSource(const tSdrSettings& settings, QString* why);

// (Sender, Volume, Mute) after a mixer change of the selected line.
using tMixerChange = std::function<void(class TRadioCard* sender, int volume, bool mute)>;

class TRadioCard {
public:
    // `mixer`: the sound card's mixer, or null when the machine has no sound card.
    explicit TRadioCard(THardwareEnv& env, std::unique_ptr<TMixerControls> mixer = nullptr);
    ~TRadioCard();
    TRadioCard(const TRadioCard&) = delete;
    TRadioCard& operator=(const TRadioCard&) = delete;

    // Properties.
    tModel Model() const { return model_; }
    void SetModel(tModel value);
    int Port() const { return port_; }
    void SetPort(int value);
    double Frequency() const { return frequency_; }
    void SetFrequency(double value) { Tune(stereo_, band_, value); }
    tBand Band() const { return band_; }
    void SetBand(tBand value);
    int Volume() const { return volume_; }
    void SetVolume(int value);
    tVolumeLine VolumeLine() const { return volumeLine_; }
    void SetVolumeLine(tVolumeLine value);
    bool JapaneseFM() const { return japaneseFM_; }
    void SetJapaneseFM(bool value);
    bool Stereo() const { return stereo_; }
    void SetStereo(bool value);
    bool MutedStartup() const { return mutedStartup_; }
    void SetMutedStartup(bool value);
    bool MuteOnExit() const { return muteOnExit_; }
    void SetMuteOnExit(bool value);
    tMixerChange OnMixerChange;

    // Further state.
    bool Active() const { return active_; }
    bool Muted() const { return muted_; }
    bool StartMutedPending() const { return startMutedPending_; }
    int VolumeStep() const { return volumeStep_; }
    int VolumeMax() const { return volumeMax_; }
    double LastFM() const { return lastFM_; }
    double LastAM() const { return lastAM_; }
    bool SoundCardPresent() const { return mixer_ != nullptr; }
    const tDevCap& Caps() const { return caps_[model_]; } // the live model record
    // Whether a sound-card line has both its controls.
    bool LineAvailable(tVolumeLine line) const;
    TMixerControls* Mixer() { return mixer_.get(); }

    // Operations.
    void Open();
    void Close();
    void Tune(bool stereo, tBand band, double freq);
    void Mute();
    void Unmute();
    void UnmuteCard();
    void MuteLine();
    void VolumeUp();
    void VolumeDown();
    void VolumeToZero();
    tSignal CheckSignal();
    // The signal level in dB where the model measures one (the
    // software-defined radio fills it); nothing for the models that tell
    // only the signal word.
    std::optional<double> SignalLevelDb() const;
    double MinFrequency() const;
    double MaxFrequency() const;
    double FrequencyStep() const;
    double FMMin() const { return FMRange().low; }
    double FMMax() const { return FMRange().high; }
    double AMMin() const { return AMRange().low; }
    double AMMax() const { return AMRange().high; }
    tDevCap GetDevCap(tModel model) const { return caps_[model]; }
    void InitVolume(int value) { volume_ = value; }
    // The volume the open card plays at by itself, on the card's scale
    // (0..256 in its steps), where it can be read: a radio device's control.
    bool ReadCardVolume(int* volume);
    // The band the card was left on, which cannot be read back; nothing is sent.
    void InitBand(tBand value) { band_ = value; }
    void SetLastFM(double freq) { lastFM_ = freq; }
    void SetLastAM(double freq) { lastAM_ = freq; }
    void MixerControlChange(TMixerControls* sender, int control);

    // The driver of the serial models (only its port number is ever changed here).
    TSerialPort& SerialPort() { return *com_; }

    // Radio devices. One hardware seek from the current frequency to the next
    // station up or down the band; false when none was found or the card
    // cannot seek (see `Caps().HasHardwareSeek`).
    bool Seek(bool upward);
    // Reads the RDS data waiting and decodes it; `onNews` hears of each new
    // PI code, name or text as it completes.
    void PollRds(const std::function<void(unsigned news)>& onNews = {});
    const TRdsDecoder& Rds() const { return rds_; }
    // The device file of the open radio device.
    const QString& DevicePath() const { return devicePath_; }
    // Called when the radio device or the serial receiver's line fails
    // (unplugged): the card has closed itself; the text says what happened.
    std::function<void(const QString& what)> OnDeviceError;
    // Whether a radio device's USB sound is played on the sound card while
    // the card is open and not muted (off unless asked for).
    bool UsbAudio() const { return usbAudio_; }
    void SetUsbAudio(bool value);
    // The loop of the open radio device's USB sound; null when it has none
    // or UsbAudio is off.
    const TAudioLoop* UsbAudioLoop() const { return audio_.get(); }
    // Hands what the card plays to `tap` (null: to nothing) wherever the
    // sound passes through the program; kept across opening and closing.
    void SetAudioTap(TAudioTap* tap);
    // Empty when what the card plays passes through the program now and can
    // be recorded; else why not.
    QString NoRecordingReason() const;
    // Why the last Open failed when the model can say more than its
    // exception does (the software-defined radio); empty otherwise.
    const QString& OpenError() const { return openError_; }
    // Every RDS group received, as it arrives (PollRds).
    std::function<void(const tRdsGroup& group)> OnRdsGroup;

    // The software-defined radio: its settings (taken at Open), its engine
    // while open, and why it stopped on its own after it did.
    const tSdrSettings& Sdr() const { return sdr_; }
    void SetSdr(const tSdrSettings& value);
    TSdrReceiver* SdrReceiver() { return sdrReceiver_.get(); }
    const std::optional<tSdrStop>& SdrStop() const { return sdrStop_; }

private:
    struct LineInfo {
        bool available = false;
        int minimum = 0;
        int maximum = 0;
    };
    static bool IsCardLine(tVolumeLine line) { return line >= vlLineIn; }
    static int LineVolumeControl(tVolumeLine line);
    static int LineMuteControl(tVolumeLine line);
    const LineInfo& Line(tVolumeLine line) const { return lines_[line - vlLineIn]; }
    bool PortCard() const { return caps_[model_].Connection == cnIOPort; }
    // The port value at index Port: I/O base address or COM number; 0 when none is chosen.
    std::uint16_t PortValue() const;

    // Sound-card line volume and mute.
    // Whole line steps per volume unit; 0 on a line shorter than the volume scale.
    int LineStepsPerUnit() const;
    void LineSet(int value);
    void LineStep(int delta);
    void LineUnmute();
    void RefreshMutedFromLine();

    // RadioTrack and RA300 on I/O ports.
    void RtAudioState(std::uint16_t base);
    void RtSoundBackOn(std::uint16_t base, bool wasMuted);
    void RtOpen();
    void RtClose();
    void RtTune(double freq);
    void RtMute();
    void RtUnmute();
    void RtVolumeUp();
    void RtVolumeDown();
    void RtSetVolume(int value);
    void RtVolumeToZero();
    tSignal RtCheckSignal();

    // Serial receivers.
    void SerSend(const QByteArray& frame, bool purge);
    void SerOpen();
    void SerClose();
    void SerTune(double freq, tBand band);
    void SerMute();
    void SerUnmute();
    tSignal SerCheckSignal();
    // The line failed under the card (receiver unplugged): closed as a radio device that fails.
    void SerLineFailed(int error);

    // Zoltrix on I/O ports.
    int ZxLevel() const;
    void ZxSilence(std::uint16_t base);
    void ZxLevelWrite(std::uint16_t base);
    void ZxLevelAndEnable(std::uint16_t base);
    void ZxOpen();
    void ZxClose();
    void ZxTune(double freq, bool stereo);
    void ZxMute();
    void ZxUnmute();
    void ZxVolumeUp();
    void ZxVolumeDown();
    void ZxSetVolume(int value);
    tSignal ZxCheckSignal();

    // Linux radio devices.
    tV4l2Range FMRange() const;
    tV4l2Range AMRange() const;
    bool VlCall(int result);
    void VlApplyDeviceCaps();
    void VlOpen();
    void VlClose();
    void VlTune(double freq);
    void VlMute();
    void VlUnmute();
    void VlSetVolume(int value);
    // The volume step from the device's control or its USB sound loop.
    void VlVolumeSteps();
    tSignal VlCheckSignal();
    // Starts the USB sound while the card is open and not muted, else stops it.
    void VlFollowAudio();

    // The software-defined radio.
    void SdOpen();
    void SdClose();
    void SdTune(double freq);
    void SdVolume();
    tSignal SdCheckSignal();
    void SdPollRds(const std::function<void(unsigned news)>& onNews);
    // False, with the card closed and told, once the engine stopped on its own.
    bool SdAlive();

    // The common close tail of all models: mute the line on exit or mark muted.
    void CloseTail();

    THardwareEnv& env_;
    TPortAccess& io_;
    TWaiter& waiter_;
    tDevCaps caps_;
    std::unique_ptr<TSerialPort> com_;
    std::unique_ptr<TMixerControls> mixer_;
    std::array<LineInfo, 3> lines_{};
    std::unique_ptr<TV4l2Radio> v4l2_;
    std::unique_ptr<TAudioLoop> audio_;
    TAudioTap* tap_ = nullptr;
    bool usbAudio_ = false;
    tV4l2Info deviceInfo_; // what the radio device said when it last opened
    QString devicePath_;
    TRdsBlockAssembler rdsBlocks_;
    TRdsDecoder rds_;
    bool destroying_ = false;
    QString openError_;
    tSdrSettings sdr_;
    std::unique_ptr<TSdrReceiver> sdrReceiver_;
    std::optional<tSdrStop> sdrStop_;

    tModel model_ = mRadioTrack;
    int port_ = 0;
    double frequency_ = 0;
    tBand band_ = bAM;
    int volume_ = 0;
    tVolumeLine volumeLine_ = vlNone;
    bool japaneseFM_ = false;
    bool stereo_ = false;
    bool mutedStartup_ = false;
    bool muteOnExit_ = false;
    bool active_ = false;
    bool muted_ = true;
    bool startMutedPending_ = false;
    int volumeStep_ = 0;
    int volumeMax_ = 0;
    double lastFM_ = 87.0;
    double lastAM_ = 0.531;
};

// Utility functions.
double RoundHalfEven(double value);
double SnapFrequency(double freq, double step, double minF, double maxF);
int ModelToIndex(tModel model);
tModel IndexToModel(int index);
bool IsPortCardIndex(int index);
QString BandToLetter(tBand band);
tBand LetterToBand(const QString& text);
int VolumeLineToIndex(tVolumeLine line);
tVolumeLine IndexToVolumeLine(int index);
TComPortNumber ComPortFromNumber(int n);
bool IsComPortFree(const THardwareEnv& env, int n);
// The seven models' capability records, as the component builds them.
tDevCaps BuildModelTable();
// The model's name as the user reads it: the historic cards' product names
// stay, the radio device and the SDR receiver are named in the user's language.
QString CardName(const tDevCap& caps);
QString SignalText(tSignal signal); // "?????", "Tuned", "Stereo", "Mono"
// The Zoltrix tuning word, bit position 1 leftmost (only positions 1..45 are sent).
std::uint64_t ZoltrixTuningWord(double freq, bool stereo);
