#pragma once
// RDS from the FM multiplex: the 57 kHz subcarrier (locked to three times
// the pilot when there is one, recovered on its own otherwise, in either
// phase), 1187.5 bit/s biphase symbols with their timing, differential
// decoding, block synchronisation on the offset words and error correction
// of short bursts once synchronised. Groups go to OnGroup as they complete.

#include "FmReceiver.h"
#include "RdsGroup.h"

#include <functional>
#include <memory>

class TRdsDemodulator {
public:
    explicit TRdsDemodulator(double multiplexRate);
    ~TRdsDemodulator();
    TRdsDemodulator(const TRdsDemodulator&) = delete;
    TRdsDemodulator& operator=(const TRdsDemodulator&) = delete;

    void Process(const tMultiplex& multiplex);
    // Forgets the lock and the block sync (a new station).
    void Reset();
    bool Synchronised() const;

    std::function<void(const tRdsGroup&)> OnGroup;

private:
    struct tState;
    std::unique_ptr<tState> state_;
};
