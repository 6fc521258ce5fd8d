#include "TunerPanel.h"

#include "Display.h"
#include "WidgetKit.h"

#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidget>
#include <cmath>

namespace {

const char* const AMScale[12] = {"531", "630", "729", "828", "927", "1026", "1125", "1224", "1323", "1422", "1521", "1620"};
const char* const FMScale[9] = {"76", "80", "84", "88", "92", "96", "100", "104", "108"};

} // namespace

std::array<QLabel*, 12> MakeTunerScale(QWidget* parent, int top)
{
    // Pixels, not points: the marks sit a fixed number of pixels apart.
    QFont small = parent->font();
    small.setPixelSize(9);
    // Four digits must leave a gap in 24 pixels.
    small.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    std::array<QLabel*, 12> marks{};
    for (int i = 0; i < 12; ++i) {
        marks[std::size_t(i)] =
            MakeLabel(parent, QStringLiteral("Freq%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                      QString(), QRect(0, top, 24, 12));
        marks[std::size_t(i)]->setFont(small);
    }
    return marks;
}

void ShowTunerScale(const std::array<QLabel*, 12>& marks, int scaleLeft, QSlider* slider, bool fm, double f,
                    int fmSingleStep)
{
    for (int i = 0; i < 12; ++i) {
        QLabel* label = marks[std::size_t(i)];
        const bool shown = !fm || i < 9;
        label->setVisible(shown);
        label->setText(shown ? QLatin1String(fm ? FMScale[i] : AMScale[i]) : QLatin1String(""));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->move(scaleLeft + i * (fm ? 33 : 24) - label->width() / 2, label->y());
    }
    {
        const QSignalBlocker blocker(slider);
        if (fm)
            slider->setRange(76000, 108000);
        else
            slider->setRange(531, 1620);
        slider->setSingleStep(fm ? fmSingleStep : 9);
        slider->setPageStep(fm ? 1000 : 99);
        slider->setValue(int(std::lround(f * 1000)));
    }
    slider->setToolTip(fm ? QLocale().toString(f, 'f', 3) + QStringLiteral(" MHz")
                          : QString::number(std::lround(f * 1000)) + QStringLiteral(" kHz"));
}

tTunerReadout MakeTunerReadout(QWidget* parent, const QRect& panel, const QSize& cell, int pitch, int segWidth,
                               const QRect& point)
{
    auto* back = new QWidget(parent);
    back->setGeometry(panel);
    SetFill(back, Qt::black);
    tTunerReadout readout;
    for (int i = 0; i < 6; ++i) {
        auto* digit = new TDisplay(back);
        digit->setObjectName(QStringLiteral("Dig%1").arg(i + 1));
        digit->setGeometry(QRect(QPoint(4 + i * pitch + (i >= 3 ? 4 : 0), 4), cell));
        digit->SetMargin(2);
        digit->SetSegWidth(segWidth);
        digit->SetBackColor(Qt::black);
        digit->SetPenOnColor(Qt::black);
        digit->SetPenOffColor(Qt::black);
        digit->SetOffColor(QColor(0, 40, 40));
        readout.Dig[std::size_t(i)] = digit;
    }
    readout.Point = new QWidget(back);
    readout.Point->setObjectName(QStringLiteral("Point"));
    readout.Point->setGeometry(point);
    return readout;
}

void ShowTunerReadout(const tTunerReadout& readout, const QString& cells, bool pointShown, bool outside)
{
    const QColor colour = outside ? QColor(Qt::red) : QColor(Qt::cyan);
    for (int i = 0; i < 6; ++i) {
        readout.Dig[std::size_t(i)]->SetOnColor(colour);
        readout.Dig[std::size_t(i)]->SetDigit(char(cells[i].toLatin1()));
    }
    SetFill(readout.Point, colour);
    readout.Point->setVisible(pointShown);
}
