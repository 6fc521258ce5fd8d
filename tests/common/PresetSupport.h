#pragma once
// A used preset slot, as the preset tests build their banks.

#include "PresetsFile.h"

#include <QString>

inline tPreset Preset(double frequency, std::uint8_t band, const QString& name)
{
    tPreset slot;
    slot.Name = name;
    slot.Frequency = frequency;
    slot.Band = band;
    slot.Used = 1;
    return slot;
}
