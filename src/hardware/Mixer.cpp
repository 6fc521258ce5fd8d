#include "Mixer.h"

#include "HardwareEnv.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QtDebug>
#include <cerrno>
#include <initializer_list>

namespace {

// The source lines in the order they are looked up, with the word their
// message uses and the names the cards give them.
struct TSourceLine {
    int volume;
    const char* word;
    std::initializer_list<const char*> names;
};
const TSourceLine SourceLines[] = {
    {mcWaveVolume, "WAVE", {"PCM"}},
    {mcSynthVolume, "MIDI", {"Synth"}},
    {mcCdVolume, "CD", {"CD"}},
    {mcLineInVolume, "LINEIN", {"Line"}},
    {mcMicVolume, "MICROPHONE", {"Mic"}},
    {mcSpeakerVolume, "SPEAKER", {"PC Speaker", "Beep"}},
};

int FindAny(const TMixerDevice& device, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const int element = device.FindElement(QLatin1String(name));
        if (element >= 0) return element;
    }
    return -1;
}

} // namespace

// ---- errors ----

eMMError::eMMError(int code, const QString& call)
    : eMixerError(QStringLiteral("Multimedia %1 Error %2 - %3 in %4")
                      .arg(Category(code))
                      .arg(code)
                      .arg(CodeText(code), call)),
      code_(code), call_(call)
{
}

QString eMMError::Category(int code)
{
    if (code >= 1 && code <= 20) return QStringLiteral("System");
    if (code >= 1024 && code <= 1026) return QStringLiteral("Mixer");
    return QStringLiteral("Unknown");
}

QString eMMError::CodeText(int code)
{
    static const char* const system[] = {
        "Unspecified error",
        "Device ID out of range",
        "Driver failed enable",
        "Device already allocated",
        "Device handle is invalid",
        "No device driver present",
        "Memory allocation error",
        "Function isn't supported",
        "Error value out of range",
        "Invalid flag passed",
        "Invalid parameter passed",
        "Handle being used simultaneously on another thread (eg callback)",
        "Specified alias not found",
        "Bad registry database",
        "Registry key not found",
        "Registry read error",
        "Registry write error",
        "Registry delete error",
        "Registry value not found",
        "Driver does not call DriverCallback",
    };
    static const char* const mixer[] = {"Invalid Mixer Line", "Invalid Mixer Control",
                                        "Invalid Mixer Value"};
    if (code >= 1 && code <= 20) return QLatin1String(system[code - 1]);
    if (code >= 1024 && code <= 1026) return QLatin1String(mixer[code - 1024]);
    return QStringLiteral("Unknown error");
}

int eMMError::FromErrno(int error)
{
    switch (-error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: return 6;   // no such card: no device driver present
    case EBUSY: return 4;   // device already allocated
    case ENOMEM: return 7;  // memory allocation error
    case EINVAL: return 11; // invalid parameter passed
    case EBADF:
    case EBADFD: return 5; // device handle is invalid
    case ENOSYS:
    case EOPNOTSUPP: return 8; // function isn't supported
    case ERANGE:
    case EDOM: return 9; // error value out of range
    case EACCES:
    case EPERM: return 3; // the driver would not let us in
    default: return 1;
    }
}

// ---- the component ----

TMixer::TMixer(std::unique_ptr<TMixerDevice> device, QObject* parent)
    : QObject(parent), device_(std::move(device))
{
}

TMixer::~TMixer()
{
    destroying_ = true;
    Close();
}

void TMixer::SetActive(bool value)
{
    if (value == active_) return;
    if (value)
        Open();
    else
        Close();
}

void TMixer::SetMidiDeviceID(int value)
{
    if (value == midiDeviceID_) return;
    const bool wasActive = active_;
    Close();
    midiDeviceID_ = value;
    SetActive(wasActive);
}

void TMixer::Raise(int error) const { throw eMMError(eMMError::FromErrno(error), device_->FailedCall()); }

void TMixer::Open()
{
    if (!device_) throw eMMError(6, QStringLiteral("snd_mixer_open"));
    // ALSA has no mixer belonging to a MIDI output device; only the first card is known.
    if (midiDeviceID_ != FirstCard) throw eMMError(2, QStringLiteral("snd_mixer_attach"));
    missing_.clear();
    try {
        if (const int err = device_->Open(0); err < 0) Raise(err);
        deviceName_ = device_->CardName();

        const int master = device_->FindElement(QStringLiteral("Master"));
        if (master < 0)
            throw eMixerError(QCoreApplication::translate("TMixer", "Can't find audio output mixer line for %1").arg(deviceName_));
        FindControl(mcMasterVolume, master, TMixerPart::Volume);
        FindControl(mcMasterMute, master, TMixerPart::Switch);
        FindControl(mcTreble, FindAny(*device_, {"Tone Control - Treble", "Treble"}),
                    TMixerPart::Volume);
        FindControl(mcBass, FindAny(*device_, {"Tone Control - Bass", "Bass"}),
                    TMixerPart::Volume);
        for (int c : {mcMasterVolume, mcMasterMute, mcTreble, mcBass}) Read(c);

        for (const TSourceLine& line : SourceLines) {
            const int element = FindAny(*device_, line.names);
            // An ordinary onboard card has no synthesizer or PC speaker line:
            // such a line's controls are absent, the rest of the card still works.
            if (element < 0)
                missing_ << QCoreApplication::translate("TMixer", "Can't find %1 output source line for %2")
                                    .arg(QLatin1String(line.word), deviceName_);
            FindControl(line.volume, element, TMixerPart::Volume);
            FindControl(line.volume + 1, element, TMixerPart::Switch);
            Read(line.volume);
            Read(line.volume + 1);
        }

        device_->OnElementChange = [this](int element) { ElementChanged(element); };
        for (int fd : device_->PollDescriptors()) {
            auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            connect(notifier.get(), &QSocketNotifier::activated, this, &TMixer::DeviceReadable);
            notifiers_.push_back(std::move(notifier));
        }
    } catch (...) {
        Close();
        throw;
    }
    active_ = true;
}

void TMixer::Close()
{
    notifiers_.clear();
    if (device_) {
        device_->OnElementChange = nullptr;
        device_->Close();
    }
    controls_ = {};
    active_ = false;
}

void TMixer::FindControl(int control, int element, TMixerPart part)
{
    TControl& c = controls_[control];
    c = TControl{};
    if (element < 0 || !device_->Has(element, part)) return;
    c.element = element;
    c.part = part;
    if (part == TMixerPart::Switch) {
        // A mute is one switch for the whole line: muting only the left
        // channel of a two-channel switch would leave the radio half playing.
        c.uniform = true;
        c.minimum = 0;
        c.maximum = 1;
    } else {
        long minimum = 0, maximum = 0;
        if (const int err = device_->Range(element, &minimum, &maximum); err < 0) Raise(err);
        c.uniform = device_->Uniform(element, part);
        c.minimum = int(minimum);
        c.maximum = int(maximum);
    }
    c.exists = true;
}

void TMixer::Read(int control)
{
    TControl& c = controls_[control];
    if (!c.exists) {
        c.value[0] = c.value[1] = 0;
        return;
    }
    long values[2] = {0, 0};
    const int channels = c.uniform ? 1 : 2;
    for (int ch = 0; ch < channels; ++ch)
        if (const int err = device_->Get(c.element, c.part, ch, &values[ch]); err < 0) Raise(err);
    if (channels == 1) values[1] = values[0];
    // The card's switch is on when the sound plays; a mute control reads 1 when silent.
    if (c.part == TMixerPart::Switch)
        for (long& v : values) v = v ? 0 : 1;
    c.value[0] = int(values[0]);
    c.value[1] = int(values[1]);
}

void TMixer::Write(int control)
{
    const TControl& c = controls_[control];
    // An absent control has nothing behind it to write to.
    if (!c.exists || !active_) return;
    if (c.part == TMixerPart::Switch) {
        const int err = device_->Set(c.element, c.part, TMixerDevice::AllChannels, c.value[0] ? 0 : 1);
        if (err < 0) Raise(err);
    } else if (c.uniform) {
        const int err = device_->Set(c.element, c.part, TMixerDevice::AllChannels, c.value[0]);
        if (err < 0) Raise(err);
    } else {
        for (int ch = 0; ch < 2; ++ch)
            if (const int err = device_->Set(c.element, c.part, ch, c.value[ch]); err < 0)
                Raise(err);
    }
}

void TMixer::CheckRange(int control, int value) const
{
    const TControl& c = controls_[control];
    if (c.exists && (value < c.minimum || value > c.maximum))
        throw eMMError(1026, c.part == TMixerPart::Switch
                                 ? QStringLiteral("snd_mixer_selem_set_playback_switch")
                                 : QStringLiteral("snd_mixer_selem_set_playback_volume"));
}

bool TMixer::Exists(int control) const { return Valid(control) && controls_[control].exists; }

int TMixer::Minimum(int control) const { return Valid(control) ? controls_[control].minimum : 0; }

int TMixer::Maximum(int control) const { return Valid(control) ? controls_[control].maximum : 0; }

int TMixer::Value(int control, int channel) const
{
    if (!Valid(control) || channel < 0 || channel > 1) return 0;
    return controls_[control].value[channel];
}

void TMixer::SetValue(int control, int channel, int value)
{
    if (!Valid(control) || channel < 0 || channel > 1) return;
    TControl& c = controls_[control];
    if (!c.exists || c.value[channel] == value) return;
    CheckRange(control, value);
    c.value[channel] = value;
    Write(control);
}

void TMixer::SetValues(int control, int first, int second)
{
    if (!Valid(control)) return;
    TControl& c = controls_[control];
    if (!c.exists) return;
    CheckRange(control, first);
    CheckRange(control, second);
    c.value[0] = first;
    c.value[1] = second;
    Write(control);
}

void TMixer::DeviceReadable()
{
    if (NotifyGuard)
        NotifyGuard([this] { DeviceReadableGuarded(); });
    else
        DeviceReadableGuarded();
}

void TMixer::DeviceReadableGuarded()
{
    try {
        if (const int err = device_->HandleEvents(); err < 0) {
            // A card that has gone away would keep its descriptor readable for ever.
            for (auto& notifier : notifiers_) notifier->setEnabled(false);
            Raise(err);
        }
    } catch (const std::exception& error) {
        if (OnNotifyError)
            OnNotifyError(error);
        else
            qWarning("%s", error.what());
    }
}

void TMixer::ElementChanged(int element)
{
    for (int control = 0; control < MixerControlCount && active_; ++control) {
        const TControl& c = controls_[control];
        if (!c.exists || c.element != element) continue;
        const int before[2] = {c.value[0], c.value[1]};
        Read(control);
        // The card reports our own writes too; only what another program
        // changed is news.
        if (before[0] == c.value[0] && before[1] == c.value[1]) continue;
        if (!destroying_ && OnControlChange) OnControlChange(this, control);
    }
}

// ---- the program's sound card ----

std::unique_ptr<TMixer> OpenSoundCardMixer(THardwareEnv& env, QString* why)
{
    if (why) why->clear();
    std::unique_ptr<TMixerDevice> device = env.MixerDevice();
    if (!device) return nullptr;
    auto mixer = std::make_unique<TMixer>(std::move(device));
    try {
        mixer->SetMidiDeviceID(TMixer::FirstCard);
        mixer->SetActive(true);
    } catch (const eMixerError& error) {
        if (why) *why = error.Message();
        return nullptr;
    }
    return mixer;
}
