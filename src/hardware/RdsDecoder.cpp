#include "RdsDecoder.h"

#include <QStringList>

namespace {
constexpr std::uint8_t CarriageReturn = 0x0D;

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

unsigned TRdsDecoder::Feed(const tRdsGroup& group)
{
    const tRdsBlock& a = group.blocks[0];
    const tRdsBlock& b = group.blocks[1];
    const tRdsBlock& c = group.blocks[2];
    const bool versionB = b.valid && (b.value >> 11) & 1;
    unsigned news = 0;
    // Version B groups repeat the PI code in block C.
    const tRdsBlock* piBlock = a.valid ? &a : versionB && c.valid ? &c : nullptr;
    // A corrected block may have been corrected wrongly: it may give the
    // first code but not change one already known.
    if (piBlock && piBlock->value != pi_ && (!pi_ || !piBlock->corrected)) {
        pi_ = piBlock->value;
        news |= NewPi;
    }
    if (!b.valid) return news;
    switch (b.value >> 12) {
    case 0: news |= TakePs(b.value, group.blocks[3]); break;
    case 2: news |= TakeRt(b.value, c, group.blocks[3]); break;
    default: break;
    }
    return news;
}

unsigned TRdsDecoder::TakePs(std::uint16_t b, const tRdsBlock& d)
{
    if (!d.valid) return 0;
    const int at = 2 * (b & 3);
    psChars_[at] = std::uint8_t(d.value >> 8);
    psChars_[at + 1] = std::uint8_t(d.value);
    psHave_ |= std::uint8_t(3u << at);
    if (psHave_ != 0xFF) return 0;
    psHave_ = 0;
    const QString name = Decode(psChars_.data(), 8);
    if (name == ps_) return 0;
    ps_ = name;
    return NewPs;
}

unsigned TRdsDecoder::TakeRt(std::uint16_t b, const tRdsBlock& c, const tRdsBlock& d)
{
    const bool versionB = (b >> 11) & 1;
    const int flag = (b >> 4) & 1;
    // A new A/B flag announces a new text; so does a change of group version.
    if (flag != rtFlag_ || versionB != rtVersionB_) {
        rtFlag_ = flag;
        rtVersionB_ = versionB;
        rtHave_ = 0;
    }
    const int segment = b & 0x0F;
    auto take = [this](int at, const tRdsBlock& block) {
        if (!block.valid) return;
        rtChars_[std::size_t(at)] = std::uint8_t(block.value >> 8);
        rtChars_[std::size_t(at + 1)] = std::uint8_t(block.value);
        rtHave_ |= std::uint64_t(3) << at;
    };
    if (versionB) {
        take(2 * segment, d);
    } else {
        take(4 * segment, c);
        take(4 * segment + 2, d);
    }
    // Complete once every character up to the carriage return, or up to the
    // full length, has come.
    const int length = versionB ? 32 : 64;
    int end = 0;
    for (; end < length; ++end) {
        if (!(rtHave_ >> end & 1)) return 0;
        if (rtChars_[std::size_t(end)] == CarriageReturn) break;
    }
    rtHave_ = 0;
    QString text = Decode(rtChars_.data(), end);
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    if (text == rt_) return 0;
    rt_ = text;
    return NewRt;
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
