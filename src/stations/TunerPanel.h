#pragma once
// Parts of the tuner the presets editor and the archive dialog share: the
// read-out and the scale.

#include <QString>
#include <array>

class QLabel;
class QRect;
class QSize;
class QSlider;
class QWidget;
class TDisplay;

// Six seven-segment cells ("Dig1".."Dig6") and the decimal point ("Point")
// on a black panel.
struct tTunerReadout {
    std::array<TDisplay*, 6> Dig{};
    QWidget* Point = nullptr;
};

// Makes the read-out on a panel at `panel` in `parent`: cells of `cell` size,
// `pitch` pixels apart with a gap of four after the third, segments
// `segWidth` wide, the point at `point` on the panel.
tTunerReadout MakeTunerReadout(QWidget* parent, const QRect& panel, const QSize& cell, int pitch, int segWidth,
                               const QRect& point);
// Shows the six characters of `cells`, cyan, or red for a frequency outside
// the card's range.
void ShowTunerReadout(const tTunerReadout& readout, const QString& cells, bool pointShown, bool outside);

// Makes the twelve scale marks ("Freq01".."Freq12") at `top` in `parent`, in
// a font small enough, whatever the screen's font size, that the AM marks
// 24 pixels apart do not run together.
std::array<QLabel*, 12> MakeTunerScale(QWidget* parent, int top);
// Shows the band's marks under the frequency slider (twelve AM marks 24
// pixels apart or nine FM marks 33 apart, centred from `scaleLeft`), and sets
// the slider to the band's range (kHz for AM, thousandths of a MHz for FM),
// its step (`fmSingleStep` on FM, 9 kHz on AM) and the frequency `f` with its
// hint, without the slider telling of the change.
void ShowTunerScale(const std::array<QLabel*, 12>& marks, int scaleLeft, QSlider* slider, bool fm, double f,
                    int fmSingleStep);
