// RDS blocks from bit streams: the checkword and offset words, block
// synchronisation, burst correction once synchronised, refused blocks and
// the loss of sync.

#include "RdsBlockSync.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {
tRdsGroup Group(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d)
{
    tRdsGroup g;
    for (std::size_t i = 0; i < 4; ++i) g.blocks[i] = {std::array{a, b, c, d}[i], true, false};
    return g;
}

// Group n of a test sequence: every block differs from group to group;
// every third group is version B.
tRdsGroup Numbered(int n)
{
    const bool versionB = n % 3 == 2;
    const auto b = std::uint16_t(0x2000 | (versionB ? 0x0800 : 0) | (n & 0x1F));
    return Group(0xD3C2, b, versionB ? 0xD3C2 : std::uint16_t(0x4100 + n), std::uint16_t(0x6200 + 7 * n));
}

// The 26-bit blocks of a group as a transmitter sends them, first bit first.
std::vector<std::uint32_t> Blocks(const tRdsGroup& g)
{
    const bool versionB = (g.blocks[1].value >> 11) & 1;
    return {RdsEncodeBlock(g.blocks[0].value, eRdsOffset::A), RdsEncodeBlock(g.blocks[1].value, eRdsOffset::B),
            RdsEncodeBlock(g.blocks[2].value, versionB ? eRdsOffset::CPrime : eRdsOffset::C),
            RdsEncodeBlock(g.blocks[3].value, eRdsOffset::D)};
}

struct tReceiver {
    TRdsBlockSync sync;
    std::vector<tRdsGroup> groups;
    tReceiver()
    {
        sync.OnGroup = [this](const tRdsGroup& g) { groups.push_back(g); };
    }
    void Push(std::uint32_t block, const std::array<float, 26>* certainty = nullptr)
    {
        for (int bit = 25; bit >= 0; --bit)
            sync.Push((block >> bit) & 1, certainty ? (*certainty)[std::size_t(25 - bit)] : 0.0f);
    }
    // A block is judged a bit after its end: the bit that ends the stream.
    void Finish() { sync.Push(false); }
    void PushGroups(int from, int to)
    {
        for (int n = from; n < to; ++n)
            for (std::uint32_t block : Blocks(Numbered(n))) Push(block);
    }
};

bool Same(const tRdsBlock& a, const tRdsBlock& b)
{
    return a.valid == b.valid && (!a.valid || (a.value == b.value && a.corrected == b.corrected));
}
} // namespace

TEST(RdsBlocks, OffsetWordsGiveTheSyndromesReceiversLookFor)
{
    const std::pair<eRdsOffset, std::uint16_t> cases[] = {{eRdsOffset::A, 0x3D8}, {eRdsOffset::B, 0x3D4},
                                                          {eRdsOffset::C, 0x25C}, {eRdsOffset::CPrime, 0x3CC},
                                                          {eRdsOffset::D, 0x258}};
    for (const auto& [offset, syndrome] : cases) {
        EXPECT_EQ(RdsSyndrome(RdsOffsetWord(offset)), syndrome) << int(offset);
        // Any information word with its checkword leaves only the offset's syndrome.
        for (std::uint16_t info : {0x0000, 0xD3C2, 0xFFFF, 0x8001})
            EXPECT_EQ(RdsSyndrome(RdsEncodeBlock(info, offset)), syndrome) << int(offset) << " " << info;
    }
    // Every single and double-adjacent error has a syndrome of its own.
    for (int bit = 0; bit < 26; ++bit) {
        EXPECT_EQ(RdsBurstFor(RdsSyndrome(1u << bit)), 1u << bit) << bit;
        if (bit < 25) {
            EXPECT_EQ(RdsBurstFor(RdsSyndrome(3u << bit)), 3u << bit) << bit;
        }
    }
    EXPECT_EQ(RdsBurstFor(RdsSyndrome(0b101)), 0u); // two errors a bit apart: not a short burst
}

TEST(RdsBlocks, SynchronisesAtAnyBitAndDeliversVersionAAndBGroups)
{
    for (int leadIn : {0, 1, 13, 25, 26, 77}) {
        tReceiver rx;
        std::mt19937 random(leadIn);
        for (int i = 0; i < leadIn; ++i) rx.sync.Push(random() & 1);
        rx.PushGroups(0, 12);
        rx.Finish();
        EXPECT_TRUE(rx.sync.Synchronised()) << leadIn;
        // Three offset words in order fix the sync: the third block of group 0 is
        // the first delivered, as part of group 0.
        ASSERT_EQ(rx.groups.size(), 12u) << leadIn;
        EXPECT_FALSE(rx.groups[0].blocks[1].valid);
        EXPECT_TRUE(Same(rx.groups[0].blocks[2], Numbered(0).blocks[2])) << leadIn;
        for (int n = 1; n < 12; ++n)
            for (std::size_t b = 0; b < 4; ++b)
                EXPECT_TRUE(Same(rx.groups[std::size_t(n)].blocks[b], Numbered(n).blocks[b])) << leadIn << " " << n;
    }
}

TEST(RdsBlocks, CorrectsShortBurstsOnlyOnceSynchronised)
{
    struct Case {
        const char* what;
        int group, block;
        std::uint32_t errors;
        bool valid, corrected;
    };
    const Case cases[] = {
        {"one bit of information", 3, 1, 1u << 20, true, true},
        {"the first bit", 3, 0, 1u << 25, true, true},
        {"two adjacent bits", 3, 3, 3u << 12, true, true},
        {"a bit of the checkword", 4, 2, 1u << 2, true, true},
        {"C' in a version B group", 5, 2, 3u << 15, true, true},
        {"two bits apart", 3, 1, 5u << 10, false, false},
        {"three adjacent bits", 3, 0, 7u << 18, false, false},
        {"five scattered bits", 4, 3, 0x1041041u, false, false},
        // Before the sync, a block in error is not taken for a corrected one.
        {"before the sync", 0, 0, 1u << 20, false, false},
    };
    for (const Case& c : cases) {
        tReceiver rx;
        for (int n = 0; n < 8; ++n) {
            const auto blocks = Blocks(Numbered(n));
            for (std::size_t b = 0; b < 4; ++b)
                rx.Push(blocks[b] ^ (n == c.group && int(b) == c.block ? c.errors : 0));
        }
        rx.Finish();
        ASSERT_EQ(rx.groups.size(), 8u) << c.what;
        const tRdsBlock& got = rx.groups[std::size_t(c.group)].blocks[std::size_t(c.block)];
        EXPECT_EQ(got.valid, c.valid) << c.what;
        EXPECT_EQ(got.corrected, c.corrected) << c.what;
        if (c.valid) {
            EXPECT_EQ(got.value, Numbered(c.group).blocks[std::size_t(c.block)].value) << c.what;
        }
        // The block after it is untouched.
        const std::size_t next = std::size_t(c.block + 1) % 4;
        const std::size_t group = std::size_t(c.group + (c.block == 3 ? 1 : 0));
        if (c.group > 0) {
            EXPECT_TRUE(Same(rx.groups[group].blocks[next], Numbered(int(group)).blocks[next])) << c.what;
        }
    }
}

TEST(RdsBlocks, RefusesABlockWithTheWrongOffsetForItsPlace)
{
    tReceiver rx;
    rx.PushGroups(0, 4);
    // Group 4 is version A, yet its third block carries C'; then C in the
    // place of A of the next group.
    const tRdsGroup g = Numbered(4);
    rx.Push(RdsEncodeBlock(g.blocks[0].value, eRdsOffset::A));
    rx.Push(RdsEncodeBlock(g.blocks[1].value, eRdsOffset::B));
    rx.Push(RdsEncodeBlock(g.blocks[2].value, eRdsOffset::CPrime));
    rx.Push(RdsEncodeBlock(g.blocks[3].value, eRdsOffset::D));
    const auto next = Blocks(Numbered(5));
    rx.Push(RdsEncodeBlock(0x1234, eRdsOffset::C));
    for (std::size_t b = 1; b < 4; ++b) rx.Push(next[b]);
    rx.PushGroups(6, 7);
    rx.Finish();
    ASSERT_EQ(rx.groups.size(), 7u);
    EXPECT_FALSE(rx.groups[4].blocks[2].valid);
    EXPECT_TRUE(rx.groups[4].blocks[3].valid);
    EXPECT_FALSE(rx.groups[5].blocks[0].valid);
    EXPECT_TRUE(Same(rx.groups[6].blocks[0], Numbered(6).blocks[0]));
}

TEST(RdsBlocks, BelievesABurstOnlyWhereTheSymbolsWereWeak)
{
    struct Case {
        int weakFrom, weakTo; // bits (first sent = 0) the demodulator was unsure of
        bool corrected;
    };
    // The error is in bits 5 and 6 of the block.
    const Case cases[] = {{5, 6, true}, {4, 6, true}, {6, 6, false}, {20, 21, false}};
    for (const Case& c : cases) {
        tReceiver rx;
        rx.PushGroups(0, 3);
        std::array<float, 26> certainty;
        certainty.fill(1.0f);
        for (int bit = c.weakFrom; bit <= c.weakTo; ++bit) certainty[std::size_t(bit)] = 0.1f;
        const auto blocks = Blocks(Numbered(3));
        rx.Push(blocks[0]);
        rx.Push(blocks[1] ^ (3u << (25 - 6)), &certainty);
        rx.Push(blocks[2]);
        rx.Push(blocks[3]);
        rx.Finish();
        ASSERT_EQ(rx.groups.size(), 4u);
        EXPECT_EQ(rx.groups[3].blocks[1].valid, c.corrected) << c.weakFrom << "-" << c.weakTo;
        if (c.corrected) {
            EXPECT_EQ(rx.groups[3].blocks[1].value, Numbered(3).blocks[1].value);
        }
    }
}

TEST(RdsBlocks, KeepsTheSyncThroughSparseErrorsAndLosesItInNoise)
{
    tReceiver rx;
    rx.PushGroups(0, 3);
    ASSERT_TRUE(rx.sync.Synchronised());
    // Every third block lost for 40 groups: the sync stays.
    std::mt19937 random(5);
    int n = 3;
    for (int block = 0; block < 160; ++block) {
        const std::uint32_t sent = Blocks(Numbered(n + block / 4))[std::size_t(block % 4)];
        rx.Push(block % 3 == 0 ? sent ^ (std::uint32_t(random() & 0x3FFFFFF) | 0x101) : sent);
    }
    EXPECT_TRUE(rx.sync.Synchronised());
    n += 40;
    // Noise: the sync goes within the allowed number of bad blocks, and
    // then no group comes.
    for (int block = 0; block < TRdsBlockSync::MaxBadBlocks + 1; ++block) rx.Push(random() & 0x3FFFFFF);
    EXPECT_FALSE(rx.sync.Synchronised());
    const std::size_t before = rx.groups.size();
    for (int block = 0; block < 400; ++block) rx.Push(random() & 0x3FFFFFF);
    EXPECT_EQ(rx.groups.size(), before);
    // A station again: the sync comes back.
    rx.PushGroups(n, n + 4);
    rx.Finish();
    EXPECT_TRUE(rx.sync.Synchronised());
    EXPECT_TRUE(Same(rx.groups.back().blocks[3], Numbered(n + 3).blocks[3]));
}

TEST(RdsBlocks, FollowsABitLostOrGainedWithoutPassingWrongBlocks)
{
    for (const bool lost : {true, false}) {
        tReceiver rx;
        rx.PushGroups(0, 4);
        // One bit of group 4's block B lost on its way, or one too many.
        const auto blocks = Blocks(Numbered(4));
        rx.Push(blocks[0]);
        if (lost) {
            for (int bit = 24; bit >= 0; --bit) rx.sync.Push((blocks[1] >> bit) & 1);
        } else {
            rx.sync.Push(true);
            rx.Push(blocks[1]);
        }
        rx.Push(blocks[2]);
        rx.Push(blocks[3]);
        rx.PushGroups(5, 10);
        rx.Finish();
        ASSERT_TRUE(rx.sync.Synchronised()) << lost;
        ASSERT_EQ(rx.groups.size(), 10u) << lost;
        // Nothing wrong was passed on, and the stream is read again at once.
        for (std::size_t n = 0; n < 10; ++n)
            for (std::size_t b = 0; b < 4; ++b) {
                const tRdsBlock& got = rx.groups[n].blocks[b];
                if (got.valid) {
                    EXPECT_EQ(got.value, Numbered(int(n)).blocks[b].value) << lost << " " << n << " " << b;
                }
            }
        for (std::size_t n = 5; n < 10; ++n)
            for (std::size_t b = 0; b < 4; ++b)
                EXPECT_TRUE(Same(rx.groups[n].blocks[b], Numbered(int(n)).blocks[b])) << lost << " " << n << " " << b;
    }
}
