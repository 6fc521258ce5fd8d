#pragma once
// vantoroctl's options of the software-defined radio, its "record" command
// and the RDS group log of --rds-groups.

#include "RadioCards.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

// Takes the SDR option at args[i] (--sample-rate N, --gain DB|auto,
// --deemphasis 50|75, --center MHZ) into `sdr`: the count of words taken, 0
// when args[i] is no such option, -1 with `*error` when its value is wrong.
int ParseSdrOption(const QStringList& args, int i, tSdrSettings& sdr, QString* error);

// "record FILE SECONDS": the sound the card plays, as 48 kHz 16-bit stereo,
// for that many seconds of the source's time.
int RunRecord(TRadioCard& card, const QString& path, int seconds, QTextStream& out, QTextStream& err);

// Writes every RDS group the card receives to a file, one a line in the
// RDS Spy hex format.
class TRdsGroupLog {
public:
    // False with `*error` when the file cannot be written.
    bool Open(const QString& path, TRadioCard& card, QString* error);
    // The writing failed on the way.
    bool Failed() const { return failed_; }

private:
    QFile file_;
    bool failed_ = false;
};
