#include "FileCommands.h"

#include "Archive.h"
#include "CardCommands.h"
#include "Helpers.h"
#include "Profile.h"
#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The station archive as the archive dialog would read it, one node a line,
// indented two blanks a level: "Folder/" or "Station  088.500 FM". Rows the
// tree cannot take are named on stderr, one a line, and the exit code is 1.
int RunArchiveCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty() || args.size() > 2 || args[0] != QLatin1String("show")) {
        err << QCoreApplication::translate("vantoroctl", "usage: vantoroctl archive show [FILE]\n");
        return ExitUsage;
    }
    const tProgramDirs dirs = ProgramDirs(false);
    const QString file = args.size() == 2 ? args[1] : ArchiveToRead(dirs.Settings, dirs.Data);
    // A mistyped name must not look like an empty archive.
    if (!QFileInfo::exists(file)) {
        err << file << ": " << QCoreApplication::translate("vantoroctl", "no such file") << '\n';
        return 2;
    }
    TArchive archive;
    const TProfile profile(file);
    const tArchiveLoad loaded = archive.Load(profile);
    if (loaded.Result == tArchiveLoad::Unreadable) {
        err << QCoreApplication::translate("vantoroctl", "cannot read %1").arg(profile.ReadError().isEmpty() ? file : profile.ReadError())
            << '\n';
        return 2;
    }
    if (loaded.Result == tArchiveLoad::BadRow) {
        err << file << ": " << QCoreApplication::translate("vantoroctl", "%1 cannot be read: %2").arg(loaded.RowKey, loaded.Value) << '\n';
        return 1;
    }
    archive.Walk([&out](const TArchiveNode& node, int depth) {
        out << QString(2 * depth, QLatin1Char(' ')) << node.Name;
        if (node.IsStation())
            out << "  " << FrequencyText(node.Record.Frequency) << (node.Record.Band == 0 ? " AM" : " FM");
        else
            out << '/';
        out << '\n';
    });
    if (loaded.Dropped.empty()) return ExitOk;
    err << file << ": " << DroppedRowsSummary(loaded.Dropped) << ":\n";
    for (const tDroppedRow& row : loaded.Dropped)
        err << "  " << row.Key << " (" << DroppedRowReason(row.Reason) << "): " << row.Value
            << '\n';
    return 1;
}
