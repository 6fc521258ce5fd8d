#include "FileCommands.h"

#include "CardCommands.h"
#include "Helpers.h"
#include "ScriptFile.h"

#include <QCoreApplication>

namespace {

QString ActionText(const zAction& a)
{
    QString text = QStringLiteral("%1:%2 ").arg(ZeroPad(a.Hour(), 2), ZeroPad(a.Minute(), 2)) + ActionWord(a.Kind);
    const QString stereo = a.Stereo ? QStringLiteral("ST") : QStringLiteral("MN");
    switch (a.Kind) {
    case zBeep: return text + QStringLiteral(" %1 %2 %3").arg(a.Times).arg(a.BeepFreq).arg(a.MSecs);
    case zVolume: return text + QStringLiteral(" %1").arg(a.Volume);
    case zJumpTo:
        return text + QLatin1Char(' ') + FrequencyText(a.Frequency) +
               (a.Band == 0 ? QStringLiteral(" AM MN") : QStringLiteral(" FM ") + stereo);
    case zPreset: return text + QStringLiteral(" %1 ").arg(a.Preset) + stereo;
    case zRecord: return text + QStringLiteral(" %1 %2 min").arg(a.Preset).arg(a.Minutes);
    default: return text;
    }
}

} // namespace

// check: silent on a valid file; otherwise the offending line and why on
// stderr. Both exit with the load result (0, 1, 2).
// show: the title, then one line per action, "07:15 Preset 7 MN".
int RunScriptCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString verb = args.value(0);
    if (args.size() != 2 || (verb != QLatin1String("check") && verb != QLatin1String("show"))) {
        err << QCoreApplication::translate("vantoroctl",
                                           "usage: vantoroctl script check|show FILE\n");
        return ExitUsage;
    }
    tScript script;
    tScriptFault fault;
    const std::uint8_t result = LoadScriptFile(args[1], script, &fault);
    if (result == slCorrupt) {
        err << args[1] << ": ";
        if (fault.Line > 0) err << QCoreApplication::translate("vantoroctl", "line %1").arg(fault.Line) << ": ";
        err << fault.Why << '\n';
        return result;
    }
    if (result == slReadError) {
        err << args[1] << ": " << ScriptLoadErrorText(result) << " (" << fault.Why << ")\n";
        return result;
    }
    if (verb == QLatin1String("show")) {
        out << script.Title << '\n';
        for (const zAction& action : script.Actions) out << ActionText(action) << '\n';
    }
    return result;
}
