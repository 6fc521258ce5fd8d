#include "JumpToDialog.h"

#include "NumEdit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TJumpToDialog::TJumpToDialog(const tJumpCard& card, QWidget* parent) : QDialog(parent), jump_(card)
{
    setObjectName(QStringLiteral("JumpToDialog"));
    setWindowTitle(tr("Jump to"));

    // Laid out rather than placed, so that a larger screen font moves the
    // controls apart instead of running "Frequency" into the band buttons.
    auto* group = new QGroupBox(tr("Set frequency"), this);
    auto* label = new QLabel(tr("Frequency"), group);
    auto band = [group](const char* name, const QString& caption) {
        auto* button = new QToolButton(group);
        button->setObjectName(QLatin1String(name));
        button->setText(caption);
        button->setCheckable(true);
        button->setMinimumWidth(28);
        return button;
    };
    btFM = band("btFM", QStringLiteral("fm"));
    btAM = band("btAM", QStringLiteral("am"));
    auto* bands = new QButtonGroup(this);
    bands->addButton(btFM);
    bands->addButton(btAM);
    Freq = new TNumEdit(group);
    Freq->setObjectName(QStringLiteral("Freq"));
    Freq->SetDecimals(3);
    // Room for "108.000" in the font in use.
    Freq->setFixedWidth(Freq->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
    LFreq = new QLabel(group);
    LFreq->setObjectName(QStringLiteral("LFreq"));
    LFreq->setMinimumWidth(LFreq->fontMetrics().horizontalAdvance(QStringLiteral("MHz")));
    sFreq = new QSlider(Qt::Horizontal, group);
    sFreq->setObjectName(QStringLiteral("sFreq"));

    auto* entry = new QHBoxLayout;
    entry->addWidget(label);
    entry->addSpacing(8);
    entry->addWidget(btFM);
    entry->addWidget(btAM);
    entry->addSpacing(6);
    entry->addWidget(Freq);
    entry->addWidget(LFreq);
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addLayout(entry);
    inGroup->addWidget(sFreq);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton* btOk = button("btOk", tr("OK"));
    btOk->setDefault(true);
    QPushButton* btCancel = button("btCancel", tr("Cancel"));
    QPushButton* btHelp = button("btHelp", tr("Help"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btOk, btCancel, btHelp})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    btFM->setEnabled(card.HasFM);
    btAM->setEnabled(card.HasAM);
    (jump_.Band() == bAM ? btAM : btFM)->setChecked(true);
    ShowBand();

    connect(btFM, &QToolButton::toggled, this, [this](bool down) { BandClick(bFM, down); });
    connect(btAM, &QToolButton::toggled, this, [this](bool down) { BandClick(bAM, down); });
    // The slider follows every key, not only a finished entry.
    connect(Freq, &QLineEdit::textEdited, this, [this] {
        double value = 0;
        if (Freq->TypedValue(value))
            FreqChange(std::clamp(value, jump_.Minimum(), jump_.Maximum()));
    });
    connect(Freq, &TNumEdit::ValueChanged, this, &TJumpToDialog::FreqChange);
    connect(sFreq, &QSlider::valueChanged, this, &TJumpToDialog::sFreqChange);
    connect(btOk, &QPushButton::clicked, this, &TJumpToDialog::OkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [this] {
        if (OnHelp) OnHelp(HelpTopic());
    });
}

void TJumpToDialog::ShowBand()
{
    const QSignalBlocker edit(Freq);
    const QSignalBlocker slider(sFreq);
    LFreq->setText(jump_.Unit());
    Freq->SetRange(jump_.Minimum(), jump_.Maximum());
    Freq->setMaxLength(jump_.MaxLength());
    Freq->SetValue(jump_.Remembered(jump_.Band()));
    sFreq->setRange(jump_.SliderMinimum(), jump_.SliderMaximum());
    sFreq->setSingleStep(jump_.SliderStep());
    sFreq->setPageStep(jump_.SliderStep() * 10);
    sFreq->setValue(jump_.SliderPosition());
}

void TJumpToDialog::BandClick(tBand band, bool down)
{
    if (!down) return;
    jump_.SetBand(band);
    ShowBand();
}

void TJumpToDialog::FreqChange(double value)
{
    jump_.Typed(value);
    const QSignalBlocker slider(sFreq);
    sFreq->setValue(jump_.SliderPosition());
}

void TJumpToDialog::sFreqChange(int position)
{
    const double value = jump_.Slid(position);
    const QSignalBlocker edit(Freq);
    Freq->SetValue(value);
}

void TJumpToDialog::OkClick()
{
    // What was typed or slid to last, whether or not the entry was finished.
    jump_.Accept(jump_.Remembered(jump_.Band()));
    accept();
}
