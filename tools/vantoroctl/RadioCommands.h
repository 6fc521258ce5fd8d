#pragma once
// vantoroctl's scan and RDS commands.

#include "RadioCards.h"

#include <QStringList>
#include <QTextStream>

// "scan up|down": to the next station, printing "frequency signal"; "scan
// all": every station of the band, one a line. Hardware seek where the card
// has it, else the program's own step scan.
int RunScan(TRadioCard& card, const QString& how, tBand band, QTextStream& out);
// "rds [SECONDS]": decodes the card's RDS for that long, printing a line for
// each news: "PI XXXX" when the code appears or changes, "PS name" / "RT
// text" for each new complete name and text, "PTY code name", "TP on|off",
// "TA on|off", "RT+ title=... artist=...", "AF" and the alternative
// frequencies in MHz, "CT" and the station's time (ISO, with its offset).
int RunRds(TRadioCard& card, TWaiter& waiter, int seconds, QTextStream& out);
// "rds --hex FILE": the same from a recorded log; `args` starts after "rds".
int RunRdsHexCommand(const QStringList& args, QTextStream& out, QTextStream& err);
