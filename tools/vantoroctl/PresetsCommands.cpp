#include "FileCommands.h"

#include "CardCommands.h"
#include "PresetsFile.h"
#include "Helpers.h"

#include <QCoreApplication>

namespace {
constexpr int ExitWriteError = 4;
}

// check: the exit code is the load result (0, 1, 2) and one line says it
// (errors on stderr, like every error).
// show: one line per used slot, "NN 000.000 FM name".
// copy: reads FILE and writes it again to TO, as the presets editor would
// save it under the current locale.
int RunPresetsCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString verb = args.value(0);
    const bool known = (args.size() == 2 && (verb == QLatin1String("check") || verb == QLatin1String("show"))) ||
                       (args.size() == 3 && verb == QLatin1String("copy"));
    if (!known) {
        err << QCoreApplication::translate(
            "vantoroctl", "usage: vantoroctl presets check|show FILE | presets copy FILE TO\n");
        return ExitUsage;
    }
    tPresets table;
    QString why;
    const std::uint8_t result = LoadPresetsFile(args[1], table, &why);
    if (result != plLoaded) {
        err << PresetsLoadErrorText(result)
            << (why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)) << '\n';
        return result;
    }
    if (verb == QLatin1String("copy")) {
        if (SavePresetsFile(args[2], table, &why)) return ExitOk;
        err << PresetsWriteErrorText() << " (" << why << ")\n";
        return ExitWriteError;
    }
    if (args[0] == QLatin1String("check")) {
        out << QCoreApplication::translate("vantoroctl", "%n preset(s)", nullptr, table.UsedCount()) << '\n';
        return result;
    }
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset& slot = table[n];
        if (!slot.Used) continue;
        out << PresetNumText(n) << ' ' << FrequencyText(slot.Frequency) << ' '
            << (slot.Band == 0 ? "AM" : "FM") << ' ' << slot.Name << '\n';
    }
    return result;
}
