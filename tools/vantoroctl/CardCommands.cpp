#include "CardCommands.h"

#include "DirectPortAccess.h"
#include "HardwareEnv.h"
#include "Helpers.h"
#include "Mixer.h"
#include "ProgramDir.h"
#include "RadioCards.h"
#include "RadioCommands.h"
#include "SdrCommands.h"
#include "Settings.h"
#include "SimulatedHardware.h"
#include "V4l2Radio.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

} // namespace

const char* const CtlUsage = QT_TRANSLATE_NOOP(
    "vantoroctl",
    "usage: vantoroctl [--simulate] [--stations FILE] [--trace FILE] [--model M] [--port N]\n"
    "                  [--device PATH] [--band am|fm] [--japanese-fm] [--mono] [--volume V]\n"
    "                  [--muted] [--close] [--rds-groups FILE] COMMAND...\n"
    "       vantoroctl --model SDR --device SOURCE [--sample-rate N] [--gain DB|auto]\n"
    "                  [--deemphasis 50|75] [--center MHZ] COMMAND...\n"
    "          SOURCE: rtlsdr:N, rtl_tcp:HOST:PORT or an I/Q recording (.cu8)\n"
    "commands: models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |\n"
    "          signal | status | scan up|down|all | rds [SECONDS] | record FILE SECONDS (SDR)\n"
    "       vantoroctl presets check|show FILE | presets copy FILE TO\n"
    "       vantoroctl script check|show FILE\n"
    "       vantoroctl settings show [DIR]\n"
    "       vantoroctl archive show [FILE]\n"
    "       vantoroctl rds --hex FILE\n"
    "       vantoroctl --help | -h | --version\n"
    "Without --model, --port and --device the card is the one the program's settings name.\n");

namespace {

const char* const Usage = CtlUsage;

constexpr int MaxVolume = 256;
constexpr int MaxRdsSeconds = 86400; // a day

// One command word with its argument, checked before any command runs.
struct TCommand {
    QString word;
    double mhz = 0;         // tune
    tBand band = bFM;       // tune (the --band), band
    int volume = 0;         // volume
    QString how;            // scan: up, down or all
    int seconds = 10;       // rds, record
    QString path;           // record
};

struct TOptions {
    bool simulate = false;
    QString stations;
    QString trace;
    tModel model = mRadioTrack;
    bool modelGiven = false;
    std::optional<int> port;
    QString device;
    tBand band = bFM;
    bool japaneseFM = false;
    bool mono = false;
    int volume = 0;
    bool volumeGiven = false;
    bool muted = false;
    bool close = false;
    tSdrSettings sdr;   // the SDR's, from the settings file and the options
    QString rdsGroups;  // --rds-groups
    std::vector<TCommand> commands;
};

class TUsageError {
public:
    explicit TUsageError(QString text) : text(std::move(text)) {}
    QString text;
};

QString BandName(tBand band) { return band == bAM ? QStringLiteral("AM") : QStringLiteral("FM"); }

std::optional<tModel> ParseModel(const QString& text)
{
    bool isNumber = false;
    const int code = text.toInt(&isNumber);
    if (isNumber) return code >= 1 && code <= ModelCount ? std::optional(IndexToModel(code)) : std::nullopt;
    static const char* const names[ModelCount] = {"radiotrack", "ra300",    "wizard", "radioman", "radionmaru",
                                                  "rajikoma",   "zoltrix", "v4l2",   "sdr"};
    for (int i = 0; i < ModelCount; ++i)
        if (text.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return tModel(i);
    return std::nullopt;
}

std::optional<tBand> ParseBand(const QString& text)
{
    if (text.compare(QLatin1String("am"), Qt::CaseInsensitive) == 0) return bAM;
    if (text.compare(QLatin1String("fm"), Qt::CaseInsensitive) == 0) return bFM;
    return std::nullopt;
}

int ParseInt(const QString& text, const QString& what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) throw TUsageError(QCoreApplication::translate("vantoroctl", "%1 must be a whole number, not \"%2\"").arg(what, text));
    return value;
}

int ParseVolume(const QString& text, const QString& what)
{
    // Taken as it stands (the card's position cannot be read back), so it
    // must be a volume the card can have.
    const int volume = ParseInt(text, what);
    if (volume < 0 || volume > MaxVolume)
        throw TUsageError(QCoreApplication::translate("vantoroctl", "%1 takes 0..%2, not %3").arg(what).arg(MaxVolume).arg(volume));
    return volume;
}

double ParseMHz(const QString& text)
{
    // A plain decimal number with the user's decimal mark or ".", as people
    // type both; never group separators, signs or exponents.
    const QString mark = QRegularExpression::escape(QLocale().decimalPoint());
    const QRegularExpression plain(QStringLiteral("^[0-9]+(?:(?:\\.|%1)[0-9]+)?$").arg(mark));
    if (!plain.match(text).hasMatch())
        throw TUsageError(QCoreApplication::translate("vantoroctl", "\"%1\" is not a frequency in MHz").arg(text));
    QString c = text;
    c.replace(QLocale().decimalPoint(), QStringLiteral("."));
    return QLocale::c().toDouble(c);
}

// Checks every command word and argument against the model, so nothing
// runs when any part of the command line is wrong.
std::vector<TCommand> ParseCommands(const QStringList& words, const TOptions& o)
{
    const tDevCap caps = BuildModelTable()[o.model];
    auto checkBand = [&](tBand band) {
        // A radio device says itself which bands it has.
        if (caps.Connection != cnDevice && ((band == bAM && !caps.HasAM) || (band == bFM && !caps.HasFM)))
            throw TUsageError(QCoreApplication::translate("vantoroctl", "the %1 has no %2 band")
                                  .arg(CardName(caps), BandName(band)));
        return band;
    };
    checkBand(o.band);
    std::vector<TCommand> commands;
    for (int i = 0; i < words.size(); ++i) {
        TCommand c;
        c.word = words[i];
        auto argument = [&]() {
            if (i + 1 >= words.size()) throw TUsageError(QCoreApplication::translate("vantoroctl", "%1 needs a value").arg(c.word));
            return words[++i];
        };
        if (c.word == QLatin1String("tune")) {
            c.mhz = ParseMHz(argument());
            c.band = o.band;
        } else if (c.word == QLatin1String("band")) {
            const auto band = ParseBand(argument());
            if (!band) throw TUsageError(QCoreApplication::translate("vantoroctl", "band takes am or fm"));
            c.band = checkBand(*band);
        } else if (c.word == QLatin1String("volume")) {
            c.volume = ParseVolume(argument(), c.word);
        } else if (c.word == QLatin1String("scan")) {
            c.how = argument();
            if (c.how != QLatin1String("up") && c.how != QLatin1String("down") && c.how != QLatin1String("all"))
                throw TUsageError(QCoreApplication::translate("vantoroctl", "scan takes up, down or all"));
            c.band = o.band;
        } else if (c.word == QLatin1String("record")) {
            if (caps.Connection != cnSdr)
                throw TUsageError(
                    QCoreApplication::translate("vantoroctl", "record goes with the SDR receiver"));
            c.path = argument();
            c.seconds = ParseInt(argument(), c.word);
            if (c.seconds < 1)
                throw TUsageError(
                    QCoreApplication::translate("vantoroctl", "record takes 1 second or more"));
        } else if (c.word == QLatin1String("rds")) {
            // A number after it is its time, however large; a word is the
            // next command.
            static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
            const QString next = words.value(i + 1);
            if (number.match(next).hasMatch()) {
                bool fits = false;
                const int seconds = next.toInt(&fits);
                if (!fits || seconds < 0 || seconds > MaxRdsSeconds)
                    throw TUsageError(QCoreApplication::translate("vantoroctl", "rds takes a number of seconds from 0 to %1, not %2")
                                          .arg(MaxRdsSeconds)
                                          .arg(next));
                c.seconds = seconds;
                ++i;
            }
        } else {
            static const QStringList plain = {QStringLiteral("models"), QStringLiteral("mute"),
                                              QStringLiteral("unmute"), QStringLiteral("up"),
                                              QStringLiteral("down"),   QStringLiteral("zero"),
                                              QStringLiteral("signal"), QStringLiteral("status")};
            if (!plain.contains(c.word)) throw TUsageError(QCoreApplication::translate("vantoroctl", "unknown command \"%1\"").arg(c.word));
        }
        commands.push_back(c);
    }
    return commands;
}

TOptions ParseOptions(const QStringList& args)
{
    TOptions o;
    o.sdr = ReadSdrSettings(TSettingsFile(ProgramDir(false)).Profile(), QLocale::system().name());
    o.sdr.audioDevice.clear(); // vantoroctl plays no sound
    int i = 0;
    auto value = [&](const QString& option) {
        if (i + 1 >= args.size()) throw TUsageError(QCoreApplication::translate("vantoroctl", "%1 needs a value").arg(option));
        return args[++i];
    };
    for (; i < args.size() && args[i].startsWith(QLatin1String("--")); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--simulate")) o.simulate = true;
        else if (a == QLatin1String("--stations")) o.stations = value(a);
        else if (a == QLatin1String("--trace")) o.trace = value(a);
        else if (a == QLatin1String("--model")) {
            const QString m = value(a);
            const auto model = ParseModel(m);
            if (!model) throw TUsageError(QCoreApplication::translate("vantoroctl", "unknown model \"%1\"").arg(m));
            o.model = *model;
            o.modelGiven = true;
        } else if (a == QLatin1String("--port")) {
            o.port = ParseInt(value(a), a);
            if (*o.port < 1) throw TUsageError(QCoreApplication::translate("vantoroctl", "--port takes 1 or more, not %1").arg(*o.port));
        } else if (a == QLatin1String("--device")) o.device = value(a);
        else if (a == QLatin1String("--band")) {
            const QString b = value(a);
            const auto band = ParseBand(b);
            if (!band) throw TUsageError(QCoreApplication::translate("vantoroctl", "--band takes am or fm, not \"%1\"").arg(b));
            o.band = *band;
        } else if (a == QLatin1String("--japanese-fm")) o.japaneseFM = true;
        else if (a == QLatin1String("--mono")) o.mono = true;
        else if (a == QLatin1String("--volume")) {
            o.volume = ParseVolume(value(a), a);
            o.volumeGiven = true;
        }
        else if (a == QLatin1String("--muted")) o.muted = true;
        else if (a == QLatin1String("--close")) o.close = true;
        else if (a == QLatin1String("--rds-groups")) o.rdsGroups = value(a);
        else if (QString why; const int taken = ParseSdrOption(args, i, o.sdr, &why)) {
            if (taken < 0) throw TUsageError(why);
            i += taken - 1;
        } else throw TUsageError(QCoreApplication::translate("vantoroctl", "unknown option %1").arg(a));
    }
    if (i == args.size()) throw TUsageError(QCoreApplication::translate("vantoroctl", "no command given"));
    // No card named: the one the program is set up for, once it is.
    if (!o.modelGiven && !o.port && o.device.isEmpty()) {
        const TSettings settings = TSettingsFile(ProgramDir(false)).Read();
        if (settings.Configured() && settings.Hardware == ModelToIndex(settings.Model())) {
            o.model = settings.Model();
            o.port = settings.Port;
        }
    }
    if (!o.stations.isEmpty() && !o.simulate)
        throw TUsageError(QCoreApplication::translate("vantoroctl", "--stations goes with --simulate"));
    // A device alone names a radio device.
    if (!o.device.isEmpty() && !o.modelGiven) o.model = mV4L2;
    const tConnection connection = BuildModelTable()[o.model].Connection;
    if (!o.device.isEmpty() && connection != cnDevice && connection != cnSdr && (o.simulate || connection != cnSerial))
        throw TUsageError(QCoreApplication::translate("vantoroctl", "--device goes with radio devices, the SDR receiver, and with the serial models on real hardware"));
    if (connection == cnSdr && !o.device.isEmpty()) {
        QString why;
        if (!ValidSdrSource(o.device, &why)) throw TUsageError(why);
        o.sdr.source = o.device;
    }
    o.commands = ParseCommands(args.mid(i), o);
    return o;
}

QString YesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

QString PortText(const tDevCap& caps, int port)
{
    if (port <= 0) return QStringLiteral("none");
    if (caps.Connection == cnSerial) return QStringLiteral("COM%1").arg(caps.Ports[port]);
    if (caps.Connection == cnDevice) return QStringLiteral("radio device %1").arg(port);
    if (caps.Connection == cnSdr) return QStringLiteral("the source setting");
    return QStringLiteral("0x%1").arg(caps.Ports[port], 3, 16, QLatin1Char('0')).toUpper().replace(
        QLatin1String("0X"), QLatin1String("0x"));
}

void PrintModels(QTextStream& out)
{
    const tDevCaps table = BuildModelTable();
    for (int i = 0; i < ModelCount; ++i) {
        const tDevCap& c = table[i];
        QStringList ports;
        for (int p = 1; p <= c.PortCount; ++p) ports << PortText(c, p);
        out << ModelToIndex(tModel(i)) << ' ' << (c.Maker.isEmpty() ? c.Name : c.Maker + QLatin1Char(' ') + c.Name)
            << ": " << (c.HasAM ? "FM AM" : "FM") << (c.HasJapaneseFM ? ", Japanese FM" : "")
            << (c.CanVolume ? ", volume" : "") << (c.CanMute ? ", mute" : "");
        if (c.Connection == cnSdr) {
            out << ", RDS, source rtlsdr:N, rtl_tcp:HOST:PORT or an I/Q recording (--device)\n";
            continue;
        }
        out << (c.Connection == cnSerial ? ", serial " : c.Connection == cnDevice ? ", " : ", I/O port ")
            << (c.Connection == cnDevice ? QStringLiteral("bands and controls from the device, ports 1..%1 = "
                                                          "the radio devices found")
                                                   .arg(c.PortCount)
                                         : ports.join(QLatin1Char(' ')))
            << '\n';
    }
}

QString FrequencyText(const TRadioCard& card)
{
    return FrequencyToStr(card.Frequency(), card.MinFrequency(), card.MaxFrequency());
}

// Runs one checked command. `tuned` tells whether this run has tuned the card,
// whose frequency cannot be read back otherwise. A command that finds nothing
// or loses the card says so in `code`.
void RunOne(TRadioCard& card, THardwareEnv& env, const TCommand& c, bool& tuned, QTextStream& out, QTextStream& err,
            int& code)
{
    const tDevCap& caps = card.Caps();
    const QString& cmd = c.word;
    if (cmd == QLatin1String("models")) {
        PrintModels(out);
    } else if (cmd == QLatin1String("tune") || cmd == QLatin1String("band")) {
        if (cmd == QLatin1String("tune"))
            card.Tune(card.Stereo(), c.band, c.mhz);
        else
            card.SetBand(c.band);
        tuned = true;
        out << FrequencyText(card) << '\n';
    } else if (cmd == QLatin1String("mute")) {
        card.Mute();
    } else if (cmd == QLatin1String("unmute")) {
        card.Unmute();
    } else if (cmd == QLatin1String("volume")) {
        card.SetVolume(c.volume);
    } else if (cmd == QLatin1String("up")) {
        card.VolumeUp();
    } else if (cmd == QLatin1String("down")) {
        card.VolumeDown();
    } else if (cmd == QLatin1String("zero")) {
        card.VolumeToZero();
    } else if (cmd == QLatin1String("scan")) {
        code = std::max(code, RunScan(card, c.how, c.band, out));
        tuned = true;
    } else if (cmd == QLatin1String("rds")) {
        const int result = RunRds(card, env.Waiter(), c.seconds, out);
        if (result == ExitNotFound && card.Active()) out << "no RDS from this card\n";
        code = std::max(code, result);
    } else if (cmd == QLatin1String("record")) {
        code = std::max(code, RunRecord(card, c.path, c.seconds, out, err));
    } else if (cmd == QLatin1String("signal")) {
        out << SignalText(card.CheckSignal()) << '\n';
    } else if (cmd == QLatin1String("status")) {
        out << "model: " << (caps.Maker.isEmpty() ? caps.Name : caps.Maker + QLatin1Char(' ') + caps.Name) << '\n'
            << "port: " << PortText(caps, card.Port())
            << (caps.Connection == cnDevice ? QStringLiteral(" (%1)").arg(env.RadioDevice(card.Port()))
                : caps.Connection == cnSdr  ? QStringLiteral(" (%1)").arg(card.Sdr().source)
                                            : QString())
            << '\n'
            << "band: " << BandName(card.Band()) << '\n'
            << "frequency: " << (tuned ? FrequencyText(card) : QStringLiteral("unknown")) << '\n'
            << "volume: " << card.Volume() << '\n'
            << "muted: " << YesNo(card.Muted()) << '\n';
    }
}

// "status" on a radio device, which can tell what it holds: read, nothing
// set (opening the card would set stereo and the audio state).
int DeviceStatus(THardwareEnv& env, const tDevCap& caps, int port, QTextStream& out,
                 QTextStream& err)
{
    const QString path = env.RadioDevice(port);
    int error = 0;
    auto device = path.isEmpty() ? nullptr : env.OpenRadioDevice(path, &error);
    TV4l2Radio radio(std::move(device));
    if (path.isEmpty() || error || radio.Probe() != 0) {
        err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "cannot read the radio device %1").arg(path.isEmpty() ? QString::number(port) : path) << '\n';
        return ExitNoCard;
    }
    const tV4l2Info& info = radio.Info();
    double mhz = 0;
    int volume = 0;
    bool muted = false;
    const bool hasFrequency = radio.Frequency(&mhz) == 0;
    const bool hasVolume = radio.Volume(&volume) == 0;
    const bool hasMute = radio.Muted(&muted) == 0;
    const bool am = hasFrequency && info.am.Valid() && mhz <= info.am.high && mhz < info.fm.low;
    const tV4l2Range band = am                                             ? info.am
                            : info.japaneseFM.Valid() && mhz < info.fm.low ? info.japaneseFM
                                                                           : info.fm;
    out << "model: " << caps.Maker << ' ' << caps.Name << '\n'
        << "port: " << PortText(caps, port) << " (" << path << ")\n"
        << "band: " << (hasFrequency ? BandName(am ? bAM : bFM) : QStringLiteral("unknown")) << '\n'
        << "frequency: "
        << (hasFrequency ? FrequencyToStr(mhz, band.low, band.high) : QStringLiteral("unknown"))
        << '\n'
        << "volume: " << (hasVolume ? QString::number(volume) : QStringLiteral("unknown")) << '\n'
        << "muted: " << (hasMute ? YesNo(muted) : QStringLiteral("unknown")) << '\n';
    return ExitOk;
}

} // namespace

int RunCardCommands(const QStringList& args, QTextStream& out, QTextStream& err)
{
    TOptions o;
    try {
        o = ParseOptions(args);
    } catch (const TUsageError& e) {
        err << "vantoroctl: " << e.text << '\n' << QCoreApplication::translate("vantoroctl", Usage);
        return ExitUsage;
    }
    if (o.commands.size() == 1 && o.commands[0].word == QLatin1String("models")) {
        PrintModels(out);
        return ExitOk;
    }

    std::unique_ptr<THardwareEnv> env;
    if (o.simulate) {
        TStationList stations = TStationList::BuiltIn();
        if (!o.stations.isEmpty()) {
            QString why;
            auto loaded = TStationList::Load(o.stations, &why);
            if (!loaded) {
                err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "cannot use the station list %1").arg(why) << '\n';
                return ExitUsage;
            }
            stations = std::move(*loaded);
        }
        auto sim = std::make_unique<TSimulatedHardware>(std::move(stations), false, o.trace);
        sim->InsertCard(o.model);
        env = std::move(sim);
    } else {
        env = std::make_unique<TRealHardware>(o.trace);
        // The serial devices the program uses, from its settings file.
        const TSettings settings = TSettingsFile(ProgramDir(false)).Read();
        for (auto it = settings.SerialDevices.cbegin(); it != settings.SerialDevices.cend(); ++it)
            env->MapComDevice(it.key(), it.value());
    }
    if (!o.trace.isEmpty() && !env->Trace()) {
        err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "cannot write the trace file %1").arg(o.trace) << '\n';
        return ExitUsage;
    }

    // A sound card whose mixer will not open costs only the sound-card lines.
    QString mixerWhy;
    TRadioCard card(*env, OpenSoundCardMixer(*env, &mixerWhy));
    if (!mixerWhy.isEmpty())
        err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "going on without the sound card's mixer: %1").arg(mixerWhy) << '\n';
    const tDevCap caps = card.GetDevCap(o.model);
    const int port = o.port.value_or(caps.DefaultPort);
    card.OnDeviceError = [&err](const QString& what) { err << "vantoroctl: " << what << '\n'; };
    try {
        card.SetModel(o.model);
        card.SetMutedStartup(o.muted);
        card.SetPort(port);
        card.SetVolumeLine(caps.CanVolume || caps.CanMute ? vlNative : vlNone);
        card.SetJapaneseFM(o.japaneseFM);
        card.SetMuteOnExit(false);
        card.SetStereo(!o.mono);
        card.SetSdr(o.sdr);
    } catch (const ePortNotFound&) {
        err << "vantoroctl: "
            << QCoreApplication::translate("vantoroctl", "port %1 does not exist on the %2 (1..%3)")
                   .arg(port)
                   .arg(CardName(caps))
                   .arg(caps.PortCount)
            << '\n';
        return ExitUsage;
    }
    if (o.japaneseFM && !caps.HasJapaneseFM) {
        err << "vantoroctl: "
            << QCoreApplication::translate("vantoroctl", "the %1 has no Japanese FM range")
                   .arg(CardName(caps))
            << '\n';
        return ExitUsage;
    }

    if (!o.device.isEmpty() && caps.Connection != cnSdr) {
        if (caps.Connection == cnDevice)
            env->MapRadioDevice(port, o.device);
        else
            env->MapComDevice(caps.Ports[port], o.device);
    }

    const bool onlyStatus =
        std::all_of(o.commands.begin(), o.commands.end(),
                    [](const TCommand& c) { return c.word == QLatin1String("status"); });
    if (caps.Connection == cnDevice && onlyStatus) return DeviceStatus(*env, caps, port, out, err);

    if (caps.Connection == cnIOPort) {
        QString why;
        if (!env->PortAccess(&why)) {
            err << "vantoroctl: "
                << QCoreApplication::translate("vantoroctl",
                                               "cannot reach the I/O ports of the %1 %2: %3.")
                       .arg(caps.Maker, CardName(caps), why)
                << '\n';
            if (KernelHasPortIo())
                err << QCoreApplication::translate("vantoroctl", "The program needs the CAP_SYS_RAWIO capability: sudo setcap cap_sys_rawio+ep %1 "
                                                 "(or try it on emulated hardware with --simulate).").arg(QCoreApplication::applicationFilePath()) << '\n';
            else
                err << QCoreApplication::translate("vantoroctl", "No capability can help on this kernel; try the program on emulated hardware "
                                                 "with --simulate.") << '\n';
            return ExitNoCard;
        }
    }
    TRdsGroupLog rdsLog;
    if (!o.rdsGroups.isEmpty()) {
        QString why;
        if (!rdsLog.Open(o.rdsGroups, card, &why)) {
            err << "vantoroctl: "
                << QCoreApplication::translate("vantoroctl", "cannot write %1: %2")
                       .arg(o.rdsGroups, why)
                << '\n';
            return ExitUsage;
        }
    }
    try {
        card.Open();
    } catch (const ePortAlreadyOpen&) {
        if (caps.Connection == cnSdr) {
            err << "vantoroctl: " << card.OpenError() << '\n';
            card.Close();
            return ExitNoCard;
        }
        if (caps.Connection == cnDevice) {
            const QString path = env->RadioDevice(port);
            if (path.isEmpty())
                err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "there is no radio device %1").arg(port) << '\n';
            else
                err << "vantoroctl: "
                    << QCoreApplication::translate("vantoroctl", "cannot open the radio device %1: it does not exist, is no radio tuner, or you may not use it "
                                             "(membership of the video group is usually needed).").arg(path) << '\n';
            card.Close();
            return ExitNoCard;
        }
        err << "vantoroctl: "
            << QCoreApplication::translate("vantoroctl", "cannot open COM%1 (%2): the device does not exist, is in use, or you may not use it "
                                     "(membership of the dialout group is usually needed).").arg(caps.Ports[port]).arg(env->ComDevice(caps.Ports[port])) << '\n';
        card.Close();
        return ExitNoCard;
    }
    if (card.Caps().NeedsWarmUp) env->Waiter().Wait(600);
    card.InitVolume(o.volume);
    // The SDR's volume is the program's own: full unless asked otherwise.
    if (caps.Connection == cnSdr) card.SetVolume(o.volumeGiven ? o.volume : MaxVolume);
    // The card is taken to be on the --band it was left on; a "band" command
    // then tunes the band's lowest frequency.
    card.InitBand(o.band);
    card.SetLastAM(AMLow);
    card.SetLastFM(card.FMMin());

    // A frequency outside the band is a mistake in the command line, told
    // before any command runs (the card's limits are known once it is open).
    for (const TCommand& c : o.commands) {
        if (c.word != QLatin1String("tune")) continue;
        const double low = c.band == bAM ? card.AMMin() : card.FMMin();
        const double high = c.band == bAM ? card.AMMax() : card.FMMax();
        if (c.mhz < low - 0.0005 || c.mhz > high + 0.0005) {
            err << "vantoroctl: "
                << QCoreApplication::translate("vantoroctl",
                                               "%1 MHz is outside the %2's %3 band (%4 to %5 MHz)")
                       .arg(FrequencyText(c.mhz), CardName(caps), BandName(c.band),
                            FrequencyText(low), FrequencyText(high))
                << '\n'
                << QCoreApplication::translate("vantoroctl", Usage);
            card.Close();
            return ExitUsage;
        }
    }

    bool tuned = false;
    int code = ExitOk;
    for (const TCommand& c : o.commands) {
        const int before = code;
        RunOne(card, *env, c, tuned, out, err, code);
        // The groups received meanwhile go to the log.
        if (!o.rdsGroups.isEmpty() && card.Active()) card.PollRds();
        // The end of a recording ends the run after the commands it completed.
        if (!card.Active() && card.SdrStop() && card.SdrStop()->ended) {
            code = before;
            break;
        }
        // A radio device that failed has closed the card.
        if (!card.Active() || code == ExitNoCard) {
            code = ExitNoCard;
            break;
        }
    }
    if (rdsLog.Failed()) {
        err << "vantoroctl: "
            << QCoreApplication::translate("vantoroctl", "cannot write %1").arg(o.rdsGroups)
            << '\n';
        code = std::max(code, int(ExitUsage));
    }
    if (o.close) card.Close();
    if (TTraceLog* trace = env->Trace(); trace && trace->WriteFailed()) {
        err << "vantoroctl: " << QCoreApplication::translate("vantoroctl", "cannot write the trace file %1").arg(o.trace) << '\n';
        return ExitUsage;
    }
    return code;
}
