#pragma once
// How every file the program reads is opened: only a regular file (or a
// symbolic link to one) is read. A FIFO, a device, a directory or a socket
// is refused with a message before anything could block on it or read it
// without end, and the file is opened without blocking. The readers also
// bound what they take in, so a huge file is refused quickly and in bounded
// memory.

#include <QByteArray>
#include <QFile>
#include <QString>

// The longest line any of the program's files can hold; a longer one means
// the file is not one of them.
inline constexpr qsizetype MaxFileLineBytes = 64 * 1024;

// Opens `file` (named, not open yet) for reading. False with the reason in
// *error, without the file's name: "not a regular file but a named pipe
// (FIFO)", or the system's reason ("No such file or directory").
bool OpenRegularFile(QFile& file, QString* error = nullptr);

// Reads a whole regular file of at most `maxBytes` into `bytes`. A larger
// file is refused after reading at most `maxBytes` + 1 bytes. False with the
// reason in *error, without the file's name.
bool ReadRegularFile(const QString& fileName, qint64 maxBytes, QByteArray& bytes,
                     QString* error = nullptr);

// Whether `fileName` names something that is there but is not a regular
// file (links followed); its kind ("a named pipe (FIFO)", "a directory",
// "a device", "a socket") goes to *kind. False for a regular file or
// nothing at all.
bool IsOtherThanRegularFile(const QString& fileName, QString* kind = nullptr);
