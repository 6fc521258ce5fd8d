#include "StationRds.h"

#include "RdsDecoder.h"

namespace {
constexpr std::uint16_t Pty = 10; // pop music

std::uint16_t Pair(const QByteArray& text, int at)
{
    return std::uint16_t(std::uint8_t(text[at]) << 8 | std::uint8_t(text[at + 1]));
}
} // namespace

std::uint16_t StationPi(const TStationList& stations, const TSimStation& station)
{
    return std::uint16_t(0xC000 | (&station - stations.Stations().data()));
}

QByteArray StationProgrammeName(const QString& name)
{
    QByteArray ps;
    for (QChar c : name.left(8)) ps += char(UnicodeToRdsChar(c));
    return ps.leftJustified(8, ' ');
}

QByteArray StationRadioText(const TSimStation& station)
{
    const QString text = QStringLiteral("%1 on %2 MHz").arg(station.name).arg(station.mhz, 0, 'f', station.mhz < 30 ? 3 : 1);
    QByteArray rt;
    for (QChar c : text.left(64)) rt += char(UnicodeToRdsChar(c));
    if (rt.size() < 64) rt += '\r';
    return rt.leftJustified((rt.size() + 3) / 4 * 4, ' ');
}

tRdsGroup StationRdsGroup(const TStationList& stations, const TSimStation& station, std::int64_t k)
{
    const std::uint16_t pi = StationPi(stations, station);
    std::uint16_t b, c, d;
    if (k % 2 == 0) {
        const QByteArray ps = StationProgrammeName(station.name);
        const int segment = int(k / 2 % 4);
        b = std::uint16_t(Pty << 5 | segment);
        c = 0xE0CD; // no alternative frequencies
        d = Pair(ps, 2 * segment);
    } else {
        const QByteArray rt = StationRadioText(station);
        const int segment = int(k / 2 % (rt.size() / 4));
        b = std::uint16_t(2 << 12 | Pty << 5 | segment);
        c = Pair(rt, 4 * segment);
        d = Pair(rt, 4 * segment + 2);
    }
    tRdsGroup group;
    const std::uint16_t blocks[4] = {pi, b, c, d};
    for (int i = 0; i < 4; ++i) group.blocks[std::size_t(i)] = {blocks[i], true, false};
    return group;
}
