// vantoroctl's options of the software-defined radio, "record" and --rds-groups.

#include "SdrCommands.h"

#include "CardCommands.h"
#include "Recorder.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// Hands the recorder exactly `frames` frames and then nothing.
class TCountedTap final : public TAudioTap {
public:
    TCountedTap(TAudioTap& to, std::uint64_t frames) : to_(to), left_(frames) {}
    void Write(const std::int16_t* samples, std::size_t frames, int channels) override
    {
        const std::uint64_t left = left_;
        const std::size_t n = std::size_t(std::min<std::uint64_t>(frames, left));
        if (n) to_.Write(samples, n, channels);
        left_ = left - n;
    }
    bool Done() const { return left_ == 0; }

private:
    TAudioTap& to_;
    std::atomic<std::uint64_t> left_;
};

} // namespace

int ParseSdrOption(const QStringList& args, int i, tSdrSettings& sdr, QString* error)
{
    const QString& option = args[i];
    static const QStringList options = {QStringLiteral("--sample-rate"), QStringLiteral("--gain"),
                                        QStringLiteral("--deemphasis"), QStringLiteral("--center")};
    if (!options.contains(option)) return 0;
    if (i + 1 >= args.size()) {
        *error = QCoreApplication::translate("vantoroctl", "%1 needs a value").arg(option);
        return -1;
    }
    const QString value = args[i + 1];
    bool ok = false;
    if (option == QLatin1String("--sample-rate")) {
        const uint rate = value.toUInt(&ok);
        const auto& rates = SdrSampleRates();
        if (!ok || std::find(rates.begin(), rates.end(), rate) == rates.end()) {
            QStringList names;
            for (std::uint32_t r : rates) names << QString::number(r);
            *error = QCoreApplication::translate("vantoroctl",
                                                 "--sample-rate takes one of %1, not \"%2\"")
                         .arg(names.join(QLatin1String(", ")), value);
            return -1;
        }
        sdr.sampleRate = rate;
    } else if (option == QLatin1String("--gain")) {
        if (!ParseSdrGain(value, sdr)) {
            *error = QCoreApplication::translate("vantoroctl",
                                                 "--gain takes auto or a value in dB, not \"%1\"")
                         .arg(value);
            return -1;
        }
    } else if (option == QLatin1String("--deemphasis")) {
        const int us = value.toInt(&ok);
        if (!ok || (us != 50 && us != 75)) {
            *error =
                QCoreApplication::translate("vantoroctl", "--deemphasis takes 50 or 75, not \"%1\"")
                    .arg(value);
            return -1;
        }
        sdr.deemphasisUs = us;
    } else {
        const double mhz = QLocale::c().toDouble(value, &ok);
        if (!ok || mhz < 24 || mhz > 1766) {
            *error = QCoreApplication::translate("vantoroctl",
                                                 "--center takes a frequency in MHz, not \"%1\"")
                         .arg(value);
            return -1;
        }
        sdr.centerMhz = mhz;
    }
    return 2;
}

int RunRecord(TRadioCard& card, const QString& path, int seconds, QTextStream& out, QTextStream& err)
{
    if (!card.SdrReceiver()) return ExitNoCard;
    TRecorder recorder;
    QString why;
    if (!recorder.Open(path, 2, &why)) {
        err << "vantoroctl: "
            << QCoreApplication::translate("vantoroctl", "cannot record to %1: %2").arg(path, why)
            << '\n';
        return ExitUsage;
    }
    TCountedTap tap(recorder, std::uint64_t(seconds) * TRecorder::Rate);
    card.SdrReceiver()->SetAudioTap(&tap);
    // PollRds also notices a source that stopped, which closes the card.
    while (!tap.Done() && card.Active()) {
        card.PollRds();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (card.SdrReceiver()) card.SdrReceiver()->SetAudioTap(nullptr);
    const bool closed = recorder.Close(&why);
    if (!closed)
        err << "vantoroctl: "
            << QCoreApplication::translate("vantoroctl", "the recording %1 ended early: %2")
                   .arg(path, why)
            << '\n';
    out << path << ": " << QString::number(double(recorder.Frames()) / TRecorder::Rate, 'f', 2) << " s";
    if (recorder.Dropped())
        out << ", " << QString::number(double(recorder.Dropped()) / TRecorder::Rate, 'f', 2) << " s left out";
    out << '\n';
    return closed ? ExitOk : ExitUsage;
}

bool TRdsGroupLog::Open(const QString& path, TRadioCard& card, QString* error)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = file_.errorString();
        return false;
    }
    card.OnRdsGroup = [this](const tRdsGroup& group) {
        const QString line = RdsSpyLine(group);
        if (line.isEmpty()) return;
        if (file_.write((line + QLatin1Char('\n')).toLatin1()) < 0) failed_ = true;
        file_.flush();
    };
    return true;
}
