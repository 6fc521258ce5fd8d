#pragma once
// The signal half of the RDS receiver, in two blocks that keep their state
// between calls and allocate nothing per call once their buffers have grown:
// the downconverter takes the 57 kHz subcarrier to complex baseband at a
// low rate, the symbol recovery takes that to one soft value per data bit.

#include "FmReceiver.h"

#include <complex>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace rds {
constexpr double BitRate = 1187.5;      // 57 kHz / 48
constexpr double SubcarrierHz = 57000;  // three times the pilot
// The rate the baseband is decimated to: about eight samples a bit, enough
// for the symbol timing, little enough to cost nothing beside the receiver.
constexpr double TargetRate = 9500;

// One data bit's biphase symbol as it is shaped for transmission, `t`
// symbol periods from its centre: a positive and a negative impulse a half
// period apart through a cosine filter reaching zero at 2375 Hz. The
// receiver's matched filter has the same shape.
double BiphasePulse(double t);
} // namespace rds

// The multiplex times the subcarrier's conjugate, low-pass filtered and
// decimated. The subcarrier is three times the pilot phase while the
// multiplex carries one, else a free 57 kHz oscillator that goes on from
// the pilot's last phase; the phase or frequency error that remains is the
// symbol recovery's to track.
class TRdsDownconverter {
public:
    explicit TRdsDownconverter(double inputRate);
    double OutputRate() const { return inputRate_ / double(factor_); }
    // Appends the baseband samples that `multiplex` completes to `out`.
    void Process(const tMultiplex& multiplex, std::vector<std::complex<float>>& out);
    void Reset();

private:
    double inputRate_;
    std::size_t factor_;
    std::vector<float> taps_;
    // The mixed samples' real and imaginary parts, each twice the taps long,
    // so the window of the last samples is contiguous.
    std::vector<float> re_, im_;
    std::size_t at_ = 0;            // where the next sample goes
    std::size_t phaseOfOutput_ = 0; // samples since the last output
    std::uint32_t phase_ = 0;       // the subcarrier's phase, a full turn is 2^32
    std::uint32_t step_;            // the free subcarrier's phase step
};

// Biphase symbols from the baseband: the matched filter, a Costas loop for
// the carrier's phase (either phase of a station in quadrature, and the
// frequency of a carrier recovered without a pilot), and the symbol clock
// (a Gardner detector on interpolated samples). Gives one soft value per
// bit: its sign is the symbol, up to the sign ambiguity of the carrier,
// which the differential coding of the data removes.
class TRdsSymbolRecovery {
public:
    TRdsSymbolRecovery(double rate, bool pilotLocked);
    void Process(const std::complex<float>* baseband, std::size_t count, std::vector<float>& symbols);
    // A narrower carrier loop while the carrier comes from the pilot (only
    // a phase to find), a wider one for a free carrier.
    void SetPilotLocked(bool locked);
    void Reset();

private:
    void SetLoop(double bandwidthHz);
    void Clock(float sample);

    double rate_;
    double samplesPerSymbol_;
    std::vector<float> taps_;
    std::vector<std::complex<float>> history_;
    std::size_t at_ = 0;
    // Carrier loop. It starts from the phase of the first samples squared
    // (which the data's sign does not change): a loop left to find it alone
    // may sit a while near the wrong phase, 90 degrees off.
    double phase_ = 0, frequency_ = 0, alpha_ = 0, beta_ = 0;
    std::complex<double> squares_;
    long startSamples_ = 0;
    float power_ = 0;
    bool pilotLocked_;
    // Symbol clock: a ring of the last samples, the next symbol's time in
    // samples counted since the start.
    std::vector<float> ring_;
    long count_ = 0;
    double next_ = 0;
    float last_ = 0;
    float level_ = 0;
};
