// vantoroctl's scan and RDS commands.

#include "RadioCommands.h"

#include "CardCommands.h"
#include "Helpers.h"
#include "RadioCards.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

namespace {

constexpr int PollMs = 100;

// A station found; on AM, where the card tells no signal, it counts as tuned.
QString StationLine(TRadioCard& card, tSignal signal)
{
    return FrequencyToStr(card.Frequency(), card.MinFrequency(), card.MaxFrequency()) + QLatin1Char(' ') +
           SignalText(signal == sgNone ? sgTuned : signal);
}

// The program's own scan: one step at a time until the card hears a station
// or the band edge stops it.
bool StepScan(TRadioCard& card, bool upward)
{
    const double step = card.FrequencyStep();
    for (;;) {
        const QString before = FrequencyToStr(card.Frequency(), card.MinFrequency(), card.MaxFrequency());
        card.Tune(card.Stereo(), card.Band(), card.Frequency() + (upward ? step : -step));
        if (!card.Active()) return false;
        if (FrequencyToStr(card.Frequency(), card.MinFrequency(), card.MaxFrequency()) == before) return false;
        if (card.CheckSignal() != sgNone) return true;
    }
}

bool NextStation(TRadioCard& card, bool upward)
{
    return card.Caps().HasHardwareSeek ? card.Seek(upward) : StepScan(card, upward);
}

void PrintNews(const TRdsDecoder& rds, unsigned news, QTextStream& out)
{
    auto onOff = [](const std::optional<bool>& flag) { return flag.value_or(false) ? "on" : "off"; };
    if (news & TRdsDecoder::NewPi)
        out << "PI " << QStringLiteral("%1").arg(*rds.Pi(), 4, 16, QLatin1Char('0')).toUpper() << '\n';
    if (news & TRdsDecoder::NewPs) out << "PS " << rds.Ps() << '\n';
    if (news & TRdsDecoder::NewPty)
        out << "PTY " << *rds.Pty() << ' ' << ProgrammeTypeName(*rds.Pty(), NorthAmericanRds(QLocale::system())) << '\n';
    if (news & TRdsDecoder::NewTp) out << "TP " << onOff(rds.Tp()) << '\n';
    if (news & TRdsDecoder::NewTa) out << "TA " << onOff(rds.Ta()) << '\n';
    if (news & TRdsDecoder::NewRt) out << "RT " << rds.Rt() << '\n';
    if (news & TRdsDecoder::NewRtPlus) out << "RT+ title=" << rds.Title() << " artist=" << rds.Artist() << '\n';
    if (news & TRdsDecoder::NewAf) {
        out << "AF";
        for (const double mhz : rds.Af()) out << ' ' << QString::number(mhz, 'f', 1);
        out << '\n';
    }
    if (news & TRdsDecoder::NewClock) out << "CT " << rds.Clock()->toString(Qt::ISODate) << '\n';
}

} // namespace

int RunScan(TRadioCard& card, const QString& how, tBand band, QTextStream& out)
{
    // A card not tuned yet starts from the bottom of the band asked for.
    if (card.Frequency() == 0) card.SetBand(band);
    if (how == QLatin1String("up") || how == QLatin1String("down")) {
        if (!NextStation(card, how == QLatin1String("up"))) {
            // A card that failed under the scan found nothing to report.
            if (!card.Active()) return ExitNoCard;
            out << "no station\n";
            return ExitNotFound;
        }
        out << StationLine(card, card.CheckSignal()) << '\n';
        return ExitOk;
    }
    // The band survey, from the bottom up.
    card.Tune(card.Stereo(), card.Band(), card.MinFrequency());
    const tSignal first = card.CheckSignal();
    if (first != sgNone) out << StationLine(card, first) << '\n';
    for (double last = card.Frequency(); NextStation(card, true) && card.Frequency() > last;
         last = card.Frequency())
        out << StationLine(card, card.CheckSignal()) << '\n';
    return ExitOk;
}

int RunRds(TRadioCard& card, TWaiter& waiter, int seconds, QTextStream& out)
{
    if (!card.Caps().HasRds) return ExitNotFound;
    auto print = [&](unsigned news) { PrintNews(card.Rds(), news, out); };
    for (int ms = 0;; ms += PollMs) {
        card.PollRds(print);
        if (ms >= seconds * 1000 || !card.Active()) break;
        waiter.Wait(PollMs);
    }
    return card.Active() ? ExitOk : ExitNoCard;
}

int RunRdsHexCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2 || args[0] != QLatin1String("--hex")) {
        err << QCoreApplication::translate("vantoroctl", "usage: vantoroctl rds --hex FILE\n");
        return ExitUsage;
    }
    QFile file(args[1]);
    QString why;
    if (!OpenRegularFile(file, &why)) {
        err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "cannot read %1: %2").arg(args[1], why) << '\n';
        return ExitUsage;
    }
    file.setTextModeEnabled(true);
    TRdsDecoder rds;
    // Read a line at a time, so a log of any length takes little memory;
    // a line no log has ends the reading.
    // Read until nothing comes: a file that says it is empty may still
    // hold lines, or fail to read (/proc/self/mem), which is then told.
    for (int n = 1;; ++n) {
        const QByteArray line = file.readLine(MaxFileLineBytes + 1);
        if (line.isEmpty()) break;
        if (line.size() >= MaxFileLineBytes && !line.endsWith('\n')) {
            err << "vantoroctl: " << args[1] << ": "
                << QCoreApplication::translate("vantoroctl", "line %1 is longer than %2 KiB, not an RDS log").arg(n).arg(MaxFileLineBytes / 1024) << '\n';
            return ExitUsage;
        }
        const auto group = ParseRdsSpyLine(QString::fromLatin1(line));
        if (group) PrintNews(rds, rds.Feed(*group), out);
    }
    if (file.error() != QFileDevice::NoError) {
        err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "cannot read %1: %2").arg(args[1], file.errorString()) << '\n';
        return ExitUsage;
    }
    return ExitOk;
}
