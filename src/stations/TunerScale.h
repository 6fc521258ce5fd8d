#pragma once
// The scale of the presets editor's and the organizer's tuner.

#include <array>

class QLabel;
class QSlider;

// Shows the band's marks under the frequency slider (twelve AM marks 24
// pixels apart or nine FM marks 33 apart, centred from `scaleLeft`), and sets
// the slider to the band's range (kHz for AM, thousandths of a MHz for FM),
// its step (`fmSingleStep` on FM, 9 kHz on AM) and the frequency `f` with its
// hint, without the slider telling of the change.
void ShowTunerScale(const std::array<QLabel*, 12>& marks, int scaleLeft, QSlider* slider, bool fm, double f,
                    int fmSingleStep);
