#pragma once
// The main window's six layouts: which areas each shows, the window's size,
// and where the layouts with the volume area put its controls.

#include <QPoint>
#include <QRect>

struct tMainLayout {
    const char* Command; // the operation that chooses it
    const char* Caption; // its item in the "Display" menus
    int Width;           // the window, frame included
    int Height;
    bool Tuner;
    bool Presets;
    bool Volume; // the volume group and the panel buttons
    // Only where Volume is set:
    QRect VolumeGroup;
    int VolumeSliderWidth = 0;
    QPoint Mixer{};
    int ButtonsLeft = 0; // the first of the four button columns, 44 apart
    int UpperRow = 0;
    int LowerRow = 0;
};

constexpr int MainLayoutCount = 6;

// The layout of a display type 0..5; null for any other type.
const tMainLayout* MainLayoutOf(int type);

// The layouts with the tuner are wide enough for a line of RDS (programme
// type, radio text, signal level) along their bottom, this high; their
// heights include it.
constexpr int MainRdsLineHeight = 17;

// The window's frame around the client area: borders, caption and menu bar.
constexpr int MainFrameWidth = 8;
constexpr int MainFrameHeight = 44;
