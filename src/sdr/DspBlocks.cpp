#include "DspBlocks.h"

#include <complex>
#include <liquid/liquid.h>

#include <algorithm>
#include <numeric>

namespace dsp {

std::vector<float> LowPassTaps(double cutoff, double transition, double attenuationDb, double gain,
                               std::size_t multipleOf)
{
    std::size_t length = estimate_req_filter_len(float(transition), float(attenuationDb));
    length = std::max<std::size_t>(length, 3);
    length = (length + multipleOf - 1) / multipleOf * multipleOf;
    std::vector<float> taps(length);
    liquid_firdes_kaiser(unsigned(length), float(cutoff), float(attenuationDb), 0, taps.data());
    double sum = std::accumulate(taps.begin(), taps.end(), 0.0);
    for (float& t : taps)
        t = float(t * gain / sum);
    return taps;
}

void TFirDecimator::Init(std::vector<float> taps, unsigned factor, std::size_t maxBlock)
{
    reversed_.assign(taps.rbegin(), taps.rend());
    factor_ = std::max(1u, factor);
    history_.assign(reversed_.size() - 1 + maxBlock, 0.0f);
    next_ = 0;
}

void TFirDecimator::Clear()
{
    std::fill(history_.begin(), history_.end(), 0.0f);
    next_ = 0;
}

std::size_t TFirDecimator::Run(const float* in, std::size_t n, float* out)
{
    const std::size_t keep = reversed_.size() - 1;
    std::copy(in, in + n, history_.begin() + std::ptrdiff_t(keep));
    std::size_t produced = 0;
    for (; next_ < n; next_ += factor_)
        out[produced++] = Dot(history_.data() + next_, reversed_.data(), reversed_.size());
    next_ -= n;
    std::copy(history_.begin() + std::ptrdiff_t(n), history_.begin() + std::ptrdiff_t(n + keep), history_.begin());
    return produced;
}

void TResampler::Init(double inRate, double outRate, double cutoffHz, double transitionHz, double attenuationDb,
                      std::size_t maxBlock)
{
    const double prototypeRate = inRate * Branches;
    std::vector<float> prototype = LowPassTaps(cutoffHz / prototypeRate, transitionHz / prototypeRate,
                                               attenuationDb, Branches, Branches);
    taps_ = prototype.size() / Branches;
    // Row b holds the taps for an output b/Branches of a sample after the
    // newest input, reversed to run over the history oldest first; row
    // Branches is row 0 one sample later, for the interpolation.
    bank_.assign((Branches + 1) * taps_, 0.0f);
    for (unsigned b = 0; b <= Branches; ++b)
        for (std::size_t k = 0; k < taps_; ++k) {
            std::size_t index = k * Branches + b;
            bank_[b * taps_ + (taps_ - 1 - k)] = index < prototype.size() ? prototype[index] : 0.0f;
        }
    history_.assign(taps_ - 1 + maxBlock, 0.0f);
    step_ = inRate / outRate;
    time_ = 0;
}

std::size_t TResampler::Run(const float* in, std::size_t n, float* out)
{
    const std::size_t keep = taps_ - 1;
    std::copy(in, in + n, history_.begin() + std::ptrdiff_t(keep));
    std::size_t produced = 0;
    while (time_ < double(n)) {
        std::size_t start = std::size_t(time_);
        double branch = (time_ - double(start)) * Branches;
        unsigned b = std::min(unsigned(branch), Branches - 1);
        float weight = float(branch - b);
        const float* window = history_.data() + start;
        float y0 = Dot(window, bank_.data() + b * taps_, taps_);
        float y1 = Dot(window, bank_.data() + (b + 1) * taps_, taps_);
        out[produced++] = y0 + (y1 - y0) * weight;
        time_ += step_;
    }
    time_ -= double(n);
    std::copy(history_.begin() + std::ptrdiff_t(n), history_.begin() + std::ptrdiff_t(n + keep), history_.begin());
    return produced;
}

} // namespace dsp
