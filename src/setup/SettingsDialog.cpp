// The settings dialog's frame and its first three pages: the radio card with
// its port, the volume path, and start and close.

#include "SettingsDialog.h"

#include "ComCombo.h"
#include "Glyphs.h"
#include "WidgetKit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Built when the page is, so it is in the language of the moment.
QString InstalledText() { return TSettingsDialog::tr("This radio card is currently\ninstalled in your computer"); }

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A page that scrolls when the screen has too little room for it. It asks
// for the room its contents want, so the dialog opens no smaller than they
// need where the screen allows it.
class TPageScroll final : public QScrollArea
{
public:
    explicit TPageScroll(QWidget* page)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
        viewport()->setAutoFillBackground(false);
        page->setAutoFillBackground(false);
    }
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

} // namespace

TSettingsDialog::TSettingsDialog(const tSetupValues& values, tSetupFacts facts, QWidget* parent)
    : QDialog(parent), model_(values, std::move(facts)), glyphs_(std::make_unique<TGlyphs>())
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(tr("Settings"));

    pages_ = Named(new QTabWidget(this), "Pages");
    pages_->addTab(new TPageScroll(BuildCardPage()), tr("Radio card"));
    pages_->addTab(new TPageScroll(BuildVolumePage()), tr("Volume control"));
    pages_->addTab(new TPageScroll(BuildStartPage()), tr("Start/close"));
    pages_->addTab(new TPageScroll(BuildColorsPage()), tr("Colors"));
    pages_->addTab(new TPageScroll(BuildButtonsPage()), tr("Buttons"));
    pages_->addTab(new TPageScroll(BuildKeysPage()), tr("Keys"));
    pages_->addTab(new TPageScroll(BuildRecordingPage()), tr("Recording"));

    btOk = Named(new QPushButton(tr("OK"), this), "btOk");
    btOk->setDefault(true);
    auto* btCancel = Named(new QPushButton(tr("Cancel"), this), "btCancel");
    auto* btHelp = Named(new QPushButton(tr("Help"), this), "btHelp");
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [this] {
        if (OnHelp) OnHelp(QStringLiteral("Tuning_the_configuration"));
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btOk, btCancel, btHelp}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);

    // Opening: the model's line, its port group and the volume list.
    {
        const QSignalBlocker blocker(HwList);
        HwList->setCurrentRow(int(model_.Values().Model));
    }
    ShowModel();
    FitOnScreen(this, sizeHint(), true);
}

TSettingsDialog::~TSettingsDialog() = default;

QWidget* TSettingsDialog::BuildCardPage()
{
    auto* page = new QWidget;
    auto* supported = new QLabel(tr("Supported hardware"), page);
    HwList = Named(new QListWidget(page), "HwList");
    for (int m = 0; m < ModelCount; ++m) {
        const tDevCap& caps = model_.Caps(tModel(m));
        HwList->addItem(caps.Maker.isEmpty() ? CardName(caps) : caps.Maker + QLatin1Char(' ') + CardName(caps));
    }
    HwList->setFixedHeight(HwList->sizeHintForRow(0) * ModelCount + 2 * HwList->frameWidth() + 2);
    connect(HwList, &QListWidget::currentRowChanged, this, &TSettingsDialog::HwListChange);

    xCheckIfTuned = Named(new QCheckBox(tr("Check radio signal periodically"), page), "xCheckIfTuned");
    xCheckIfTuned->setChecked(model_.Values().CheckIfTuned);
    connect(xCheckIfTuned, &QCheckBox::toggled, this, [this](bool on) { model_.Plain().CheckIfTuned = on; });
    xJapFM = Named(new QCheckBox(tr("Japanese FM frequencies"), page), "xJapFM");
    connect(xJapFM, &QCheckBox::toggled, this, [this](bool on) { model_.SetJapaneseFM(on); });

    // The four groups share one place; at most one of them shows.
    gPort_030C_020C = Named(new QGroupBox(tr("Connected to"), page), "gPort_030C_020C");
    {
        auto* box = new QVBoxLayout(gPort_030C_020C);
        box->addWidget(new QLabel(tr("I/O Port"), gPort_030C_020C));
        Port_030C = Named(new QRadioButton(tr("30Ch (default)"), gPort_030C_020C), "Port_030C");
        Port_020C = Named(new QRadioButton(tr("20Ch (alternate)"), gPort_030C_020C), "Port_020C");
        box->addWidget(Port_030C);
        box->addWidget(Port_020C);
        Installed_030C_020C = NamedLabel("Installed_030C_020C", InstalledText(), gPort_030C_020C);
        box->addWidget(Installed_030C_020C);
        box->addStretch();
        connect(Port_030C, &QRadioButton::clicked, this, [this] { model_.SetPort(1); });
        connect(Port_020C, &QRadioButton::clicked, this, [this] { model_.SetPort(2); });
    }
    gPort_Serial = Named(new QGroupBox(tr("Connected to"), page), "gPort_Serial");
    {
        auto* box = new QVBoxLayout(gPort_Serial);
        box->addWidget(new QLabel(tr("Available serial port"), gPort_Serial));
        Port_Serial = Named(new TComCombo(gPort_Serial), "Port_Serial");
        // Each port with the device it stands for on this machine; a USB
        // adapter found is offered on a free number, and choosing it keeps it there.
        for (const tSerialPortChoice& port : model_.Facts().SerialPorts) {
            QString text = QStringLiteral("Com%1  %2").arg(port.Number).arg(port.Device);
            if (!port.Accessible) text += tr("  (needs the dialout group)");
            Port_Serial->addItem(text, port.Number);
        }
        box->addWidget(Port_Serial);
        Installed_Serial = NamedLabel("Installed_Serial", InstalledText(), gPort_Serial);
        box->addWidget(Installed_Serial);
        box->addStretch();
        connect(Port_Serial, &QComboBox::activated, this,
                [this](int index) { model_.SetPort(Port_Serial->itemData(index).toInt()); });
    }
    gWinNT = Named(new QGroupBox(tr("Warning"), page), "gWinNT");
    {
        auto* box = new QVBoxLayout(gWinNT);
        const QString reason = model_.Facts().PortAccessReason.trimmed();
        auto* why = NamedLabel("LWinNTReason", reason.isEmpty() ? tr("The I/O ports cannot be reached.")
                                                                : reason,
                               gWinNT);
        why->setWordWrap(true);
        QFont bold = why->font();
        bold.setBold(true);
        why->setFont(bold);
        box->addWidget(why);
        box->addWidget(NamedLabel("LWinNT",
                                  tr("Your radio card is controlled by I/O ports.\n"
                                                 "Vantoro can't access the hardware directly\n"
                                                 "without the CAP_SYS_RAWIO capability.\n"
                                                 "See the chapter \"Installing on Linux\" of\n"
                                                 "the user manual for more details."),
                                  gWinNT));
        box->addStretch();
    }
    gNoSerials = Named(new QGroupBox(tr("Warning"), page), "gNoSerials");
    {
        auto* box = new QVBoxLayout(gNoSerials);
        box->addWidget(NamedLabel(
            "LNoSerials",
            tr("No serial port can be used on\nthis computer, so this device\n"
                           "cannot be used yet. Serial ports\nare /dev/ttyS*, USB adapters\n"
                           "/dev/ttyUSB* or /dev/ttyACM*;\nusing them needs the dialout\n"
                           "group (sudo usermod -aG dialout\n$USER, then log in again).\n"
                           "Plug the adapter in and open\nthe settings again to choose it."),
            gNoSerials));
        box->addStretch();
    }

    gPort_Radio = Named(new QGroupBox(tr("Connected to"), page), "gPort_Radio");
    {
        auto* box = new QVBoxLayout(gPort_Radio);
        box->addWidget(new QLabel(tr("Radio device"), gPort_Radio));
        Port_Radio = Named(new QComboBox(gPort_Radio), "Port_Radio");
        // Each device with the card name its driver reports.
        for (const tRadioDevice& radio : model_.Facts().RadioDevices)
            Port_Radio->addItem(QStringLiteral("%1  %2").arg(radio.Device, radio.Card), radio.Number);
        box->addWidget(Port_Radio);
        if (model_.Facts().RadioDevices.empty()) {
            QLabel* none =
                NamedLabel("LNoRadios",
                           tr("No radio device found: nothing is at /dev/radio0, "
                                          "/dev/radio1, ... Connect a USB or PCI radio tuner "
                                          "(its driver makes the device), or choose one of the "
                                          "older cards in the list."),
                           gPort_Radio);
            none->setWordWrap(true);
            box->addWidget(none);
        }
        box->addStretch();
        connect(Port_Radio, &QComboBox::activated, this,
                [this](int index) { model_.SetPort(Port_Radio->itemData(index).toInt()); });
    }

    gSdr = BuildSdrGroup(page);

    // The groups share one width, so the list beside them keeps its width
    // whichever of them a model shows.
    auto* place = new QGridLayout;
    int widest = 0;
    for (QGroupBox* group : {gPort_030C_020C, gPort_Serial, gWinNT, gNoSerials, gPort_Radio, gSdr})
        widest = std::max(widest, group->sizeHint().width());
    for (QGroupBox* group : {gPort_030C_020C, gPort_Serial, gWinNT, gNoSerials, gPort_Radio, gSdr}) {
        group->setFixedWidth(widest);
        place->addWidget(group, 0, 0, Qt::AlignTop);
    }
    place->setRowStretch(1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(supported);
    left->addWidget(HwList);
    left->addWidget(xCheckIfTuned);
    left->addWidget(xJapFM);
    left->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 3);
    layout->addLayout(place, 2);
    return page;
}

QWidget* TSettingsDialog::BuildVolumePage()
{
    auto* page = new QWidget;
    auto* picture = new QLabel(page);
    picture->setPixmap(glyphs_->MuteIcon(true).pixmap(32, 32));
    // The sound card sentence only where there is one: without it the
    // capabilities below say that none is installed.
    QString intro = tr("You can set the volume properties through:");
    if (model_.Facts().SoundCard)
        intro.prepend(tr("One or more sound cards were detected on this system.\n"));
    auto* fixed = NamedLabel("LSoundCards", intro, page);
    LMessage = NamedLabel("LMessage", QString(), page);
    LMessage->setWordWrap(true);
    ScList = Named(new QListWidget(page), "ScList");
    ScList->setMaximumHeight(ScList->fontMetrics().height() * 6 + 2 * ScList->frameWidth());
    connect(ScList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) model_.ChooseVolumeSource(ScList->item(row)->text());
    });

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(fixed);
    texts->addWidget(LMessage);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(new QLabel(tr("The sound volume is controlled through"), page));
    layout->addWidget(ScList);
    xUsbAudio = Named(new QCheckBox(tr("Play the tuner's USB sound through the sound card"), page),
                      "xUsbAudio");
    xUsbAudio->setToolTip(tr("For radio devices that deliver their sound over USB; "
                                         "tuners wired to the sound card play through that cable."));
    xUsbAudio->setChecked(model_.Values().UsbAudio);
    connect(xUsbAudio, &QCheckBox::toggled, this, [this](bool on) { model_.Plain().UsbAudio = on; });
    layout->addWidget(xUsbAudio);
    layout->addStretch();
    return page;
}

QWidget* TSettingsDialog::BuildStartPage()
{
    auto* page = new QWidget;
    tSetupValues& v = model_.Plain();
    auto* startup = new QGroupBox(tr("Startup"), page);
    auto* startBox = new QVBoxLayout(startup);
    const struct {
        const char* name;
        const char* caption;
        bool tSetupValues::*value;
    } options[] = {
        {"oLastStation", QT_TR_NOOP("Tune to last station"), &tSetupValues::LastStation},
        {"oMinimized", QT_TR_NOOP("Start minimized"), &tSetupValues::StartMinimized},
        {"oShowTOD", QT_TR_NOOP("Show Tip Of The Day"), &tSetupValues::TipOfTheDay},
        {"oStartMuted", QT_TR_NOOP("Start muted"), &tSetupValues::StartMuted},
        {"oStartAlarm", QT_TR_NOOP("Start alarm if set"), &tSetupValues::LaunchAlarm},
        {"oStereoOff", QT_TR_NOOP("Force stereo off"), &tSetupValues::ForceStereoOff},
    };
    for (const auto& option : options) {
        auto* box = Named(new QCheckBox(tr(option.caption), startup), option.name);
        box->setChecked(v.*option.value);
        connect(box, &QCheckBox::toggled, this, [this, value = option.value](bool on) { model_.Plain().*value = on; });
        startBox->addWidget(box);
    }

    auto* shutdown = new QGroupBox(tr("Shutdown"), page);
    auto* shutBox = new QVBoxLayout(shutdown);
    auto* group = new QButtonGroup(shutdown);
    const char* names[] = {"oMute", "oLeave", "oAsk"};
    const char* captions[] = {QT_TR_NOOP("Mute audio"), QT_TR_NOOP("Leave in current state"), QT_TR_NOOP("Ask at shutdown")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = Named(new QRadioButton(tr(captions[i]), shutdown), names[i]);
        radio->setChecked(v.ShutDown == i);
        group->addButton(radio, i);
        shutBox->addWidget(radio);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { model_.Plain().ShutDown = id; });

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(startup, 0, Qt::AlignTop);
    layout->addWidget(shutdown, 0, Qt::AlignTop);
    return page;
}

void TSettingsDialog::HwListChange(int row)
{
    if (row < 0) return;
    model_.SelectModel(IndexToModel(row + 1));
    ShowModel();
}

void TSettingsDialog::FillVolumeList()
{
    const QSignalBlocker blocker(ScList);
    ScList->clear();
    for (const tVolumeSource& source : model_.VolumeSources()) ScList->addItem(source.Text);
    ScList->setCurrentRow(model_.VolumeSourceIndex());
    // The fixed label speaks of the sound card; the capabilities say the rest.
    LMessage->setText(model_.Capabilities().replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void TSettingsDialog::ShowModel()
{
    FillVolumeList();
    xUsbAudio->setEnabled(model_.Values().Model == mV4L2);
    {
        const QSignalBlocker blocker(xJapFM);
        xJapFM->setEnabled(model_.JapaneseFMAllowed());
        xJapFM->setChecked(model_.Values().JapaneseFM);
    }
    const tPortGroup group = model_.PortGroup();
    gPort_030C_020C->setVisible(group == tPortGroup::IOPort);
    gPort_030C_020C->setEnabled(group == tPortGroup::IOPort);
    gPort_Serial->setVisible(group == tPortGroup::Serial);
    gWinNT->setVisible(group == tPortGroup::NoPortAccess);
    gNoSerials->setVisible(group == tPortGroup::NoSerials);
    gPort_Radio->setVisible(group == tPortGroup::Radio);
    gSdr->setVisible(group == tPortGroup::Sdr);
    btOk->setEnabled(model_.OkEnabled());
    Installed_030C_020C->setVisible(model_.Installed());
    Installed_Serial->setVisible(model_.Installed());
    if (group == tPortGroup::IOPort) {
        Port_030C->setChecked(model_.Values().Port == 1);
        Port_020C->setChecked(model_.Values().Port == 2);
    } else if (group == tPortGroup::Serial) {
        Port_Serial->setCurrentIndex(model_.SerialIndex());
    } else if (group == tPortGroup::Radio) {
        Port_Radio->setCurrentIndex(Port_Radio->findData(model_.Values().Port));
    }
}
