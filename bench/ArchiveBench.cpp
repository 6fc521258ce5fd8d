// Times the station archive on a large tree: about 100,000 nodes, folders ten
// levels deep (two subfolders in each) and stations in every folder. Run by
// hand: build/bench/archive-bench [NODES] [COPY]
// (COPY: where to leave a copy of the file written, e.g. to open it in the archive dialog).
//
// Prints the time to build, save (rows into the profile and the file written),
// load (file read, rows parsed and attached, sorted) and sort alone.

#include "Archive.h"
#include "Profile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>

namespace {

// Processor time of this process: the machine is shared, so the wall-clock
// figures depend on what else runs.
class TStopwatch {
public:
    TStopwatch() { wall_.start(); }
    // "wall / processor" milliseconds since the last lap.
    QString Lap()
    {
        const qint64 cpu = CpuMs();
        const QString text = QStringLiteral("%1 / %2").arg(wall_.restart()).arg(cpu - cpu_);
        cpu_ = cpu;
        return text;
    }

private:
    static qint64 CpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    }
    QElapsedTimer wall_;
    qint64 cpu_ = CpuMs();
};

constexpr int Depth = 10;

void Fill(TArchive& archive, TArchiveNode& folder, int depth, int stationsEach, int& serial)
{
    // Names run backwards so the sort has work to do.
    for (int i = stationsEach; i > 0; --i) {
        TArchiveNode* station = archive.AddStation(folder, 1, 87.5 + (serial % 200) * 0.1);
        station->Name = QStringLiteral("Station %1").arg(++serial);
    }
    if (depth == Depth) return;
    for (int i = 2; i > 0; --i) {
        TArchiveNode* child = archive.AddFolder(folder);
        child->Name = QStringLiteral("Folder %1-%2").arg(depth).arg(++serial);
        Fill(archive, *child, depth + 1, stationsEach, serial);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int wanted = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int folders = (1 << (Depth + 1)) - 2; // two at each of ten levels
    const int stationsEach = std::max(0, (wanted - folders + folders - 1) / folders); // at least `wanted` nodes

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vantoro.db"));
    TStopwatch clock;

    TArchive built;
    int serial = 0;
    for (int i = 2; i > 0; --i) {
        TArchiveNode* top = built.AddFolder(built.Root());
        top->Name = QStringLiteral("Top %1").arg(i);
        Fill(built, *top, 1, stationsEach, serial);
    }
    const QString build = clock.Lap();
    const int nodes = built.NodeCount() - 1;

    QString rows;
    {
        TProfile profile(file);
        built.Save(profile);
        rows = clock.Lap();
        if (!profile.Save()) {
            out << "cannot write " << file << '\n';
            return 1;
        }
    }
    const QString written = clock.Lap();

    built.Sort();
    const QString sorted = clock.Lap();

    TArchive loaded;
    const TProfile profile(file);
    const QString read = clock.Lap();
    const tArchiveLoad result = loaded.Load(profile);
    const QString attached = clock.Lap();
    if (argc > 2) QFile::copy(file, QString::fromLocal8Bit(argv[2]));
    if (result.Result != tArchiveLoad::Loaded || loaded.NodeCount() != nodes + 1) {
        out << "load failed\n";
        return 1;
    }

    out << "nodes " << nodes << " (" << folders << " folders, " << Depth << " deep); wall / processor ms\n"
        << "build                    " << build << '\n'
        << "save: rows into profile  " << rows << '\n'
        << "save: file written       " << written << '\n'
        << "sort                     " << sorted << '\n'
        << "load: file read          " << read << '\n'
        << "load: rows attached+sort " << attached << '\n';
    return 0;
}
