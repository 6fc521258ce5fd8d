#include "Glyphs.h"
#include "Helpers.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QRgb> Colours(const QImage& image)
{
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) set.insert(image.pixel(x, y));
    return set;
}

int CountPixels(const QImage& image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

const TGlyphs& Set()
{
    static const TGlyphs glyphs;
    return glyphs;
}

} // namespace

TEST(Glyphs, EveryNamedPictureExistsAtItsSize)
{
    struct Kind {
        const char* base;
        QSize size;
    };
    const Kind kinds[] = {{"BT", {16, 11}},    {"RADIO", {11, 11}}, {"ALARM", {11, 11}},
                          {"SLEEP", {11, 11}}, {"PROG", {26, 11}}};
    for (int n = 0; n < 8; ++n) {
        for (const Kind& k : kinds) {
            for (bool on : {true, false}) {
                const QString name = TGlyphs::IndicatorName(QString::fromLatin1(k.base), n, on);
                ASSERT_TRUE(Set().Contains(name)) << name.toStdString();
                EXPECT_EQ(Set().Image(name).size(), k.size) << name.toStdString();
            }
        }
        for (bool up : {false, true}) EXPECT_EQ(Set().Image(TGlyphs::ScanName(n, up)).size(), QSize(16, 11));
    }
    EXPECT_EQ(TGlyphs::ButtonName(3, true), QStringLiteral("BT3ON"));
    EXPECT_EQ(TGlyphs::ButtonName(7, false), QStringLiteral("BT7OFF"));
    EXPECT_EQ(TGlyphs::ScanName(0, false), QStringLiteral("SCAN0L"));
    EXPECT_EQ(TGlyphs::ScanName(5, true), QStringLiteral("SCAN5R"));
    EXPECT_EQ(Set().Image(QStringLiteral("imgMuteOn")).size(), QSize(32, 32));
    EXPECT_EQ(Set().Image(QStringLiteral("imgMuteOff")).size(), QSize(32, 32));
    // 8 colours x 5 kinds x on/off, 16 scan arrows, 2 window pictures; nothing else.
    EXPECT_EQ(Set().Names().size(), 8 * 5 * 2 + 16 + 2);
    EXPECT_FALSE(Set().Contains(QStringLiteral("BT8ON")));
    EXPECT_TRUE(Set().Image(QStringLiteral("bt0on")).isNull());
    EXPECT_TRUE(Set().Pixmap(QStringLiteral("RADIO")).isNull());
}

TEST(Glyphs, PaletteFollowsTheColourTableByteOrder)
{
    EXPECT_EQ(PaletteColour(1), QColor(128, 0, 0));   // maroon
    EXPECT_EQ(PaletteColour(12), QColor(0, 0, 255));  // blue
    EXPECT_EQ(PaletteColour(11), QColor(255, 255, 0)); // yellow
    EXPECT_EQ(PaletteColour(16), QColor(0, 0, 0));
    EXPECT_EQ(LampColour(3), QColor(255, 255, 0));    // lamp 3 is yellow ...
    EXPECT_EQ(DimLampColour(3), QColor(128, 128, 0)); // ... and olive when unlit
    EXPECT_EQ(DimLampColour(0), QColor(128, 128, 128));
}

TEST(Glyphs, OnlyTheDefaultSchemeDarkensItsUnlitSegments)
{
    // Lit green is 255: the default's unlit green must stay well below half of it.
    EXPECT_LT(UnlitColour(2, 10, 0).green(), 80);
    EXPECT_GT(UnlitColour(2, 10, 0).green(), 0); // still faintly there
    const int own[][3] = {{2, 10, 1}, {2, 12, 0}, {3, 10, 0}, {8, 15, 0}};
    for (const auto& c : own)
        EXPECT_EQ(UnlitColour(c[0], c[1], c[2]), PaletteColour(c[0])) << c[0] << c[1] << c[2];
}

TEST(Glyphs, LitPicturesUseTheBrightColourAndUnlitTheDimOne)
{
    for (int n = 0; n < 8; ++n) {
        const QColor lit = LampColour(n), dim = DimLampColour(n);
        for (const char* base : {"BT", "RADIO", "ALARM", "SLEEP", "PROG"}) {
            const QString b = QString::fromLatin1(base);
            const QImage on = Set().Image(TGlyphs::IndicatorName(b, n, true));
            const QImage off = Set().Image(TGlyphs::IndicatorName(b, n, false));
            EXPECT_GT(CountPixels(on, lit), 4) << base << n;
            EXPECT_EQ(CountPixels(on, dim), 0) << base << n;
            EXPECT_GT(CountPixels(off, dim), 4) << base << n;
            EXPECT_EQ(CountPixels(off, lit), 0) << base << n;
            EXPECT_GT(CountPixels(on, Qt::black), 0) << base << n; // something to recolour
        }
        EXPECT_GT(CountPixels(Set().Image(TGlyphs::ScanName(n, true)), lit), 4);
    }
}

TEST(Glyphs, ScanArrowsPointBothWays)
{
    const QImage left = Set().Image(QStringLiteral("SCAN2L"));
    const QImage right = Set().Image(QStringLiteral("SCAN2R"));
    EXPECT_NE(left, right);
    EXPECT_EQ(left.mirrored(true, false), right);
    // The head of the right arrow is on the right: its tip column has one lit pixel
    // in the middle row, the tail end three.
    EXPECT_NE(right.pixelColor(13, 5), QColor(Qt::black));
    EXPECT_EQ(right.pixelColor(13, 4), QColor(Qt::black));
}

TEST(Glyphs, RecolouringLeavesNoBlackAndKeepsTheSymbol)
{
    const QColor navy = PaletteColour(4);
    for (const QString& name : Set().Names()) {
        if (name.startsWith(QLatin1String("img"))) continue;
        const QImage before = Set().Image(name);
        const QImage after = RecolourBlack(before, navy);
        ASSERT_EQ(after.size(), before.size());
        EXPECT_EQ(CountPixels(after, Qt::black), 0) << name.toStdString();
        EXPECT_EQ(CountPixels(after, navy), CountPixels(before, Qt::black) + CountPixels(before, navy))
            << name.toStdString();
        // Symbol pixels are untouched.
        QSet<QRgb> symbol = Colours(before);
        symbol.remove(qRgb(0, 0, 0));
        for (QRgb c : symbol) EXPECT_TRUE(Colours(after).contains(c)) << name.toStdString();
    }
}

TEST(Glyphs, RecolouringTouchesOnlyOpaquePureBlack)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 255));
    image.setPixel(1, 0, qRgba(1, 0, 0, 255)); // nearly black is a colour of its own
    image.setPixel(2, 0, qRgba(0, 0, 0, 0));   // transparent stays transparent
    const QImage out = RecolourBlack(image, QColor(0, 128, 0));
    EXPECT_EQ(out.pixel(0, 0), qRgba(0, 128, 0, 255));
    EXPECT_EQ(out.pixel(1, 0), qRgba(1, 0, 0, 255));
    EXPECT_EQ(qAlpha(out.pixel(2, 0)), 0);
    // The pixmap form gives the same picture.
    const QImage viaPixmap = RecolourBlack(QPixmap::fromImage(image), QColor(0, 128, 0)).toImage();
    EXPECT_EQ(viaPixmap.convertToFormat(QImage::Format_ARGB32).pixel(0, 0), qRgba(0, 128, 0, 255));
}

TEST(Glyphs, MuteIconsDifferAndComeInSmallSizes)
{
    const QImage on = Set().MuteIcon(true).pixmap(16, 16).toImage();
    const QImage off = Set().MuteIcon(false).pixmap(16, 16).toImage();
    EXPECT_EQ(on.size(), QSize(16, 16));
    EXPECT_NE(on, off);
    EXPECT_NE(Set().Image(QStringLiteral("imgMuteOn")), Set().Image(QStringLiteral("imgMuteOff")));
    // Drawn on a transparent background: the corner shows what is behind it.
    EXPECT_EQ(qAlpha(Set().Image(QStringLiteral("imgMuteOn")).pixel(0, 31)), 0);
}
