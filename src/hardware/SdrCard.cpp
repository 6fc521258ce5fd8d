// The software-defined radio as a card model: its source from the settings
// (or the emulated machine's dongle), the threaded receiver doing the rest.
// Volume and mute act on the sound itself; the signal and RDS come from the
// receiver's state. A source that dies closes the card through OnDeviceError.

#include "RadioCards.h"

#include "HardwareEnv.h"
#include "IqFileSource.h"
#include "RdsDemodulator.h"
#include "RtlSdrSource.h"
#include "RtlTcpSource.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// The receiver's signal decision needs this much signal after a tune.
constexpr double SettleSeconds = 0.12;
// Longer than the receiver's own 2 seconds for a stalled source.
constexpr int SettleLimitMs = 3000;

// The RDS demodulator where the receiver hands its multiplex.
class TRdsSink final : public TMultiplexSink {
public:
    explicit TRdsSink(double rate) : demodulator_(rate)
    {
        demodulator_.OnGroup = [this](const tRdsGroup& group) {
            if (OnGroup) OnGroup(group);
        };
    }
    void Process(const tMultiplex& multiplex) override { demodulator_.Process(multiplex); }
    void Reset() override { demodulator_.Reset(); }

private:
    TRdsDemodulator demodulator_;
};

} // namespace

const std::vector<std::uint32_t>& SdrSampleRates()
{
    static const std::vector<std::uint32_t> rates = {250000,  900001,  1024000, 1400000, 1800000,
                                                     1920000, 2048000, 2400000, 2560000, 2880000, 3200000};
    return rates;
}

int DefaultDeemphasisUs(const QString& localeName)
{
    // The country follows the underscore: "en_US", "ko_KR", "pt_BR".
    const QString country = localeName.section(QLatin1Char('_'), 1, 1).left(2).toUpper();
    static const QStringList americas = {
        QStringLiteral("US"), QStringLiteral("CA"), QStringLiteral("MX"), QStringLiteral("BR"), QStringLiteral("AR"),
        QStringLiteral("CL"), QStringLiteral("CO"), QStringLiteral("PE"), QStringLiteral("VE"), QStringLiteral("EC"),
        QStringLiteral("BO"), QStringLiteral("PY"), QStringLiteral("UY"), QStringLiteral("CR"), QStringLiteral("PA"),
        QStringLiteral("GT"), QStringLiteral("HN"), QStringLiteral("SV"), QStringLiteral("NI"), QStringLiteral("CU"),
        QStringLiteral("DO"), QStringLiteral("PR"), QStringLiteral("JM"), QStringLiteral("HT"), QStringLiteral("TT"),
        QStringLiteral("BS"), QStringLiteral("BZ"), QStringLiteral("GY"), QStringLiteral("SR"), QStringLiteral("KR")};
    return americas.contains(country) ? 75 : 50;
}

namespace {

enum tSourceKind { skRtlSdr, skRtlTcp, skFile, skNone };

tSourceKind ParseSource(const QString& source, unsigned* index, QString* host, std::uint16_t* port, QString* why)
{
    if (source.startsWith(QLatin1String("rtlsdr:"))) {
        bool ok = false;
        *index = source.mid(7).toUInt(&ok);
        if (ok) return skRtlSdr;
        *why = QCoreApplication::translate(
                   "TRadioCard",
                   "\"%1\" names no dongle: rtlsdr:N takes the dongle's number, 0 for the first.")
                   .arg(source);
        return skNone;
    }
    if (source.startsWith(QLatin1String("rtl_tcp:"))) {
        const QString rest = source.mid(8);
        const int colon = rest.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const unsigned n = colon > 0 ? rest.mid(colon + 1).toUInt(&ok) : 0;
        if (ok && n >= 1 && n <= 65535) {
            *host = rest.left(colon);
            // An IPv6 address may come in brackets.
            if (host->startsWith(QLatin1Char('[')) && host->endsWith(QLatin1Char(']')))
                *host = host->mid(1, host->size() - 2);
            *port = std::uint16_t(n);
            return skRtlTcp;
        }
        *why = QCoreApplication::translate(
                   "TRadioCard",
                   "\"%1\" names no server: write rtl_tcp:HOST:PORT, as rtl_tcp:192.168.1.20:1234.")
                   .arg(source);
        return skNone;
    }
    if (source.isEmpty()) {
        *why =
            QCoreApplication::translate("TRadioCard", "No source is chosen for the SDR receiver.");
        return skNone;
    }
    return skFile;
}

} // namespace

bool ValidSdrSource(const QString& source, QString* why)
{
    unsigned index = 0;
    QString host;
    std::uint16_t port = 0;
    return ParseSource(source, &index, &host, &port, why) != skNone;
}

std::unique_ptr<TIqSource> MakeIqSource(const tSdrSettings& settings, QString* why)
{
    unsigned index = 0;
    QString host;
    std::uint16_t port = 0;
    switch (ParseSource(settings.source, &index, &host, &port, why)) {
    case skRtlSdr: return std::make_unique<TRtlSdrSource>(index);
    case skRtlTcp: return std::make_unique<TRtlTcpSource>(host.toStdString(), port);
    case skFile:
        return std::make_unique<TIqFileSource>(QFile::encodeName(settings.source).toStdString(),
                                               std::uint32_t(std::llround(settings.centerMhz * 1e6)));
    case skNone: break;
    }
    return nullptr;
}

void TRadioCard::SetSdr(const tSdrSettings& value)
{
    if (active_ && model_ == mSdr) throw eCantSetup();
    sdr_ = value;
}

void TRadioCard::SdOpen()
{
    openError_.clear();
    sdrStop_.reset();
    QString why;
    std::unique_ptr<TIqSource> source(env_.NewEmulatedIqSource());
    if (!source) source = MakeIqSource(sdr_, &why);
    if (!source) {
        openError_ = why;
        throw ePortAlreadyOpen();
    }
    tSdrSetup setup;
    setup.sampleRate = sdr_.sampleRate;
    setup.automaticGain = sdr_.automaticGain;
    setup.gainTenthsDb = int(std::lround(sdr_.gainDb * 10));
    setup.correctionPpm = sdr_.correctionPpm;
    setup.deemphasisUs = sdr_.deemphasisUs;
    setup.audioDevice = sdr_.audioDevice.toStdString();
    auto receiver = std::make_unique<TSdrReceiver>(
        std::move(source), setup,
        [this](const std::string& device, std::string* error) { return env_.OpenSdrAudio(device, error); });
    receiver->SetMultiplexSink([](double rate) { return std::make_unique<TRdsSink>(rate); });
    std::string error;
    if (!receiver->Start(&error)) {
        openError_ = QString::fromStdString(error);
        throw ePortAlreadyOpen();
    }
    sdrReceiver_ = std::move(receiver);
    sdrReceiver_->SetAudioTap(tap_);
    rds_.Reset();
    muted_ = startMutedPending_;
    sdrReceiver_->SetStereo(stereo_);
    SdVolume();
}

void TRadioCard::SdClose()
{
    sdrReceiver_.reset();
    rds_.Reset();
    CloseTail();
}

bool TRadioCard::SdAlive()
{
    if (!sdrReceiver_) return false;
    auto stop = sdrReceiver_->Stopped();
    if (!stop) return true;
    sdrStop_ = stop;
    sdrReceiver_.reset();
    active_ = false;
    muted_ = true;
    rds_.Reset();
    if (OnDeviceError) OnDeviceError(QString::fromStdString(stop->reason));
    return false;
}

void TRadioCard::SdTune(double freq)
{
    rds_.Reset();
    if (!SdAlive()) return;
    sdrReceiver_->SetStereo(stereo_);
    sdrReceiver_->Tune(std::uint32_t(std::llround(freq * 1e6)));
}

void TRadioCard::SdVolume()
{
    if (!sdrReceiver_) return;
    sdrReceiver_->SetMuted(muted_);
    // A sound-card line does the volume itself; the sound then goes out whole.
    sdrReceiver_->SetVolume(volumeLine_ == vlNative ? volume_ : 256);
}

tSignal TRadioCard::SdCheckSignal()
{
    // Right after a tune, wait for enough of the new station's signal: the
    // processing runs on its own thread and publishes what it decided.
    const auto needed = std::uint64_t(sdr_.sampleRate * SettleSeconds);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(SettleLimitMs);
    while (SdAlive() && sdrReceiver_->SamplesSinceTune() < needed && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!SdAlive()) return sgNone;
    const tFmReceiverState state = sdrReceiver_->State();
    if (!state.station) return sgNone;
    return state.pilot ? sgStereo : sgMono;
}

std::optional<double> TRadioCard::SignalLevelDb() const
{
    if (model_ != mSdr || !active_ || !sdrReceiver_) return std::nullopt;
    return sdrReceiver_->State().levelDb;
}

void TRadioCard::SdPollRds(const std::function<void(unsigned news)>& onNews)
{
    if (!active_ || !SdAlive()) return;
    for (const tRdsGroup& group : sdrReceiver_->TakeRdsGroups()) {
        if (OnRdsGroup) OnRdsGroup(group);
        const unsigned news = rds_.Feed(group);
        if (news && onNews) onNews(news);
    }
}
