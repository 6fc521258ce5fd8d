#include "FmReceiver.h"

#include "DspBlocks.h"

#include <complex>
#include <liquid/liquid.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2 * Pi;
constexpr std::size_t Block = 8192;      // I/Q samples processed in one pass
constexpr double FullDeviation = 75000;  // Hz, 1.0 in the multiplex
constexpr double ChannelHz = 100000;     // half the channel filter's pass band
constexpr double AudioHz = 15000;        // the programme's band
constexpr double PilotHz = 19000;
constexpr double QuietLowHz = 72000;     // a band of the multiplex nothing is sent in
constexpr double QuietHighHz = 98000;
constexpr double SmoothSeconds = 0.03;   // of the level, noise and lock figures
constexpr std::size_t SpectrumSize = 256;
constexpr unsigned SpectraPerBlock = 4;

// Thresholds of "a station is there".
constexpr double MinAboveNoiseDb = 10;   // channel power over the noise beside it
constexpr double MinQuietCnrDb = 12;     // carrier-to-noise the discriminator's quiet implies
constexpr double MaxOffTuneHz = 15000;   // the carrier's distance from the tuned frequency
// Pilot amplitudes (1.0 = 75 kHz) that lock and release the stereo decoder.
constexpr double PilotLockLevel = 0.04;
constexpr double PilotReleaseLevel = 0.025;
constexpr double PilotLoopHz = 20;       // the PLL's natural frequency
constexpr double NominalPilot = 0.09;

double ToDb(double power)
{
    return 10 * std::log10(std::max(power, 1e-15));
}

} // namespace

struct TFmReceiver::tChain {
    explicit tChain(const tFmReceiverSetup& setup);
    ~tChain();
    void Reset();
    void SetOffset(double hz);
    void RunBlock(const std::uint8_t* iq, std::size_t n, std::vector<float>& audio,
                  const std::function<void(const tMultiplex&)>& onMultiplex);
    void MeasureSpectrum(std::size_t n);
    double NoiseBeside();
    static double QuietGain(const std::vector<float>& channel, const std::vector<float>& quiet, unsigned decimation);
    void Decide();

    double rate;          // I/Q
    unsigned decimation;  // I/Q to multiplex
    double mpxRate;
    unsigned audioDecimation;
    double audioRate;     // before the last resampling
    double offsetHz = 0;
    bool stereoWanted = true;
    tFmReceiverState state;

    // Mixing: the oscillator's values over one block, started at `mixPhase`.
    float lut[256];
    std::vector<float> oscI, oscQ;
    double mixPhase = 0;
    std::vector<float> inI, inQ; // mixed
    dsp::TFirDecimator channelI, channelQ;
    std::vector<float> chI, chQ;
    float lastI = 0, lastQ = 0;

    // Multiplex and pilot.
    std::vector<float> mpx, phase, sum, diff;
    double pllPhase = 0, pllFreq = 0, pllStep = 0, pllKp = 0, pllKi = 0;
    double pilotLevel = 0;     // smoothed in-phase product, 2x
    bool locked = false;
    double blend = 0, blendStep = 0;

    // Audio.
    dsp::TFirDecimator sumDecimator, diffDecimator;
    std::vector<float> sumLow, diffLow, left, right;
    dsp::TResampler leftResampler, rightResampler;
    std::vector<float> leftOut, rightOut;
    float deemphasisA = 0, deemLeft = 0, deemRight = 0;

    // Decision figures.
    dsp::TFirDecimator quietFilter;
    std::vector<float> quietOut;
    double quietGain = 1;
    double level = 0, quietVariance = 0, carrier = 0;
    bool fresh = true;
    double quietCnrDb = 0;
    std::vector<std::complex<float>> fftIn, fftOut;
    std::vector<float> window, spectrum, scratch;
    fftplan fft = nullptr;
    bool spectrumFresh = true;
};

TFmReceiver::tChain::tChain(const tFmReceiverSetup& setup)
    : rate(setup.sampleRate)
{
    // A multiplex of about 240-480 kHz holds the channel and every subcarrier.
    decimation = std::max(1u, unsigned(rate / 240000));
    mpxRate = rate / decimation;
    audioDecimation = std::max(1u, unsigned(std::lround(mpxRate / 64000)));
    audioRate = mpxRate / audioDecimation;

    for (int b = 0; b < 256; ++b)
        lut[b] = float((b - 127.5) / 127.5);
    oscI.resize(Block);
    oscQ.resize(Block);
    inI.resize(Block);
    inQ.resize(Block);

    // The channel filter also keeps what lies beyond the multiplex rate from
    // folding into the channel.
    double stopHz = std::min(mpxRate - ChannelHz, ChannelHz + 60000);
    auto channelTaps = dsp::LowPassTaps((ChannelHz + stopHz) / 2 / rate, (stopHz - ChannelHz) / rate, 60);
    channelI.Init(channelTaps, decimation, Block);
    channelQ.Init(channelTaps, decimation, Block);
    const std::size_t mpxMax = Block / decimation + 2;
    chI.resize(mpxMax);
    chQ.resize(mpxMax);
    mpx.resize(mpxMax);
    phase.resize(mpxMax);
    sum.resize(mpxMax);
    diff.resize(mpxMax);

    // Second-order loop, damping 0.707, on a detector normalised to the
    // nominal pilot.
    pllStep = TwoPi * PilotHz / mpxRate;
    double wn = TwoPi * PilotLoopHz / mpxRate;
    pllKp = 2 * 0.707 * wn;
    pllKi = wn * wn;
    blendStep = 1 / (0.02 * mpxRate);

    // Sum and difference: a wide first cut to about 64 kHz, then the sharp
    // 15 kHz low-pass that also takes out the pilot, within the resampling.
    double firstStop = audioRate - AudioHz;
    auto audioTaps = dsp::LowPassTaps((AudioHz + firstStop) / 2 / mpxRate, (firstStop - AudioHz) / mpxRate, 70);
    sumDecimator.Init(audioTaps, audioDecimation, mpxMax);
    diffDecimator.Init(audioTaps, audioDecimation, mpxMax);
    const std::size_t lowMax = mpxMax / audioDecimation + 2;
    sumLow.resize(lowMax);
    diffLow.resize(lowMax);
    left.resize(lowMax);
    right.resize(lowMax);
    leftResampler.Init(audioRate, AudioRate, (AudioHz + PilotHz) / 2, PilotHz - AudioHz - 500, 60, lowMax);
    rightResampler.Init(audioRate, AudioRate, (AudioHz + PilotHz) / 2, PilotHz - AudioHz - 500, 60, lowMax);
    leftOut.resize(leftResampler.MaxOutput(lowMax));
    rightOut.resize(rightResampler.MaxOutput(lowMax));
    // One pole with the analogue time constant, by the impulse invariance.
    deemphasisA = float(std::exp(-1 / (setup.deemphasisUs * 1e-6 * AudioRate)));

    // The quiet band as a band-pass: a low-pass moved up to its middle.
    // Only every fourth output is needed for a variance.
    double quietMiddle = (QuietLowHz + QuietHighHz) / 2;
    auto quietTaps = dsp::LowPassTaps((QuietHighHz - QuietLowHz) / 2 / mpxRate, 12000 / mpxRate, 70);
    for (std::size_t k = 0; k < quietTaps.size(); ++k)
        quietTaps[k] *= float(2 * std::cos(TwoPi * quietMiddle / mpxRate * (double(k) - (quietTaps.size() - 1) / 2.0)));
    quietFilter.Init(quietTaps, 4, mpxMax);
    quietOut.resize(mpxMax / 4 + 2);
    quietGain = QuietGain(channelTaps, quietTaps, decimation);

    fftIn.resize(SpectrumSize);
    fftOut.resize(SpectrumSize);
    window.resize(SpectrumSize);
    spectrum.assign(SpectrumSize, 0.0f);
    scratch.resize(SpectrumSize);
    double windowPower = 0;
    for (std::size_t k = 0; k < SpectrumSize; ++k) {
        window[k] = float(0.5 - 0.5 * std::cos(TwoPi * double(k) / SpectrumSize));
        windowPower += window[k] * window[k];
    }
    // Scale so a bin reads the power of white noise in 200 kHz.
    for (float& w : window)
        w = float(w * std::sqrt(200000.0 / rate / windowPower));
    fft = fft_create_plan(SpectrumSize, reinterpret_cast<liquid_float_complex*>(fftIn.data()),
                          reinterpret_cast<liquid_float_complex*>(fftOut.data()), LIQUID_FFT_FORWARD, 0);
    SetOffset(0);
}

TFmReceiver::tChain::~tChain()
{
    fft_destroy_plan(fft);
}

// The discriminator's noise in the quiet band, per unit of carrier-to-noise:
// the integral over the band of the phase noise (shaped by the channel
// filter), differentiated by the one-sample phase difference and weighted by
// the band-pass. Frequencies as fractions of the multiplex rate.
double TFmReceiver::tChain::QuietGain(const std::vector<float>& channel, const std::vector<float>& quiet,
                                      unsigned decimation)
{
    auto response = [](const std::vector<float>& taps, double f) {
        std::complex<double> sum = 0;
        for (std::size_t k = 0; k < taps.size(); ++k)
            sum += double(taps[k]) * std::polar(1.0, -TwoPi * f * double(k));
        return std::norm(sum);
    };
    constexpr int Steps = 2048;
    double integral = 0;
    for (int i = 0; i < Steps; ++i) {
        double f = (i + 0.5) / Steps - 0.5;
        double difference = 2 * std::sin(Pi * f);
        integral += response(quiet, f) * difference * difference * response(channel, f / decimation);
    }
    return integral / Steps;
}

void TFmReceiver::tChain::SetOffset(double hz)
{
    offsetHz = hz;
    // The oscillator over one block; each block starts it at its own phase.
    double step = -TwoPi * hz / rate;
    for (std::size_t k = 0; k < Block; ++k) {
        oscI[k] = float(std::cos(step * double(k)));
        oscQ[k] = float(std::sin(step * double(k)));
    }
    mixPhase = 0;
    Reset();
}

void TFmReceiver::tChain::Reset()
{
    pllPhase = 0;
    pllFreq = 0;
    pilotLevel = 0;
    locked = false;
    blend = 0;
    fresh = true;
    state = tFmReceiverState{};
}

void TFmReceiver::tChain::MeasureSpectrum(std::size_t n)
{
    // A few short spectra of the raw block: the noise floor beside the
    // channel is a low quantile of their bins.
    unsigned count = unsigned(std::min<std::size_t>(SpectraPerBlock, n / SpectrumSize));
    if (count == 0)
        return;
    std::fill(scratch.begin(), scratch.end(), 0.0f);
    const std::size_t spacing = n / count;
    for (unsigned s = 0; s < count; ++s) {
        const float* i = inI.data() + s * spacing;
        const float* q = inQ.data() + s * spacing;
        for (std::size_t k = 0; k < SpectrumSize; ++k)
            fftIn[k] = {i[k] * window[k], q[k] * window[k]};
        fft_execute(fft);
        for (std::size_t k = 0; k < SpectrumSize; ++k)
            scratch[k] += std::norm(fftOut[k]) / float(count);
    }
    float alpha = spectrumFresh ? 1.0f : float(std::min(1.0, double(n) / rate / SmoothSeconds / 4));
    for (std::size_t k = 0; k < SpectrumSize; ++k)
        spectrum[k] += alpha * (scratch[k] - spectrum[k]);
    spectrumFresh = false;
}

double TFmReceiver::tChain::NoiseBeside()
{
    // Bins at least 150 kHz from the channel's middle, away from the band's
    // edges (the dongle's own filter) and the centre (its DC spike).
    const double binHz = rate / SpectrumSize;
    std::vector<float>& bins = scratch;
    std::size_t count = 0;
    for (std::size_t k = 0; k < SpectrumSize; ++k) {
        double hz = (k < SpectrumSize / 2 ? double(k) : double(k) - SpectrumSize) * binHz;
        if (std::abs(hz) > 0.4 * rate || std::abs(hz) < 2 * binHz || std::abs(hz - offsetHz) < 150000)
            continue;
        bins[count++] = spectrum[k];
    }
    if (count == 0)
        return 0;
    auto quantile = bins.begin() + std::ptrdiff_t(count / 4);
    std::nth_element(bins.begin(), quantile, bins.begin() + std::ptrdiff_t(count));
    return *quantile;
}

void TFmReceiver::tChain::RunBlock(const std::uint8_t* iq, std::size_t n, std::vector<float>& audio,
                                   const std::function<void(const tMultiplex&)>& onMultiplex)
{
    // Bytes to floats, then down by the station's offset.
    for (std::size_t k = 0; k < n; ++k) {
        inI[k] = lut[iq[2 * k]];
        inQ[k] = lut[iq[2 * k + 1]];
    }
    MeasureSpectrum(n);
    const float startI = float(std::cos(mixPhase)), startQ = float(std::sin(mixPhase));
#pragma omp simd
    for (std::size_t k = 0; k < n; ++k) {
        float oI = startI * oscI[k] - startQ * oscQ[k];
        float oQ = startI * oscQ[k] + startQ * oscI[k];
        float i = inI[k], q = inQ[k];
        inI[k] = i * oI - q * oQ;
        inQ[k] = i * oQ + q * oI;
    }
    mixPhase = std::remainder(mixPhase - TwoPi * offsetHz / rate * double(n), TwoPi);

    const std::size_t m = channelI.Run(inI.data(), n, chI.data());
    channelQ.Run(inQ.data(), n, chQ.data());

    // The discriminator: the angle between neighbouring samples.
    const float toMultiplex = float(mpxRate / (TwoPi * FullDeviation));
    double power = 0;
    double mean = 0;
    float pI = lastI, pQ = lastQ;
    for (std::size_t k = 0; k < m; ++k) {
        float i = chI[k], q = chQ[k];
        mpx[k] = dsp::FastAtan2(q * pI - i * pQ, i * pI + q * pQ) * toMultiplex;
        power += i * i + q * q;
        mean += mpx[k];
        pI = i;
        pQ = q;
    }
    lastI = pI;
    lastQ = pQ;
    if (m == 0)
        return;
    power /= double(m);
    mean /= double(m);
    std::size_t quiet = quietFilter.Run(mpx.data(), m, quietOut.data());
    double variance = 0;
    for (std::size_t k = 0; k < quiet; ++k)
        variance += quietOut[k] * quietOut[k];
    variance = quiet ? variance / double(quiet) : quietVariance;
    double alpha = fresh ? 1.0 : std::min(1.0, double(m) / mpxRate / SmoothSeconds);
    level += alpha * (power - level);
    quietVariance += alpha * (variance - quietVariance);
    carrier += alpha * (mean - carrier);
    fresh = false;
    Decide();

    // The pilot's loop: the quadrature product steers the phase, the
    // in-phase product measures the pilot.
    const double pilotAlpha = 1 / (0.02 * mpxRate);
    const bool wantStereo = stereoWanted && locked && state.station;
    for (std::size_t k = 0; k < m; ++k) {
        float sinP, cosP;
        sincosf(float(pllPhase), &sinP, &cosP);
        double x = mpx[k];
        double error = x * cosP * (2 / NominalPilot);
        pilotLevel += pilotAlpha * (2 * x * sinP - pilotLevel);
        pllFreq = std::clamp(pllFreq + pllKi * error, -pllStep * 0.005, pllStep * 0.005);
        phase[k] = float(pllPhase);
        sum[k] = float(x);
        blend = wantStereo ? std::min(1.0, blend + blendStep) : std::max(0.0, blend - blendStep);
        diff[k] = float(x * 4 * sinP * cosP * blend); // 2 sin(2 phase)
        pllPhase += pllStep + pllFreq + pllKp * error;
        if (pllPhase >= Pi)
            pllPhase -= TwoPi;
        else if (pllPhase < -Pi)
            pllPhase += TwoPi;
    }
    if (locked ? pilotLevel < PilotReleaseLevel : pilotLevel > PilotLockLevel)
        locked = !locked;
    state.pilot = locked && state.station;

    if (onMultiplex) {
        tMultiplex out;
        out.samples = mpx.data();
        out.pilotPhase = state.pilot ? phase.data() : nullptr;
        out.count = m;
        out.rate = mpxRate;
        onMultiplex(out);
    }

    // Sum and difference to left and right, 48 kHz, de-emphasised.
    std::size_t low = sumDecimator.Run(sum.data(), m, sumLow.data());
    diffDecimator.Run(diff.data(), m, diffLow.data());
    for (std::size_t k = 0; k < low; ++k) {
        left[k] = sumLow[k] + diffLow[k];
        right[k] = sumLow[k] - diffLow[k];
    }
    std::size_t out = leftResampler.Run(left.data(), low, leftOut.data());
    rightResampler.Run(right.data(), low, rightOut.data());
    const float gain = 1 - deemphasisA;
    std::size_t at = audio.size();
    audio.resize(at + 2 * out);
    float* dest = audio.data() + at;
    for (std::size_t k = 0; k < out; ++k) {
        deemLeft += gain * (leftOut[k] - deemLeft);
        deemRight += gain * (rightOut[k] - deemRight);
        dest[2 * k] = deemLeft;
        dest[2 * k + 1] = deemRight;
    }
}

void TFmReceiver::tChain::Decide()
{
    const double noise = NoiseBeside();
    state.levelDb = ToDb(level);
    state.noiseDb = ToDb(noise);
    // The discriminator's noise in a band the station leaves empty says its
    // carrier-to-noise ratio; noise alone makes it loud.
    const double k = mpxRate / (TwoPi * FullDeviation);
    const double quietCnr = ToDb(k * k * quietGain * mpxRate / (400000 * std::max(quietVariance, 1e-12)));
    state.station = state.levelDb - state.noiseDb >= MinAboveNoiseDb && quietCnr >= MinQuietCnrDb
                    && std::abs(carrier) * FullDeviation <= MaxOffTuneHz;
    quietCnrDb = quietCnr;
}

TFmReceiver::TFmReceiver(const tFmReceiverSetup& setup)
    : chain_(std::make_unique<tChain>(setup))
{
}

TFmReceiver::~TFmReceiver() = default;

void TFmReceiver::SetOffset(double hz)
{
    chain_->SetOffset(hz);
}

void TFmReceiver::SetStereo(bool stereo)
{
    chain_->stereoWanted = stereo;
}

void TFmReceiver::Process(const std::uint8_t* iq, std::size_t samples, std::vector<float>& audio)
{
    while (samples > 0) {
        std::size_t n = std::min(samples, Block);
        chain_->RunBlock(iq, n, audio, OnMultiplex);
        iq += 2 * n;
        samples -= n;
    }
}

const tFmReceiverState& TFmReceiver::State() const
{
    return chain_->state;
}
