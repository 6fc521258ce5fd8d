#include "RdsDecoder.h"

#include <QCoreApplication>

#include <QStringList>
#include <algorithm>

namespace {
constexpr std::uint8_t CarriageReturn = 0x0D;
// The open data application RT+ (tags in the radio text).
constexpr std::uint16_t RtPlusAid = 0x4BD7;
constexpr int RtPlusTitle = 1, RtPlusArtist = 4; // content types

// 0x80..0xFF of the RDS character table.
const char16_t HighTable[] = u"áàéèíìóòúùÑÇŞβ¡Ĳ"
                             u"âäêëîïôöûüñçşǧıĳ"
                             u"ªα©‰Ǧěňőπ€£$←↑→↓"
                             u"º¹²³±İńűµ¿÷°¼½¾§"
                             u"ÁÀÉÈÍÌÓÒÚÙŘČŠŽÐĿ"
                             u"ÂÄÊËÎÏÔÖÛÜřčšžđŀ"
                             u"ÃÅÆŒŷÝÕØÞŊŔĆŚŹŦð"
                             u"ãåæœŵýõøþŋŕćśźŧ ";
static_assert(sizeof HighTable / sizeof HighTable[0] == 129);

QString Decode(const std::uint8_t* chars, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) text += RdsCharToUnicode(chars[i]);
    return text;
}
} // namespace

QChar RdsCharToUnicode(std::uint8_t code)
{
    if (code >= 0x80) return QChar(HighTable[code - 0x80]);
    switch (code) {
    case 0x24: return QChar(0x00A4); // currency sign
    case 0x5E: return QChar(0x2015); // horizontal bar
    case 0x60: return QChar(0x2016); // double vertical line
    case 0x7E: return QChar(0x00AF); // overline
    case 0x7F: return QLatin1Char(' ');
    default: break;
    }
    // Control codes (line breaks, hyphenation hints) show as blanks.
    return code < 0x20 ? QLatin1Char(' ') : QLatin1Char(char(code));
}

std::uint8_t UnicodeToRdsChar(QChar c)
{
    for (int code = 0x20; code <= 0xFF; ++code)
        if (code != 0x7F && code != 0xFF && RdsCharToUnicode(std::uint8_t(code)) == c) return std::uint8_t(code);
    return '?';
}

template <std::size_t N> void TRdsDecoder::tChars<N>::Offer(std::size_t at, std::uint8_t c)
{
    if (seen[at] && candidate[at] == c) {
        // The first character that replaces one shown starts a new name or
        // text: what was confirmed of the last one counts no more.
        if (known[at] && shown[at] != c && !changing) {
            confirmed = {};
            changing = true;
        }
        shown[at] = c;
        known[at] = true;
        confirmed[at] = true;
        return;
    }
    candidate[at] = c;
    seen[at] = true;
}

unsigned TRdsDecoder::Feed(const tRdsGroup& group)
{
    const tRdsBlock& a = group.blocks[0];
    const tRdsBlock& b = group.blocks[1];
    const tRdsBlock& c = group.blocks[2];
    const tRdsBlock& d = group.blocks[3];
    const bool versionB = b.valid && (b.value >> 11) & 1;
    unsigned news = 0;
    // Version B groups repeat the PI code in block C.
    const tRdsBlock* piBlock = a.valid ? &a : versionB && c.valid ? &c : nullptr;
    if (piBlock) {
        const std::optional<std::uint16_t> before = pi_.value;
        if (pi_.Offer(piBlock->value)) {
            if (before) {
                // Another station on this frequency: nothing of the last one stays.
                const auto pi = pi_;
                Reset();
                pi_ = pi;
            }
            news |= NewPi;
        }
        // A group of another station, or one whose block A was corrected
        // wrongly, brings nothing.
        if (pi_.value && *pi_.value != piBlock->value) return news;
    }
    if (!b.valid) return news;
    if (pty_.Offer((b.value >> 5) & 0x1F)) news |= NewPty;
    if (tp_.Offer((b.value >> 10) & 1)) news |= NewTp;
    const int type = b.value >> 12;
    if (type == 0 || (type == 15 && versionB)) {
        if (ta_.Offer((b.value >> 4) & 1)) news |= NewTa;
    }
    if (type == 0) {
        news |= TakePs(b.value, d);
        if (!versionB) news |= TakeAf(c);
    } else if (type == 2) {
        news |= TakeRt(b.value, c, d);
    } else if (type == 3 && !versionB) {
        news |= TakeOda(b, d);
    } else if (type == 4 && !versionB) {
        news |= TakeClock(b, c, d);
    }
    if (rtPlusGroup_ >= 0 && int(b.value >> 11) == rtPlusGroup_) news |= TakeRtPlus(b.value, c, d);
    return news;
}

unsigned TRdsDecoder::TakePs(std::uint16_t b, const tRdsBlock& d)
{
    if (!d.valid) return 0;
    const std::size_t at = 2 * (b & 3);
    psChars_.Offer(at, std::uint8_t(d.value >> 8));
    psChars_.Offer(at + 1, std::uint8_t(d.value));
    if (!std::all_of(psChars_.confirmed.begin(), psChars_.confirmed.end(), [](bool c) { return c; })) return 0;
    // The next name needs every character confirmed again.
    psChars_.confirmed = {};
    psChars_.changing = false;
    const QString name = Decode(psChars_.shown.data(), 8);
    if (name == ps_) return 0;
    ps_ = name;
    return NewPs;
}

unsigned TRdsDecoder::TakeAf(const tRdsBlock& c)
{
    if (!c.valid) return 0;
    constexpr int NoAf = 224, LastCount = 249, Filler = 205, LfMfFollows = 250;
    const int codes[2] = {c.value >> 8, c.value & 0xFF};
    // A long- or medium-wave frequency (after code 250) is no FM frequency.
    if (codes[0] == LfMfFollows) return 0;
    for (const int code : codes) {
        if (code > NoAf && code <= LastCount) {
            // The head of a list: how many frequencies it holds.
            if (code - NoAf != afCount_) {
                afCount_ = code - NoAf;
                afSeen_.clear();
                afConfirmed_.clear();
            }
        } else if (code >= 1 && code < Filler && afCount_ > 0) {
            const auto f = std::uint8_t(code);
            if (std::find(afConfirmed_.begin(), afConfirmed_.end(), f) != afConfirmed_.end()) continue;
            if (const auto i = std::find(afSeen_.begin(), afSeen_.end(), f); i != afSeen_.end()) {
                afSeen_.erase(i);
                afConfirmed_.push_back(f);
            } else {
                afSeen_.push_back(f);
            }
        }
    }
    // More codes than the list announced: some were wrong; start over.
    if (int(afConfirmed_.size()) > afCount_) {
        afSeen_.clear();
        afConfirmed_.clear();
        return 0;
    }
    if (int(afSeen_.size()) > afCount_) afSeen_.clear();
    if (afCount_ == 0 || int(afConfirmed_.size()) != afCount_) return 0;
    std::vector<std::uint8_t> sorted = afConfirmed_;
    std::sort(sorted.begin(), sorted.end());
    std::vector<double> list;
    for (const std::uint8_t code : sorted) list.push_back((875 + code) / 10.0);
    if (list == af_) return 0;
    af_ = std::move(list);
    return NewAf;
}

unsigned TRdsDecoder::TakeRt(std::uint16_t b, const tRdsBlock& c, const tRdsBlock& d)
{
    const bool versionB = (b >> 11) & 1;
    const int flag = (b >> 4) & 1;
    unsigned news = 0;
    // A new A/B flag announces a new text; so does a change of group version.
    if (flag != rtFlag_ || versionB != rtVersionB_) {
        rtFlag_ = flag;
        rtVersionB_ = versionB;
        rtChars_ = {};
        // The tags sent from now on point into the new text.
        rtPlusTags_ = {};
        rtStale_ = true;
        news |= ApplyTags();
    }
    const int segment = b & 0x0F;
    auto take = [this](int at, const tRdsBlock& block) {
        if (!block.valid) return;
        rtChars_.Offer(std::size_t(at), std::uint8_t(block.value >> 8));
        rtChars_.Offer(std::size_t(at + 1), std::uint8_t(block.value));
    };
    if (versionB) {
        take(2 * segment, d);
    } else {
        take(4 * segment, c);
        take(4 * segment + 2, d);
    }
    // Complete once every character up to the carriage return, or up to the
    // full length, is confirmed.
    const int length = versionB ? 32 : 64;
    int end = 0;
    for (; end < length; ++end) {
        if (!rtChars_.confirmed[std::size_t(end)]) return news;
        if (rtChars_.shown[std::size_t(end)] == CarriageReturn) break;
    }
    rtChars_.confirmed = {};
    rtChars_.changing = false;
    QString text = Decode(rtChars_.shown.data(), end);
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    rtStale_ = false;
    if (text != rt_) {
        rt_ = text;
        news |= NewRt;
    }
    return news | ApplyTags();
}

unsigned TRdsDecoder::TakeOda(const tRdsBlock& b, const tRdsBlock& d)
{
    // Block B names the group type the application's data comes in; block D
    // the application. RT+ comes in a type A group left free for
    // applications (5A..9A, 11A..13A).
    if (!d.valid || d.value != RtPlusAid) return 0;
    const int group = b.value & 0x1F;
    const int type = group >> 1;
    if (group & 1 || type < 5 || type > 13 || type == 10) return 0;
    rtPlusGroup_ = group;
    return 0;
}

unsigned TRdsDecoder::TakeClock(const tRdsBlock& b, const tRdsBlock& c, const tRdsBlock& d)
{
    // Sent once a minute, so two groups never agree: only blocks received
    // without correction are believed.
    if (b.corrected || !c.valid || c.corrected || !d.valid || d.corrected) return 0;
    const int mjd = (b.value & 3) << 15 | c.value >> 1;
    const int hour = (c.value & 1) << 4 | d.value >> 12;
    const int minute = (d.value >> 6) & 0x3F;
    const int halfHours = (d.value & 0x1F) * ((d.value >> 5) & 1 ? -1 : 1);
    // A station without a clock sends zeros.
    if (mjd == 0 || hour > 23 || minute > 59) return 0;
    const QDateTime utc(QDate::fromJulianDay(mjd + 2400001), QTime(hour, minute), Qt::UTC);
    const QDateTime local = utc.toOffsetFromUtc(halfHours * 1800);
    if (clock_ && *clock_ == local && clock_->offsetFromUtc() == local.offsetFromUtc()) return 0;
    clock_ = local;
    return NewClock;
}

unsigned TRdsDecoder::TakeRtPlus(std::uint16_t b, const tRdsBlock& c, const tRdsBlock& d)
{
    if (!c.valid || !d.valid) return 0;
    const std::uint64_t tags = std::uint64_t(b & 0x1F) << 32 | std::uint64_t(c.value) << 16 | d.value;
    if (!rtPlusTags_.Offer(tags)) return 0;
    return ApplyTags();
}

unsigned TRdsDecoder::ApplyTags()
{
    QString title, artist;
    const std::uint64_t tags = rtPlusTags_.value.value_or(0);
    const bool running = (tags >> 35) & 1;
    // Until the new text is complete, the tags would cut the last one.
    if (running && !rtStale_) {
        struct tTag {
            int type, start, length;
        };
        const tTag both[2] = {
            {int(tags >> 29 & 0x3F), int(tags >> 23 & 0x3F), int(tags >> 17 & 0x3F)},
            {int(tags >> 11 & 0x3F), int(tags >> 5 & 0x3F), int(tags & 0x1F)},
        };
        for (const tTag& t : both) {
            // The length counts the characters after the first.
            if (t.start + t.length + 1 > rt_.size()) continue;
            const QString part = rt_.mid(t.start, t.length + 1).trimmed();
            if (t.type == RtPlusTitle) title = part;
            if (t.type == RtPlusArtist) artist = part;
        }
    }
    if (title == title_ && artist == artist_) return 0;
    title_ = title;
    artist_ = artist;
    return NewRtPlus;
}

namespace {

// The tables hold the English names; each table is its own context for the
// translators, as the codes mean other types in North America.
const char* ProgrammeTypeEnglish(int pty, bool northAmerica)
{
    static const char* const Rds[32] = {
        QT_TRANSLATE_NOOP("RdsProgrammeType", "No programme type"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "News"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Current affairs"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Information"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Sport"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Education"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Drama"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Culture"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Science"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Varied"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Pop music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Rock music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Easy listening"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Light classical"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Serious classical"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Other music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Weather"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Finance"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Children's programmes"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Social affairs"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Religion"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Phone-in"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Travel"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Leisure"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Jazz music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Country music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "National music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Oldies music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Folk music"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Documentary"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Alarm test"),
        QT_TRANSLATE_NOOP("RdsProgrammeType", "Alarm")};
    static const char* const Rbds[32] = {
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "No program type"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "News"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Information"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Sports"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Talk"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Rock"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Classic rock"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Adult hits"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Soft rock"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Top 40"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Country"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Oldies"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Soft"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Nostalgia"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Jazz"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Classical"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Rhythm and blues"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Soft rhythm and blues"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Language"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Religious music"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Religious talk"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Personality"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Public"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "College"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Spanish talk"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Spanish music"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Hip hop"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Unassigned"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Unassigned"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Weather"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Emergency test"),
        QT_TRANSLATE_NOOP("RbdsProgrammeType", "Emergency")};
    if (pty < 0 || pty > 31) return nullptr;
    return (northAmerica ? Rbds : Rds)[pty];
}

} // namespace

QString ProgrammeTypeName(int pty, bool northAmerica)
{
    const char* name = ProgrammeTypeEnglish(pty, northAmerica);
    return name ? QString::fromLatin1(name) : QString();
}

QString ProgrammeTypeText(int pty, bool northAmerica)
{
    const char* name = ProgrammeTypeEnglish(pty, northAmerica);
    if (!name) return {};
    return QCoreApplication::translate(northAmerica ? "RbdsProgrammeType" : "RdsProgrammeType", name);
}

bool NorthAmericanRds(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::PuertoRico: return true;
    default: return false;
    }
}

std::optional<tRdsGroup> TRdsBlockAssembler::Add(std::uint8_t lsb, std::uint8_t msb, std::uint8_t info)
{
    const int id = info & 0x07;
    if (id > 4) return std::nullopt; // no block the receiver could place
    const int slot = id == 4 ? 2 : id; // C' takes C's place
    std::optional<tRdsGroup> out;
    if (started_ && slot <= lastSlot_) {
        // A block that cannot belong to the group being gathered: the rest of
        // that group was lost.
        out = group_;
        group_ = {};
    }
    const bool error = info & 0x80;
    group_.blocks[std::size_t(slot)] = {std::uint16_t(msb << 8 | lsb), !error, !error && (info & 0x40)};
    started_ = true;
    lastSlot_ = slot;
    if (slot == 3) {
        out = group_;
        group_ = {};
        started_ = false;
    }
    return out;
}

QString RdsSpyLine(const tRdsGroup& group)
{
    QStringList words;
    bool any = false;
    for (const tRdsBlock& b : group.blocks) {
        any = any || b.valid;
        words << (b.valid ? QStringLiteral("%1").arg(b.value, 4, 16, QLatin1Char('0')).toUpper() : QStringLiteral("----"));
    }
    return any ? words.join(QLatin1Char(' ')) : QString();
}

std::optional<tRdsGroup> ParseRdsSpyLine(const QString& line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 4) return std::nullopt;
    tRdsGroup group;
    for (int i = 0; i < 4; ++i) {
        const QString& w = words[i];
        if (w == QLatin1String("----")) continue;
        bool ok = false;
        const uint value = w.toUInt(&ok, 16);
        if (w.size() != 4 || !ok) return std::nullopt;
        group.blocks[std::size_t(i)] = {std::uint16_t(value), true, false};
    }
    return group;
}
