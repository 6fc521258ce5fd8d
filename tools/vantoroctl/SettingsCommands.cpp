#include "FileCommands.h"

#include "CardCommands.h"
#include "Profile.h"
#include "ProgramDir.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

// The settings as the program would use them after reading DIR/Vantoro.ini
// (without DIR, the program's own), after "#" lines naming the files in use,
// one "Section/Key=value" line per key, as they would be written back, except
// that an unset card model shows as 0: the program then asks for its settings
// first, and would write the model only once they are chosen.
int RunSettingsCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty() || args.size() > 2 || args[0] != QLatin1String("show")) {
        err << QCoreApplication::translate("vantoroctl", "usage: vantoroctl settings show [DIR]\n");
        return ExitUsage;
    }
    const tProgramDirs dirs = ProgramDirs(false);
    const QString dir = args.size() == 2 ? args[1] : dirs.Settings;
    // The program's own folder may not exist yet: its defaults are shown.
    if (args.size() == 2 && !QFileInfo(dir).isDir()) {
        err << QCoreApplication::translate("vantoroctl", "not a directory: %1").arg(dir) << '\n';
        return ExitUsage;
    }
    TSettingsFile file(dir);
    if (file.Profile().ReadFailed())
        err << QCoreApplication::translate("vantoroctl", "cannot read %1; showing the defaults").arg(file.Profile().ReadError().isEmpty() ? file.Path() : file.Profile().ReadError())
            << '\n';
    const TSettings settings = file.Read();
    // The folder in use, as a comment line the settings file could hold.
    out << "# settings file: " << file.Path() << '\n';
    if (args.size() == 1)
        out << "# station archive: " << ArchiveToRead(dirs.Settings, dirs.Data) << '\n';
    for (const tSettingsSection& section : SettingsSections(settings))
        for (const auto& [key, value] : section.Keys) {
            const bool unsetModel = settings.Hardware == 0 && section.Name == QLatin1String("Configuration") &&
                                    key == QLatin1String("Hardware");
            out << section.Name << '/' << key << '=' << (unsetModel ? QStringLiteral("0") : value) << '\n';
        }
    return ExitOk;
}
