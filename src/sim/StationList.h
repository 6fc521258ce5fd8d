#pragma once
// The stations the emulated receivers can hear. A built-in list of fictional
// stations, or a text file with one station a line:
//     FM 95.000 stereo Radio Example
//     AM 0.603 mono Night Talk
// band, frequency in MHz ("." or "," as decimal mark), stereo or mono, name,
// separated by blanks or tabs. Blank lines and lines starting with "#" are
// ignored. A file over 1 MiB is refused.

#include "RadioCards.h"

#include <QString>
#include <optional>
#include <vector>

struct TSimStation {
    tBand band = bFM;
    double mhz = 0;
    bool stereo = false;
    QString name;
};

class TStationList {
public:
    static TStationList BuiltIn();
    // Reads a station file; on failure returns nothing and says why in `error`.
    static std::optional<TStationList> Load(const QString& fileName, QString* error);
    // Parses station text; line numbers in `error` count from 1.
    static std::optional<TStationList> Parse(const QString& text, QString* error);

    // The station heard at this frequency, if any. A receiver hears a station
    // within half of the finest tuning step (2.5 kHz on FM, 4.5 kHz on AM).
    const TSimStation* Find(tBand band, double mhz) const;
    const std::vector<TSimStation>& Stations() const { return stations_; }

private:
    std::vector<TSimStation> stations_;
};
