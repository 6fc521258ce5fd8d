// The RDS decoder on logs in the RDS Spy hex format and on the block stream
// a radio device delivers, with lost, erroneous and corrected blocks.

#include "RdsDecoder.h"

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

TEST(RdsDecoder, TrustsNeitherErroneousBlocksNorCorrectedOnesThatChangeThePi)
{
    TRdsDecoder rds;
    TRdsBlockAssembler blocks;
    constexpr int Err = 0x80, Fixed = 0x40;
    // Segment 0 with an erroneous block B is dropped; the name is not complete.
    FeedBlocks(rds, blocks, {{{0x1234, 0, 0}}, {{0x0000, 1, Err}}, {{0xE0CD, 2, 0}}, {{0x4142, 3, 0}}});
    FeedBlocks(rds, blocks, {{{0x1234, 0, 0}}, {{0x0001, 1, 0}}, {{0xE0CD, 2, 0}}, {{0x4344, 3, 0}}});
    FeedBlocks(rds, blocks, {{{0x1234, 0, 0}}, {{0x0002, 1, 0}}, {{0xE0CD, 2, 0}}, {{0x4546, 3, 0}}});
    EXPECT_EQ(FeedBlocks(rds, blocks, {{{0x1234, 0, 0}}, {{0x0003, 1, 0}}, {{0xE0CD, 2, 0}}, {{0x4748, 3, 0}}}), 0u);
    // A corrected block D is taken.
    EXPECT_EQ(FeedBlocks(rds, blocks, {{{0x1234, 0, 0}}, {{0x0000, 1, 0}}, {{0xE0CD, 2, 0}}, {{0x5A42, 3, Fixed}}}),
              unsigned(TRdsDecoder::NewPs));
    EXPECT_EQ(rds.Ps(), QStringLiteral("ZBCDEFGH"));
    EXPECT_EQ(*rds.Pi(), 0x1234);
    // A corrected block A cannot change the PI; a clean one can.
    FeedBlocks(rds, blocks, {{{0x1235, 0, Fixed}}, {{0x1000, 1, 0}}, {{0, 2, 0}}, {{0, 3, 0}}});
    EXPECT_EQ(*rds.Pi(), 0x1234);
    EXPECT_EQ(FeedBlocks(rds, blocks, {{{0x1235, 0, 0}}, {{0x1000, 1, 0}}, {{0, 2, 0}}, {{0, 3, 0}}}),
              unsigned(TRdsDecoder::NewPi));
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
