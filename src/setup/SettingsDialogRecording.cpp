// The settings dialog's recording page: the format, the folder, and whether
// the end of sleep stops a recording.

#include "SettingsDialog.h"

#include "Recorder.h"
#include "RecordingFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString FormatCaption(const QString& extension)
{
    if (extension == QLatin1String("flac")) return TSettingsDialog::tr("FLAC, lossless (.flac)");
    if (extension == QLatin1String("ogg")) return QStringLiteral("Ogg Vorbis (.ogg)");
    if (extension == QLatin1String("opus")) return QStringLiteral("Opus (.opus)");
    if (extension == QLatin1String("wav")) return TSettingsDialog::tr("WAV, uncompressed (.wav)");
    if (extension == QLatin1String("mp3")) return QStringLiteral("MP3 (.mp3)");
    return QLatin1Char('.') + extension;
}

} // namespace

QWidget* TSettingsDialog::BuildRecordingPage()
{
    auto* page = new QWidget;
    tSetupValues& v = model_.Plain();

    auto* format = new QComboBox(page);
    format->setObjectName(QStringLiteral("RecordFormat"));
    for (const QString& extension : TRecorder::Extensions()) format->addItem(FormatCaption(extension), extension);
    const int chosen = format->findData(v.RecordFormat);
    format->setCurrentIndex(chosen >= 0 ? chosen : 0);
    if (chosen < 0 && format->count() > 0) v.RecordFormat = format->currentData().toString();
    connect(format, &QComboBox::currentIndexChanged, this,
            [this, format] { model_.Plain().RecordFormat = format->currentData().toString(); });

    auto* folder = new QLineEdit(v.RecordFolder, page);
    folder->setObjectName(QStringLiteral("RecordFolder"));
    folder->setPlaceholderText(DefaultRecordingFolder());
    folder->setToolTip(tr("Empty: %1").arg(DefaultRecordingFolder()));
    connect(folder, &QLineEdit::textChanged, this, [this](const QString& text) { model_.Plain().RecordFolder = text.trimmed(); });
    auto* browse = new QPushButton(tr("Browse..."), page);
    browse->setObjectName(QStringLiteral("RecordBrowse"));
    connect(browse, &QPushButton::clicked, this, [this, folder] {
        const QString start = folder->text().isEmpty() ? DefaultRecordingFolder() : folder->text();
        const QString chosen =
            QFileDialog::getExistingDirectory(this, tr("Recording folder"), start);
        if (!chosen.isEmpty()) folder->setText(chosen);
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder, 1);
    folderRow->addWidget(browse);

    auto* sleepStops = new QCheckBox(tr("The end of sleep stops a recording"), page);
    sleepStops->setObjectName(QStringLiteral("xRecordStopsAtSleep"));
    sleepStops->setToolTip(tr("Otherwise a recording goes on while the radio is silent."));
    sleepStops->setChecked(v.RecordStopsAtSleep);
    connect(sleepStops, &QCheckBox::toggled, this, [this](bool on) { model_.Plain().RecordStopsAtSleep = on; });

    auto* form = new QFormLayout;
    form->addRow(tr("Format"), format);
    form->addRow(tr("Folder"), folderRow);
    //: The example name is how the program names the file; "Station" may be translated.
    auto* note = new QLabel(tr("Recordings are named after the station and the time they begin, "
                               "as in \"Station - 2026-12-07 20-00.flac\"; a title the station "
                               "announces goes into a cue sheet beside the file."),
                            page);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(sleepStops);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}
