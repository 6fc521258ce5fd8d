// The script editor's controls, its lists with their drawing and dragging,
// and what opening does.

#include "ScriptEditor.h"

#include "ActionIcons.h"
#include "AlarmSetting.h"
#include "PresetsFile.h"
#include "Helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QDragEnterEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int KindRole = Qt::UserRole;
constexpr int TimeRole = Qt::UserRole + 1;

// What the lists show for a kind of action, in the user's language; the file
// keeps its own word (ActionWord).
QString ActionCaption(tActionKind kind)
{
    switch (kind) {
    case zMuteOn: return TScriptEditor::tr("Mute on");
    case zMuteOff: return TScriptEditor::tr("Mute off");
    case zBeep: return TScriptEditor::tr("Beep");
    case zVolume: return TScriptEditor::tr("Volume");
    case zJumpTo: return TScriptEditor::tr("Jump to");
    case zPreset: return TScriptEditor::tr("Preset");
    case zOff: return TScriptEditor::tr("Off");
    case zRecord: return TScriptEditor::tr("Record");
    default: return QString();
    }
}

// The widest caption: the script list's time column starts after it.
int WidestCaption(const QFontMetrics& metrics)
{
    int widest = 0;
    for (tActionKind kind : {zMuteOn, zMuteOff, zBeep, zVolume, zJumpTo, zPreset, zOff, zRecord})
        widest = std::max(widest, metrics.horizontalAdvance(ActionCaption(kind)));
    return widest;
}

// A row: the kind's icon at (5, 2), its word at `wordLeft`, and in the
// script list the time in a column after the widest word.
class TRowDelegate final : public QStyledItemDelegate {
public:
    TRowDelegate(int wordLeft, QObject* parent) : QStyledItemDelegate(parent), wordLeft_(wordLeft) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
        p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        const QRect r = option.rect;
        p->drawPixmap(r.left() + 5, r.top() + 2, ActionIcon(index.data(KindRole).toInt()));
        const int base = r.top() + 3 + option.fontMetrics.ascent();
        p->drawText(r.left() + wordLeft_, base, index.data(Qt::DisplayRole).toString());
        const QString time = index.data(TimeRole).toString();
        if (!time.isEmpty())
            p->drawText(r.left() + 25 + WidestCaption(option.fontMetrics) + 7, base, time);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 20};
    }

private:
    int wordLeft_;
};

QString RangeText(int hour, int minute) { return ZeroPad(hour, 2) + QLatin1Char(':') + ZeroPad(minute, 2); }

// The time column: the 24-hour "HH:MM" of the hour field and the range
// labels, so the dialog shows one kind of time.
QString TimeColumn(const QTime& time)
{
    return RangeText(time.hour(), time.minute());
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, bool checkable = false)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setCheckable(checkable);
    return b;
}

QSpinBox* Spin(QWidget* parent, const char* name, int lo, int hi)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(lo, hi);
    return s;
}

} // namespace

TProgList::TProgList(TScriptEditor& editor, bool kinds, QWidget* parent)
    : QListWidget(parent), editor_(editor), kinds_(kinds)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setItemDelegate(new TRowDelegate(kinds ? 27 : 25, this));
}

bool TProgList::Accepts(QDropEvent* event) const
{
    auto* source = qobject_cast<TProgList*>(event->source());
    if (!source || source->parent() != parent()) return false;
    if (kinds_) return !source->kinds_ && editor_.ActionsDragOver();
    return editor_.ProgDragOver(source->kinds_);
}

void TProgList::dragEnterEvent(QDragEnterEvent* event)
{
    if (Accepts(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TProgList::dragMoveEvent(QDragMoveEvent* event)
{
    if (Accepts(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TProgList::dropEvent(QDropEvent* event)
{
    if (!Accepts(event)) {
        event->ignore();
        return;
    }
    // The editor rebuilds the lists itself; the view must not move items.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const bool fromKinds = static_cast<TProgList*>(event->source())->kinds_;
    if (kinds_) {
        editor_.ActionsDragDrop();
    } else {
        const QModelIndex at = indexAt(event->position().toPoint());
        editor_.ProgDragDrop(fromKinds, at.isValid() ? at.row() : -1);
    }
}

TScriptEditor::TScriptEditor(tScriptEditorEnv env, const tScript& loaded, const QString& fileName, QWidget* parent)
    : QDialog(parent), env_(std::move(env)), loaded_(loaded), script_(loaded)
{
    setObjectName(QStringLiteral("ScriptEditor"));
    BuildControls();

    // The tuning to come back to, and the panel on the card's band.
    TRadioCard& card = *env_.Card;
    savedFrequency_ = card.Frequency();
    savedBand_ = card.Band();
    savedStereo_ = card.Stereo();
    ApplyBand(savedBand_ == bAM ? 0 : 1);
    // The file's name in the caption.
    SetFileName(fileName);
    // The kinds, the presets and the script with its title.
    FillLists();
    Title->setText(script_.Title);
    ShowScript(-1);
    // The first action is selected, with its values in the panel.
    RefreshEnabled();
    if (!script_.Actions.empty()) {
        {
            const QSignalBlocker blocker(ScriptList);
            ScriptList->setCurrentRow(0);
        }
        ScriptClick();
    }
}

TScriptEditor::~TScriptEditor() = default;

void TScriptEditor::BuildControls()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu"));
    QMenu* file = menuBar->addMenu(tr("File"));
    miNew = file->addAction(tr("New"), this, &TScriptEditor::btNewClick);
    file->addAction(tr("Load"), this, &TScriptEditor::btLoadClick);
    miSave = file->addAction(tr("Save"), this, &TScriptEditor::btSaveClick);
    file->addAction(tr("Save as"), this, &TScriptEditor::iSaveAsClick);

    btNew = ToolButton(this, "btNew", tr("New"));
    btLoad = ToolButton(this, "btLoad", tr("Load"));
    btSave = ToolButton(this, "btSave", tr("Save"));
    Title = new QLineEdit(this);
    Title->setObjectName(QStringLiteral("Title"));

    Actions = new TProgList(*this, true, this);
    Actions->setObjectName(QStringLiteral("Actions"));
    // Wide enough for the longest caption, which translations make longer.
    Actions->setFixedWidth(std::max(110, 27 + WidestCaption(Actions->fontMetrics()) + 12));
    ScriptList = new TProgList(*this, false, this);
    ScriptList->setObjectName(QStringLiteral("Script"));
    ScriptList->setMinimumWidth(170);
    ScriptList->setContextMenuPolicy(Qt::CustomContextMenu);
    ProgMenu = new QMenu(this);
    ProgMenu->setObjectName(QStringLiteral("ProgMenu"));
    ProgMenu->addAction(tr("Add"), this, &TScriptEditor::RightClick);
    ProgMenu->addAction(tr("Delete"), this, &TScriptEditor::LeftClick);
    Right = new QPushButton(tr("Add"), this);
    Right->setObjectName(QStringLiteral("Right"));
    Left = new QPushButton(tr("Delete"), this);
    Left->setObjectName(QStringLiteral("Left"));

    GroupBox1 = new QGroupBox(tr("Property for this item"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto panel = [this](const char* name) {
        auto* w = new QWidget(GroupBox1);
        w->setObjectName(QLatin1String(name));
        w->hide();
        return w;
    };

    gVolume = panel("gVolume");
    Volume = new QSlider(Qt::Horizontal, gVolume);
    Volume->setObjectName(QStringLiteral("Volume"));
    Volume->setRange(0, 20);
    Volume->setTickPosition(QSlider::TicksBelow);
    Perc = new QLabel(VolumePercent(0), gVolume);
    Perc->setObjectName(QStringLiteral("Perc"));
    auto* volumeRow = new QHBoxLayout(gVolume);
    volumeRow->addWidget(new QLabel(tr("Volume"), gVolume));
    volumeRow->addWidget(Volume);
    volumeRow->addWidget(Perc);

    gFreq = panel("gFreq");
    Freq = new QDoubleSpinBox(gFreq);
    Freq->setObjectName(QStringLiteral("Freq"));
    Freq->setDecimals(3);
    btFM = ToolButton(gFreq, "btFM", QStringLiteral("fm"), true);
    btAM = ToolButton(gFreq, "btAM", QStringLiteral("am"), true);
    btFM->setAutoExclusive(true);
    btAM->setAutoExclusive(true);
    FreqStereo = new QCheckBox(tr("Stereo"), gFreq);
    FreqStereo->setObjectName(QStringLiteral("FreqStereo"));
    btPrFreq = ToolButton(gFreq, "btPrFreq", tr("Test"), true);
    Tuned = new QLabel(gFreq);
    Tuned->setObjectName(QStringLiteral("Tuned"));
    Tuned->hide();
    auto* freqGrid = new QGridLayout(gFreq);
    freqGrid->addWidget(new QLabel(tr("Freq"), gFreq), 0, 0);
    freqGrid->addWidget(Freq, 0, 1);
    freqGrid->addWidget(btFM, 0, 2);
    freqGrid->addWidget(btAM, 0, 3);
    freqGrid->addWidget(FreqStereo, 1, 1);
    freqGrid->addWidget(btPrFreq, 1, 2);
    freqGrid->addWidget(Tuned, 1, 3);

    gPreset = panel("gPreset");
    Presets = new QComboBox(gPreset);
    Presets->setObjectName(QStringLiteral("Presets"));
    PresetStereo = new QCheckBox(tr("Stereo"), gPreset);
    PresetStereo->setObjectName(QStringLiteral("PresetStereo"));
    // A record action names a preset too, and how long to record it.
    PresetWord = new QLabel(gPreset);
    //: Between the preset and the minutes of a Record action: "Record [preset] for [60 min]".
    RecordFor = new QLabel(tr("for"), gPreset);
    RecordMinutes = Spin(gPreset, "RecordMinutes", 1, MaxRecordMinutes);
    RecordMinutes->setSuffix(tr(" min"));
    auto* presetRow = new QHBoxLayout(gPreset);
    presetRow->addWidget(PresetWord);
    presetRow->addWidget(Presets, 1);
    presetRow->addWidget(PresetStereo);
    presetRow->addWidget(RecordFor);
    presetRow->addWidget(RecordMinutes);

    gBeep = panel("gBeep");
    Times = Spin(gBeep, "Times", 1, 50);
    BFreq = Spin(gBeep, "BFreq", 1, 20000);
    MSecs = Spin(gBeep, "MSecs", 1, 1000);
    btPrBeep = ToolButton(gBeep, "btPrBeep", tr("Preview"), true);
    auto* beepGrid = new QGridLayout(gBeep);
    beepGrid->addWidget(new QLabel(tr("Times"), gBeep), 0, 0);
    beepGrid->addWidget(Times, 0, 1);
    beepGrid->addWidget(new QLabel(tr("Frequency"), gBeep), 1, 0);
    beepGrid->addWidget(BFreq, 1, 1);
    beepGrid->addWidget(new QLabel(tr("Duration"), gBeep), 2, 0);
    beepGrid->addWidget(MSecs, 2, 1);
    beepGrid->addWidget(btPrBeep, 2, 2);

    gCommon = panel("gCommon");
    TimeHH = Spin(gCommon, "TimeHH", 0, 23);
    TimeMM = Spin(gCommon, "TimeMM", 0, 59);
    bTime = new QLabel(QStringLiteral("99:99"), gCommon);
    bTime->setObjectName(QStringLiteral("bTime"));
    eTime = new QLabel(QStringLiteral("99:99"), gCommon);
    eTime->setObjectName(QStringLiteral("eTime"));
    auto* save = new QPushButton(tr("Save"), gCommon);
    save->setObjectName(QStringLiteral("Save"));
    auto* reload = new QPushButton(tr("Reload"), gCommon);
    reload->setObjectName(QStringLiteral("Reload"));
    auto* commonGrid = new QGridLayout(gCommon);
    // Hour and minute side by side, each beside its label and of one width.
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(new QLabel(tr("Event time"), gCommon));
    timeRow->addSpacing(8);
    timeRow->addWidget(new QLabel(tr("HH"), gCommon));
    timeRow->addWidget(TimeHH);
    timeRow->addSpacing(8);
    timeRow->addWidget(new QLabel(tr("MM"), gCommon));
    timeRow->addWidget(TimeMM);
    timeRow->addStretch();
    commonGrid->addLayout(timeRow, 0, 0, 1, 5);
    auto* rangeRow = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(new QLabel(tr("The range is from"), gCommon)),
                       static_cast<QWidget*>(bTime), static_cast<QWidget*>(new QLabel(tr("to"), gCommon)),
                       static_cast<QWidget*>(eTime)})
        rangeRow->addWidget(w);
    rangeRow->addStretch();
    commonGrid->addLayout(rangeRow, 1, 0, 1, 5);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(save);
    saveRow->addWidget(reload);
    commonGrid->addLayout(saveRow, 2, 0, 1, 5);

    auto* groupLayout = new QVBoxLayout(GroupBox1);
    for (QWidget* w : {gVolume, gFreq, gPreset, gBeep}) groupLayout->addWidget(w);
    groupLayout->addStretch();
    groupLayout->addWidget(gCommon);

    auto* buttons = new QDialogButtonBox(this);
    auto* btHelp = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    auto* btCancel = buttons->addButton(QDialogButtonBox::Cancel);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btOk = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    btOk->setObjectName(QStringLiteral("btOk"));

    auto* top = new QHBoxLayout;
    for (QToolButton* b : {btNew, btLoad, btSave}) top->addWidget(b);
    top->addSpacing(12);
    top->addWidget(new QLabel(tr("Title"), this));
    top->addWidget(Title, 1);
    auto* kinds = new QVBoxLayout;
    kinds->addWidget(new QLabel(tr("Events"), this));
    kinds->addWidget(Actions);
    kinds->addWidget(Right);
    kinds->addStretch();
    auto* program = new QVBoxLayout;
    program->addWidget(new QLabel(tr("Program"), this));
    program->addWidget(ScriptList);
    program->addWidget(Left);
    auto* middle = new QHBoxLayout;
    middle->addLayout(kinds);
    middle->addLayout(program);
    middle->addWidget(GroupBox1, 1, Qt::AlignTop); // its caption level with "Events" and "Program"
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The panels come and go inside; the dialog keeps its size.
    GroupBox1->setFixedSize(350, 270);
    ScriptList->setMinimumHeight(240);

    Preview = new QTimer(this);
    Preview->setObjectName(QStringLiteral("Preview"));

    connect(btNew, &QToolButton::clicked, this, &TScriptEditor::btNewClick);
    connect(btLoad, &QToolButton::clicked, this, &TScriptEditor::btLoadClick);
    connect(btSave, &QToolButton::clicked, this, &TScriptEditor::btSaveClick);
    connect(Right, &QPushButton::clicked, this, &TScriptEditor::RightClick);
    connect(Left, &QPushButton::clicked, this, &TScriptEditor::LeftClick);
    // A click on the row already selected shows its values too.
    connect(ScriptList, &QListWidget::currentRowChanged, this, [this] { ScriptClick(); });
    connect(ScriptList, &QListWidget::itemClicked, this, [this] { ScriptClick(); });
    connect(ScriptList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ProgMenu->popup(ScriptList->viewport()->mapToGlobal(at)); });
    connect(Volume, &QSlider::valueChanged, this, [this](int v) { Perc->setText(VolumePercent(v)); });
    connect(btFM, &QToolButton::toggled, this, [this](bool down) {
        if (down) ApplyBand(1);
    });
    connect(btAM, &QToolButton::toggled, this, [this](bool down) {
        if (down) ApplyBand(0);
    });
    connect(Presets, &QComboBox::activated, this, [this] {
        const int s = Selected();
        ShowPresetStereo(EntryPreset(Presets->currentText()), s >= 0 && script_.At(s + 1).Stereo);
    });
    // A typed time is put within its range when the editing ends, not at
    // each key: "45" must not become the range's first minute at its "4".
    TimeHH->setKeyboardTracking(false);
    TimeMM->setKeyboardTracking(false);
    connect(TimeHH, &QSpinBox::valueChanged, this, &TScriptEditor::TimeHHChange);
    connect(TimeMM, &QSpinBox::valueChanged, this, &TScriptEditor::TimeMMChange);
    connect(save, &QPushButton::clicked, this, &TScriptEditor::SaveClick);
    connect(reload, &QPushButton::clicked, this, &TScriptEditor::ReloadClick);
    connect(btPrFreq, &QToolButton::clicked, this, &TScriptEditor::btPrFreqClick);
    connect(btPrBeep, &QToolButton::clicked, this, &TScriptEditor::btPrBeepClick);
    connect(Preview, &QTimer::timeout, this, &TScriptEditor::PreviewTick);
    connect(btHelp, &QPushButton::clicked, this, [this] {
        if (env_.Help) env_.Help(QStringLiteral("Scripting"));
    });
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btOk, &QPushButton::clicked, this, &TScriptEditor::btOkClick);
}

void TScriptEditor::FillLists()
{
    const tPresets& presets = *env_.Presets;
    for (int n = 1; n <= tPresets::Count; ++n) {
        if (!presets[n].Used) continue;
        if (defaultPreset_ == 0) defaultPreset_ = n;
        Presets->addItem(PresetNumText(n) + QStringLiteral(" - ") + presets[n].Name, n);
    }
    Presets->setCurrentIndex(Presets->count() > 0 ? 0 : -1);
    std::vector<tActionKind> kinds = {zMuteOn, zMuteOff, zBeep, zVolume, zJumpTo, zOff};
    if (defaultPreset_ != 0) {
        kinds.insert(kinds.begin(), zPreset);
        kinds.push_back(zRecord);
    }
    for (tActionKind kind : kinds) {
        auto* item = new QListWidgetItem(ActionCaption(kind), Actions);
        item->setData(KindRole, int(kind));
    }
    Actions->setFixedHeight(defaultPreset_ != 0 ? 164 : 124);
}

void TScriptEditor::ShowScript(int select)
{
    const QSignalBlocker blocker(ScriptList);
    ScriptList->clear();
    for (const zAction& action : script_.Actions) {
        auto* item = new QListWidgetItem(ActionCaption(action.Kind), ScriptList);
        item->setData(KindRole, int(action.Kind));
        item->setData(TimeRole, TimeColumn(action.Time));
    }
    ScriptList->setCurrentRow(select);
}

void TScriptEditor::ShowScriptAndSelect(int row)
{
    ShowScript(-1);
    RefreshEnabled();
    ScriptList->setCurrentRow(row);
}

void TScriptEditor::RefreshEnabled()
{
    const bool any = !script_.Actions.empty();
    gCommon->setVisible(any);
    gCommon->setEnabled(any);
    for (QWidget* w : std::initializer_list<QWidget*>{btNew, btSave, Left, btOk}) w->setEnabled(any);
    miNew->setEnabled(any);
    miSave->setEnabled(any);
}

void TScriptEditor::SetFileName(const QString& fileName)
{
    fileName_ = fileName;
    setWindowTitle(fileName.isEmpty() ? tr("Programming -")
                                      : tr("Script - (%1)").arg(fileName));
}

void TScriptEditor::ShowRange(int index)
{
    range_ = ActionRange(script_, index);
    bTime->setText(RangeText(range_.BeginHour, range_.BeginMinute));
    eTime->setText(RangeText(range_.EndHour, range_.EndMinute));
}
