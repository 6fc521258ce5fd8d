// readout-gallery OUTDIR: writes one PNG per read-out style, each showing the
// characters the program displays at the small size the main window uses, at a
// medium size and at the size of a new cell, so the styles can be looked at
// without the program.

#include "Display.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace
{

struct TGallerySize {
    int width, height, margin;
    int segWidth[4]; // by style
};

// Small: about what a main-window cell gets, with thicknesses that fit it.
// Medium: the thicknesses the settings dialog gives each style, on cells just
// large enough for them. Large: a new cell with its default settings.
const TGallerySize Sizes[] = {
    {20, 34, 2, {4, 3, 3, 3}},
    {42, 68, 3, {4, 3, 6, 6}},
    {120, 200, 10, {15, 15, 15, 15}},
};

constexpr int Magnify = 4;

const char* const Lines[] = {"0123456789", " -.", "AFM", "?", "bBdgHjpqxy"};

const char* const StyleNames[] = {"seg7", "seg16", "dot5x7", "bulb5x7"};

// One line of cells on a black panel, the way the read-out holds them.
QImage RenderLine(TDigitStyle style, const TGallerySize& size, const char* text)
{
    QWidget panel;
    panel.setAutoFillBackground(true);
    QPalette pal = panel.palette();
    pal.setColor(QPalette::Window, Qt::black);
    panel.setPalette(pal);
    int x = 0;
    for (const char* c = text; *c; ++c) {
        auto* cell = new TDisplay(&panel);
        cell->setGeometry(x, 0, size.width, size.height);
        cell->SetDigitStyle(style);
        cell->SetSegWidth(size.segWidth[style]);
        cell->SetMargin(size.margin);
        cell->SetOnColor(QColor(0, 255, 0));
        cell->SetOffColor(QColor(0, 128, 0));
        cell->SetBackColor(Qt::black);
        cell->SetDigit(*c);
        x += size.width;
    }
    panel.resize(x, size.height);
    return panel.grab().toImage();
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: readout-gallery OUTDIR\n";
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        err << "cannot create " << outDir << '\n';
        return 1;
    }

    constexpr int gap = 6;
    for (int style = ds7Seg; style <= ds5x7Bulb; ++style) {
        std::vector<QImage> rows;
        for (const auto& size : Sizes)
            for (const char* line : Lines)
                rows.push_back(RenderLine(static_cast<TDigitStyle>(style), size, line));
        // The small cells once more, enlarged pixel for pixel, to judge their detail.
        for (const char* line : Lines) {
            const QImage small = RenderLine(static_cast<TDigitStyle>(style), Sizes[0], line);
            rows.push_back(small.scaled(small.size() * Magnify, Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation));
        }
        int w = 0, h = 0;
        for (const auto& r : rows) {
            w = std::max(w, r.width());
            h += r.height() + gap;
        }
        QImage sheet(w + 2 * gap, h + gap, QImage::Format_RGB32);
        sheet.fill(QColor(40, 40, 40));
        QPainter p(&sheet);
        int y = gap;
        for (const auto& r : rows) {
            p.drawImage(gap, y, r);
            y += r.height() + gap;
        }
        p.end();
        const QString file =
            QDir(outDir).filePath(QString::fromLatin1(StyleNames[style]) + QStringLiteral(".png"));
        if (!sheet.save(file)) {
            err << "cannot write " << file << '\n';
            return 1;
        }
        QTextStream(stdout) << file << '\n';
    }
    return 0;
}
