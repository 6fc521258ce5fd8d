// The RDS decoder on logs in the RDS Spy hex format and on the block stream
// a radio device delivers, with lost, erroneous and corrected blocks.

#include "RdsDecoder.h"
#include "Translations.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
// What vantoroctl prints for each news the decoder gives.
void Note(const TRdsDecoder& rds, unsigned news, QStringList& out)
{
    if (news & TRdsDecoder::NewPi) out << QStringLiteral("PI %1").arg(*rds.Pi(), 4, 16, QLatin1Char('0')).toUpper();
    if (news & TRdsDecoder::NewPs) out << QStringLiteral("PS ") + rds.Ps();
    if (news & TRdsDecoder::NewRt) out << QStringLiteral("RT ") + rds.Rt();
}

QStringList DecodeLog(const QString& name)
{
    QFile file(QStringLiteral(VANTORO_TEST_DATA "/rds/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
    TRdsDecoder rds;
    QStringList out;
    while (!file.atEnd())
        if (const auto group = ParseRdsSpyLine(QString::fromLatin1(file.readLine()))) Note(rds, rds.Feed(*group), out);
    return out;
}

// Feeds one group as the device delivers it: LSB, MSB, block number and flags.
unsigned FeedBlocks(TRdsDecoder& rds, TRdsBlockAssembler& blocks, std::initializer_list<std::array<int, 3>> triples)
{
    unsigned news = 0;
    for (const auto& [value, id, flags] : triples)
        if (const auto group = blocks.Add(std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(id | flags)))
            news |= rds.Feed(*group);
    return news;
}
} // namespace

TEST(RdsDecoder, ReadsNamesAndTextsFromLogs)
{
    struct Case {
        const char* file;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        // A name in 0A groups with a lost block, a text ended by CR, a new name.
        {"name-0a-text-cr.spy",
         {"PI D3C2", "PS ANTENNE ", "RT Hello from the valley", "PS BAYERN  "}},
        // A name in 0B groups; the first group lost block A, so C' gives the PI.
        {"name-0b-text-2b.spy", {"PI 6204", "PS JAZZ FM ", "RT Night owls"}},
        // A text filling all 64 characters, blanks removed; the A/B flag starts the next.
        {"text-64.spy",
         {"PI 2F11", "PS METRO   ", "RT Traffic: all roads clear this morning", "RT News at nine"}},
        {"non-ascii.spy", {"PI 4A01", "PS Zürich  ", "RT Müller & Söhne - Café ½ Preis"}},
    };
    for (const Case& c : cases) {
        QStringList expected;
        for (const char* line : c.expected) expected << QString::fromUtf8(line);
        EXPECT_EQ(DecodeLog(QString::fromLatin1(c.file)), expected) << c.file;
    }
}

TEST(RdsDecoder, ParsesOnlyLinesThatHoldAGroup)
{
    const auto group = ParseRdsSpyLine(QStringLiteral("d3c2 0140 ---- 414E extra words"));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->blocks[0].value, 0xD3C2);
    EXPECT_FALSE(group->blocks[2].valid);
    EXPECT_EQ(group->blocks[3].value, 0x414E);
    for (const char* bad : {"<recorder=\"x\">", "D3C2 0140 E0CD", "D3C2 0140 E0CD 41", "D3C2 0140 XYZW 414E", ""})
        EXPECT_FALSE(ParseRdsSpyLine(QString::fromLatin1(bad))) << bad;
}

TEST(RdsDecoder, BelievesACharacterOrACodeOnlyOnceTwoGroupsAgree)
{
    TRdsDecoder rds;
    TRdsBlockAssembler blocks;
    constexpr int Err = 0x80, Fixed = 0x40;
    auto ps = [&](int pi, int segment, int chars, int flags = 0) {
        return FeedBlocks(rds, blocks, {{{pi, 0, 0}}, {{segment, 1, 0}}, {{0xE0CD, 2, 0}}, {{chars, 3, flags}}}) &
               (TRdsDecoder::NewPi | TRdsDecoder::NewPs);
    };
    // One group gives no PI.
    EXPECT_EQ(ps(0x1234, 0, 0x4142), 0u);
    EXPECT_FALSE(rds.Pi());
    EXPECT_EQ(ps(0x1234, 1, 0x4344), unsigned(TRdsDecoder::NewPi));
    // Every segment once more, segment 1 wrongly corrected and segment 2
    // lost: the name is not complete.
    ps(0x1234, 0, 0x4142);
    ps(0x1234, 1, 0x5858, Fixed);
    ps(0x1234, 2, 0x4546);
    ps(0x1234, 2, 0, Err);
    ps(0x1234, 3, 0x4748);
    EXPECT_EQ(ps(0x1234, 3, 0x4748), 0u);
    EXPECT_TRUE(rds.Ps().isEmpty());
    // The wrong characters had only one group for them; the right ones
    // come back and complete the name.
    ps(0x1234, 1, 0x4344);
    EXPECT_EQ(ps(0x1234, 1, 0x4344), 0u);
    EXPECT_EQ(ps(0x1234, 2, 0x4546), unsigned(TRdsDecoder::NewPs));
    EXPECT_EQ(rds.Ps(), QStringLiteral("ABCDEFGH"));
    // A wrong block A once is a group of nobody's: nothing of it is taken.
    ps(0x1235, 0, 0x5A5A, Fixed);
    ps(0x1234, 0, 0x5A5A);
    for (int segment = 1; segment < 4; ++segment) ps(0x1234, segment, 0x4344 + 0x202 * (segment - 1));
    EXPECT_EQ(rds.Ps(), QStringLiteral("ABCDEFGH")) << "a character from a stranger's group counted";
    EXPECT_EQ(*rds.Pi(), 0x1234);
    // Another station on the frequency: its PI, twice, drops the last name.
    ps(0x2345, 0, 0x4142);
    EXPECT_EQ(ps(0x2345, 0, 0x4142), unsigned(TRdsDecoder::NewPi));
    EXPECT_EQ(*rds.Pi(), 0x2345);
    EXPECT_TRUE(rds.Ps().isEmpty());
}

TEST(RdsDecoder, ShowsNothingFromAStationTooWeakForRds)
{
    // Half the blocks lost, a tenth of the rest wrongly corrected: what the
    // decoder shows is the station's own or nothing, never a wrong character.
    const QString name = QStringLiteral("WEAK FM ");
    const QString text = QStringLiteral("Only the right characters");
    std::uint32_t seed = 12345;
    auto random = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16 & 0x7FFF; };
    TRdsDecoder rds;
    for (int k = 0; k < 4000; ++k) {
        tRdsGroup g;
        const int segment = k / 2 % 8;
        if (k % 2 == 0) {
            g.blocks = {{{0x5001, true}, {std::uint16_t(segment % 4), true}, {0xE0CD, true},
                         {std::uint16_t(name[2 * (segment % 4)].unicode() << 8 | name[2 * (segment % 4) + 1].unicode()), true}}};
        } else {
            const QString part = (text + QLatin1Char('\r')).leftJustified(32).mid(4 * segment, 4);
            g.blocks = {{{0x5001, true}, {std::uint16_t(0x2000 | segment), true},
                         {std::uint16_t(part[0].unicode() << 8 | part[1].unicode()), true},
                         {std::uint16_t(part[2].unicode() << 8 | part[3].unicode()), true}}};
        }
        for (tRdsBlock& block : g.blocks) {
            if (random() % 2) block.valid = false;
            else if (random() % 10 == 0) block = {std::uint16_t(block.value ^ (1u << random() % 16)), true, true};
        }
        rds.Feed(g);
        ASSERT_TRUE(rds.Ps().isEmpty() || rds.Ps() == name) << k << ": " << rds.Ps().toStdString();
        ASSERT_TRUE(rds.Rt().isEmpty() || rds.Rt() == text) << k << ": " << rds.Rt().toStdString();
        ASSERT_TRUE(!rds.Pi() || *rds.Pi() == 0x5001) << k;
    }
    // Enough came through for both in the end.
    EXPECT_EQ(rds.Ps(), name);
    EXPECT_EQ(rds.Rt(), text);
}

namespace {
tRdsGroup Group(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d)
{
    tRdsGroup g;
    g.blocks = {{{a, true}, {b, true}, {c, true}, {d, true}}};
    return g;
}

// Feeds the groups in turn, `times` over; the news of the last round.
unsigned FeedAll(TRdsDecoder& rds, const std::vector<tRdsGroup>& groups, int times = 2)
{
    unsigned news = 0;
    for (int i = 0; i < times; ++i) {
        news = 0;
        for (const tRdsGroup& g : groups) news |= rds.Feed(g);
    }
    return news;
}
} // namespace

TEST(RdsDecoder, ReadsTheProgrammeTypeAndTheTrafficFlags)
{
    TRdsDecoder rds;
    // Group 0A: PTY 10, TP on, TA off.
    EXPECT_EQ(FeedAll(rds, {Group(0xD001, 0x0540, 0xE0CD, 0x4142)}) & (TRdsDecoder::NewPty | TRdsDecoder::NewTp),
              unsigned(TRdsDecoder::NewPty | TRdsDecoder::NewTp));
    EXPECT_EQ(rds.Pty(), 10);
    EXPECT_EQ(rds.Tp(), true);
    EXPECT_EQ(rds.Ta(), false);
    // A text group carries PTY and TP but not TA; its bit 4 is the text's A/B flag.
    EXPECT_EQ(FeedAll(rds, {Group(0xD001, 0x21F0, 0x4142, 0x4344)}) & (TRdsDecoder::NewPty | TRdsDecoder::NewTp | TRdsDecoder::NewTa),
              unsigned(TRdsDecoder::NewPty | TRdsDecoder::NewTp));
    EXPECT_EQ(rds.Pty(), 15);
    EXPECT_EQ(rds.Tp(), false);
    EXPECT_EQ(rds.Ta(), false);
    // An announcement on the air, in 0A and in 15B.
    EXPECT_EQ(FeedAll(rds, {Group(0xD001, 0x0410, 0xE0CD, 0x4142)}) & TRdsDecoder::NewTa, unsigned(TRdsDecoder::NewTa));
    EXPECT_EQ(rds.Ta(), true);
    EXPECT_EQ(FeedAll(rds, {Group(0xD001, 0xF800, 0xD001, 0xF800)}) & TRdsDecoder::NewTa, unsigned(TRdsDecoder::NewTa));
    EXPECT_EQ(rds.Ta(), false);

    struct Case {
        int pty;
        bool northAmerica;
        const char* name;
    };
    const Case names[] = {{0, false, "No programme type"}, {10, false, "Pop music"}, {10, true, "Country"},
                          {1, true, "News"},             {2, false, "Current affairs"}, {2, true, "Information"},
                          {29, true, "Weather"},         {31, false, "Alarm"},       {31, true, "Emergency"},
                          {32, false, ""}};
    for (const Case& c : names)
        EXPECT_EQ(ProgrammeTypeName(c.pty, c.northAmerica), QString::fromLatin1(c.name)) << c.pty << c.northAmerica;
}

TEST(RdsDecoder, TheProgrammeTypeIsShownInTheUsersLanguageButPrintedInEnglish)
{
    ASSERT_TRUE(UseLanguage(QStringLiteral("fr")));
    // Each table is translated as its own: code 6 is drama in Europe, classic
    // rock in North America.
    const struct {
        int pty;
        bool northAmerica;
        const char* shown;
        const char* printed;
    } cases[] = {
        {6, false, "Fiction", "Drama"},
        {6, true, "Rock classique", "Classic rock"},
        {1, false, "Informations", "News"},
        {1, true, "Nouvelles", "News"},
        {31, false, "Alarme", "Alarm"},
        {32, true, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgrammeTypeText(c.pty, c.northAmerica), QString::fromUtf8(c.shown)) << c.pty << c.northAmerica;
        EXPECT_EQ(ProgrammeTypeName(c.pty, c.northAmerica), QString::fromLatin1(c.printed)) << c.pty << c.northAmerica;
    }
    UseLanguage(QStringLiteral("en"));
    for (int pty = 0; pty < 32; ++pty)
        for (bool northAmerica : {false, true})
            EXPECT_EQ(ProgrammeTypeText(pty, northAmerica), ProgrammeTypeName(pty, northAmerica)) << pty << northAmerica;
}

TEST(RdsDecoder, KeepsTheStationsClockTimeWithItsOffset)
{
    // 2000-01-01 (day 51544 of the modified Julian calendar) 23:45 UTC.
    struct Case {
        std::uint16_t d;
        bool corrected;
        const char* expected; // ISO with offset; empty when refused
    };
    const Case cases[] = {
        {0x7B6A, false, "2000-01-01T18:45:00-05:00"}, // five hours west
        {0x7B44, false, "2000-01-02T01:45:00+02:00"}, // two hours east: already the next day
        {0x7B41, false, "2000-01-02T00:15:00+00:30"},
        {0x7B44, true, ""},                           // a corrected block is not believed
        {0x7F04, false, ""},                          // minute 60
    };
    for (const Case& c : cases) {
        TRdsDecoder rds;
        tRdsGroup g = Group(0xD001, 0x4001, 0x92B1, c.d);
        g.blocks[3].corrected = c.corrected;
        const unsigned news = rds.Feed(g);
        if (*c.expected) {
            EXPECT_EQ(news & TRdsDecoder::NewClock, unsigned(TRdsDecoder::NewClock)) << c.expected;
            ASSERT_TRUE(rds.Clock()) << c.expected;
            EXPECT_EQ(rds.Clock()->toString(Qt::ISODate), QString::fromLatin1(c.expected));
        } else {
            EXPECT_FALSE(rds.Clock()) << c.d;
        }
    }
    // A station without a clock sends zeros.
    TRdsDecoder rds;
    rds.Feed(Group(0xD001, 0x4000, 0x0000, 0x0000));
    EXPECT_FALSE(rds.Clock());
}

TEST(RdsDecoder, ListsTheAlternativeFrequencies)
{
    // Method A: the count (224 + n) heads the list, then the frequencies
    // two a group (code 1 = 87.6 MHz, 205 fills).
    const std::vector<tRdsGroup> list = {
        Group(0xD001, 0x0000, 0xE3C8, 0x4142), // 3 frequencies; 107.5
        Group(0xD001, 0x0001, 0x0A01, 0x4142), // 88.5, 87.6
    };
    TRdsDecoder rds;
    // One pass is not believed.
    EXPECT_EQ(FeedAll(rds, list, 1) & TRdsDecoder::NewAf, 0u);
    EXPECT_TRUE(rds.Af().empty());
    EXPECT_EQ(FeedAll(rds, list, 1) & TRdsDecoder::NewAf, unsigned(TRdsDecoder::NewAf));
    EXPECT_EQ(rds.Af(), (std::vector<double>{87.6, 88.5, 107.5}));
    // The same list again is no news; a medium-wave pair (250, code) is skipped.
    EXPECT_EQ(FeedAll(rds, {Group(0xD001, 0x0002, 0xFA10, 0x4142)}) & TRdsDecoder::NewAf, 0u);
    EXPECT_EQ(FeedAll(rds, list) & TRdsDecoder::NewAf, 0u);
    // A longer list replaces it once complete.
    FeedAll(rds, {Group(0xD001, 0x0000, 0xE2C8, 0x4142), Group(0xD001, 0x0001, 0x0AE2, 0x4142)});
    EXPECT_EQ(rds.Af(), (std::vector<double>{88.5, 107.5}));
}

TEST(RdsDecoder, CutsTitleAndArtistFromTheTextByItsTags)
{
    const QString text = QStringLiteral("Now: Blue Monday by New Order");
    auto textGroups = [](const QString& t, int flag) {
        std::vector<tRdsGroup> groups;
        const QString padded = (t + QLatin1Char('\r')).leftJustified(int(t.size() + 4) / 4 * 4);
        for (int s = 0; s * 4 < padded.size(); ++s)
            groups.push_back(Group(0xD001, std::uint16_t(0x2000 | flag << 4 | s),
                                   std::uint16_t(padded[4 * s].unicode() << 8 | padded[4 * s + 1].unicode()),
                                   std::uint16_t(padded[4 * s + 2].unicode() << 8 | padded[4 * s + 3].unicode())));
        return groups;
    };
    // 3A: the application 4BD7 sends in 11A (type 11, version A: code 22).
    const tRdsGroup announce = Group(0xD001, 0x3016, 0x0000, 0x4BD7);
    // 11A, item running: title (1) from 5, 11 characters; artist (4) from 20, 9.
    auto tags = [](int running, int toggle, int type1, int start1, int len1, int type2, int start2, int len2) {
        return Group(0xD001, std::uint16_t(0xB000 | toggle << 4 | running << 3 | type1 >> 3),
                     std::uint16_t((type1 & 7) << 13 | start1 << 7 | len1 << 1 | type2 >> 5),
                     std::uint16_t((type2 & 31) << 11 | start2 << 5 | len2));
    };
    TRdsDecoder rds;
    FeedAll(rds, textGroups(text, 0));
    ASSERT_EQ(rds.Rt(), text);
    // Tags before the announcement mean nothing.
    FeedAll(rds, {tags(1, 0, 1, 5, 10, 4, 20, 8)});
    EXPECT_TRUE(rds.Title().isEmpty());
    rds.Feed(announce);
    // One group of tags is not believed.
    EXPECT_EQ(rds.Feed(tags(1, 0, 1, 5, 10, 4, 20, 8)), 0u);
    EXPECT_EQ(rds.Feed(tags(1, 0, 1, 5, 10, 4, 20, 8)), unsigned(TRdsDecoder::NewRtPlus));
    EXPECT_EQ(rds.Title(), QStringLiteral("Blue Monday"));
    EXPECT_EQ(rds.Artist(), QStringLiteral("New Order"));
    // A tag reaching past the text is left out.
    FeedAll(rds, {tags(1, 0, 1, 5, 10, 4, 25, 8)});
    EXPECT_EQ(rds.Title(), QStringLiteral("Blue Monday"));
    EXPECT_TRUE(rds.Artist().isEmpty());
    // The item stopped.
    FeedAll(rds, {tags(0, 0, 1, 5, 10, 4, 20, 8)});
    EXPECT_TRUE(rds.Title().isEmpty());
    FeedAll(rds, {tags(1, 0, 1, 5, 10, 4, 20, 8)});
    ASSERT_EQ(rds.Title(), QStringLiteral("Blue Monday"));
    // A new text drops them at once; the new tags wait for the new text.
    const QString next = QStringLiteral("Song 2 - Blur");
    std::vector<tRdsGroup> nextGroups = textGroups(next, 1);
    rds.Feed(nextGroups[0]);
    EXPECT_TRUE(rds.Title().isEmpty());
    FeedAll(rds, {tags(1, 1, 1, 0, 5, 4, 9, 3)});
    EXPECT_TRUE(rds.Title().isEmpty()) << "tags for the new text cut the old one";
    FeedAll(rds, nextGroups);
    EXPECT_EQ(rds.Rt(), next);
    EXPECT_EQ(rds.Title(), QStringLiteral("Song 2"));
    EXPECT_EQ(rds.Artist(), QStringLiteral("Blur"));
}

TEST(RdsDecoder, AssemblesGroupsFromTheDevicesBlockStream)
{
    TRdsBlockAssembler blocks;
    // A group that lost block D is handed on when the next block A arrives.
    EXPECT_FALSE(blocks.Add(0x34, 0x12, 0));
    EXPECT_FALSE(blocks.Add(0x00, 0x08, 1));
    EXPECT_FALSE(blocks.Add(0x34, 0x12, 4)); // C' in C's place
    const auto first = blocks.Add(0x34, 0x12, 0);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->blocks[2].valid);
    EXPECT_EQ(first->blocks[2].value, 0x1234);
    EXPECT_FALSE(first->blocks[3].valid);
    // A block the receiver could not place is skipped.
    EXPECT_FALSE(blocks.Add(0xFF, 0xFF, 7));
    EXPECT_FALSE(blocks.Add(0x01, 0x00, 1));
    EXPECT_FALSE(blocks.Add(0x02, 0x00, 2 | 0x80));
    const auto second = blocks.Add(0x03, 0x00, 3);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->blocks[0].valid);
    EXPECT_FALSE(second->blocks[2].valid);
    EXPECT_EQ(second->blocks[3].value, 0x0003);
}

TEST(RdsDecoder, CharacterTableRoundTrips)
{
    EXPECT_EQ(RdsCharToUnicode(0x41), QLatin1Char('A'));
    EXPECT_EQ(RdsCharToUnicode(0x24), QChar(0x00A4));
    EXPECT_EQ(RdsCharToUnicode(0x99), QChar(0x00FC)); // ü
    EXPECT_EQ(RdsCharToUnicode(0xA9), QChar(0x20AC)); // €
    EXPECT_EQ(RdsCharToUnicode(0x0A), QLatin1Char(' '));
    for (int code = 0x20; code < 0xFF; ++code) {
        if (code == 0x7F) continue;
        EXPECT_EQ(UnicodeToRdsChar(RdsCharToUnicode(std::uint8_t(code))), code) << code;
    }
    EXPECT_EQ(UnicodeToRdsChar(QChar(0x4E00)), '?');
}
