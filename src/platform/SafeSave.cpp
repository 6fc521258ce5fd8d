#include "SafeSave.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

bool SaveFileSafely(const QString& fileName, const QByteArray& contents, QString* error)
{
    // The rename would put a regular file in the place of a device or a
    // FIFO; only a regular file is replaced (a link is followed to it).
    if (QString kind; IsOtherThanRegularFile(fileName, &kind)) {
        if (error)
            *error = QCoreApplication::translate("SafeSave", "%1: not a regular file but %2; it is left as it is")
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

QStringList RemoveSaveLeftovers(const QString& dir, const QStringList& names)
{
    QStringList removed;
    const QDir folder(dir);
    for (const QString& name : names) {
        const QRegularExpression temporary(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(name) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
        const QStringList candidates = folder.entryList(
            {name + QStringLiteral(".??????")}, QDir::AllEntries | QDir::Hidden | QDir::System);
        for (const QString& candidate : candidates) {
            if (!temporary.match(candidate).hasMatch()) continue;
            const QString path = folder.filePath(candidate);
            struct stat st = {};
            if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
                st.st_uid != geteuid())
                continue;
            if (::unlink(QFile::encodeName(path).constData()) == 0) removed.append(path);
        }
    }
    return removed;
}
