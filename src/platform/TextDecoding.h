#pragma once
// Text as the program's files hold it: UTF-8 (a leading byte-order mark is
// skipped), or, for lines from the original platform that are not valid
// UTF-8, 8-bit text in the Windows-1252 code page. Decided line by line, so
// one stray byte does not turn the UTF-8 text of every other line into
// mojibake.

#include <QByteArray>
#include <QString>

QString DecodeFileText(const QByteArray& bytes);
