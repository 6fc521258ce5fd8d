#include "ArchiveDialog.h"

#include "ArchiveModel.h"
#include "Glyphs.h"
#include "Helpers.h"
#include "Profile.h"
#include "Prompts.h"
#include "SpinButton.h"
#include "TunerPanel.h"
#include "WidgetKit.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

// A drag of the selected tree node; the data only marks it as ours.
const QString NodeMime = QStringLiteral("application/x-vantoro-archive-node");

constexpr int Width = 620;
constexpr int ScaleLeft = 170;

} // namespace

void TRadioTree::startDrag(Qt::DropActions)
{
    if (!currentIndex().isValid()) return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(NodeMime, QByteArray());
    drag->setMimeData(data);
    drag->setPixmap(model()->data(currentIndex(), Qt::DecorationRole).value<QIcon>().pixmap(16, 16));
    drag->exec(Qt::MoveAction);
}

void TRadioTree::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TRadioTree::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TRadioTree::dropEvent(QDropEvent* event)
{
    if (event->source() != this) return event->ignore();
    // The tree moves the node itself; nothing is to be removed by the drag.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const QModelIndex target = indexAt(event->position().toPoint());
    if (target.isValid()) emit Dropped(target);
}

void TRadioTree::keyPressEvent(QKeyEvent* event)
{
    QTreeView::keyPressEvent(event);
    emit KeyEvent();
}

void TRadioTree::keyReleaseEvent(QKeyEvent* event)
{
    QTreeView::keyReleaseEvent(event);
    emit KeyEvent();
}

TArchiveDialog::TArchiveDialog(TArchive archive, tPresets& presets, int& currentPreset, const tArchiveDialogSetup& setup,
                         TCardThread& card, TPrompts& prompts, const TGlyphs& glyphs, QWidget* parent)
    : QDialog(parent), archive_(std::move(archive)), presets_(presets), current_(currentPreset), setup_(setup),
      card_(card), prompts_(prompts), glyphs_(glyphs), tuner_(card, setup.FMStep)
{
    setObjectName(QStringLiteral("ArchiveDialog"));
    setWindowTitle(tr("Channels organizer"));
    BuildTree();
    BuildPresets();
    BuildTuner();
    BuildButtons();
    opened_ = ArchiveText();
    tuner_.OnSet = [this](double f, tBand band) {
        TArchiveNode* node = Selected();
        if (!node || !node->IsStation()) return;
        node->Record.Frequency = f;
        node->Record.Band = std::uint8_t(band);
    };
    // The tuner's jobs report here once the card has done them.
    tuner_.OnTuned = [this](int signal) { ShowTuner(signal); };
    {
        const QSignalBlocker blocker(StepSlider);
        StepSlider->setRange(setup_.StepMin, setup_.StepMax);
        StepSlider->setValue(tuner_.StepUnits());
    }
    Step->setText(QString::number(tuner_.StepKHz()));
    SetTuner(bFM, std::nullopt);
    RadioTree->setCurrentIndex(model_->IndexOf(&archive_.Root()));
    ApplySelection();
}

TArchiveDialog::~TArchiveDialog() = default;

void TArchiveDialog::BuildTree()
{
    model_ = new TArchiveModel(archive_, this);
    model_->OnRename = [this](TArchiveNode& node, const QString& text) { return Renamed(node, text); };
    RadioTree = new TRadioTree(this);
    RadioTree->setObjectName(QStringLiteral("RadioTree"));
    RadioTree->setGeometry(8, 8, 250, 236);
    RadioTree->header()->hide();
    RadioTree->setModel(model_);
    RadioTree->setEditTriggers(QAbstractItemView::EditKeyPressed);
    RadioTree->setDragEnabled(true);
    RadioTree->setAcceptDrops(true);
    RadioTree->setDropIndicatorShown(true);
    RadioTree->setDragDropMode(QAbstractItemView::DragDrop);
    RadioTree->setUniformRowHeights(true); // large archives open without a stall
    RadioTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RadioTree, &TRadioTree::Dropped, this, &TArchiveDialog::DropOnTree);
    connect(RadioTree, &TRadioTree::KeyEvent, this, &TArchiveDialog::ApplySelection);
    connect(RadioTree, &QTreeView::clicked, this, &TArchiveDialog::ApplySelection);
    connect(RadioTree->selectionModel(), &QItemSelectionModel::currentChanged, this, &TArchiveDialog::ApplySelection);
    connect(RadioTree, &QTreeView::expanded, this, [this](const QModelIndex& i) { model_->SetOpen(i, true); });
    connect(RadioTree, &QTreeView::collapsed, this, [this](const QModelIndex& i) { model_->SetOpen(i, false); });
    RadioTree->expand(model_->IndexOf(&archive_.Root()));

    OrgMenu = new QMenu(this);
    OrgMenu->setObjectName(QStringLiteral("OrgMenu"));
    miRename = OrgMenu->addAction(tr("Rename"), this, &TArchiveDialog::Rename);
    miRename->setObjectName(QStringLiteral("miRename"));
    miDelete = OrgMenu->addAction(tr("Delete"), this, &TArchiveDialog::Delete);
    miDelete->setObjectName(QStringLiteral("miDelete"));
    QMenu* add = OrgMenu->addMenu(tr("Add"));
    miAdd = add->menuAction();
    miAdd->setObjectName(QStringLiteral("miAdd"));
    add->addAction(tr("Folder"), this, &TArchiveDialog::AddFolder)->setObjectName(QStringLiteral("miFolder"));
    add->addAction(tr("Station"), this, &TArchiveDialog::AddStation)->setObjectName(QStringLiteral("miStation"));
    connect(RadioTree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { OrgMenu->popup(RadioTree->viewport()->mapToGlobal(at)); });
}

void TArchiveDialog::BuildPresets()
{
    gpPresets = new QGroupBox(tr("Presets"), this);
    gpPresets->setObjectName(QStringLiteral("gpPresets"));
    gpPresets->setGeometry(266, 2, 346, 242);
    BtMenu = new QMenu(this);
    BtMenu->setObjectName(QStringLiteral("BtMenu"));
    miClear = BtMenu->addAction(tr("Clear"), this, [this] { ClearPreset(menuButton_); });
    miClear->setObjectName(QStringLiteral("miClear"));
    BtMenu->addAction(tr("Clear all"), this, &TArchiveDialog::ClearAllPresets)
        ->setObjectName(QStringLiteral("miClearAll"));
    QFont small = font();
    small.setPixelSize(9);
    for (int n = 1; n <= tPresets::Count; ++n) {
        auto* button = new QToolButton(gpPresets);
        button->setObjectName(QStringLiteral("btRadio") + PresetNumText(n));
        button->setText(PresetNumText(n));
        button->setFont(small);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(16, 11));
        button->setGeometry(8 + ((n - 1) % 10) * 33, 18 + ((n - 1) / 10) * 22, 33, 22);
        button->setAcceptDrops(true);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this] { RadioTree->setFocus(); });
        connect(button, &QWidget::customContextMenuRequested, this, [this, n, button](const QPoint& at) {
            menuButton_ = n;
            miClear->setEnabled(presets_[n].Used != 0);
            BtMenu->popup(button->mapToGlobal(at));
        });
        btRadio[std::size_t(n)] = button;
        // Every button starts unlit, the current preset's too.
        ShowPresetButton(n, false);
    }
}

void TArchiveDialog::BuildTuner()
{
    StationData = new QGroupBox(tr("Tuner"), this);
    StationData->setObjectName(QStringLiteral("StationData"));
    StationData->setGeometry(8, 246, 604, 78);

    Readout = MakeTunerReadout(StationData, QRect(8, 16, 118, 36), QSize(16, 28), 18, 2, QRect(59, 28, 3, 3));
    AM_FM = MakeLabel(StationData, QStringLiteral("AM_FM"), QString(), QRect(132, 16, 30, 14));
    HZ = MakeLabel(StationData, QStringLiteral("HZ"), QString(), QRect(132, 30, 30, 14));
    Tuned = MakeLabel(StationData, QStringLiteral("Tuned"), QString(), QRect(132, 44, 16, 14));
    SetFill(Tuned, Qt::black);
    Tuned->setAlignment(Qt::AlignCenter);
    LOut = MakeLabel(StationData, QStringLiteral("LOut"), tr("OUT OF RANGE"), QRect(330, 58, 100, 14));
    SetTextColour(LOut, Qt::red);

    Frequency = new QSlider(Qt::Horizontal, StationData);
    Frequency->setObjectName(QStringLiteral("Frequency"));
    Frequency->setGeometry(ScaleLeft - 5, 14, 274, 20);
    connect(Frequency, &QSlider::valueChanged, this, [this](int position) {
        SetTuner(tuner_.BandShown(), position / 1000.0, Frequency->isSliderDown());
    });
    connect(Frequency, &QSlider::sliderReleased, this, [this] {
        const bool fm = tuner_.BandShown() == bFM;
        const double f = tuner_.Frequency();
        Frequency->setToolTip(FrequencyText(f) + (fm ? QStringLiteral(" MHz") : QStringLiteral(" kHz")));
        SetTuner(tuner_.BandShown(), f);
    });
    Freq = MakeTunerScale(StationData, 34);

    btTunePrev = MakeToolButton(StationData, "btTunePrev", QString(), tr("Tune previous"), QRect(456, 14, 22, 20));
    btTunePrev->setArrowType(Qt::LeftArrow);
    btTuneNext = MakeToolButton(StationData, "btTuneNext", QString(), tr("Tune next"), QRect(480, 14, 22, 20));
    btTuneNext->setArrowType(Qt::RightArrow);
    connect(btTunePrev, &QToolButton::clicked, this, [this] {
        if (busy_) return;
        tuner_.TunePrev(tuner_.AskedFor().value_or(Frequency->value() / 1000.0));
    });
    connect(btTuneNext, &QToolButton::clicked, this, [this] {
        if (busy_) return;
        tuner_.TuneNext(tuner_.AskedFor().value_or(Frequency->value() / 1000.0));
    });
    btFM = MakeToolButton(StationData, "btFM", QStringLiteral("fm"), QString(), QRect(524, 14, 34, 20));
    btAM = MakeToolButton(StationData, "btAM", QStringLiteral("am"), QString(), QRect(560, 14, 34, 20));
    btFM->setCheckable(true);
    btAM->setCheckable(true);
    connect(btFM, &QToolButton::clicked, this, [this] { SetTuner(bFM, std::nullopt); });
    connect(btAM, &QToolButton::clicked, this, [this] { SetTuner(bAM, std::nullopt); });

    LScan = MakeLabel(StationData, QStringLiteral("LScan"), tr("Scan"), QRect(456, 40, 28, 14));
    btScanPrev = MakeToolButton(StationData, "btScanPrev", QStringLiteral("<<"), tr("Scan previous"), QRect(486, 38, 26, 18));
    btScanNext = MakeToolButton(StationData, "btScanNext", QStringLiteral(">>"), tr("Scan next"), QRect(514, 38, 26, 18));
    btStopScan = MakeToolButton(StationData, "btStopScan", tr("Halt"), tr("Halt scanning"), QRect(486, 38, 54, 18));
    btStopScan->hide();
    Scanning = MakeLabel(StationData, QStringLiteral("Scanning"), QString(), QRect(286, 58, 20, 14));
    Scanning->hide();
    connect(btScanPrev, &QToolButton::clicked, this, [this] { Scan(false); });
    connect(btScanNext, &QToolButton::clicked, this, [this] { Scan(true); });
    connect(btStopScan, &QToolButton::clicked, this, [this] { tuner_.Halt(); });

    Step = MakeLabel(StationData, QStringLiteral("Step"), QString(), QRect(542, 40, 20, 14));
    Step->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LStep = MakeLabel(StationData, QStringLiteral("LStep"), QStringLiteral("kHz"), QRect(564, 40, 24, 14));
    btSpinStep = new TSpinButton(StationData);
    btSpinStep->setObjectName(QStringLiteral("btSpinStep"));
    btSpinStep->setGeometry(588, 36, 11, 20);
    StepSlider = new QSlider(Qt::Horizontal, StationData);
    StepSlider->setObjectName(QStringLiteral("StepSlider"));
    StepSlider->setToolTip(tr("Adjust step"));
    StepSlider->setGeometry(456, 58, 140, 16);
    connect(StepSlider, &QSlider::valueChanged, this, [this](int position) {
        tuner_.SetStepUnits(position);
        Step->setText(QString::number(tuner_.StepKHz()));
    });
    auto spin = [this](int delta) {
        if (busy_) return;
        const int units = tuner_.StepUnits() + delta;
        if (units < StepSlider->minimum() || units > StepSlider->maximum()) return;
        StepSlider->setValue(units);
    };
    connect(btSpinStep, &TSpinButton::TopClick, this, [spin] { spin(1); });
    connect(btSpinStep, &TSpinButton::BottomClick, this, [spin] { spin(-1); });
}

void TArchiveDialog::BuildButtons()
{
    btOk = new QPushButton(tr("OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btHelp = new QPushButton(tr("Help"), this);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    btOk->setDefault(true);
    connect(btOk, &QPushButton::clicked, this, &TArchiveDialog::OkClick);
    connect(btCancel, &QPushButton::clicked, this, &TArchiveDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [this] {
        if (OnHelp) OnHelp(HelpTopic());
    });
}

void TArchiveDialog::OkClick()
{
    tuner_.Halt();
    // A tuning still under way goes into its station before the tree is written.
    card_.WaitIdle();
    // A failed save keeps the dialog and the session's edits: the user may
    // free the folder and press OK again, or cancel knowing what is lost.
    QString error;
    if (OnSave && !OnSave(archive_, error)) {
        prompts_.Message(WarningTitle(),
                         tr("The station archive could not be written: %1").arg(error),
                         tPromptIcon::Warning);
        return;
    }
    accept();
}

void TArchiveDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // Once the dialog is on the screen, so the box opens over it.
    if (!OpeningNotice.isEmpty())
        QTimer::singleShot(0, this, [this] {
            prompts_.Message(WarningTitle(), OpeningNotice, tPromptIcon::Warning);
        });
}

QByteArray TArchiveDialog::ArchiveText() const
{
    TProfile text{QString()};
    archive_.Save(text);
    return text.Text();
}

bool TArchiveDialog::Changed() const { return ArchiveText() != opened_; }

void TArchiveDialog::reject()
{
    // A tuning still under way is an edit too (a scan's earlier steps are already).
    if (!tuner_.Scanning()) card_.WaitIdle();
    // Cancel, Escape and the close box drop the session's edits of the tree;
    // presets assigned from it are the bank's already and stay.
    if (Changed() && !prompts_.AskYesNo(WarningTitle(),
                                        tr("The station archive has changed!\nAre you sure "
                                           "that you want\nto exit without saving?"),
                                        tPromptIcon::Information))
        return;
    tuner_.Halt();
    QDialog::reject();
}

void TArchiveDialog::SetHeight(bool station)
{
    const int buttons = station ? 330 : 252;
    btOk->setGeometry(Width - 3 * 82, buttons, 75, 25);
    btCancel->setGeometry(Width - 2 * 82, buttons, 75, 25);
    btHelp->setGeometry(Width - 82, buttons, 75, 25);
    setFixedSize(Width, station ? 386 : 308);
}

TArchiveNode* TArchiveDialog::Selected() const { return model_->Node(RadioTree->currentIndex()); }

void TArchiveDialog::ApplySelection()
{
    TArchiveNode* node = Selected();
    const bool rootAlone = archive_.Root().ChildCount() == 0;
    const bool station = node && node->IsStation();
    miDelete->setEnabled(!rootAlone && node && !node->IsRoot());
    miRename->setEnabled(!rootAlone && node && !node->IsRoot());
    miAdd->setEnabled(node && !station);
    StationData->setVisible(station);
    SetHeight(station);
    if (rootAlone || !station) {
        tuner_.Mute();
        return;
    }
    if (RadioTree->Editing()) return;
    tuner_.Unmute();
    SetTuner(node->Record.Band == 0 ? bAM : bFM, node->Record.Frequency);
}

void TArchiveDialog::SetTuner(tBand band, std::optional<double> frequency, bool dragging)
{
    tuner_.Set(band, frequency, dragging);
}

void TArchiveDialog::ShowTuner(int signal)
{
    const bool fm = tuner_.BandShown() == bFM;
    const double f = tuner_.Frequency();
    {
        const QSignalBlocker fmBlocker(btFM);
        const QSignalBlocker amBlocker(btAM);
        btFM->setChecked(fm);
        btAM->setChecked(!fm);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Step, LStep, btSpinStep, StepSlider, LScan})
        w->setVisible(fm);
    btScanPrev->setVisible(fm && !busy_);
    btScanNext->setVisible(fm && !busy_);
    AM_FM->setText(fm ? QStringLiteral("FM") : QStringLiteral("AM"));
    HZ->setText(fm ? QStringLiteral("MHz") : QStringLiteral("kHz"));
    ShowTunerScale(Freq, ScaleLeft, Frequency, fm, f, int(std::lround(tuner_.FMUnit() * 1000)));
    if (signal != -1) ShowSignalLabel(signal);
    btTunePrev->setEnabled(tuner_.CanTunePrev());
    btTuneNext->setEnabled(tuner_.CanTuneNext());
    if (!busy_) {
        btScanPrev->setEnabled(tuner_.CanTunePrev());
        btScanNext->setEnabled(tuner_.CanTuneNext());
    }
    ShowTunerReadout(Readout, tuner_.Readout(), tuner_.PointShown(), tuner_.OutOfRange());
    LOut->setVisible(tuner_.OutOfRange());
}

void TArchiveDialog::ShowSignalLabel(int signal)
{
    // A band the card cannot receive has nothing to hear.
    if (!tuner_.CardHasBand()) {
        Tuned->setText(QStringLiteral("!"));
        SetTextColour(Tuned, Qt::gray);
        return;
    }
    static const char* const Marks[4] = {"?", "T", "S", "M"};
    Tuned->setText(QLatin1String(Marks[std::clamp(signal, 0, 3)]));
    SetTextColour(Tuned, signal > 0 ? QColor(Qt::white) : QColor(Qt::gray));
}

void TArchiveDialog::ShowPresetButton(int n, bool on)
{
    const tPreset& slot = presets_[n];
    const int colour = !slot.Used ? setup_.ColorFavNotAssButton
                       : slot.Band == 0 ? setup_.ColorFavAssButtonAM
                                        : setup_.ColorFavAssButtonFM;
    QToolButton* button = btRadio[std::size_t(n)];
    button->setIcon(glyphs_.Pixmap(TGlyphs::ButtonName(colour, on)));
    button->setToolTip(slot.Used ? FrequencyText(slot.Frequency) + QStringLiteral(" - ") + slot.Name : QString());
}

// ---- the tree ----

void TArchiveDialog::AddFolder()
{
    const QModelIndex at = RadioTree->currentIndex();
    if (busy_ || !Selected() || Selected()->IsStation()) return;
    model_->AddFolder(at);
    RadioTree->expand(at);
}

void TArchiveDialog::AddStation()
{
    const QModelIndex at = RadioTree->currentIndex();
    if (busy_ || !Selected() || Selected()->IsStation()) return;
    const tBand band = tuner_.BandShown();
    const double low = band == bAM ? AMLow : card_.State().JapaneseFM() ? JapaneseFMLow : FMLow;
    model_->AddStation(at, std::uint8_t(band), low);
    RadioTree->expand(at);
}

void TArchiveDialog::Rename()
{
    if (busy_ || !Selected()) return;
    RadioTree->edit(RadioTree->currentIndex());
}

bool TArchiveDialog::Renamed(TArchiveNode& node, const QString& text)
{
    const tArchiveRule rule = archive_.Rename(node, text);
    if (rule != tArchiveRule::Allowed) Warn(rule);
    return rule == tArchiveRule::Allowed;
}

void TArchiveDialog::Warn(tArchiveRule rule)
{
    prompts_.Message(WarningTitle(), ArchiveRuleText(rule), tPromptIcon::Warning);
}

void TArchiveDialog::Delete()
{
    TArchiveNode* node = Selected();
    if (busy_ || !node || node->IsRoot()) return;
    model_->Delete(RadioTree->currentIndex());
    ApplySelection();
}

void TArchiveDialog::DropOnTree(const QModelIndex& target)
{
    TArchiveNode* node = Selected();
    TArchiveNode* onto = model_->Node(target);
    if (busy_ || !node || !onto) return;
    const tArchiveRule rule = TArchive::CheckMove(*node, *onto);
    if (rule != tArchiveRule::Allowed) return Warn(rule);
    model_->Move(RadioTree->currentIndex(), target);
    RadioTree->expand(target);
    RadioTree->setCurrentIndex(model_->IndexOf(node));
}

// ---- the presets ----

bool TArchiveDialog::CanDropOnPreset() const
{
    const TArchiveNode* node = Selected();
    return !busy_ && node && node->IsStation() && CanAssignPreset(presets_, node->Record);
}

void TArchiveDialog::DropOnPreset(int n)
{
    const TArchiveNode* station = Selected();
    if (busy_ || !station || !station->IsStation() || n < 1 || n > tPresets::Count) return;
    // Another preset holds the frequency: said, as MEM says it.
    if (!CanDropOnPreset()) {
        prompts_.Message(WarningTitle(), tr("Duplicated frequency"), tPromptIcon::Warning);
        return;
    }
    const int previous = current_;
    const TArchiveNode* node = Selected();
    AssignPreset(presets_, current_, n, node->Name, node->Record);
    if (previous >= 1 && previous <= tPresets::Count && previous != n) ShowPresetButton(previous, false);
    ShowPresetButton(n, true);
}

void TArchiveDialog::ClearPreset(int n)
{
    if (busy_ || n < 1 || n > tPresets::Count) return;
    ClearPresetSlot(presets_, current_, n);
    ShowPresetButton(n, false);
}

void TArchiveDialog::ClearAllPresets()
{
    if (busy_) return;
    if (!prompts_.AskYesNo(tr("Clear all favorites"), tr("Are you sure?"), tPromptIcon::Question))
        return;
    ClearAllPresetSlots(presets_, card_.State().Caps());
    for (int n = 1; n <= tPresets::Count; ++n) ShowPresetButton(n, false);
}

bool TArchiveDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QString name = watched->objectName();
    if (!name.startsWith(QLatin1String("btRadio"))) return QDialog::eventFilter(watched, event);
    const int number = name.right(2).toInt();
    const int n = number == 0 ? tPresets::Count : number;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        // A station is taken to the button even when another preset holds
        // its frequency: the drop then says why it is refused.
        const TArchiveNode* node = Selected();
        if (drag->source() == RadioTree && !busy_ && node && node->IsStation())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() != RadioTree) return false;
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        DropOnPreset(n);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- scanning ----

void TArchiveDialog::Scan(bool upward)
{
    if (busy_ || tuner_.ScanRefused(upward)) return;
    busy_ = true;
    RadioTree->setEnabled(false);
    btScanPrev->setEnabled(false);
    btScanNext->setEnabled(false);
    btScanPrev->hide();
    btScanNext->hide();
    // In the scan buttons' place: further left it would cover the scale.
    btStopScan->show();
    SetTextColour(Tuned, Qt::gray);
    Scanning->setText(upward ? QStringLiteral(">") : QStringLiteral("<"));
    Scanning->show();
    // Only the user's own moves of the slider reach its handler, and none
    // while the scan goes on.
    Frequency->blockSignals(true);
    tuner_.Scan(upward, [this] { ScanEnded(); });
}

void TArchiveDialog::ScanEnded()
{
    Frequency->blockSignals(false);
    busy_ = false;
    btStopScan->hide();
    Scanning->hide();
    ShowTuner(-1);
    const tCardState& card = card_.State();
    btScanPrev->setEnabled(!SameFrequency(card.Frequency(), card.MinFrequency()));
    btScanNext->setEnabled(true);
    RadioTree->setEnabled(true);
}
