// The settings dialog's group for the software-defined radio: where its
// samples come from, their rate, the tuner gain, the frequency correction,
// the de-emphasis and the sound output.

#include "SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>

namespace {

template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

QGroupBox* TSettingsDialog::BuildSdrGroup(QWidget* page)
{
    auto* group = Named(new QGroupBox(tr("Receiver"), page), "gSdr");
    auto* form = new QFormLayout(group);
    const tSdrSettings& sdr = model_.Values().Sdr;

    auto* source = Named(new QLineEdit(sdr.source, group), "SdrSource");
    source->setPlaceholderText(QStringLiteral("rtlsdr:0"));
    //: rtlsdr:0 and rtl_tcp:HOST:PORT are written as they are; HOST and PORT may be translated.
    source->setToolTip(tr("rtlsdr:0 for the first dongle on USB, rtl_tcp:HOST:PORT for a dongle "
                          "served by rtl_tcp, or the path of an I/Q recording (.cu8)"));
    connect(source, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.Plain().Sdr.source = text.trimmed(); });
    form->addRow(tr("Source"), source);

    auto* rate = Named(new QComboBox(group), "SdrRate");
    for (std::uint32_t r : SdrSampleRates()) {
        rate->addItem(tr("%1 samples/s").arg(QLocale::c().toString(r)), r);
        if (r == sdr.sampleRate) rate->setCurrentIndex(rate->count() - 1);
    }
    connect(rate, &QComboBox::activated, this,
            [this, rate](int index) { model_.Plain().Sdr.sampleRate = rate->itemData(index).toUInt(); });
    form->addRow(tr("Sample rate"), rate);

    auto* automatic = Named(new QCheckBox(tr("Automatic"), group), "SdrAutoGain");
    auto* gain = Named(new QDoubleSpinBox(group), "SdrGain");
    gain->setRange(-10, 60);
    gain->setDecimals(1);
    gain->setSuffix(QStringLiteral(" dB"));
    gain->setValue(sdr.gainDb);
    gain->setToolTip(tr("Taken to the nearest step the tuner has"));
    automatic->setChecked(sdr.automaticGain);
    gain->setEnabled(!sdr.automaticGain);
    connect(automatic, &QCheckBox::toggled, this, [this, gain](bool on) {
        model_.Plain().Sdr.automaticGain = on;
        gain->setEnabled(!on);
    });
    connect(gain, &QDoubleSpinBox::valueChanged, this, [this](double db) { model_.Plain().Sdr.gainDb = db; });
    auto* gainRow = new QHBoxLayout;
    gainRow->addWidget(automatic);
    gainRow->addWidget(gain, 1);
    form->addRow(tr("Gain"), gainRow);

    auto* ppm = Named(new QSpinBox(group), "SdrCorrection");
    ppm->setRange(-1000, 1000);
    ppm->setSuffix(QStringLiteral(" ppm"));
    ppm->setValue(sdr.correctionPpm);
    connect(ppm, &QSpinBox::valueChanged, this, [this](int value) { model_.Plain().Sdr.correctionPpm = value; });
    form->addRow(tr("Frequency correction"), ppm);

    auto* deemphasis = Named(new QComboBox(group), "SdrDeemphasis");
    deemphasis->addItem(tr("50 µs (Europe, Asia, Africa, Oceania)"), 50);
    deemphasis->addItem(tr("75 µs (the Americas, South Korea)"), 75);
    deemphasis->setCurrentIndex(sdr.deemphasisUs == 75 ? 1 : 0);
    connect(deemphasis, &QComboBox::activated, this, [this, deemphasis](int index) {
        model_.Plain().Sdr.deemphasisUs = deemphasis->itemData(index).toInt();
    });
    form->addRow(tr("De-emphasis"), deemphasis);

    auto* output = Named(new QLineEdit(sdr.audioDevice, group), "SdrAudioDevice");
    output->setPlaceholderText(QStringLiteral("default"));
    //: "default" is the name of an ALSA device: it stays as it is.
    output->setToolTip(tr("An ALSA playback device; \"default\" plays through PipeWire or "
                          "PulseAudio where they run"));
    connect(output, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Plain().Sdr.audioDevice = text.trimmed().isEmpty() ? QStringLiteral("default") : text.trimmed();
    });
    form->addRow(tr("Sound output"), output);
    return group;
}
