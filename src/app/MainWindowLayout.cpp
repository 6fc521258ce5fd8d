// The front panel's controls, where the complete layout puts them, and how
// the colour settings paint the read-out, labels and button lamps.

#include "MainWindow.h"

#include "Display.h"
#include "Glyphs.h"
#include "GradientBar.h"
#include "Helpers.h"
#include "MainLayout.h"
#include "ScrollingText.h"
#include "SpinButton.h"
#include "TrayIcon.h"
#include "WidgetKit.h"

#include <QApplication>
#include <QLocale>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QToolButton>
#include <cmath>

namespace {

// The focus keeper: it takes the keyboard focus but is never seen.
class TUnseenSlider final : public QSlider
{
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent*) override {}
};

// The panel's type sizes, as shares of the desktop's font, so the panel
// follows the font the user chose and the screen's density.
constexpr double Large = 1.1;
constexpr double Normal = 0.9;
constexpr double Small = 0.85;
constexpr double Tiny = 0.75;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry, double scale,
                  bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                  const QStringList& widest = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(PanelFont(scale, bold, widest.isEmpty() ? QStringList{text} : widest, geometry.size()));
    label->setAlignment(align);
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* name, const QRect& geometry, const QString& hint = QString())
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setToolTip(hint);
    return label;
}

} // namespace

QToolButton* TMainWindow::MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                                const QRect& geometry)
{
    QToolButton* button = MakeToolButton(parent, name, caption, hint, geometry);
    button->setFont(PanelFont(Small, false, {caption}, geometry.size() - QSize(4, 0)));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TMainWindow::BuildForm()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    client->setFixedSize(MainLayoutOf(0)->Width - MainFrameWidth, MainLayoutOf(0)->Height - MainFrameHeight);

    // The hidden slider that takes the keyboard focus away from a preset
    // button once it has been clicked, so keys go on reaching the commands.
    Temp = new TUnseenSlider(Qt::Horizontal, client);
    Temp->setObjectName(QStringLiteral("Temp"));
    Temp->setGeometry(0, 0, 1, 1);
    Temp->setFocusPolicy(Qt::StrongFocus);
    Temp->installEventFilter(this);
    Temp->lower();

    BuildPanel();
    BuildTuner();
    BuildPresetsGroup();
    BuildButtons();
    BuildRdsLine();
}

void TMainWindow::BuildRdsLine()
{
    const int width = MainLayoutOf(0)->Width - MainFrameWidth;
    RdsLine = new QWidget(centralWidget());
    RdsLine->setObjectName(QStringLiteral("RdsLine"));
    RdsLine->setGeometry(0, 0, width, MainRdsLineHeight);
    SetFill(RdsLine, Qt::black);
    Pty = MakeLabel(RdsLine, "Pty", QString(), QRect(4, 1, 120, 15), Small, true, Qt::AlignLeft | Qt::AlignVCenter,
                    {ProgrammeTypeText(18, false), ProgrammeTypeText(17, true)});
    Pty->setToolTip(tr("Programme type"));
    RdsText = new TScrollingText(RdsLine);
    RdsText->setObjectName(QStringLiteral("RdsText"));
    RdsText->setGeometry(128, 1, width - 128 - 92, 15);
    RdsText->setFont(PanelFont(Small, false, {QStringLiteral("Radio text")}, QSize(200, 15)));
    Meter = MakeLabel(RdsLine, "Meter", QString(), QRect(width - 88, 1, 84, 15), Small, true,
                      Qt::AlignRight | Qt::AlignVCenter, {tr("%1 dB").arg(-100)});
    Meter->setToolTip(tr("Signal level"));
}

void TMainWindow::ShowRdsLine()
{
    const bool rds = card_->Active() && card_->Caps().HasRds;
    const TRdsDecoder& decoder = card_->Rds();
    // Type 0 says the station gives none.
    const int pty = rds ? decoder.Pty().value_or(0) : 0;
    Pty->setText(pty ? ProgrammeTypeText(pty, NorthAmericanRds(QLocale())) : QString());
    RdsText->SetText(rds ? decoder.Rt() : QString());
    const std::optional<double> level = card_->Active() ? card_->SignalLevelDb() : std::nullopt;
    Meter->setText(level ? tr("%1 dB").arg(std::lround(*level)) : QString());
}

void TMainWindow::BuildPanel()
{
    Panel = new QWidget(centralWidget());
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setGeometry(0, 4, 300, 69);
    SetFill(Panel, Qt::black);

    AM_FM = MakeLabel(Panel, "AM_FM", QStringLiteral("FM"), QRect(4, 5, 30, 16), Large, true, Qt::AlignLeft | Qt::AlignVCenter,
                      {QStringLiteral("FM"), QStringLiteral("AM")});
    HZ = MakeLabel(Panel, "HZ", QStringLiteral("MHz"), QRect(4, 30, 32, 14), Normal, false, Qt::AlignLeft | Qt::AlignVCenter,
                   {QStringLiteral("MHz"), QStringLiteral("kHz")});
    constexpr int cellWidth = 34, cellHeight = 46, cellTop = 3;
    const int cellLeft[6] = {36, 70, 104, 146, 180, 214};
    for (int i = 0; i < 6; ++i) {
        auto* cell = new TDisplay(Panel);
        cell->setObjectName(QStringLiteral("Dig%1").arg(i + 1));
        cell->setGeometry(cellLeft[i], cellTop, cellWidth, cellHeight);
        cell->SetMargin(2);
        cell->SetDigit(' ');
        Dig[std::size_t(i)] = cell;
    }
    Point = new QWidget(Panel);
    Point->setObjectName(QStringLiteral("Point"));
    Point->setGeometry(139, cellTop + cellHeight - 9, 6, 6);

    Tuned = MakeLabel(Panel, "Tuned", QStringLiteral("?????"), QRect(252, 4, 46, 13), Normal, true,
                      Qt::AlignLeft | Qt::AlignVCenter,
                      {SignalText(sgNone), SignalText(sgTuned), SignalText(sgStereo), SignalText(sgMono)});
    icScan = MakePicture(Panel, "icScan", QRect(266, 5, 16, 11));
    icScan->hide();
    icMusicOnOff = MakePicture(Panel, "icMusicOnOff", QRect(254, 22, 11, 11));
    icAlarmOnOff = MakePicture(Panel, "icAlarmOnOff", QRect(269, 22, 11, 11));
    icSleepOnOff = MakePicture(Panel, "icSleepOnOff", QRect(284, 22, 11, 11));
    icProgOnOff = MakePicture(Panel, "icProgOnOff", QRect(262, 37, 26, 11));

    Sep = new TGradientBar(Panel);
    Sep->setObjectName(QStringLiteral("Sep"));
    Sep->setGeometry(4, 51, 292, 1);

    StationNum = MakeLabel(Panel, "StationNum", QStringLiteral("??"), QRect(4, 53, 26, 14), Normal, true,
                           Qt::AlignLeft | Qt::AlignVCenter, {QStringLiteral("100")});
    StationNum->setToolTip(tr("Favorite n."));
    Station = MakeLabel(Panel, "Station", QString(), QRect(32, 53, 178, 14), Normal, true);
    Station->setToolTip(tr("Name of the radio station"));
    // Wide enough for a twelve-hour clock with its AM/PM.
    HHMMSS = MakeLabel(Panel, "HHMMSS", QString(), QRect(212, 53, 84, 14), Normal, true,
                       Qt::AlignRight | Qt::AlignVCenter, {QStringLiteral("00:00:00 PM")});
    HHMMSS->setToolTip(tr("Current time"));
    // Over the right end of the station's name while recording.
    icRecord = MakeLabel(Panel, "icRecord", QString(), QRect(122, 53, 88, 14), Normal, true,
                         Qt::AlignRight | Qt::AlignVCenter,
                         {QStringLiteral("\u25CF ") + tr("REC") + QStringLiteral(" 00:00:00")});
    icRecord->setAutoFillBackground(true);
    icRecord->hide();
}

void TMainWindow::BuildTuner()
{
    gpTuner = new QGroupBox(tr("Tuner "), centralWidget());
    gpTuner->setObjectName(QStringLiteral("gpTuner"));
    // Its frame runs from under the menu bar to the volume group: at the
    // form's top of -2 the menu bar would cut its frame and title.
    gpTuner->setGeometry(301, 0, 312, 73);
    gpTuner->setFont(PanelFont(Small, false, {}, QSize(100, 14)));

    sFrequency = new QSlider(Qt::Horizontal, gpTuner);
    sFrequency->setObjectName(QStringLiteral("sFrequency"));
    sFrequency->setGeometry(2, 14, 286, 18);
    sFrequency->setTickPosition(QSlider::TicksBelow);
    sFrequency->installEventFilter(this);
    connect(sFrequency, &QSlider::valueChanged, this, &TMainWindow::sFrequencyChange);
    connect(sFrequency, &QSlider::sliderReleased, this, &TMainWindow::ShowSignal);

    for (int i = 0; i < 12; ++i) {
        // Every scale shares the font that fits the widest AM label between two AM marks.
        Freq[std::size_t(i)] = MakeLabel(gpTuner, "", QString(), QRect(3 + 38 * i, 33, ScaleLabelWidth(bAM, false), 10),
                                         Tiny, false, Qt::AlignLeft | Qt::AlignVCenter, {QStringLiteral("1620")});
        Freq[std::size_t(i)]->setObjectName(QStringLiteral("Freq%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    }

    btFM = MakeButton(gpTuner, "btFM", QStringLiteral("fm"), QString(), QRect(289, 12, 20, 17));
    btAM = MakeButton(gpTuner, "btAM", QStringLiteral("am"), QString(), QRect(289, 30, 20, 17));
    for (QToolButton* b : {btFM, btAM}) b->setCheckable(true);
    connect(btFM, &QToolButton::clicked, this, &TMainWindow::btFMClick);
    connect(btAM, &QToolButton::clicked, this, &TMainWindow::btAMClick);

    constexpr int row = 48;
    btTunePrev = MakeButton(gpTuner, "btTunePrev", QString(), tr("Tune previous"), QRect(4, row, 30, 22));
    btTunePrev->setArrowType(Qt::LeftArrow);
    btTuneNext = MakeButton(gpTuner, "btTuneNext", QString(), tr("Tune next"), QRect(36, row, 30, 22));
    btTuneNext->setArrowType(Qt::RightArrow);
    connect(btTunePrev, &QToolButton::clicked, this, &TMainWindow::Actions_TunePrev);
    connect(btTuneNext, &QToolButton::clicked, this, &TMainWindow::Actions_TuneNext);

    Step = MakeLabel(gpTuner, "Step", QStringLiteral("25"), QRect(70, row + 4, 22, 14), Small, true,
                     Qt::AlignRight | Qt::AlignVCenter);
    LStep = MakeLabel(gpTuner, "LStep", QStringLiteral("kHz"), QRect(94, row + 4, 22, 14), Small);
    btSpinStep = new TSpinButton(gpTuner);
    btSpinStep->setObjectName(QStringLiteral("btSpinStep"));
    btSpinStep->setGeometry(117, row, 13, 22);
    // The upper arrow makes the step larger.
    connect(btSpinStep, &TSpinButton::TopClick, this, &TMainWindow::Actions_StepDec);
    connect(btSpinStep, &TSpinButton::BottomClick, this, &TMainWindow::Actions_StepInc);
    sStep = new QSlider(Qt::Horizontal, gpTuner);
    sStep->setObjectName(QStringLiteral("sStep"));
    sStep->setToolTip(tr("Adjust step"));
    sStep->setGeometry(132, row + 2, 60, 18);
    sStep->installEventFilter(this);
    connect(sStep, &QSlider::valueChanged, this, &TMainWindow::SetStepFromSlider);

    btJump = MakeButton(gpTuner, "btJump", tr("Go"), tr("Jump directly to a frequency"),
                        QRect(196, row, 26, 22));
    LScan = MakeLabel(gpTuner, "LScan", tr("Scan"), QRect(224, row + 4, 28, 14), Small);
    btScanPrev = MakeButton(gpTuner, "btScanPrev", QString(), tr("Scan previous"), QRect(253, row, 26, 22));
    btScanPrev->setArrowType(Qt::LeftArrow);
    btScanNext = MakeButton(gpTuner, "btScanNext", QString(), tr("Scan next"), QRect(280, row, 26, 22));
    btScanNext->setArrowType(Qt::RightArrow);
    btStopScan = MakeButton(gpTuner, "btStopScan", tr("Stop"), tr("Halt scanning"),
                            QRect(253, row, 53, 22));
    btStopScan->hide();
    connect(btJump, &QToolButton::clicked, this, &TMainWindow::Actions_Jump);
    connect(btScanPrev, &QToolButton::clicked, this, &TMainWindow::Actions_ScanPrev);
    connect(btScanNext, &QToolButton::clicked, this, &TMainWindow::Actions_ScanNext);
    connect(btStopScan, &QToolButton::clicked, this, &TMainWindow::Actions_StopScan);
}

void TMainWindow::BuildPresetsGroup()
{
    gpPresets = new QGroupBox(tr("Presets"), centralWidget());
    gpPresets->setObjectName(QStringLiteral("gpPresets"));
    gpPresets->setGeometry(0, 73, 300, 47);
    gpPresets->setFont(PanelFont(Small, false, {}, QSize(100, 14)));
    for (int k = 1; k <= 10; ++k) {
        QToolButton* b = MakeButton(gpPresets, "", PresetNumText(k), QString(), QRect(4 + (k - 1) * 28, 14, 27, 30));
        b->setObjectName(QStringLiteral("btRadio") + PresetNumText(k));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(16, 11));
        b->setFont(PanelFont(Tiny, false, {QStringLiteral("00")}, QSize(23, 14)));
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, k] { btRadioClick(k); });
        connect(b, &QToolButton::customContextMenuRequested, this,
                [this, k, b](const QPoint& pos) { btMenuPopup(k, b->mapToGlobal(pos)); });
        btRadio[std::size_t(k - 1)] = b;
    }
    btNextPrev = new TSpinButton(gpPresets);
    btNextPrev->setObjectName(QStringLiteral("btNextPrev"));
    btNextPrev->setToolTip(tr("Next/Prev row of favorites"));
    btNextPrev->setGeometry(285, 14, 12, 30);
    connect(btNextPrev, &TSpinButton::TopClick, this, &TMainWindow::btNextPrevTopClick);
    connect(btNextPrev, &TSpinButton::BottomClick, this, &TMainWindow::btNextPrevBottomClick);
}

void TMainWindow::BuildButtons()
{
    gpVolume = new QGroupBox(tr("Volume"), centralWidget());
    gpVolume->setObjectName(QStringLiteral("gpVolume"));
    gpVolume->setGeometry(301, 73, 133, 47);
    gpVolume->setFont(PanelFont(Small, false, {}, QSize(100, 14)));

    // Lamp and three letters must fit the 42-pixel buttons, at the letters'
    // own spacing: one size for all eight rather than letters run together,
    // in narrowed letters so that size stays readable. The style draws the
    // caption after the lamp and 4 pixels, inside a 2-pixel border; 2 more
    // pixels keep the widest caption off the right edge.
    const QFont captions =
        PanelFont(Normal, false,
                  {QStringLiteral("MTE"), QStringLiteral("ALM"), QStringLiteral("SLP"),
                   QStringLiteral("PRG"), QStringLiteral("CLR"), QStringLiteral("MEM"),
                   QStringLiteral("STR"), QStringLiteral("OFF")},
                  QSize(42 - 2 - 16 - 4 - 2 - 2, 21), QFont::Condensed);
    auto panelButton = [this, &captions](const char* name, const char* caption, const char* hint, int left, int top) {
        QToolButton* b = MakeButton(centralWidget(), name, QLatin1String(caption), tr(hint),
                                    QRect(left, top, 42, 21));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(16, 11));
        b->setFont(captions);
        b->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; }"));
        return b;
    };
    btMute = panelButton("btMute", "MTE", QT_TR_NOOP("Mute on/off"), 438, 78);
    btAlarm = panelButton("btAlarm", "ALM", QT_TR_NOOP("Alarm on/off"), 482, 78);
    btSleep = panelButton("btSleep", "SLP", QT_TR_NOOP("Sleep on/off"), 526, 78);
    btProg = panelButton("btProg", "PRG", QT_TR_NOOP("Programming mode on/off"), 570, 78);
    btClr = panelButton("btClr", "CLR", QT_TR_NOOP("Clear a favorite"), 438, 99);
    btMem = panelButton("btMem", "MEM", QT_TR_NOOP("Store a favorite"), 482, 99);
    btStr = panelButton("btStr", "STR", QT_TR_NOOP("Force Mono/Stereo"), 526, 99);
    OnOff = panelButton("OnOff", "OFF", QT_TR_NOOP("Power off"), 570, 99);
    BuildVolumeGroup();
    connect(btAlarm, &QToolButton::clicked, this, &TMainWindow::Actions_Alarm);
    connect(btSleep, &QToolButton::clicked, this, &TMainWindow::Actions_Sleep);
    connect(btProg, &QToolButton::clicked, this, &TMainWindow::Actions_Prog);
    connect(btClr, &QToolButton::clicked, this, &TMainWindow::btClrClick);
    connect(btMem, &QToolButton::clicked, this, &TMainWindow::Stations_Memory);
    connect(btStr, &QToolButton::clicked, this, &TMainWindow::Actions_Stereo);
    connect(OnOff, &QToolButton::clicked, this, &TMainWindow::File_Exit);
}

void TMainWindow::SetDisplayType(int type)
{
    // Also while busy: a layout only moves controls.
    if (!MainLayoutOf(type)) return;
    settings_.DisplayType = type;
    ApplyLayout();
    SettingsChanged();
}

void TMainWindow::ApplyLayout()
{
    const tMainLayout* layout = MainLayoutOf(settings_.DisplayType);
    if (!layout) return;
    centralWidget()->setFixedSize(layout->Width - MainFrameWidth, layout->Height - MainFrameHeight);
    gpTuner->setVisible(layout->Tuner);
    gpTuner->setEnabled(layout->Tuner && card_->Active());
    gpPresets->setVisible(layout->Presets);
    gpPresets->setEnabled(layout->Presets && card_->Active());
    gpVolume->setVisible(layout->Volume);
    RdsLine->setVisible(layout->Tuner);
    RdsLine->move(0, layout->Height - MainFrameHeight - MainRdsLineHeight);
    // The panel buttons go with the volume group. Where they are not shown
    // they are hidden rather than left outside the window, so they never
    // take a click or the focus there.
    const std::array<QToolButton*, 4> upper{btMute, btAlarm, btSleep, btProg};
    const std::array<QToolButton*, 4> lower{btClr, btMem, btStr, OnOff};
    for (int i = 0; i < 4; ++i) {
        upper[std::size_t(i)]->setVisible(layout->Volume);
        lower[std::size_t(i)]->setVisible(layout->Volume);
    }
    if (layout->Volume) {
        gpVolume->setGeometry(layout->VolumeGroup);
        sVolume->setGeometry(3, 15, layout->VolumeSliderWidth, sVolume->height());
        btMixer->move(layout->Mixer);
        VcDisabled->setGeometry(3, 14, layout->VolumeGroup.width() - 6, VcDisabled->height());
        for (int i = 0; i < 4; ++i) {
            upper[std::size_t(i)]->move(layout->ButtonsLeft + 44 * i, layout->UpperRow);
            lower[std::size_t(i)]->move(layout->ButtonsLeft + 44 * i, layout->LowerRow);
        }
        if (started_) EnableVolumeControls();
    } else {
        gpVolume->setEnabled(false);
    }
    ShowCommandState();
    // A narrow window keeps every menu on its bar, none behind an overflow
    // arrow: "Help" moves under "Options" there.
    const bool narrow = layout->Width < MainLayoutOf(0)->Width;
    if (auto* help = findChild<QMenu*>(QStringLiteral("HelpMenu")))
        help->menuAction()->setVisible(!narrow);
    if (auto* help = findChild<QMenu*>(QStringLiteral("OptionsHelp")))
        help->menuAction()->setVisible(narrow);
    adjustSize();
    setFixedSize(sizeHint());
}

void TMainWindow::Display_AlwaysOnTop()
{
    settings_.AlwaysOnTop = !settings_.AlwaysOnTop;
    ShowCommandState();
    // A new window flag hides the window; a shown one comes back at once.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, settings_.AlwaysOnTop);
    if (shown) show();
    SettingsChanged();
}

void TMainWindow::SetStationName(const QString& name)
{
    // A name too long for the panel ends in "…" and the hint shows it whole.
    const QString shown = Station->fontMetrics().elidedText(name, Qt::ElideRight, Station->width());
    Station->setText(shown);
    stationHint_ = shown == name ? tr("Name of the radio station") : name;
    Station->setToolTip(rdsHintLines_.isEmpty() ? stationHint_ : stationHint_ + QLatin1Char('\n') + rdsHintLines_);
    PlayerChanged(); // a preset's or the RDS name
}

QColor TMainWindow::TextColour(bool bright) const
{
    const int lamp = LampColourIndex(settings_.ColorText, 15);
    return PaletteColour(bright ? lamp : DimColourIndex(lamp, 8));
}

QPixmap TMainWindow::Picture(const QString& name) const
{
    return RecolourBlack(glyphs_->Pixmap(name), PaletteColour(settings_.ColorPanel));
}

void TMainWindow::ApplyColours()
{
    const QColor panel = PaletteColour(settings_.ColorPanel);
    const QColor on = PaletteColour(settings_.Foreground);
    const QColor off =
        UnlitColour(settings_.Background, settings_.Foreground, settings_.ColorPanel);
    const TReadoutStyle style = ReadoutStyle(settings_.Style);
    for (TDisplay* cell : Dig) {
        cell->SetOnColor(on);
        cell->SetOffColor(off);
        cell->SetBackColor(panel);
        cell->SetPenOnColor(panel);
        cell->SetPenOffColor(panel);
        cell->SetDigitStyle(style.Style);
        cell->SetSegWidth(style.SegWidth);
    }
    SetFill(Point, on);
    SetFill(Panel, panel);
    // The separator fades from the labels' colour into the panel's.
    Sep->SetColours(TextColour(true), panel);
    for (QLabel* label : {StationNum, Station, HHMMSS, AM_FM, HZ, Pty, Meter}) SetTextColour(label, TextColour(true));
    SetFill(RdsLine, panel);
    RdsText->SetColour(TextColour(true));
    // The signal label keeps its text (only a signal read changes it); dim
    // when it says no signal.
    SetTextColour(Tuned, TextColour(Tuned->text() != SignalText(sgNone)));
    muted_ = card_->Muted();
    RefreshMuteIndicator();
    RefreshAlarmIndicator();
    RefreshSleepIndicator();
    RefreshProgIndicator();
}

void TMainWindow::RefreshMuteIndicator()
{
    const bool silent = Silent();
    btMute->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, silent)));
    icMusicOnOff->setPixmap(Picture(TGlyphs::IndicatorName(QStringLiteral("RADIO"), settings_.ColorFlag, !silent)));
    const QIcon icon = glyphs_->MuteIcon(!silent);
    setWindowIcon(icon);
    if (trayIcon_) trayIcon_->SetIcon(icon);
    ShowCommandState();
}

void TMainWindow::RefreshAlarmIndicator()
{
    btAlarm->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, alarmOn_)));
    icAlarmOnOff->setPixmap(Picture(TGlyphs::IndicatorName(QStringLiteral("ALARM"), settings_.ColorFlag, alarmOn_)));
    ShowCommandState();
}

void TMainWindow::RefreshSleepIndicator()
{
    btSleep->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, sleepOn_)));
    icSleepOnOff->setPixmap(Picture(TGlyphs::IndicatorName(QStringLiteral("SLEEP"), settings_.ColorFlag, sleepOn_)));
    ShowCommandState();
}

void TMainWindow::RefreshProgIndicator()
{
    const bool on = runner_.ProgOn();
    btProg->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, on)));
    icProgOnOff->setPixmap(Picture(TGlyphs::IndicatorName(QStringLiteral("PROG"), settings_.ColorFlag, on)));
    ShowCommandState();
    // Alarm and sleep wait while a script runs.
    btAlarm->setEnabled(!on);
    btSleep->setEnabled(!on);
}

void TMainWindow::RefreshMemButton()
{
    btMem->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, storePending_)));
}

void TMainWindow::RefreshClrButton()
{
    btClr->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, clearPending_)));
}

bool TMainWindow::StereoShown() const
{
    // The wish is kept for FM; on AM nothing is stereo, so STR is dark.
    return stereoWanted_ && card_->Band() == bFM;
}

void TMainWindow::RefreshStrButton()
{
    btStr->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, StereoShown())));
    ShowCommandState();
}

void TMainWindow::RefreshGlyphs(bool presets)
{
    OnOff->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(settings_.ColorGenericButton, false)));
    RefreshMuteIndicator();
    RefreshAlarmIndicator();
    RefreshSleepIndicator();
    RefreshProgIndicator();
    RefreshMemButton();
    RefreshClrButton();
    RefreshStrButton();
    if (presets) ShowPresetRow();
}
