#include "AlarmSetting.h"

#include "PresetsFile.h"
#include "Helpers.h"

std::vector<tAlarmEntry> AlarmPresets(const tPresets& presets, const tAlarmBands& bands)
{
    // Compared as printed, as the read-out shows them: 087.000 is in the band.
    const QString low = FrequencyText(bands.FMMin), high = FrequencyText(bands.FMMax);
    std::vector<tAlarmEntry> entries;
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset& slot = presets[n];
        if (!slot.Used) continue;
        const QString f = FrequencyText(slot.Frequency);
        const bool receivable = slot.Band == 0 ? bands.HasAM : bands.HasFM && f >= low && f <= high;
        if (receivable) entries.push_back({n, PresetNumText(n) + QStringLiteral(" - ") + slot.Name});
    }
    return entries;
}

void CarryMinute(int& hour, int& minute)
{
    if (minute != 60) return;
    minute = 0;
    hour = hour >= 23 ? 0 : hour + 1;
}

int EntryPreset(const QString& text)
{
    int n = 0;
    if (text.size() < 2 || !TextToInt(text.left(2), n) || n < 0) return 0;
    return n == 0 ? 100 : n;
}
