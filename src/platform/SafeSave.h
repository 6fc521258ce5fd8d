#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that a failure leaves the previous file as it was:
// the contents go to a temporary file beside it, every write and the final
// flush are checked (a full disk often shows only at the flush), and only
// then is the temporary file renamed over the old one. Only a regular file
// is replaced (a symbolic link is followed and stays a link); a device, a
// FIFO or a directory of that name is refused. On failure the reason goes to
// *error and no temporary file is left behind.
bool SaveFileSafely(const QString& fileName, const QByteArray& contents, QString* error = nullptr);
