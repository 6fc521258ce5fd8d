#pragma once
// The small pictures of the front panel, drawn by code when first asked for
// (a panel shows a few of the set) and kept under the names the rest of the
// program asks for:
//
//   "BT<n>ON", "BT<n>OFF"        16 x 11  button lamp, lit or unlit
//   "RADIO<n>ON" .. "OFF"        11 x 11  music indicator
//   "ALARM<n>ON" .. "OFF"        11 x 11  alarm indicator
//   "SLEEP<n>ON" .. "OFF"        11 x 11  sleep indicator
//   "PROG<n>ON" .. "OFF"         26 x 11  programming-mode indicator
//   "SCAN<n>L", "SCAN<n>R"       16 x 11  scan direction (downward, upward)
//   "imgMuteOn", "imgMuteOff"    32 x 32  window and tray picture, radio playing / silent
//
// <n> is a colour number 0..7. A lit picture uses the bright palette colour of
// that number (LampColourIndex), an unlit one the matching dim colour.
// The panel pictures are drawn pixel by pixel on pure black and never use pure
// black for a symbol, so painting their black pixels in the panel colour
// (RecolourBlack) leaves a clean symbol on the panel with no dark fringe.

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>

// Palette colour of a colour index 0..15; black for anything else.
QColor PaletteColour(int index);
// The unlit segments' colour of the read-out: palette colour `background`,
// except in the default scheme (unlit 2 and lit 10 on panel 0), whose two
// greens lie so close that a frequency in dots is hard to read: there the
// unlit dots are a darker green, still faintly visible.
QColor UnlitColour(int background, int foreground, int panel);
// The lit and unlit colours of a colour number 0..7 (clamped into that range).
QColor LampColour(int colourNumber);
QColor DimLampColour(int colourNumber);

// A copy of `picture` with every opaque pure black pixel painted in `colour`.
QImage RecolourBlack(const QImage& picture, const QColor& colour);
QPixmap RecolourBlack(const QPixmap& picture, const QColor& colour);

class TGlyphs {
public:
    TGlyphs(); // names the whole set and draws the icons

    // The picture of that name; a null image for a name not in the set.
    // Names are matched exactly ("BT3ON", not "bt3on").
    QImage Image(const QString& name) const;
    QPixmap Pixmap(const QString& name) const;
    bool Contains(const QString& name) const { return recipes_.contains(name); }
    QStringList Names() const;

    // The window and tray icon in several sizes: the radio playing when
    // `soundOn`, crossed out when silent.
    QIcon MuteIcon(bool soundOn) const { return soundOn ? muteOn_ : muteOff_; }

    // Name builders, so callers do not spell the names themselves.
    static QString ButtonName(int colourNumber, bool on);
    static QString IndicatorName(const QString& base, int colourNumber, bool on); // "RADIO", ...
    static QString ScanName(int colourNumber, bool upward);

private:
    // How each picture is drawn, and those drawn so far.
    QHash<QString, std::function<QImage()>> recipes_;
    mutable QHash<QString, QImage> images_;
    QIcon muteOn_;
    QIcon muteOff_;
};
