#include "DspBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

TEST(DspBlocks, FastArctangentFollowsAtan2InEveryQuadrant)
{
    double worst = 0;
    for (int k = 0; k < 3600; ++k) {
        double angle = -std::numbers::pi + (k + 0.5) * 2 * std::numbers::pi / 3600;
        for (double radius : {1e-3, 1.0, 300.0}) {
            float x = float(radius * std::cos(angle)), y = float(radius * std::sin(angle));
            worst = std::max(worst, std::abs(double(dsp::FastAtan2(y, x)) - std::atan2(double(y), double(x))));
        }
    }
    EXPECT_LT(worst, 2e-6);
    EXPECT_EQ(dsp::FastAtan2(0, 0), 0.0f) << "silence is no frequency";
}

// Blocks of uneven sizes must give what one long block gives: the history
// and the position of the next output carry over.
TEST(DspBlocks, BlocksOfAnySizeGiveTheSameOutput)
{
    std::vector<float> input(5000);
    for (std::size_t k = 0; k < input.size(); ++k)
        input[k] = float(std::sin(0.05 * double(k)) + 0.3 * std::cos(0.31 * double(k)));
    auto taps = dsp::LowPassTaps(0.1, 0.05, 60);

    dsp::TFirDecimator whole, parts;
    whole.Init(taps, 3, input.size());
    parts.Init(taps, 3, 500);
    std::vector<float> one(input.size()), pieces, out(600);
    one.resize(whole.Run(input.data(), input.size(), one.data()));
    dsp::TResampler wholeResampler, partsResampler;
    wholeResampler.Init(64000, 48000, 17000, 3500, 60, input.size());
    partsResampler.Init(64000, 48000, 17000, 3500, 60, 500);
    std::vector<float> resampledOne(wholeResampler.MaxOutput(input.size())), resampledPieces;
    resampledOne.resize(wholeResampler.Run(input.data(), input.size(), resampledOne.data()));

    std::size_t at = 0, size = 1;
    while (at < input.size()) {
        std::size_t n = std::min({size, input.size() - at, std::size_t(500)});
        std::size_t m = parts.Run(input.data() + at, n, out.data());
        pieces.insert(pieces.end(), out.begin(), out.begin() + std::ptrdiff_t(m));
        m = partsResampler.Run(input.data() + at, n, out.data());
        resampledPieces.insert(resampledPieces.end(), out.begin(), out.begin() + std::ptrdiff_t(m));
        at += n;
        size = size * 3 + 1; // 1, 4, 13, 40, 121, 364, ...
    }
    ASSERT_EQ(pieces.size(), one.size());
    EXPECT_EQ(one.size(), (input.size() + 2) / 3);
    for (std::size_t k = 0; k < one.size(); ++k)
        ASSERT_NEAR(pieces[k], one[k], 1e-6) << k;
    ASSERT_EQ(resampledPieces.size(), resampledOne.size());
    EXPECT_NEAR(double(resampledOne.size()), input.size() * 0.75, 1);
    for (std::size_t k = 0; k < resampledOne.size(); ++k)
        ASSERT_NEAR(resampledPieces[k], resampledOne[k], 1e-6) << k;
}

// A tone keeps its frequency and level through the resampler, for a ratio
// with a short period and one without.
TEST(DspBlocks, ResamplerKeepsATonesFrequencyAndLevel)
{
    for (double inRate : {64000.0, 60000.0 * 1.0000037}) {
        SCOPED_TRACE(inRate);
        dsp::TResampler resampler;
        resampler.Init(inRate, 48000, 17000, 3500, 60, 4096);
        std::vector<float> in(4096), out(resampler.MaxOutput(4096)), all;
        std::size_t sent = 0;
        while (all.size() < 48000) {
            for (float& x : in)
                x = float(std::sin(2 * std::numbers::pi * 3000 * double(sent++) / inRate));
            std::size_t m = resampler.Run(in.data(), in.size(), out.data());
            all.insert(all.end(), out.begin(), out.begin() + std::ptrdiff_t(m));
        }
        double s = 0, c = 0, residual = 0;
        const std::size_t from = 4800, count = 38400;
        for (std::size_t k = 0; k < count; ++k) {
            double w = 2 * std::numbers::pi * 3000 * double(k) / 48000;
            s += all[from + k] * std::sin(w) * 2 / count;
            c += all[from + k] * std::cos(w) * 2 / count;
        }
        for (std::size_t k = 0; k < count; ++k) {
            double w = 2 * std::numbers::pi * 3000 * double(k) / 48000;
            double e = all[from + k] - s * std::sin(w) - c * std::cos(w);
            residual += e * e / count;
        }
        EXPECT_NEAR(std::hypot(s, c), 1.0, 0.01);
        EXPECT_LT(10 * std::log10(residual / 0.5), -60) << "a wrong rate or a step in time leaves a residue";
    }
}
