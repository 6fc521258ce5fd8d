#pragma once
// What must hold for any input to the program's file readers and text
// helpers. Each oracle takes the raw bytes of one input and returns an empty
// string when everything held, else what went wrong. The fuzz targets turn a
// broken oracle into a finding; the ordinary tests run the same oracles over
// every seed and every input that ever failed.

#include <QByteArray>
#include <QString>

QString CheckPresetsFile(const QByteArray& input);
QString CheckSettingsFile(const QByteArray& input);
QString CheckHelpers(const QByteArray& input);
QString CheckScriptFile(const QByteArray& input);
QString CheckArchiveFile(const QByteArray& input);
