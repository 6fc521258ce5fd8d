#include "RadioCards.h"

#include "HardwareEnv.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

tDevCaps BuildModelTable()
{
    auto portCard = [](const char* name, const char* maker, double fmStep, bool canSetStereo,
                       bool spares) {
        tDevCap c;
        c.Name = QString::fromLatin1(name);
        c.Maker = QString::fromLatin1(maker);
        c.VolumeStep = 16;
        c.Spare1 = c.Spare2 = spares;
        c.HasFM = true;
        c.FMStep = fmStep;
        c.CanVolume = c.CanMute = true;
        c.CanSetStereo = canSetStereo;
        c.Connection = cnIOPort;
        c.PortCount = 2;
        c.DefaultPort = c.CurrentPort = 1;
        c.Ports[1] = 0x30C;
        c.Ports[2] = 0x20C;
        return c;
    };
    auto serial = [](const char* name, const char* maker, bool hasAM, double amStep) {
        tDevCap c;
        c.Name = QString::fromLatin1(name);
        c.Maker = QString::fromLatin1(maker);
        c.HasFM = c.HasJapaneseFM = true;
        c.HasAM = hasAM;
        c.FMStep = 0.05;
        c.AMStep = amStep;
        c.CanMute = c.ForcedMuteOnExit = c.NeedsWarmUp = true;
        c.Connection = cnSerial;
        c.PortCount = 8;
        c.DefaultPort = c.CurrentPort = 2;
        for (int i = 1; i <= 8; ++i) c.Ports[i] = static_cast<std::uint16_t>(i);
        return c;
    };
    tDevCaps t;
    t[mRadioTrack] = portCard("Radiotrack", "AimsLab", 0.025, false, true);
    t[mRA300] = portCard("RA300", "Reveal", 0.025, false, true);
    t[mWizard] = serial("Wizard Radio", "Gemtek", false, 0);
    t[mRadioMan] = serial("RadioMan", "Gemtek", true, 0.009);
    // RadionMaru carries an AM step although it has no AM band; nothing uses it.
    t[mRadionMaru] = serial("RadionMaru", "Justy", false, 0.009);
    t[mRajikoma] = serial("Rajikoma", "Unit", true, 0.009);
    t[mZoltrix] = portCard("Radio Plus 108", "Zoltrix", 0.005, true, false);
    // Until a device opens, what a typical FM tuner offers; the port is the
    // n-th radio device found.
    tDevCap& v = t[mV4L2];
    v.Name = QLatin1String(QT_TRANSLATE_NOOP("TRadioCard", "V4L2 radio device"));
    v.Maker = QStringLiteral("Linux");
    v.VolumeStep = 16;
    v.HasFM = v.HasJapaneseFM = true;
    v.FMStep = 0.05;
    v.AMStep = 0.009;
    v.CanVolume = v.CanMute = v.CanSetStereo = true;
    v.Connection = cnDevice;
    v.PortCount = 8;
    v.DefaultPort = v.CurrentPort = 1;
    for (int i = 1; i <= 8; ++i) v.Ports[i] = static_cast<std::uint16_t>(i);
    // The software-defined radio: one source (a setting), FM only, the
    // volume and mute applied to the sound it makes.
    tDevCap& s = t[mSdr];
    s.Name = QLatin1String(QT_TRANSLATE_NOOP("TRadioCard", "SDR receiver (RTL2832U dongle)"));
    s.VolumeStep = 16;
    s.HasFM = s.HasJapaneseFM = true;
    s.FMStep = 0.05;
    s.CanVolume = s.CanMute = s.CanSetStereo = true;
    s.HasRds = true;
    s.Connection = cnSdr;
    s.PortCount = 1;
    s.DefaultPort = s.CurrentPort = 1;
    s.Ports[1] = 1;
    return t;
}

TRadioCard::TRadioCard(THardwareEnv& env, std::unique_ptr<TMixerControls> mixer)
    : env_(env), io_(env.Ports()), waiter_(env.Waiter()), caps_(BuildModelTable()),
      com_(std::make_unique<TSerialPort>(&env)), mixer_(std::move(mixer))
{
    com_->OnLineError = [this](int error) { SerLineFailed(error); };
    if (!mixer_) return;
    mixer_->OnControlChange = [this](TMixerControls* sender, int control) {
        MixerControlChange(sender, control);
    };
    for (tVolumeLine line : {vlLineIn, vlMicIn, vlCd}) {
        LineInfo& info = lines_[line - vlLineIn];
        const int v = LineVolumeControl(line);
        info.available = mixer_->Exists(v) && mixer_->Exists(LineMuteControl(line));
        info.minimum = mixer_->Minimum(v);
        info.maximum = mixer_->Maximum(v);
    }
}

TRadioCard::~TRadioCard()
{
    destroying_ = true;
    if (mixer_) mixer_->OnControlChange = nullptr;
    mixer_.reset();
    // I/O-port cards keep playing: whether to close them is the caller's choice at exit.
    // A serial line is always released.
    if (active_ && caps_[model_].Connection == cnSerial) Close();
}

// ---- properties ----

void TRadioCard::SetModel(tModel value)
{
    if (active_) throw eCantSetup();
    model_ = value;
    const tDevCap& c = caps_[model_];
    stereo_ = c.CanSetStereo;
    if (!c.HasJapaneseFM) japaneseFM_ = false;
    for (int i = 1; i <= c.PortCount; ++i) {
        if (c.Ports[i] == c.CurrentPort) {
            port_ = i;
            break;
        }
    }
}

void TRadioCard::SetPort(int value)
{
    if (active_) throw eCantSetup();
    tDevCap& c = caps_[model_];
    if (value < 0 || value > c.PortCount) throw ePortNotFound();
    port_ = value;
    c.CurrentPort = c.Ports[value];
}

void TRadioCard::SetBand(tBand value)
{
    const tDevCap& c = caps_[model_];
    if (value == bFM && c.HasFM) {
        band_ = bFM;
        Tune(stereo_, bFM, lastFM_);
    } else if (value == bAM && c.HasAM) {
        band_ = bAM;
        Tune(stereo_, bAM, lastAM_);
    }
}

void TRadioCard::SetVolumeLine(tVolumeLine value)
{
    const tDevCap& c = caps_[model_];
    if (!SoundCardPresent() && !c.CanVolume && !c.CanMute) value = vlNone;
    switch (value) {
    case vlNone:
        volumeStep_ = 0;
        volumeMax_ = 0;
        break;
    case vlNative:
        volumeStep_ = c.VolumeStep;
        if (volumeStep_ == 0) {
            volumeMax_ = 0;
        } else {
            volumeMax_ = 256;
            volume_ = volumeStep_ * static_cast<int>(RoundHalfEven(double(volume_) / volumeStep_));
        }
        break;
    case vlLineIn:
    case vlMicIn:
    case vlCd:
        volumeStep_ = 1;
        volumeMax_ = 256;
        break;
    }
    volumeLine_ = value;
}

void TRadioCard::SetJapaneseFM(bool value) { japaneseFM_ = value && caps_[model_].HasJapaneseFM; }

void TRadioCard::SetStereo(bool value) { stereo_ = value && caps_[model_].CanSetStereo; }

void TRadioCard::SetMutedStartup(bool value)
{
    mutedStartup_ = value && caps_[model_].CanMute;
    muted_ = mutedStartup_;
    startMutedPending_ = mutedStartup_;
}

void TRadioCard::SetMuteOnExit(bool value)
{
    muteOnExit_ = caps_[model_].ForcedMuteOnExit || value;
}

bool TRadioCard::LineAvailable(tVolumeLine line) const
{
    return IsCardLine(line) && Line(line).available;
}

std::uint16_t TRadioCard::PortValue() const
{
    if (port_ <= 0 || port_ > caps_[model_].PortCount) return 0;
    return caps_[model_].Ports[port_];
}

// ---- operations ----

void TRadioCard::Open()
{
    if (active_) return;
    active_ = true;
    switch (model_) {
    case mRadioTrack:
    case mRA300: RtOpen(); break;
    case mZoltrix: ZxOpen(); break;
    case mV4L2: VlOpen(); break;
    case mSdr: SdOpen(); break;
    default: SerOpen(); break;
    }
}

void TRadioCard::Close()
{
    if (!active_) return;
    switch (model_) {
    case mRadioTrack:
    case mRA300: RtClose(); break;
    case mZoltrix: ZxClose(); break;
    case mV4L2: VlClose(); break;
    case mSdr: SdClose(); break;
    default: SerClose(); break;
    }
    active_ = false;
}

void TRadioCard::CloseTail()
{
    if (IsCardLine(volumeLine_)) {
        if (muteOnExit_) Mute();
    } else {
        muted_ = true;
    }
}

void TRadioCard::Tune(bool stereo, tBand band, double freq)
{
    if (!active_) return;
    const tDevCap& c = caps_[model_];
    if ((band == bAM && !c.HasAM) || (band == bFM && !c.HasFM)) return;
    // Each sequence snaps the frequency to its band and step, unless no port is chosen.
    if (PortValue() != 0) {
        if (band == bAM)
            freq = SnapFrequency(freq, c.AMStep, AMMin(), AMMax());
        else
            freq = SnapFrequency(freq, c.FMStep, FMMin(), FMMax());
        switch (model_) {
        case mRadioTrack:
        case mRA300:
            if (band == bFM) RtTune(freq);
            break;
        case mZoltrix:
            if (band == bFM) ZxTune(freq, stereo);
            break;
        case mV4L2: VlTune(freq); break;
        case mSdr: SdTune(freq); break;
        case mRadioMan:
        case mRajikoma: SerTune(freq, band); break;
        default:
            if (band == bFM) SerTune(freq, bFM);
            break;
        }
    }
    frequency_ = freq;
    band_ = band;
    if (band == bFM)
        lastFM_ = freq;
    else
        lastAM_ = freq;
}

void TRadioCard::Mute()
{
    if (!active_) return;
    if (volumeLine_ == vlNative) {
        switch (model_) {
        case mRadioTrack:
        case mRA300: RtMute(); break;
        case mZoltrix: ZxMute(); break;
        case mV4L2: VlMute(); break;
        case mSdr:
            muted_ = true;
            SdVolume();
            break;
        default: SerMute(); break;
        }
    } else if (IsCardLine(volumeLine_)) {
        MuteLine();
    }
}

void TRadioCard::UnmuteCard()
{
    switch (model_) {
    case mRadioTrack:
    case mRA300: RtUnmute(); break;
    case mZoltrix: ZxUnmute(); break;
    case mV4L2: VlUnmute(); break;
    case mSdr:
        muted_ = false;
        startMutedPending_ = false;
        SdVolume();
        break;
    default: SerUnmute(); break;
    }
}

void TRadioCard::Unmute()
{
    if (!active_) return;
    if (volumeLine_ == vlNative) {
        UnmuteCard();
    } else if (IsCardLine(volumeLine_)) {
        UnmuteCard();
        LineUnmute();
    }
    startMutedPending_ = false;
}

void TRadioCard::VolumeUp()
{
    if (!active_) return;
    if (volumeLine_ == vlNative) {
        if (model_ == mRadioTrack || model_ == mRA300)
            RtVolumeUp();
        else if (model_ == mZoltrix)
            ZxVolumeUp();
        else if (model_ == mV4L2 && volume_ < volumeMax_)
            VlSetVolume(volume_ + volumeStep_);
        else if (model_ == mSdr)
            SetVolume(volume_ + volumeStep_);
    } else if (IsCardLine(volumeLine_)) {
        LineStep(+1);
    }
}

void TRadioCard::VolumeDown()
{
    if (!active_) return;
    if (volumeLine_ == vlNative) {
        if (model_ == mRadioTrack || model_ == mRA300)
            RtVolumeDown();
        else if (model_ == mZoltrix)
            ZxVolumeDown();
        else if (model_ == mV4L2 && volumeMax_ > 0 && volume_ > 0)
            VlSetVolume(volume_ - volumeStep_);
        else if (model_ == mSdr)
            SetVolume(volume_ - volumeStep_);
    } else if (IsCardLine(volumeLine_)) {
        LineStep(-1);
    }
}

void TRadioCard::SetVolume(int value)
{
    if (!active_ || volumeMax_ <= 0) return;
    value = std::clamp(value, 0, volumeMax_);
    if (volumeLine_ == vlNative) {
        if (model_ == mRadioTrack || model_ == mRA300)
            RtSetVolume(value);
        else if (model_ == mZoltrix)
            ZxSetVolume(value);
        else if (model_ == mV4L2)
            VlSetVolume(value);
        else if (model_ == mSdr) {
            volume_ = volumeStep_ * static_cast<int>(RoundHalfEven(double(value) / volumeStep_));
            SdVolume();
        }
    } else if (IsCardLine(volumeLine_)) {
        LineSet(value);
    }
}

void TRadioCard::VolumeToZero()
{
    if (!active_ || volumeLine_ != vlNative) return;
    if (model_ == mRadioTrack || model_ == mRA300)
        RtVolumeToZero();
    else if (model_ == mZoltrix || model_ == mV4L2 || model_ == mSdr)
        SetVolume(0);
}

tSignal TRadioCard::CheckSignal()
{
    if (!active_ || band_ != bFM) return sgNone;
    switch (model_) {
    case mRadioTrack:
    case mRA300: return RtCheckSignal();
    case mZoltrix: return ZxCheckSignal();
    case mV4L2: return VlCheckSignal();
    case mSdr: return SdCheckSignal();
    default: return SerCheckSignal();
    }
}

double TRadioCard::MinFrequency() const { return band_ == bAM ? AMMin() : FMMin(); }

double TRadioCard::MaxFrequency() const { return band_ == bAM ? AMMax() : FMMax(); }

double TRadioCard::FrequencyStep() const
{
    return band_ == bAM ? caps_[model_].AMStep : caps_[model_].FMStep;
}

// ---- utilities ----

double RoundHalfEven(double value) { return std::nearbyint(value); }

double SnapFrequency(double freq, double step, double minF, double maxF)
{
    // Not a number counts as below the band: the tuning words and channel
    // digits are made from the result and must stay inside the band.
    if (freq < minF || std::isnan(freq)) freq = minF;
    if (freq > maxF) freq = maxF;
    if (step <= 0) return freq;
    return minF + step * RoundHalfEven((freq - minF) / step);
}

int ModelToIndex(tModel model) { return int(model) + 1; }

tModel IndexToModel(int index)
{
    if (index <= 1 || index > ModelCount) return mRadioTrack;
    return tModel(index - 1);
}

bool IsPortCardIndex(int index) { return index == 1 || index == 2 || index == 7; }

QString BandToLetter(tBand band) { return band == bAM ? QStringLiteral("K") : QStringLiteral("M"); }

tBand LetterToBand(const QString& text)
{
    return text.toUpper().startsWith(QLatin1Char('K')) ? bAM : bFM;
}

int VolumeLineToIndex(tVolumeLine line) { return int(line); }

tVolumeLine IndexToVolumeLine(int index)
{
    return index >= 0 && index <= 4 ? tVolumeLine(index) : vlNone;
}

TComPortNumber ComPortFromNumber(int n) { return TComPortNumber(std::clamp(n, 1, 16) - 1); }

bool IsComPortFree(const THardwareEnv& env, int n)
{
    // Only the first digit counts, as the port list offers COM1..COM9.
    const int digit = QString::number(n).left(1).toInt();
    const QByteArray path = env.ComDevice(digit).toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    // A port another program holds exclusively refuses the open above.
    const bool ok = ::isatty(fd) == 1;
    ::close(fd);
    return ok;
}

QString CardName(const tDevCap& caps)
{
    return QCoreApplication::translate("TRadioCard", caps.Name.toUtf8().constData());
}

QString SignalText(tSignal signal)
{
    switch (signal) {
    case sgTuned: return QStringLiteral("Tuned");
    case sgStereo: return QStringLiteral("Stereo");
    case sgMono: return QStringLiteral("Mono");
    case sgNone: break;
    }
    return QStringLiteral("?????");
}

bool InSomeBand(double frequency)
{
    constexpr double Half = 0.0005; // the files carry kHz; limits are compared as printed
    return (frequency >= AMLow - Half && frequency <= AMHigh + Half) ||
           (frequency >= JapaneseFMLow - Half && frequency <= FMHigh + Half);
}
