#include "TunerGains.h"

#include <cstdlib>

std::vector<int> TunerGains(std::uint32_t tunerType)
{
    switch (tunerType) {
    case 1:
        return {-10, 15, 40, 65, 90, 115, 140, 165, 190, 215, 240, 290, 340, 420};
    case 2:
        return {-99, -40, 71, 179, 192};
    case 3:
        return {-99, -73, -65, -63, -60, -58, -54, 58, 61, 63, 65, 67,
                68,  70,  71,  179, 181, 182, 184, 186, 188, 191, 197};
    case 4:
        return {0};
    case 5:
    case 6:
        return {0,   9,   14,  27,  37,  77,  87,  125, 144, 157, 166, 197, 207, 229, 254,
                280, 297, 328, 338, 364, 372, 386, 402, 421, 434, 439, 445, 480, 496};
    default:
        return {};
    }
}

int SnapGain(const std::vector<int>& steps, int tenthsDb)
{
    int best = tenthsDb;
    int distance = -1;
    for (int step : steps) {
        int d = std::abs(step - tenthsDb);
        if (distance < 0 || d < distance) {
            best = step;
            distance = d;
        }
    }
    return best;
}

