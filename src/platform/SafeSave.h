#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes a whole file so that a failure leaves the previous file as it was:
// the contents go to a temporary file beside it, every write and the final
// flush are checked (a full disk often shows only at the flush), and only
// then is the temporary file renamed over the old one. Only a regular file
// is replaced (a symbolic link is followed and stays a link); a device, a
// FIFO or a directory of that name is refused. On failure the reason goes to
// *error and no temporary file is left behind.
bool SaveFileSafely(const QString& fileName, const QByteArray& contents, QString* error = nullptr);

// A save killed between its write and its rename leaves the complete
// temporary file "<name>.XXXXXX" (six letters or digits) beside `name`.
// Removes those of `names` in `dir`, regular files of this user only (never a
// link, a folder or anything else), and gives the paths removed. For the
// program's own files in its own folders, while no other copy can be saving.
QStringList RemoveSaveLeftovers(const QString& dir, const QStringList& names);
