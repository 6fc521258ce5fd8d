#include "CommandLine.h"

#include <QCoreApplication>

tCommandLine ParseCommandLine(const QStringList& args, bool qtOptions)
{
    tCommandLine o;
    for (qsizetype i = 0; i < args.size() && o.Error.isEmpty(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& into) {
            if (i + 1 < args.size())
                into = args[++i];
            else
                o.Error = QCoreApplication::translate("CommandLine", "the option %1 needs a value").arg(a);
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            o.Help = true;
        else if (a == QLatin1String("--version"))
            o.Version = true;
        else if (a.compare(QLatin1String("\\CONFIGURE"), Qt::CaseInsensitive) == 0 ||
                 a == QLatin1String("--configure"))
            o.Configure = true;
        else if (a == QLatin1String("--simulate"))
            o.Simulate = true;
        else if (a == QLatin1String("--stations"))
            value(o.Stations);
        else if (a == QLatin1String("--trace"))
            value(o.Trace);
        else if (a == QLatin1String("--mute") || a == QLatin1String("--scan"))
            o.Action = a;
        else if (qtOptions && a.startsWith(QLatin1Char('-')) &&
                 !a.startsWith(QLatin1String("--"))) {
            // Qt's, with or without a value: Qt judges it, and what it leaves
            // is looked at again.
            if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1Char('-'))) ++i;
        } else
            o.Error = QCoreApplication::translate("CommandLine", "unknown option %1").arg(a);
    }
    return o;
}

QString ProgramUsage()
{
    return QCoreApplication::translate("CommandLine", 
        "usage: vantoro [--configure] [--simulate [--stations FILE]] [--trace FILE] "
        "[--mute|--scan]\n"
        "       vantoro --help | --version\n"
        "\n"
        "The radio's front panel for a V4L2 radio tuner (/dev/radioN) or one of the\n"
        "older ISA and serial receiver cards.\n"
        "\n"
        "  --configure       show the settings dialog before the window opens\n"
        "  --simulate        run on emulated hardware\n"
        "  --stations FILE   the emulated stations (with --simulate)\n"
        "  --trace FILE      record every port access, wait, serial byte and device request\n"
        "  --mute, --scan    mute or unmute, or scan up (handed to the copy that runs)\n"
        "  -h, --help        print this text\n"
        "  --version         print the version\n");
}
