#include "FileCommands.h"

#include "CardCommands.h"
#include "Profile.h"
#include "ProgramDir.h"
#include "Settings.h"

#include <QFileInfo>

// The settings as the program would use them after reading DIR/Vantoro.ini,
// one "Section/Key=value" line per key, as they would be written back.
int RunSettingsCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty() || args.size() > 2 || args[0] != QLatin1String("show")) {
        err << "usage: vantoroctl settings show [DIR]\n";
        return ExitUsage;
    }
    const QString dir = args.size() == 2 ? args[1] : ProgramDir();
    if (!QFileInfo(dir).isDir()) {
        err << "not a directory: " << dir << '\n';
        return ExitUsage;
    }
    TSettingsFile file(dir);
    if (file.Profile().ReadFailed()) err << "cannot read " << file.Path() << "; showing the defaults\n";
    for (const tSettingsSection& section : SettingsSections(file.Read()))
        for (const auto& [key, value] : section.Keys) out << section.Name << '/' << key << '=' << value << '\n';
    return ExitOk;
}
