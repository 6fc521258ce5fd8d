#include "RdsBlockSync.h"

#include <algorithm>
#include <bit>

namespace {
constexpr int BlockBits = 26;
constexpr std::uint32_t BlockMask = (1u << BlockBits) - 1;
// x^10 + x^8 + x^7 + x^5 + x^4 + x^3 + 1
constexpr std::uint32_t Generator = 0x5B9;
constexpr std::array<std::uint16_t, 5> OffsetWords = {0x0FC, 0x198, 0x168, 0x350, 0x1B4};

// The remainder of a polynomial over GF(2) (bit n = x^n) divided by the generator.
constexpr std::uint32_t Remainder(std::uint64_t v)
{
    for (int bit = 63; bit >= 10; --bit)
        if ((v >> bit) & 1) v ^= std::uint64_t(Generator) << (bit - 10);
    return std::uint32_t(v);
}

// The syndrome receivers quote is the block's remainder times x^-16; x has
// the order 341 modulo the generator, so x^-16 = x^325. One row per bit.
struct tSyndromeTables {
    std::array<std::uint16_t, BlockBits> rows{};
    std::array<std::uint32_t, 1024> bursts{}; // syndrome -> error pattern
    std::array<std::uint16_t, 5> offsets{};   // syndrome of each offset word
    tSyndromeTables()
    {
        std::uint64_t power = 1; // x^(325 + bit) mod generator
        for (int i = 0; i < 325; ++i) power = Remainder(power << 1);
        for (int bit = 0; bit < BlockBits; ++bit) {
            rows[bit] = std::uint16_t(power);
            power = Remainder(power << 1);
        }
        for (int bit = 0; bit < BlockBits; ++bit) {
            bursts[Of(1u << bit)] = 1u << bit;
            if (bit + 1 < BlockBits) bursts[Of(3u << bit)] = 3u << bit;
        }
        for (std::size_t i = 0; i < OffsetWords.size(); ++i) offsets[i] = Of(OffsetWords[i]);
    }
    std::uint16_t Of(std::uint32_t block) const
    {
        std::uint16_t s = 0;
        for (int bit = 0; bit < BlockBits; ++bit)
            if ((block >> bit) & 1) s ^= rows[bit];
        return s;
    }
};

const tSyndromeTables& Tables()
{
    static const tSyndromeTables tables;
    return tables;
}

int SlotOf(eRdsOffset offset)
{
    return offset == eRdsOffset::D ? 3 : offset == eRdsOffset::CPrime ? 2 : int(offset);
}
} // namespace

std::uint16_t RdsOffsetWord(eRdsOffset offset) { return OffsetWords[std::size_t(offset)]; }

std::uint32_t RdsEncodeBlock(std::uint16_t info, eRdsOffset offset)
{
    const std::uint32_t check = Remainder(std::uint64_t(info) << 10);
    return (std::uint32_t(info) << 10) | (check ^ RdsOffsetWord(offset));
}

std::uint16_t RdsSyndrome(std::uint32_t block) { return Tables().Of(block & BlockMask); }

std::uint32_t RdsBurstFor(std::uint16_t syndrome) { return Tables().bursts[syndrome & 0x3FF]; }

void TRdsBlockSync::Reset()
{
    const auto onGroup = std::move(OnGroup);
    *this = TRdsBlockSync();
    OnGroup = onGroup;
}

void TRdsBlockSync::Push(bool bit, float certainty)
{
    history_ = (history_ << 1) | (bit ? 1 : 0);
    certainty_[std::size_t(bitCount_) % certainty_.size()] = certainty;
    ++bitCount_;
    if (!synced_) {
        if (bitCount_ >= BlockBits) Acquire();
    } else if (++sinceBlock_ == BlockBits + 1) {
        TakeBlock();
    }
}

// Offset words a whole number of blocks apart, in the order a group has
// them, fix the block boundaries.
void TRdsBlockSync::Acquire()
{
    const auto window = std::uint32_t(history_ & BlockMask);
    const std::uint16_t syndrome = RdsSyndrome(window);
    const auto& offsets = Tables().offsets;
    const auto found = std::find(offsets.begin(), offsets.end(), syndrome);
    if (found == offsets.end()) return;
    const int slot = SlotOf(eRdsOffset(found - offsets.begin()));
    tCandidate& candidate = candidates_[std::size_t(bitCount_ % BlockBits)];
    const long blocks = (bitCount_ - candidate.seenAt) / BlockBits;
    const bool inOrder = candidate.seenAt >= 0 && blocks <= 4 && (candidate.slot + blocks) % 4 == slot;
    candidate = {bitCount_, slot, inOrder ? candidate.run + 1 : 1};
    if (candidate.run < BlocksToSync) return;
    synced_ = true;
    candidates_ = {};
    badHistory_ = 0;
    sinceBlock_ = 0;
    group_ = tRdsGroup();
    group_.blocks[std::size_t(slot)] = {std::uint16_t(window >> 10), true, false};
    groupStarted_ = true;
    slot_ = (slot + 1) % 4;
    if (slot == 3) Deliver();
}

// The block in `window`, as the offset word due in this place allows it:
// as received, corrected (when `correct` and the window ended one bit
// before the newest bit) or refused.
tRdsBlock TRdsBlockSync::Check(std::uint32_t window, bool correct) const
{
    const auto& tables = Tables();
    const std::uint16_t syndrome = RdsSyndrome(window);
    const eRdsOffset due = slot_ == 3 ? eRdsOffset::D : eRdsOffset(slot_);
    std::array<eRdsOffset, 2> expected{due, due};
    if (slot_ == 2) {
        // The third block is C in version A groups and C' in version B; a
        // block B that arrived says which.
        const tRdsBlock& b = group_.blocks[1];
        if (b.valid)
            expected[0] = expected[1] = (b.value >> 11) & 1 ? eRdsOffset::CPrime : eRdsOffset::C;
        else
            expected = {eRdsOffset::C, eRdsOffset::CPrime};
    }
    for (const eRdsOffset offset : expected)
        if (syndrome == tables.offsets[std::size_t(offset)]) return {std::uint16_t(window >> 10), true, false};
    if (!correct) return {};
    // A burst is believed only on bits the demodulator was unsure of: among
    // the three least sure of the block, and well below the block's usual.
    std::array<float, BlockBits> certainty{};
    for (int bit = 0; bit < BlockBits; ++bit)
        certainty[std::size_t(bit)] = certainty_[std::size_t(bitCount_ - 2 - bit) % certainty_.size()];
    std::array<float, BlockBits> sorted = certainty;
    std::nth_element(sorted.begin(), sorted.begin() + 2, sorted.end());
    const float third = sorted[2];
    std::nth_element(sorted.begin(), sorted.begin() + BlockBits / 2, sorted.end());
    const float usual = sorted[BlockBits / 2];
    std::uint32_t fix = 0;
    int readings = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        if (i == 1 && expected[1] == expected[0]) break;
        const std::uint32_t burst = RdsBurstFor(syndrome ^ tables.offsets[std::size_t(expected[i])]);
        if (!burst) continue;
        bool weak = true;
        for (int bit = 0; bit < BlockBits; ++bit)
            if ((burst >> bit) & 1) {
                const float c = certainty[std::size_t(bit)];
                weak = weak && c <= third && c <= usual / 2;
            }
        if (!weak) continue;
        fix = burst;
        ++readings;
    }
    // Two readings (C or C') that both need a correction: neither is sure.
    if (readings != 1) return {};
    return {std::uint16_t((window ^ fix) >> 10), true, true};
}

void TRdsBlockSync::TakeBlock()
{
    // The block as due, and a bit early or late: a bit lost or gained on
    // the way. A block whose offset word is found there moves the boundary,
    // but is not believed itself: it may be a chance match.
    tRdsBlock block = Check(std::uint32_t(history_ >> 1) & BlockMask, true);
    int moved = 0;
    if (!block.valid || block.corrected) {
        for (const int shift : {-1, 1}) {
            const auto window = std::uint32_t(history_ >> (1 - shift)) & BlockMask;
            if (Check(window, false).valid) {
                moved = shift;
                block = {};
                break;
            }
        }
    }
    sinceBlock_ = 1 - moved;
    group_.blocks[std::size_t(slot_)] = block;
    badHistory_ = (badHistory_ << 1) | (block.valid ? 0 : 1);
    if (slot_ == 3) Deliver();
    slot_ = (slot_ + 1) % 4;
    if (std::popcount(badHistory_ & ((std::uint64_t(1) << 50) - 1)) > MaxBadBlocks) {
        if (slot_ != 0) Deliver();
        synced_ = false;
    }
}

void TRdsBlockSync::Deliver()
{
    const bool any = std::any_of(group_.blocks.begin(), group_.blocks.end(), [](const tRdsBlock& b) { return b.valid; });
    if (groupStarted_ && any && OnGroup) OnGroup(group_);
    group_ = tRdsGroup();
    groupStarted_ = true;
}
