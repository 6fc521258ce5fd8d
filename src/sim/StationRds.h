#pragma once
// What an emulated station sends by RDS, the same for every emulated receiver
// (the radio device, the dongle, the RDS signal of the generated multiplex):
// a fixed cycle of groups counted from the moment the receiver tuned in.

#include "RdsGroup.h"
#include "StationList.h"

#include <QByteArray>
#include <cstdint>

// The PI code of a station of the list: its place in the list in a local
// area code.
std::uint16_t StationPi(const TStationList& stations, const TSimStation& station);

// Group k of the station (k = 0 is the first group after tuning in): group
// 0A with the programme service name and 2A with the radio text, taking
// turns. Every block is valid and uncorrected.
tRdsGroup StationRdsGroup(const TStationList& stations, const TSimStation& station, std::int64_t k);

// The station's name and text in the RDS character table: eight characters
// of name, and the text ended by a carriage return when shorter than 64
// characters and filled with blanks to whole segments of four.
QByteArray StationProgrammeName(const QString& name);
QByteArray StationRadioText(const TSimStation& station);
