// vantoroctl: the radio card from the command line, for shell scripts, cron
// jobs, and for trying the hardware layer without the window.

#include "CardCommands.h"
#include "FileCommands.h"
#include "RadioCommands.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantoroctl"));
    // Messages in the user's language (LANGUAGE, LC_MESSAGES, LANG); what the
    // commands print on the standard output stays as scripts read it.
    UseSystemLanguage();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const QString word = args.value(0);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out << QCoreApplication::translate("vantoroctl", CtlUsage);
        return ExitOk;
    }
    if (args.contains(QLatin1String("--version"))) {
        out << "vantoroctl " << VANTORO_VERSION << '\n';
        return ExitOk;
    }
    const int code = word == QLatin1String("presets")    ? RunPresetsCommand(args.mid(1), out, err)
                     : word == QLatin1String("settings") ? RunSettingsCommand(args.mid(1), out, err)
                     : word == QLatin1String("script")   ? RunScriptCommand(args.mid(1), out, err)
                     : word == QLatin1String("archive")  ? RunArchiveCommand(args.mid(1), out, err)
                     : word == QLatin1String("rds") && args.value(1) == QLatin1String("--hex")
                         ? RunRdsHexCommand(args.mid(1), out, err)
                                                         : RunCardCommands(args, out, err);
    out.flush();
    err.flush();
    return code;
}
