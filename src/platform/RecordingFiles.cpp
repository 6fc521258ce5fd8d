#include "RecordingFiles.h"

#include "SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr int MaxStationChars = 100;

// Characters some file system refuses or a shell or player trips over.
bool Unsafe(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
}

// Cue sheets quote with double quotes and know no escape.
QString CueText(const QString& text)
{
    QString quoted = text.simplified();
    quoted.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// "mm:ss:ff", 75 frames to the second, as cue sheets count.
QString CueTime(std::uint64_t frame)
{
    const std::uint64_t sectors = frame * 75 / 48000;
    return QStringLiteral("%1:%2:%3")
        .arg(sectors / (75 * 60), 2, 10, QLatin1Char('0'))
        .arg(sectors / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(sectors % 75, 2, 10, QLatin1Char('0'));
}

} // namespace

QString DefaultRecordingFolder()
{
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty()) music = QDir::homePath() + QStringLiteral("/Music");
    return QDir(music).filePath(QStringLiteral("Vantoro"));
}

bool MakeRecordingFolder(const QString& folder, QString* error)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing;
    for (QString at = absolute; !QFileInfo::exists(at); at = QFileInfo(at).path()) {
        missing.prepend(at);
        if (at == QFileInfo(at).path()) break;
    }
    for (const QString& path : missing) {
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
            if (error)
                *error =
                    QCoreApplication::translate("RecordingFiles", "Cannot create the folder %1: %2")
                        .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    if (!QFileInfo(absolute).isDir()) {
        if (error)
            *error =
                QCoreApplication::translate("RecordingFiles", "%1 is not a folder").arg(absolute);
        return false;
    }
    return true;
}

QString RecordingBaseName(const QString& station, const QDateTime& start)
{
    QString name;
    for (const QChar c : station) name += Unsafe(c) ? QLatin1Char(' ') : c;
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.'))) name = name.mid(1).trimmed();
    if (name.size() > MaxStationChars) name.truncate(MaxStationChars);
    if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) name.chop(1);
    if (name.isEmpty()) name = QStringLiteral("Radio");
    return name + QStringLiteral(" - ") + start.toString(QStringLiteral("yyyy-MM-dd HH-mm"));
}

QString FreeRecordingPath(const QString& folder, const QString& base, const QString& extension)
{
    const QDir dir(folder);
    QString path = dir.filePath(base + QLatin1Char('.') + extension);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).%3").arg(base).arg(n).arg(extension));
    return path;
}

TCueSheet::TCueSheet(QString audioPath, QString station) : audioPath_(std::move(audioPath)), station_(std::move(station)) {}

QString TCueSheet::Path() const
{
    const QFileInfo audio(audioPath_);
    return audio.dir().filePath(audio.completeBaseName() + QStringLiteral(".cue"));
}

QByteArray TCueSheet::Text() const
{
    const QFileInfo audio(audioPath_);
    QString text = QStringLiteral("PERFORMER %1\r\nTITLE %2\r\nFILE %3 WAVE\r\n")
                       .arg(CueText(station_), CueText(audio.completeBaseName()), CueText(audio.fileName()));
    int number = 0;
    for (const tTrack& track : tracks_) {
        text += QStringLiteral("  TRACK %1 AUDIO\r\n").arg(++number, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("    TITLE %1\r\n").arg(CueText(track.Title));
        if (!track.Artist.isEmpty()) text += QStringLiteral("    PERFORMER %1\r\n").arg(CueText(track.Artist));
        text += QStringLiteral("    INDEX 01 %1\r\n").arg(CueTime(track.Frame));
    }
    return text.toUtf8();
}

bool TCueSheet::Mark(std::uint64_t frame, const QString& title, const QString& artist, QString* error)
{
    if (title.trimmed().isEmpty()) return true;
    if (!tracks_.empty() && tracks_.back().Title == title && tracks_.back().Artist == artist) return true;
    // A cue sheet holds at most 99 tracks; later titles are left out.
    if (tracks_.size() >= 99) return true;
    tracks_.push_back({frame, title, artist});
    return SaveFileSafely(Path(), Text(), error);
}
