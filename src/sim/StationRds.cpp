#include "StationRds.h"

#include "RdsDecoder.h"

#include <cmath>

namespace {
// An RDS station sends 11.4 groups a second.
constexpr std::int64_t GroupsPerMinute = 684;
constexpr std::int64_t SongStartsAt = 114; // ten seconds
// The application RT+ and the group type its tags come in (11A).
constexpr std::uint16_t RtPlusAid = 0x4BD7;
constexpr std::uint16_t RtPlusGroupType = 11;
constexpr int TagTitle = 1, TagArtist = 4;

const char* const Titles[] = {"Morning Tide", "Paper Lanterns", "Slow River", "Neon Avenue", "Blue Hour"};
const char* const Artists[] = {"The Harbour Lights", "Mira Solberg", "Ada and the Owls", "North Quarter",
                               "Jonas Weller Trio"};

int Index(const TStationList& stations, const TSimStation& station)
{
    return int(&station - stations.Stations().data());
}

QByteArray ToRds(const QString& text)
{
    QByteArray out;
    for (QChar c : text) out += char(UnicodeToRdsChar(c));
    return out;
}

std::uint16_t Pair(const QByteArray& text, int at)
{
    return std::uint16_t(std::uint8_t(text[at]) << 8 | std::uint8_t(text[at + 1]));
}

QString SongText(const TStationList& stations, const TSimStation& station)
{
    return QStringLiteral("%1: %2 by %3")
        .arg(station.name, StationSongTitle(stations, station), StationSongArtist(stations, station))
        .left(64);
}

bool SongPlaying(std::int64_t k) { return k >= SongStartsAt; }

// The text as sent: ended by a carriage return when shorter than 64
// characters and filled with blanks to whole segments of four.
QByteArray SentText(const QString& text)
{
    QByteArray rt = ToRds(text.left(64));
    if (rt.size() < 64) rt += '\r';
    return rt.leftJustified((rt.size() + 3) / 4 * 4, ' ');
}

// The block C pairs of the alternative frequency list (method A): the count
// first, then the frequencies, a filler code completing the last pair.
std::vector<std::uint16_t> AfPairs(const TSimStation& station)
{
    std::vector<int> codes;
    for (double mhz : StationAlternatives(station)) codes.push_back(int(std::lround((mhz - 87.5) * 10)));
    if (codes.empty()) return {0xE0CD}; // no alternative frequencies; a filler
    codes.insert(codes.begin(), 224 + int(codes.size()));
    if (codes.size() % 2) codes.push_back(205);
    std::vector<std::uint16_t> pairs;
    for (std::size_t i = 0; i < codes.size(); i += 2) pairs.push_back(std::uint16_t(codes[i] << 8 | codes[i + 1]));
    return pairs;
}

// Group 4A: the day (modified Julian), hour and minute in UTC, the offset in
// half hours.
tRdsGroup ClockGroup(std::uint16_t pi, std::uint16_t b, const QDateTime& clock)
{
    const QDateTime utc = clock.toUTC();
    const std::int64_t mjd = utc.date().toJulianDay() - 2400001;
    const int hour = utc.time().hour(), minute = utc.time().minute();
    const int halfHours = clock.offsetFromUtc() / 1800;
    tRdsGroup g;
    g.blocks = {{{pi, true},
                 {std::uint16_t(4 << 12 | b | (mjd >> 15 & 3)), true},
                 {std::uint16_t((mjd & 0x7FFF) << 1 | hour >> 4), true},
                 {std::uint16_t((hour & 15) << 12 | minute << 6 | (halfHours < 0) << 5 | std::abs(halfHours)), true}}};
    return g;
}
} // namespace

std::uint16_t StationPi(const TStationList& stations, const TSimStation& station)
{
    return std::uint16_t(0xC000 | Index(stations, station));
}

QByteArray StationProgrammeName(const QString& name)
{
    return ToRds(name.left(8)).leftJustified(8, ' ');
}

QString StationSongTitle(const TStationList& stations, const TSimStation& station)
{
    return QString::fromLatin1(Titles[Index(stations, station) % std::size(Titles)]);
}

QString StationSongArtist(const TStationList& stations, const TSimStation& station)
{
    return QString::fromLatin1(Artists[(Index(stations, station) + 2) % std::size(Artists)]);
}

QString StationRadioText(const TStationList& stations, const TSimStation& station, std::int64_t k)
{
    if (SongPlaying(k)) return SongText(stations, station);
    return QStringLiteral("%1 on %2 MHz").arg(station.name).arg(station.mhz, 0, 'f', station.mhz < 30 ? 3 : 1);
}

int StationPty(const TSimStation& station)
{
    return station.stereo ? 10 : 1; // pop music, news
}

bool StationTp(const TStationList& stations, const TSimStation& station)
{
    return Index(stations, station) % 2 == 0;
}

std::vector<double> StationAlternatives(const TSimStation& station)
{
    std::vector<double> list;
    for (double mhz : {station.mhz - 10, station.mhz + 10}) {
        const double onGrid = std::round(mhz * 10) / 10;
        if (onGrid >= 87.6 && onGrid <= 107.9) list.push_back(onGrid);
    }
    return list;
}

tRdsGroup StationRdsGroup(const TStationList& stations, const TSimStation& station, std::int64_t k,
                          const QDateTime& clock)
{
    const std::uint16_t pi = StationPi(stations, station);
    const bool tp = StationTp(stations, station);
    // A traffic announcement in the last of every five minutes.
    const bool ta = tp && k / GroupsPerMinute % 5 == 4;
    const auto common = std::uint16_t(tp << 10 | StationPty(station) << 5);
    auto group = [pi](int type, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
        tRdsGroup g;
        g.blocks = {{{pi, true}, {std::uint16_t(type << 12 | b), true}, {c, true}, {d, true}}};
        return g;
    };
    if (k % 2 == 0) {
        const QByteArray ps = StationProgrammeName(station.name);
        const int segment = int(k / 2 % 4);
        const std::vector<std::uint16_t> af = AfPairs(station);
        return group(0, std::uint16_t(common | ta << 4 | segment), af[std::size_t(k / 2 % std::int64_t(af.size()))],
                     Pair(ps, 2 * segment));
    }
    if (clock.isValid() && k % GroupsPerMinute == 1) return ClockGroup(pi, common, clock);
    const std::int64_t m = k / 2;
    const QString text = StationRadioText(stations, station, k);
    if (SongPlaying(k) && m % 8 == 3) return group(3, std::uint16_t(common | RtPlusGroupType << 1), 0, RtPlusAid);
    if (SongPlaying(k) && m % 8 == 7) {
        const int titleAt = int(station.name.left(64).size()) + 2;
        const int titleLength = int(StationSongTitle(stations, station).size());
        const int artistAt = titleAt + titleLength + 4;
        const int artistLength = int(std::min(StationSongArtist(stations, station).size(), text.size() - artistAt));
        // The item runs; title and artist where they stand in the text (the
        // lengths count the characters after the first).
        std::uint64_t tags = 1ull << 35;
        if (titleAt + titleLength <= text.size())
            tags |= std::uint64_t(TagTitle) << 29 | std::uint64_t(titleAt) << 23 | std::uint64_t(titleLength - 1) << 17;
        if (artistLength > 0 && artistLength <= 32)
            tags |= std::uint64_t(TagArtist) << 11 | std::uint64_t(artistAt) << 5 | std::uint64_t(artistLength - 1);
        return group(RtPlusGroupType, std::uint16_t(common | (tags >> 32 & 0x1F)), std::uint16_t(tags >> 16),
                     std::uint16_t(tags));
    }
    // The A/B flag tells the song's text from the first one.
    // Segments in turn over the groups left to the text.
    const std::int64_t r = SongPlaying(k) ? m / 8 * 6 + (m % 8 - (m % 8 > 3)) : m;
    const QByteArray rt = SentText(text);
    const int segment = int(r % (rt.size() / 4));
    return group(2, std::uint16_t(common | SongPlaying(k) << 4 | segment), Pair(rt, 4 * segment),
                 Pair(rt, 4 * segment + 2));
}
