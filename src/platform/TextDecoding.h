#pragma once
// Text as the program's files hold it: UTF-8 (a leading byte-order mark is
// skipped), or, for files from the original platform that are not valid
// UTF-8, 8-bit text in the Windows-1252 code page.

#include <QByteArray>
#include <QString>

QString DecodeFileText(const QByteArray& bytes);
