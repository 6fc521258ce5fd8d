#pragma once
// The gain steps of the dongles' tuners.

#include <cstdint>
#include <vector>

// The gain steps of a tuner, in tenths of a dB, by librtlsdr's tuner number
// (1 E4000, 2 FC0012, 3 FC0013, 4 FC2580, 5 R820T, 6 R828D); empty when unknown.
std::vector<int> TunerGains(std::uint32_t tunerType);
// The step nearest to `tenthsDb`; the value itself when there are no steps.
int SnapGain(const std::vector<int>& steps, int tenthsDb);
