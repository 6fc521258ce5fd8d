#pragma once
// Where recordings go and what they are called: "Station - 2026-12-07 20-00.flac"
// in the user's music folder, never over a file already there, and a cue
// sheet beside the recording naming the titles the station announced.

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

// The user's music folder (XDG_MUSIC_DIR of user-dirs.dirs, as
// `xdg-user-dir MUSIC` gives it) with "Vantoro" below it.
QString DefaultRecordingFolder();

// Creates `folder` and any missing folder above it, each new one readable by
// the user only (0700); an existing folder is left as it is. False with
// `*error` saying why.
bool MakeRecordingFolder(const QString& folder, QString* error);

// "<station> - yyyy-MM-dd HH-mm": a name every file system takes (no
// separators, reserved or control characters, no leading dot or trailing
// dot or blank, at most 100 characters of station name).
QString RecordingBaseName(const QString& station, const QDateTime& start);

// `folder`/`base`.`extension`, or the first of "`base` (2)", "(3)", ... that
// names no file yet.
QString FreeRecordingPath(const QString& folder, const QString& base, const QString& extension);

// The cue sheet of a recording: written beside it (same name, ".cue") when
// the first title is marked, and rewritten whole at each further one.
class TCueSheet {
public:
    TCueSheet(QString audioPath, QString station);
    // A title that begins `frame` frames (48 kHz) into the recording; the
    // same title and artist as the last one mark nothing. False with
    // `*error` when the sheet cannot be written.
    bool Mark(std::uint64_t frame, const QString& title, const QString& artist, QString* error = nullptr);
    QString Path() const;
    // The sheet's text as it is written.
    QByteArray Text() const;

private:
    struct tTrack {
        std::uint64_t Frame;
        QString Title, Artist;
    };
    QString audioPath_;
    QString station_;
    std::vector<tTrack> tracks_;
};
