#include "StationList.h"

#include "RegularFile.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

TStationList TStationList::BuiltIn()
{
    static const char* const text = "FM 88.600 stereo Harbour FM\n"
                                    "FM 91.350 mono Valley Community Radio\n"
                                    "FM 95.000 stereo Vantoro Classic\n"
                                    "FM 98.125 stereo Northern Lights\n"
                                    "FM 101.700 mono City Talk\n"
                                    "FM 104.250 stereo Pulse 104\n"
                                    "FM 107.900 stereo Late Night Jazz\n"
                                    "FM 78.500 stereo Tokai Wave\n"
                                    "FM 81.300 mono Kanto Community\n"
                                    "AM 0.603 mono Night Talk\n"
                                    "AM 0.999 mono Coastal News\n"
                                    "AM 1.404 mono Old Time Radio\n";
    return *Parse(QString::fromLatin1(text), nullptr);
}

std::optional<TStationList> TStationList::Load(const QString& fileName, QString* error)
{
    // A station list is a few thousand lines at most; a huge file is refused
    // before it fills the memory, and a FIFO or a device (/dev/zero) at once.
    constexpr qint64 MaxBytes = 1 << 20;
    QByteArray text;
    QString why;
    if (!ReadRegularFile(fileName, MaxBytes, text, &why)) {
        if (error) *error = QStringLiteral("%1: %2").arg(fileName, why);
        return std::nullopt;
    }
    auto list = Parse(QString::fromUtf8(text), &why);
    if (!list && error) *error = QStringLiteral("%1: %2").arg(fileName, why);
    return list;
}

std::optional<TStationList> TStationList::Parse(const QString& text, QString* error)
{
    TStationList list;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
        const QStringList fields = line.split(blanks, Qt::SkipEmptyParts);
        auto fail = [&](const QString& what) {
            if (error) *error = QStringLiteral("line %1: %2").arg(i + 1).arg(what);
            return std::nullopt;
        };
        if (fields.size() < 3) return fail(QStringLiteral("expected: band frequency stereo|mono name"));
        TSimStation s;
        const QString band = fields[0].toUpper();
        if (band == QLatin1String("FM"))
            s.band = bFM;
        else if (band == QLatin1String("AM"))
            s.band = bAM;
        else
            return fail(QStringLiteral("band must be FM or AM"));
        bool ok = false;
        QString number = fields[1];
        s.mhz = number.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok || !std::isfinite(s.mhz) || s.mhz <= 0)
            return fail(QStringLiteral("bad frequency \"%1\"").arg(fields[1]));
        const QString mode = fields[2].toLower();
        if (mode != QLatin1String("stereo") && mode != QLatin1String("mono"))
            return fail(QStringLiteral("expected stereo or mono"));
        s.stereo = mode == QLatin1String("stereo");
        s.name = fields.mid(3).join(QLatin1Char(' '));
        list.stations_.push_back(s);
    }
    return list;
}

const TSimStation* TStationList::Find(tBand band, double mhz) const
{
    const double tolerance = band == bFM ? 0.0025 : 0.0045;
    for (const TSimStation& s : stations_)
        if (s.band == band && std::abs(s.mhz - mhz) < tolerance + 1e-9) return &s;
    return nullptr;
}
