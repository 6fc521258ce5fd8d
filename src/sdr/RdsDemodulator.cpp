#include "RdsDemodulator.h"

#include "RdsBlockSync.h"
#include "RdsSignal.h"

#include <cmath>

struct TRdsDemodulator::tState {
    explicit tState(double rate) : rate(rate), down(rate), symbols(down.OutputRate(), true) {}
    double rate;
    TRdsDownconverter down;
    TRdsSymbolRecovery symbols;
    TRdsBlockSync sync;
    std::vector<std::complex<float>> baseband;
    std::vector<float> soft;
    float last = 0;
};

TRdsDemodulator::TRdsDemodulator(double multiplexRate) : state_(std::make_unique<tState>(multiplexRate))
{
    state_->sync.OnGroup = [this](const tRdsGroup& group) {
        if (OnGroup) OnGroup(group);
    };
}

TRdsDemodulator::~TRdsDemodulator() = default;

void TRdsDemodulator::Process(const tMultiplex& multiplex)
{
    tState& s = *state_;
    if (multiplex.rate > 0 && multiplex.rate != s.rate) {
        // Another rate: the filters are made anew for it.
        auto onGroup = std::move(s.sync.OnGroup);
        state_ = std::make_unique<tState>(multiplex.rate);
        state_->sync.OnGroup = std::move(onGroup);
        return Process(multiplex);
    }
    s.baseband.clear();
    s.soft.clear();
    s.down.Process(multiplex, s.baseband);
    s.symbols.SetPilotLocked(multiplex.pilotPhase != nullptr);
    s.symbols.Process(s.baseband.data(), s.baseband.size(), s.soft);
    // Differential decoding: a data bit 1 is a change of symbol. A bit is
    // as sure as the weaker of its two symbols.
    for (const float y : s.soft) {
        s.sync.Push((y < 0) != (s.last < 0), std::min(std::abs(y), std::abs(s.last)));
        s.last = y;
    }
}

void TRdsDemodulator::Reset()
{
    tState& s = *state_;
    s.down.Reset();
    s.symbols.Reset();
    s.sync.Reset();
    s.last = 0;
}

bool TRdsDemodulator::Synchronised() const { return state_->sync.Synchronised(); }
