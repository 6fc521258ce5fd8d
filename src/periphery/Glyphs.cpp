#include "Glyphs.h"

#include "Helpers.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int ColourNumbers = 8;

// A pixel map: '#' is the symbol colour, '+' a lighter shade of it, anything
// else stays black.
using Rows = std::initializer_list<const char*>;

QImage BlackImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(Qt::black));
    return image;
}

QColor Lighter(const QColor& colour)
{
    // Halfway to white: a highlight that never turns into black.
    return QColor((colour.red() + 255) / 2, (colour.green() + 255) / 2, (colour.blue() + 255) / 2);
}

void Plot(QImage& image, int left, int top, Rows rows, const QColor& colour)
{
    const QColor light = Lighter(colour);
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == '#') image.setPixelColor(left + x, y, colour);
            else if (row[x] == '+') image.setPixelColor(left + x, y, light);
        }
        ++y;
    }
}

// Button lamp: a bar of light across a black housing, with a highlight along
// its top edge when lit.
QImage ButtonLamp(const QColor& colour, bool lit)
{
    QImage image = BlackImage(16, 11);
    for (int y = 3; y <= 7; ++y)
        for (int x = 2; x <= 13; ++x) image.setPixelColor(x, y, colour);
    if (lit)
        for (int x = 3; x <= 12; ++x) image.setPixelColor(x, 4, Lighter(colour));
    return image;
}

QImage MusicNote(const QColor& colour)
{
    QImage image = BlackImage(11, 11);
    Plot(image, 0, 0,
         {"...........",
          "....######.",
          "....######.",
          "....#....#.",
          "....#....#.",
          "....#....#.",
          "..###..###.",
          ".####.####.",
          ".####.####.",
          "..##...##..",
          "..........."},
         colour);
    return image;
}

QImage Bell(const QColor& colour)
{
    QImage image = BlackImage(11, 11);
    Plot(image, 0, 0,
         {".....#.....",
          "....###....",
          "...#####...",
          "...#####...",
          "..#######..",
          "..#######..",
          "..#######..",
          ".#########.",
          "###########",
          "...........",
          ".....#....."},
         colour);
    return image;
}

// A crescent moon (one disc minus another) with a small "z" beside it.
QImage Moon(const QColor& colour)
{
    QImage image = BlackImage(11, 11);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const double dx1 = x - 4.5, dy1 = y - 5.5;
            const double dx2 = x - 7.0, dy2 = y - 3.5;
            const bool inMoon = dx1 * dx1 + dy1 * dy1 <= 4.6 * 4.6;
            const bool inShade = dx2 * dx2 + dy2 * dy2 <= 4.2 * 4.2;
            if (inMoon && !inShade) image.setPixelColor(x, y, colour);
        }
    }
    Plot(image, 8, 0, {"###", "..#", ".#.", "###"}, colour);
    return image;
}

QImage ProgText(const QColor& colour)
{
    QImage image = BlackImage(26, 11);
    const Rows p = {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."};
    const Rows r = {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
    const Rows o = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
    const Rows g = {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."};
    Plot(image, 1, 2, p, colour);
    Plot(image, 7, 2, r, colour);
    Plot(image, 13, 2, o, colour);
    Plot(image, 19, 2, g, colour);
    return image;
}

// An arrow along the middle row, pointing right for an upward scan.
QImage ScanArrow(const QColor& colour, bool right)
{
    QImage image = BlackImage(16, 11);
    auto put = [&](int x, int y) { image.setPixelColor(right ? x : 15 - x, y, colour); };
    for (int x = 2; x <= 8; ++x)
        for (int y = 4; y <= 6; ++y) put(x, y);
    for (int c = 0; c <= 4; ++c) // the head narrows from five rows either side to one
        for (int y = 5 - (4 - c); y <= 5 + (4 - c); ++y) put(9 + c, y);
    return image;
}

// The window and tray picture: a small portable radio, with sound waves when
// playing and a red stroke across the waves when silent. Drawn in a 32-unit
// square and scaled, so every size of the icon is sharp.
QImage RadioIcon(int size, bool soundOn)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Antenna and handle.
    p.setPen(QPen(QColor(60, 60, 60), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 13), QPointF(14, 3));
    // Body.
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(70, 96, 140));
    p.drawRoundedRect(QRectF(2, 12, 22, 17), 3, 3);
    // Speaker grille.
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(9, 21), 5, 5);
    p.setBrush(QColor(150, 150, 150));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(9, 21), 1.6, 1.6);
    // Dial window and knob.
    p.setBrush(QColor(255, 210, 90));
    p.drawRect(QRectF(16, 15, 6, 4));
    p.setBrush(QColor(220, 220, 220));
    p.drawEllipse(QPointF(19, 24), 2.2, 2.2);

    // Sound waves beside the body.
    const QColor wave = soundOn ? QColor(40, 170, 60) : QColor(150, 150, 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wave, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(20, 14, 6, 12), -60 * 16, 120 * 16);
    p.drawArc(QRectF(21, 10, 10, 20), -55 * 16, 110 * 16);
    if (!soundOn) {
        p.setPen(QPen(QColor(210, 30, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 9), QPointF(30, 30));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon RadioIconSet(bool soundOn)
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(RadioIcon(size, soundOn)));
    return icon;
}

} // namespace

QColor PaletteColour(int index)
{
    const std::uint32_t ref = ColourIndexToRGB(index, 0);
    // Colour references hold blue in the high byte and red in the low one.
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

QColor UnlitColour(int background, int foreground, int panel)
{
    if (background == 2 && foreground == 10 && panel == 0) return QColor(0, 64, 0);
    return PaletteColour(background);
}

QColor LampColour(int colourNumber)
{
    const int n = std::clamp(colourNumber, 0, ColourNumbers - 1);
    return PaletteColour(LampColourIndex(n, 15));
}

QColor DimLampColour(int colourNumber)
{
    const int n = std::clamp(colourNumber, 0, ColourNumbers - 1);
    return PaletteColour(DimColourIndex(LampColourIndex(n, 15), 8));
}

QImage RecolourBlack(const QImage& picture, const QColor& colour)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb black = qRgba(0, 0, 0, 255);
    const QRgb paint = colour.rgba();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == black) line[x] = paint;
    }
    return out;
}

QPixmap RecolourBlack(const QPixmap& picture, const QColor& colour)
{
    return QPixmap::fromImage(RecolourBlack(picture.toImage(), colour));
}

TGlyphs::TGlyphs()
{
    for (int n = 0; n < ColourNumbers; ++n) {
        const QColor lit = LampColour(n), dim = DimLampColour(n);
        for (bool on : {true, false}) {
            const QColor c = on ? lit : dim;
            recipes_.insert(ButtonName(n, on), [c, on] { return ButtonLamp(c, on); });
            recipes_.insert(IndicatorName(QStringLiteral("RADIO"), n, on), [c] { return MusicNote(c); });
            recipes_.insert(IndicatorName(QStringLiteral("ALARM"), n, on), [c] { return Bell(c); });
            recipes_.insert(IndicatorName(QStringLiteral("SLEEP"), n, on), [c] { return Moon(c); });
            recipes_.insert(IndicatorName(QStringLiteral("PROG"), n, on), [c] { return ProgText(c); });
        }
        // The scan picture is always shown lit: it appears only while scanning.
        recipes_.insert(ScanName(n, false), [lit] { return ScanArrow(lit, false); });
        recipes_.insert(ScanName(n, true), [lit] { return ScanArrow(lit, true); });
    }
    recipes_.insert(QStringLiteral("imgMuteOn"), [] { return RadioIcon(32, true); });
    recipes_.insert(QStringLiteral("imgMuteOff"), [] { return RadioIcon(32, false); });
    muteOn_ = RadioIconSet(true);
    muteOff_ = RadioIconSet(false);
}

QImage TGlyphs::Image(const QString& name) const
{
    if (const auto drawn = images_.constFind(name); drawn != images_.constEnd()) return *drawn;
    const auto recipe = recipes_.constFind(name);
    if (recipe == recipes_.constEnd()) return QImage();
    return *images_.insert(name, (*recipe)());
}

QPixmap TGlyphs::Pixmap(const QString& name) const
{
    const QImage image = Image(name);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QStringList TGlyphs::Names() const
{
    QStringList names = recipes_.keys();
    names.sort();
    return names;
}

QString TGlyphs::ButtonName(int colourNumber, bool on)
{
    return IndicatorName(QStringLiteral("BT"), colourNumber, on);
}

QString TGlyphs::IndicatorName(const QString& base, int colourNumber, bool on)
{
    return base + QString::number(colourNumber) + (on ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

QString TGlyphs::ScanName(int colourNumber, bool upward)
{
    return QStringLiteral("SCAN") + QString::number(colourNumber) +
           (upward ? QStringLiteral("R") : QStringLiteral("L"));
}
