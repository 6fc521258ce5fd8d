#include "SafeSave.h"

#include "RegularFile.h"

#include <QSaveFile>

bool SaveFileSafely(const QString& fileName, const QByteArray& contents, QString* error)
{
    // The rename would put a regular file in the place of a device or a
    // FIFO; only a regular file is replaced (a link is followed to it).
    if (QString kind; IsOtherThanRegularFile(fileName, &kind)) {
        if (error)
            *error = QStringLiteral("%1: not a regular file but %2; it is left as it is")
                         .arg(fileName, kind);
        return false;
    }
    QSaveFile file(fileName);
    // Unbuffered, so a failing write is seen at the write and not hidden in
    // a buffer that commit() would rename over the old file regardless.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; ok && done < contents.size();) {
        const qint64 n = file.write(contents.constData() + done, contents.size() - done);
        ok = n > 0;
        done += n;
    }
    ok = ok && file.flush() && file.error() == QFileDevice::NoError && file.commit();
    if (!ok) {
        if (error) *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        file.cancelWriting();
    }
    return ok;
}
