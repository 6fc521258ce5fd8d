#pragma once
// Small building blocks of the FM receiver: a decimating FIR filter, an
// arbitrary-ratio polyphase resampler, a fast arctangent. Each keeps its own
// history, so a signal can be fed in blocks of any size; buffers are sized
// once for the largest block and never grow afterwards.

#include <cmath>
#include <cstddef>
#include <vector>

namespace dsp {

// a . b over n floats; vectorised by the compiler.
inline float Dot(const float* a, const float* b, std::size_t n)
{
    float sum = 0;
#pragma omp simd reduction(+ : sum)
    for (std::size_t i = 0; i < n; ++i)
        sum += a[i] * b[i];
    return sum;
}

// atan2 within a few millionths of a radian, branch-free enough to vectorise.
inline float FastAtan2(float y, float x)
{
    float ax = std::fabs(x), ay = std::fabs(y);
    float big = ax > ay ? ax : ay;
    float small = ax > ay ? ay : ax;
    float a = small / (big + 1e-30f);
    float s = a * a;
    // atan(a) for 0 <= a <= 1 as an odd polynomial.
    float p = 0.0028662257f;
    p = p * s - 0.0161657367f;
    p = p * s + 0.0429096138f;
    p = p * s - 0.0752896400f;
    p = p * s + 0.1065626393f;
    p = p * s - 0.1420889944f;
    p = p * s + 0.1999355085f;
    p = p * s - 0.3333314528f;
    float r = a + a * s * p;
    r = ay > ax ? 1.5707963f - r : r;
    r = x < 0 ? 3.1415927f - r : r;
    return y < 0 ? -r : r;
}

// Low-pass taps by a Kaiser window: `cutoff` and `transition` as fractions
// of the sample rate, the length following from the attenuation. Unity gain
// at 0 Hz times `gain`.
std::vector<float> LowPassTaps(double cutoff, double transition, double attenuationDb, double gain = 1,
                               std::size_t multipleOf = 1);

// Keeps one output in `factor` of a real FIR filter.
class TFirDecimator {
public:
    void Init(std::vector<float> taps, unsigned factor, std::size_t maxBlock);
    // Filters `n` samples (n <= maxBlock) and writes the outputs to `out`
    // (at most n / factor + 1); returns their number.
    std::size_t Run(const float* in, std::size_t n, float* out);
    void Clear();
    std::size_t Length() const { return reversed_.size(); }

private:
    std::vector<float> reversed_;
    std::vector<float> history_; // Length()-1 old samples, then the block
    unsigned factor_ = 1;
    std::size_t next_ = 0;       // where the next output's window starts
};

// Resamples a real signal by any ratio: a polyphase bank with linear
// interpolation between neighbouring branches; the prototype low-pass cuts
// at `cutoffHz` with `transitionHz` to the stop band.
class TResampler {
public:
    void Init(double inRate, double outRate, double cutoffHz, double transitionHz, double attenuationDb,
              std::size_t maxBlock);
    // Writes at most MaxOutput(n) samples; returns their number.
    std::size_t Run(const float* in, std::size_t n, float* out);
    std::size_t MaxOutput(std::size_t n) const { return std::size_t(double(n) / step_) + 2; }

private:
    static constexpr unsigned Branches = 64;
    std::vector<float> bank_;    // Branches+1 rows of taps_ taps, each reversed
    std::vector<float> history_;
    std::size_t taps_ = 0;
    double step_ = 1;            // input samples per output sample
    double time_ = 0;            // of the next output, in input samples from the window start
};

} // namespace dsp
