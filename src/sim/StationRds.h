#pragma once
// What an emulated station sends by RDS, the same for every emulated receiver
// (the radio device, the dongle, the RDS signal of the generated multiplex):
// a fixed cycle of groups counted from the moment the receiver tuned in.
//
// Every other group is a 0A group with the station's name, its programme type,
// the traffic flags and its alternative frequencies; between them come the
// radio text (2A), the announcement of RT+ (3A) and its tags (11A), and the
// clock time (4A) right after tuning in and then once a minute. The text
// says the station's name and frequency at first; ten seconds after tuning
// in the station starts playing a song: a new text with its title and
// artist, tagged by RT+.

#include "RdsGroup.h"
#include "StationList.h"

#include <QByteArray>
#include <QDateTime>
#include <cstdint>
#include <vector>

// The PI code of a station of the list: its place in the list in a local
// area code.
std::uint16_t StationPi(const TStationList& stations, const TSimStation& station);

// Group k of the station (k = 0 is the first group after tuning in). `clock`:
// the station's local time (with its offset from UTC) when the group goes
// out; without one the station sends no clock time. Every block is valid and
// uncorrected.
tRdsGroup StationRdsGroup(const TStationList& stations, const TSimStation& station, std::int64_t k,
                          const QDateTime& clock = {});

// The station's name in the RDS character table: eight characters.
QByteArray StationProgrammeName(const QString& name);
// The station's text while group k goes out, as a receiver shows it.
QString StationRadioText(const TStationList& stations, const TSimStation& station, std::int64_t k);
// The song the station plays from ten seconds after tuning in.
QString StationSongTitle(const TStationList& stations, const TSimStation& station);
QString StationSongArtist(const TStationList& stations, const TSimStation& station);
// The programme type and the traffic programme flag.
int StationPty(const TSimStation& station);
bool StationTp(const TStationList& stations, const TSimStation& station);
// The alternative frequencies (MHz): the station's relays ten megahertz up
// and down the band, where the band has room.
std::vector<double> StationAlternatives(const TSimStation& station);
