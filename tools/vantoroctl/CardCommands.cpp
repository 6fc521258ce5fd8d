#include "CardCommands.h"

#include "HardwareEnv.h"
#include "Mixer.h"
#include "RadioCards.h"
#include "RadioCommands.h"
#include "SimulatedHardware.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <memory>
#include <optional>

namespace {

const char* const Usage =
    "usage: vantoroctl [--simulate] [--stations FILE] [--trace FILE] [--model M] [--port N]\n"
    "                  [--device PATH] [--band am|fm] [--japanese-fm] [--mono] [--volume V]\n"
    "                  [--close] COMMAND...\n"
    "commands: models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |\n"
    "          signal | status | scan up|down|all | rds [SECONDS]\n"
    "       vantoroctl rds --hex FILE\n";

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
    bool close = false;
    QStringList commands;
};

class TUsageError {
public:
    explicit TUsageError(QString text) : text(std::move(text)) {}
    QString text;
};

std::optional<tModel> ParseModel(const QString& text)
{
    bool isNumber = false;
    const int code = text.toInt(&isNumber);
    if (isNumber) return code >= 1 && code <= ModelCount ? std::optional(IndexToModel(code)) : std::nullopt;
    static const char* const names[ModelCount] = {"radiotrack", "ra300",    "wizard",  "radioman",
                                                  "radionmaru", "rajikoma", "zoltrix", "v4l2"};
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
    if (!ok) throw TUsageError(QStringLiteral("%1 must be a whole number, not \"%2\"").arg(what, text));
    return value;
}

double ParseMHz(const QString& text)
{
    // Accept the user's decimal mark and ".", as people type both.
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok) value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) throw TUsageError(QStringLiteral("\"%1\" is not a frequency in MHz").arg(text));
    return value;
}

TOptions ParseOptions(const QStringList& args)
{
    TOptions o;
    int i = 0;
    auto value = [&](const QString& option) {
        if (i + 1 >= args.size()) throw TUsageError(option + QStringLiteral(" needs a value"));
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
            if (!model) throw TUsageError(QStringLiteral("unknown model \"%1\"").arg(m));
            o.model = *model;
            o.modelGiven = true;
        } else if (a == QLatin1String("--port")) o.port = ParseInt(value(a), a);
        else if (a == QLatin1String("--device")) o.device = value(a);
        else if (a == QLatin1String("--band")) {
            const QString b = value(a);
            const auto band = ParseBand(b);
            if (!band) throw TUsageError(QStringLiteral("--band takes am or fm, not \"%1\"").arg(b));
            o.band = *band;
        } else if (a == QLatin1String("--japanese-fm")) o.japaneseFM = true;
        else if (a == QLatin1String("--mono")) o.mono = true;
        else if (a == QLatin1String("--volume")) {
            // Taken as it stands (the card's position cannot be read back), so
            // it must be a volume the card can have.
            o.volume = ParseInt(value(a), a);
            if (o.volume < 0 || o.volume > 256)
                throw TUsageError(QStringLiteral("--volume takes 0..256, not %1").arg(o.volume));
        }
        else if (a == QLatin1String("--close")) o.close = true;
        else throw TUsageError(QStringLiteral("unknown option %1").arg(a));
    }
    o.commands = args.mid(i);
    if (o.commands.isEmpty()) throw TUsageError(QStringLiteral("no command given"));
    // A device alone names a radio device.
    if (!o.device.isEmpty() && !o.modelGiven) o.model = mV4L2;
    if (!o.stations.isEmpty() && !o.simulate)
        throw TUsageError(QStringLiteral("--stations goes with --simulate"));
    return o;
}

QString YesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

QString PortText(const tDevCap& caps, int port)
{
    if (port <= 0) return QStringLiteral("none");
    if (caps.Connection == cnSerial) return QStringLiteral("COM%1").arg(caps.Ports[port]);
    if (caps.Connection == cnDevice) return QStringLiteral("radio device %1").arg(port);
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
        out << ModelToIndex(tModel(i)) << ' ' << c.Maker << ' ' << c.Name << ": "
            << (c.HasAM ? "FM AM" : "FM") << (c.HasJapaneseFM ? ", Japanese FM" : "")
            << (c.CanVolume ? ", volume" : "") << (c.CanMute ? ", mute" : "")
            << (c.Connection == cnSerial ? ", serial " : c.Connection == cnDevice ? ", " : ", I/O port ")
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

// Runs one command word (and its argument); returns how many words it took.
// A command that finds nothing or loses the card says so in `code`.
int RunOne(TRadioCard& card, THardwareEnv& env, tBand tuneBand, const QStringList& words, int i, QTextStream& out,
           int& code)
{
    const QString& cmd = words[i];
    auto argument = [&]() {
        if (i + 1 >= words.size()) throw TUsageError(cmd + QStringLiteral(" needs a value"));
        return words[i + 1];
    };
    const tDevCap& caps = card.Caps();
    if (cmd == QLatin1String("models")) {
        PrintModels(out);
    } else if (cmd == QLatin1String("tune") || cmd == QLatin1String("band")) {
        const bool tune = cmd == QLatin1String("tune");
        tBand band = tuneBand;
        double mhz = 0;
        if (tune) {
            mhz = ParseMHz(argument());
        } else {
            const auto b = ParseBand(argument());
            if (!b) throw TUsageError(QStringLiteral("band takes am or fm"));
            band = *b;
        }
        if ((band == bAM && !caps.HasAM) || (band == bFM && !caps.HasFM))
            throw TUsageError(QStringLiteral("the %1 has no %2 band")
                                  .arg(caps.Name, band == bAM ? QStringLiteral("AM") : QStringLiteral("FM")));
        if (tune)
            card.Tune(card.Stereo(), band, mhz);
        else
            card.SetBand(band);
        out << FrequencyText(card) << '\n';
        return 2;
    } else if (cmd == QLatin1String("mute")) {
        card.Mute();
    } else if (cmd == QLatin1String("unmute")) {
        card.Unmute();
    } else if (cmd == QLatin1String("volume")) {
        card.SetVolume(ParseInt(argument(), cmd));
        return 2;
    } else if (cmd == QLatin1String("up")) {
        card.VolumeUp();
    } else if (cmd == QLatin1String("down")) {
        card.VolumeDown();
    } else if (cmd == QLatin1String("zero")) {
        card.VolumeToZero();
    } else if (cmd == QLatin1String("scan")) {
        const QString how = argument();
        if (how != QLatin1String("up") && how != QLatin1String("down") && how != QLatin1String("all"))
            throw TUsageError(QStringLiteral("scan takes up, down or all"));
        code = std::max(code, RunScan(card, how, tuneBand, out));
        return 2;
    } else if (cmd == QLatin1String("rds")) {
        bool isNumber = false;
        const int seconds = words.value(i + 1).toInt(&isNumber);
        if (isNumber && seconds < 0) throw TUsageError(QStringLiteral("rds takes a number of seconds"));
        const int result = RunRds(card, env.Waiter(), isNumber ? seconds : 10, out);
        if (result == ExitNotFound && card.Active()) out << "no RDS from this card\n";
        code = std::max(code, result);
        return isNumber ? 2 : 1;
    } else if (cmd == QLatin1String("signal")) {
        out << SignalText(card.CheckSignal()) << '\n';
    } else if (cmd == QLatin1String("status")) {
        out << "model: " << caps.Maker << ' ' << caps.Name << '\n'
            << "port: " << PortText(caps, card.Port())
            << (caps.Connection == cnDevice ? QStringLiteral(" (%1)").arg(env.RadioDevice(card.Port())) : QString())
            << '\n'
            << "band: " << (card.Band() == bAM ? "AM" : "FM") << '\n'
            << "frequency: " << FrequencyText(card) << '\n'
            << "volume: " << card.Volume() << '\n'
            << "muted: " << YesNo(card.Muted()) << '\n';
    } else {
        throw TUsageError(QStringLiteral("unknown command \"%1\"").arg(cmd));
    }
    return 1;
}

} // namespace

int RunCardCommands(const QStringList& args, QTextStream& out, QTextStream& err)
{
    TOptions o;
    try {
        o = ParseOptions(args);
    } catch (const TUsageError& e) {
        err << "vantoroctl: " << e.text << '\n' << Usage;
        return ExitUsage;
    }
    if (o.commands == QStringList{QStringLiteral("models")}) {
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
                err << "vantoroctl: cannot use the station list " << why << '\n';
                return ExitUsage;
            }
            stations = std::move(*loaded);
        }
        auto sim = std::make_unique<TSimulatedHardware>(std::move(stations), false, o.trace);
        sim->InsertCard(o.model);
        env = std::move(sim);
    } else {
        env = std::make_unique<TRealHardware>(o.trace);
    }
    if (!o.trace.isEmpty() && !env->Trace()) {
        err << "vantoroctl: cannot write the trace file " << o.trace << '\n';
        return ExitUsage;
    }

    // A sound card whose mixer will not open costs only the sound-card lines.
    QString mixerWhy;
    TRadioCard card(*env, OpenSoundCardMixer(*env, &mixerWhy));
    if (!mixerWhy.isEmpty())
        err << "vantoroctl: going on without the sound card's mixer: " << mixerWhy << '\n';
    const tDevCap caps = card.GetDevCap(o.model);
    const int port = o.port.value_or(caps.DefaultPort);
    card.OnDeviceError = [&err](const QString& what) { err << "vantoroctl: " << what << '\n'; };
    try {
        card.SetMutedStartup(false);
        card.SetModel(o.model);
        card.SetPort(port);
        card.SetVolumeLine(caps.CanVolume || caps.CanMute ? vlNative : vlNone);
        card.SetJapaneseFM(o.japaneseFM);
        card.SetMuteOnExit(false);
        card.SetStereo(!o.mono);
    } catch (const ePortNotFound&) {
        err << "vantoroctl: port " << port << " does not exist on the " << caps.Name
            << " (1.." << caps.PortCount << ")\n";
        return ExitUsage;
    }
    if (o.japaneseFM && !caps.HasJapaneseFM) {
        err << "vantoroctl: the " << caps.Name << " has no Japanese FM range\n";
        return ExitUsage;
    }

    if (!o.device.isEmpty() && port >= 1 && port <= caps.PortCount) {
        if (caps.Connection == cnDevice)
            env->MapRadioDevice(port, o.device);
        else if (caps.Connection == cnSerial)
            env->MapComDevice(caps.Ports[port], o.device);
    }
    if (caps.Connection == cnIOPort) {
        QString why;
        if (!env->PortAccess(&why)) {
            err << "vantoroctl: cannot reach the I/O ports of the " << caps.Maker << ' ' << caps.Name
                << ": " << why << ".\n"
                << "The program needs the CAP_SYS_RAWIO capability: sudo setcap cap_sys_rawio+ep "
                << QCoreApplication::applicationFilePath()
                << " (or try it on emulated hardware with --simulate).\n";
            return ExitNoCard;
        }
    }
    try {
        card.Open();
    } catch (const ePortAlreayOpen&) {
        if (caps.Connection == cnDevice) {
            const QString path = env->RadioDevice(port);
            if (path.isEmpty())
                err << "vantoroctl: there is no radio device " << port << '\n';
            else
                err << "vantoroctl: cannot open the radio device " << path
                    << ": it does not exist, is no radio tuner, or you may not use it "
                       "(membership of the video group is usually needed).\n";
            card.Close();
            return ExitNoCard;
        }
        err << "vantoroctl: cannot open COM" << caps.Ports[port] << " ("
            << env->ComDevice(caps.Ports[port])
            << "): the device does not exist, is in use, or you may not use it "
               "(membership of the dialout group is usually needed).\n";
        card.Close();
        return ExitNoCard;
    }
    if (card.Caps().NeedsWarmUp) env->Waiter().Wait(600);
    card.InitVolume(o.volume);
    if (o.band == bAM)
        card.SetLastAM(AMLow);
    else
        card.SetLastFM(card.FMMin());

    int code = ExitOk;
    try {
        for (int i = 0; i < o.commands.size() && code != ExitNoCard;) {
            i += RunOne(card, *env, o.band, o.commands, i, out, code);
            // A radio device that failed has closed the card.
            if (!card.Active()) code = ExitNoCard;
        }
    } catch (const TUsageError& e) {
        err << "vantoroctl: " << e.text << '\n';
        code = ExitUsage;
    }
    if (o.close) card.Close();
    return code;
}
