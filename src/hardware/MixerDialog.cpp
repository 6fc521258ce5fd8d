#include "MixerDialog.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <QtDebug>
#include <algorithm>

namespace {

constexpr int BalanceMin = -100, BalanceMax = 100;

QSlider* Slider(QWidget* parent, const QString& name, Qt::Orientation orientation, int minimum,
                int maximum)
{
    auto* slider = new QSlider(orientation, parent);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    slider->setTickPosition(orientation == Qt::Vertical ? QSlider::TicksBothSides
                                                        : QSlider::TicksBelow);
    return slider;
}

QLabel* Small(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

int TMixerDialog::BalanceFromChannels(int left, int right)
{
    const int vol = std::max(left, right);
    const int h = (BalanceMax - BalanceMin) / 2;
    return vol != 0 ? (right - left) * h / vol : 0;
}

std::pair<int, int> TMixerDialog::ChannelsFromSliders(int volume, int balance)
{
    if (balance < 0) return {volume, volume * (balance + 100) / 100};
    return {volume * (100 - balance) / 100, volume};
}

TMixerDialog::TMixerDialog(std::unique_ptr<TMixer> mixer, tVolumeLine cardLine, QWidget* parent)
    : QDialog(parent), fMixer(mixer ? std::move(mixer) : std::make_unique<TMixer>(nullptr))
{
    // Without a mixer every control shows as missing.
    setObjectName(QStringLiteral("MixerDialog"));
    setWindowTitle(tr("Mixer control"));

    rows_[rMaster].volumeControl = mcMasterVolume;
    rows_[rLineIn].volumeControl = mcLineInVolume;
    rows_[rMic].volumeControl = mcMicVolume;
    rows_[rCd].volumeControl = mcCdVolume;
    for (TRow& row : rows_) row.muteControl = row.volumeControl + 1;

    // Left: the master output with its tone controls.
    QWidget* master = BuildRow(rows_[rMaster], QStringLiteral("m"), tr("Master"), true);
    master->setObjectName(QStringLiteral("gMaster"));
    auto* advanced = new QGroupBox(tr("Advanced"), this);
    advanced->setObjectName(QStringLiteral("gAdvanced"));
    aBass = Slider(advanced, QStringLiteral("aBass"), Qt::Horizontal, 0, 255);
    aTreble = Slider(advanced, QStringLiteral("aTreble"), Qt::Horizontal, 0, 255);
    auto* tone = new QGridLayout(advanced);
    tone->addWidget(new QLabel(tr("Bass"), advanced), 0, 0);
    tone->addWidget(aBass, 0, 1);
    tone->addWidget(new QLabel(tr("Treble"), advanced), 1, 0);
    tone->addWidget(aTreble, 1, 1);
    for (QSlider* s : {aBass, aTreble}) {
        s->setSingleStep(10);
        s->setPageStep(10);
        s->setTickInterval(10);
    }
    // Left: the master output. Right: the lines a radio card may use, and
    // the tone controls under them, so neither column stands half empty.
    QWidget* lineIn = BuildRow(rows_[rLineIn], QStringLiteral("Li"), tr("Line in"), false);
    lineIn->setObjectName(QStringLiteral("gLineIn"));
    QWidget* mic = BuildRow(rows_[rMic], QStringLiteral("Mic"), tr("Microphone"), false);
    mic->setObjectName(QStringLiteral("gMic"));
    QWidget* cd = BuildRow(rows_[rCd], QStringLiteral("Cd"), tr("Compact Disc"), false);
    cd->setObjectName(QStringLiteral("gCD"));
    auto* btHelp = new QPushButton(tr("Help"), this);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    auto* btOk = new QPushButton(tr("OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btHelp);
    buttons->addWidget(btOk);
    auto* right = new QVBoxLayout;
    right->addWidget(lineIn);
    right->addWidget(mic);
    right->addWidget(cd);
    right->addWidget(advanced);
    right->addStretch(1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(master);
    layout->addLayout(right, 1);

    // The microphone's balance is never offered: microphones are mono.
    rows_[rMic].balance->setEnabled(false);

    for (int r : {rMaster, rLineIn, rCd, rMic}) SetUpRow(rows_[r]);
    SetUpTone(aBass, mcBass);
    SetUpTone(aTreble, mcTreble);
    QLabel* bold = cardLine == vlLineIn ? rows_[rLineIn].label
                   : cardLine == vlMicIn ? rows_[rMic].label
                   : cardLine == vlCd    ? rows_[rCd].label
                                         : nullptr;
    if (bold) {
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
    }

    for (TRow& row : rows_) {
        connect(row.volume, &QSlider::valueChanged, this, [this, &row] { VolumeChange(row); });
        connect(row.balance, &QSlider::valueChanged, this, [this, &row] { VolumeChange(row); });
        connect(row.mute, &QPushButton::clicked, this, [this, &row] { MuteClick(row); });
    }
    connect(aBass, &QSlider::valueChanged, this, [this] { ToneChange(aBass, mcBass); });
    connect(aTreble, &QSlider::valueChanged, this, [this] { ToneChange(aTreble, mcTreble); });
    connect(btHelp, &QPushButton::clicked, this, [this] {
        if (OnHelp) OnHelp(HelpTopic());
    });
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    fMixer->OnControlChange = [this](TMixerControls*, int control) { fMixerControlChange(control); };
}

TMixerDialog::~TMixerDialog()
{
    // The widgets go after the mixer, but no change may reach them meanwhile.
    fMixer->OnControlChange = nullptr;
}

QWidget* TMixerDialog::BuildRow(TRow& row, const QString& prefix, const QString& caption,
                           bool vertical)
{
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    row.label = new QLabel(caption, panel);
    row.label->setObjectName(prefix + QStringLiteral("Label"));
    row.volume = Slider(panel, prefix + QStringLiteral("Volume"),
                        vertical ? Qt::Vertical : Qt::Horizontal, 0, 100);
    row.balance = Slider(panel, prefix + QStringLiteral("Panning"), Qt::Horizontal, BalanceMin,
                         BalanceMax);
    row.balance->setTickInterval(50);
    row.balance->setPageStep(10);
    row.mute = new QPushButton(tr("Mute"), panel);
    row.mute->setObjectName(prefix + QStringLiteral("Mute"));
    row.mute->setCheckable(true);
    // A pressed Mute must read as "silent" at a glance, not by a shade.
    connect(row.mute, &QPushButton::toggled, row.mute, [button = row.mute](bool on) {
        QPalette palette = button->parentWidget()->palette();
        QFont font = button->parentWidget()->font();
        if (on) {
            palette.setColor(QPalette::Button, QColor(190, 40, 40));
            palette.setColor(QPalette::ButtonText, Qt::white);
            font.setBold(true);
        }
        button->setPalette(palette);
        button->setFont(font);
    });

    auto* balance = new QHBoxLayout;
    balance->addWidget(Small(tr("L"), panel));
    // The balance keeps a usable length when the dialog is narrow.
    row.balance->setMinimumWidth(row.balance->fontMetrics().averageCharWidth() * 10);
    balance->addWidget(row.balance, 1);
    balance->addWidget(Small(tr("R"), panel));
    if (vertical) {
        row.label->setAlignment(Qt::AlignCenter);
        row.volume->setMinimumHeight(140);
        auto* box = new QVBoxLayout(panel);
        box->addWidget(row.label);
        box->addWidget(row.volume, 1, Qt::AlignHCenter);
        box->addWidget(Small(tr("Balance"), panel));
        box->addLayout(balance);
        box->addWidget(row.mute);
    } else {
        // One label width for every line, so the sliders stand in columns.
        row.label->setMinimumWidth(
            row.label->fontMetrics().horizontalAdvance(tr("Compact Disc")) + 12);
        row.volume->setMinimumWidth(row.volume->fontMetrics().averageCharWidth() * 14);
        auto* box = new QHBoxLayout(panel);
        box->addWidget(row.label);
        box->addWidget(row.volume, 3);
        box->addSpacing(8);
        box->addLayout(balance, 2);
        box->addWidget(row.mute);
    }
    return panel;
}

void TMixerDialog::SetUpRow(TRow& row)
{
    if (fMixer->Exists(row.volumeControl)) {
        row.volume->setRange(fMixer->Minimum(row.volumeControl), fMixer->Maximum(row.volumeControl));
        row.volume->setPageStep(std::max(1, (row.volume->maximum() - row.volume->minimum()) / 10));
        row.volume->setTickInterval(row.volume->pageStep());
        ShowVolume(row, false);
    } else {
        row.volume->setEnabled(false);
        row.balance->setEnabled(false);
    }
    if (fMixer->Exists(row.muteControl))
        row.mute->setChecked(fMixer->Value(row.muteControl, 0) != fMixer->Minimum(row.muteControl));
    else
        row.mute->setEnabled(false);
}

void TMixerDialog::SetUpTone(QSlider* slider, int control)
{
    if (!fMixer->Exists(control)) {
        slider->setEnabled(false);
        return;
    }
    slider->setRange(fMixer->Minimum(control), fMixer->Maximum(control));
    // The steps of ten suit only the range the slider was built with.
    const int step = std::max(1, (slider->maximum() - slider->minimum()) / 10);
    slider->setSingleStep(1);
    slider->setPageStep(step);
    slider->setTickInterval(step);
    slider->setValue(fMixer->Value(control, 0));
}

// The sliders are moved here by the program, so their change handlers must not write back.
void TMixerDialog::ShowVolume(TRow& row, bool keepBalanceWhenSilent)
{
    const int l = fMixer->Value(row.volumeControl, 0);
    const int r = fMixer->Value(row.volumeControl, 1);
    const int vol = std::max(l, r);
    if (vol != 0 || !keepBalanceWhenSilent) {
        const QSignalBlocker block(row.balance);
        row.balance->setValue(BalanceFromChannels(l, r));
    }
    const QSignalBlocker block(row.volume);
    row.volume->setValue(vol);
}

// A refused change must not be thrown through the event loop.
template <typename F> void TMixerDialog::Guarded(F&& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        if (OnError) {
            OnError(error);
        } else {
            QApplication::beep();
            qWarning("%s", error.what());
        }
    }
}

void TMixerDialog::VolumeChange(TRow& row)
{
    const auto channels = ChannelsFromSliders(row.volume->value(), row.balance->value());
    Guarded([&] { fMixer->SetValues(row.volumeControl, channels.first, channels.second); });
}

void TMixerDialog::MuteClick(TRow& row)
{
    const int c = row.muteControl;
    const int value = row.mute->isChecked() ? fMixer->Maximum(c) : fMixer->Minimum(c);
    Guarded([&] { fMixer->SetValue(c, 0, value); });
}

void TMixerDialog::ToneChange(QSlider* slider, int control)
{
    Guarded([&] { fMixer->SetValues(control, slider->value(), slider->value()); });
}

void TMixerDialog::fMixerControlChange(int control)
{
    for (TRow& row : rows_) {
        if (control == row.volumeControl) {
            ShowVolume(row, true);
            return;
        }
        if (control == row.muteControl) {
            row.mute->setChecked(fMixer->Value(control, 0) != fMixer->Minimum(control));
            return;
        }
    }
    QSlider* tone = control == mcTreble ? aTreble : control == mcBass ? aBass : nullptr;
    if (tone) {
        const QSignalBlocker block(tone);
        tone->setValue(fMixer->Value(control, 0));
    }
}
