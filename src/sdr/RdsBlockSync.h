#pragma once
// RDS blocks from a stream of data bits: each block is 16 information bits
// and a 10-bit checkword, to which the transmitter adds one of five offset
// words (A, B, C, C', D) that mark its place in the group. The synchroniser
// finds the block boundaries from the offset words, then checks each block
// where it is due, corrects short bursts of errors once it is sure of the
// boundaries, and gives up the sync when too many blocks fail.

#include "RdsGroup.h"

#include <array>
#include <cstdint>
#include <functional>

enum class eRdsOffset : std::uint8_t { A, B, C, CPrime, D };

// The 10-bit offset word added to a block's checkword.
std::uint16_t RdsOffsetWord(eRdsOffset offset);
// The 26-bit block: the information word, its checkword and the offset word.
std::uint32_t RdsEncodeBlock(std::uint16_t info, eRdsOffset offset);
// The syndrome of a 26-bit block as receivers usually state it (block A
// received without error gives 0x3D8); zero for a block without an offset.
std::uint16_t RdsSyndrome(std::uint32_t block);

// The burst of at most two adjacent bits whose syndrome this is, or 0 when
// no such burst has it. Longer bursts are not corrected: on a noisy signal
// they are too often a miscorrection.
std::uint32_t RdsBurstFor(std::uint16_t syndrome);

class TRdsBlockSync {
public:
    // Blocks, of the last 50, that may fail before the sync is given up.
    static constexpr int MaxBadBlocks = 20;
    // Offset words in the order of a group that fix the block boundaries:
    // with two, noise alone would now and then seem a station.
    static constexpr int BlocksToSync = 3;

    // Takes the next data bit with how sure the demodulator is of it (any
    // scale, larger is surer). A burst is corrected only where the bits were
    // among the least sure of their block: errors from noise fall there,
    // while a pattern the syndrome points at by chance mostly does not.
    void Push(bool bit, float certainty = 0);
    void Reset();
    bool Synchronised() const { return synced_; }

    // Each group that brought at least one block while synchronised; lost
    // blocks are invalid.
    std::function<void(const tRdsGroup&)> OnGroup;

private:
    void Acquire();
    void TakeBlock();
    tRdsBlock Check(std::uint32_t window, bool correct) const;
    void Deliver();

    // The last bits, newest in bit 0, and how sure of each the demodulator
    // was (by bit count modulo the ring's size).
    std::uint64_t history_ = 0;
    std::array<float, 32> certainty_{};
    long bitCount_ = 0;
    bool synced_ = false;
    // While searching, for each bit position within a block: where (bit
    // count) an offset word was last seen there, its place in the group and
    // how many came before it in order.
    struct tCandidate {
        long seenAt = -1;
        int slot = 0;
        int run = 0;
    };
    std::array<tCandidate, 26> candidates_{};
    // While synchronised: bits since the last block ended. A block is
    // judged a bit after it is due, so a bit lost or gained on the way
    // shows as its offset word a bit early or late.
    int sinceBlock_ = 0;
    int slot_ = 0;                // 0..3: A, B, C/C', D
    std::uint64_t badHistory_ = 0; // one bit per block, newest in bit 0
    tRdsGroup group_;
    bool groupStarted_ = false;
};
