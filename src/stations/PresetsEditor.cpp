#include "PresetsEditor.h"

#include "Helpers.h"
#include "SpinButton.h"
#include "TunerPanel.h"
#include "WidgetKit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

constexpr int RowHeight = 17;
constexpr int PreviewMs = 5000;
constexpr int ScaleLeft = 22;

// Row k shows slot k + 1: the current preset's red dot, its number, and for
// a used slot its frequency, band and name, between thin rules.
class TPresetRows final : public QStyledItemDelegate {
public:
    TPresetRows(const TPresetsDraft& editor, QObject* parent) : QStyledItemDelegate(parent), editor_(editor) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {200, RowHeight}; }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int n = index.row() + 1;
        const tPreset& slot = editor_.Table()[n];
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        p->save();
        p->fillRect(r, selected ? pal.highlight() : pal.base());
        if (n == editor_.Current()) {
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(Qt::NoPen);
            p->setBrush(Qt::red);
            p->drawEllipse(QRect(r.left() + 3, r.top() + 5, 7, 7));
            p->setRenderHint(QPainter::Antialiasing, false);
        }
        p->setPen(QPen(pal.mid().color(), 1, Qt::DotLine));
        p->drawLine(r.left(), r.top(), r.right(), r.top());
        p->setPen(pal.mid().color());
        for (int x : {33, 108}) p->drawLine(r.left() + x, r.top(), r.left() + x, r.bottom());
        p->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        auto text = [&](int x, int width, const QString& s) {
            p->drawText(QRect(r.left() + x, r.top(), width, r.height()), Qt::AlignLeft | Qt::AlignVCenter, s);
        };
        text(15, 18, PresetNumText(n));
        if (slot.Used) {
            text(40, 44, FrequencyText(slot.Frequency));
            text(85, 22, slot.Band == 0 ? QStringLiteral("AM") : QStringLiteral("FM"));
            text(115, r.width() - 115, slot.Name);
        }
        p->restore();
    }

private:
    const TPresetsDraft& editor_;
};

} // namespace

TPresetsEditor::TPresetsEditor(tPresets& mainTable, const tPresetsDraftSetup& setup, TCardThread& card,
                                 TPrompts& prompts, QWidget* parent)
    : QDialog(parent), editor_(mainTable, setup, card, prompts)
{
    setObjectName(QStringLiteral("PresetsEditor"));
    setFixedSize(620, 428);

    auto* bar = new QMenuBar(this);
    bar->setGeometry(0, 0, 620, 22);
    QMenu* file = bar->addMenu(tr("File"));
    auto item = [this, file](const char* name, const QString& caption, const std::function<void()>& command) {
        QAction* action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, command] {
            command();
            Refresh();
        });
        return action;
    };
    item("miNew", tr("New"), [this] { editor_.ClearAll(); });
    item("miLoad", tr("Load"), [this] { editor_.Load(); });
    miSave = item("miSave", tr("Save"), [this] { editor_.Save(); });
    miSaveAs = item("miSaveAs", tr("Save as"), [this] { editor_.SaveAs(); });

    // "Listen T" once the card has found a station there.
    editor_.OnListenTuned = [this] { ShowListen(); };
    Preview = new QTimer(this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setSingleShot(true);
    Preview->setInterval(PreviewMs);
    connect(Preview, &QTimer::timeout, this, &TPresetsEditor::PreviewTimer);

    BuildList();
    BuildTuner();
    BuildControls();
    {
        const QSignalBlocker blocker(StepSlider);
        StepSlider->setRange(editor_.StepMin(), editor_.StepMax());
        StepSlider->setValue(editor_.StepUnits());
    }
    Refresh();
}

TPresetsEditor::~TPresetsEditor() = default;

void TPresetsEditor::BuildList()
{
    Presets = new QListWidget(this);
    Presets->setObjectName(QStringLiteral("Presets"));
    Presets->setGeometry(8, 30, 290, RowHeight * 21 + 4);
    Presets->setUniformItemSizes(true);
    // The system's own font, at the size that fits the rows.
    QFont font = Presets->font();
    font.setPixelSize(10);
    Presets->setFont(font);
    Presets->setItemDelegate(new TPresetRows(editor_, Presets));
    for (int n = 1; n <= tPresets::Count; ++n) Presets->addItem(PresetNumText(n));
    Presets->setCurrentRow(0);
    connect(Presets, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row + 1 == editor_.Selected() || row < 0) return;
        editor_.Select(row + 1);
        Refresh();
    });

    StationName = new QLineEdit(this);
    StationName->setObjectName(QStringLiteral("StationName"));
    StationName->setGeometry(306, 30, 306, 22);
    StationName->setMaxLength(40);
    connect(StationName, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.TypeName(text);
        Refresh();
    });
}

void TPresetsEditor::BuildTuner()
{
    auto* group = new QGroupBox(tr("Tuner"), this);
    group->setObjectName(QStringLiteral("StationData"));
    group->setGeometry(306, 56, 306, 150);

    Readout = MakeTunerReadout(group, QRect(8, 18, 150, 42), QSize(21, 34), 24, 3, QRect(75, 33, 4, 4));
    AM_FM = MakeLabel(group, QStringLiteral("AM_FM"), QString(), QRect(164, 22, 30, 16));
    HZ = MakeLabel(group, QStringLiteral("HZ"), QString(), QRect(164, 42, 30, 16));
    btFM = MakeToolButton(group, "btFM", QStringLiteral("fm"), QString(), QRect(226, 24, 34, 22));
    btAM = MakeToolButton(group, "btAM", QStringLiteral("am"), QString(), QRect(262, 24, 34, 22));
    btFM->setCheckable(true);
    btAM->setCheckable(true);
    connect(btFM, &QToolButton::clicked, this, [this] {
        editor_.ChooseBand(bFM);
        Refresh();
    });
    connect(btAM, &QToolButton::clicked, this, [this] {
        editor_.ChooseBand(bAM);
        Refresh();
    });

    Frequency = new QSlider(Qt::Horizontal, group);
    Frequency->setObjectName(QStringLiteral("Frequency"));
    // The scale's twelve AM or nine FM marks span 264 pixels under the groove.
    Frequency->setGeometry(ScaleLeft - 5, 66, 274, 20);
    connect(Frequency, &QSlider::valueChanged, this, [this](int position) {
        editor_.SlideTo(position);
        Refresh();
    });
    Freq = MakeTunerScale(group, 86);

    btTunePrev = MakeToolButton(group, "btTunePrev", QString(), tr("Tune previous"), QRect(8, 114, 26, 22));
    btTunePrev->setArrowType(Qt::LeftArrow);
    btTuneNext = MakeToolButton(group, "btTuneNext", QString(), tr("Tune next"), QRect(36, 114, 26, 22));
    btTuneNext->setArrowType(Qt::RightArrow);
    connect(btTunePrev, &QToolButton::clicked, this, [this] {
        editor_.TunePrev();
        Refresh();
    });
    connect(btTuneNext, &QToolButton::clicked, this, [this] {
        editor_.TuneNext();
        Refresh();
    });
    Step = MakeLabel(group, QStringLiteral("Step"), QString(), QRect(120, 118, 28, 14));
    Step->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LStep = MakeLabel(group, QStringLiteral("LStep"), QStringLiteral("kHz"), QRect(152, 118, 24, 14));
    btSpinStep = new TSpinButton(group);
    btSpinStep->setObjectName(QStringLiteral("btSpinStep"));
    btSpinStep->setGeometry(178, 114, 13, 22);
    connect(btSpinStep, &TSpinButton::TopClick, this, [this] {
        editor_.StepUp();
        Refresh();
    });
    connect(btSpinStep, &TSpinButton::BottomClick, this, [this] {
        editor_.StepDown();
        Refresh();
    });
    StepSlider = new QSlider(Qt::Horizontal, group);
    StepSlider->setObjectName(QStringLiteral("StepSlider"));
    StepSlider->setToolTip(tr("Adjust step"));
    StepSlider->setGeometry(196, 116, 100, 18);
    StepSlider->setPageStep(1);
    connect(StepSlider, &QSlider::valueChanged, this, [this](int position) {
        editor_.SetStepUnits(position);
        Refresh();
    });

    ErrMsg = MakeLabel(this, QStringLiteral("ErrMsg"), tr("Duplicated frequency"), QRect(306, 210, 150, 16));
    QPalette red = ErrMsg->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ErrMsg->setPalette(red);
    QFont bold = ErrMsg->font();
    bold.setBold(true);
    ErrMsg->setFont(bold);
    StoredEntries = MakeLabel(this, QStringLiteral("StoredEntries"), QString(), QRect(470, 210, 142, 16));
    StoredEntries->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QPushButton* TPresetsEditor::AddButton(QWidget* parent, const char* name, const QString& caption,
                                         const QRect& geometry, const std::function<void()>& command)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    if (command)
        connect(button, &QPushButton::clicked, this, [this, command] {
            command();
            Refresh();
        });
    return button;
}

void TPresetsEditor::BuildControls()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("Controls"));
    group->setGeometry(306, 230, 306, 112);
    auto at = [](int column, int row) { return QRect(8 + column * 74, 10 + row * 32, 70, 26); };
    btUndo = AddButton(group, "btUndo", tr("Undo"), at(0, 0), [this] { editor_.Undo(); });
    btInsert = AddButton(group, "btInsert", tr("Insert"), at(1, 0), [this] { editor_.Insert(); });
    btDelete = AddButton(group, "btDelete", tr("Delete"), at(2, 0), [this] { editor_.Delete(); });
    btClear = AddButton(group, "btClear", tr("Clear"), at(3, 0), [this] { editor_.ClearSlot(); });
    btMoveUp = AddButton(group, "btMoveUp", tr("Move up"), at(0, 1), [this] { editor_.MoveUp(); });
    btMoveDown = AddButton(group, "btMoveDown", tr("Move down"), at(1, 1), [this] { editor_.MoveDown(); });
    btListen = AddButton(group, "btListen", tr("Listen"), at(2, 1), nullptr);
    btListen->setCheckable(true);
    connect(btListen, &QPushButton::toggled, this, &TPresetsEditor::ListenToggled);
    AddButton(group, "btNew", tr("Clear all"), at(3, 1), [this] { editor_.ClearAll(); });
    AddButton(group, "btLoad", tr("Open"), at(0, 2), [this] { editor_.Load(); });
    btSave = AddButton(group, "btSave", tr("Save"), at(1, 2), [this] { editor_.Save(); });
    AddButton(group, "btReload", tr("Reload"), at(2, 2), [this] { editor_.Reload(); });

    btOk = AddButton(this, "btOk", tr("OK"), QRect(306, 394, 96, 26), nullptr);
    btOk->setDefault(true);
    connect(btOk, &QPushButton::clicked, this, &TPresetsEditor::btOkClick);
    QPushButton* cancel = AddButton(this, "btCancel", tr("Cancel"), QRect(411, 394, 96, 26), nullptr);
    connect(cancel, &QPushButton::clicked, this, &TPresetsEditor::reject);
    QPushButton* help = AddButton(this, "btHelp", tr("Help"), QRect(516, 394, 96, 26), nullptr);
    connect(help, &QPushButton::clicked, this, [this] {
        if (OnHelp) OnHelp(HelpTopic());
    });
}

void TPresetsEditor::Refresh()
{
    setWindowTitle(editor_.Title());
    const int n = editor_.Selected();
    if (Presets->currentRow() != n - 1) {
        const QSignalBlocker blocker(Presets);
        Presets->setCurrentRow(n - 1);
    }
    Presets->viewport()->update();
    const QString name = editor_.Table()[n].Used ? editor_.Table()[n].Name : QString();
    if (StationName->text() != name) StationName->setText(name);
    ShowTuner();

    const bool fine = !editor_.Duplicated();
    btOk->setEnabled(fine);
    btSave->setEnabled(fine);
    miSave->setEnabled(fine);
    miSaveAs->setEnabled(fine);
    ErrMsg->setVisible(!fine);
    StoredEntries->setText(editor_.StoredText());

    const tEditButtons b = editor_.Buttons();
    btInsert->setEnabled(b.Insert);
    btDelete->setEnabled(b.Delete);
    btClear->setEnabled(b.Clear);
    btMoveUp->setEnabled(b.MoveUp);
    btMoveDown->setEnabled(b.MoveDown);
    btListen->setEnabled(b.Listen || editor_.Listening());
    ShowListen();
}

void TPresetsEditor::ShowTuner()
{
    const bool fm = editor_.TunerBand() == bFM;
    const double f = editor_.TunerFrequency();
    {
        const QSignalBlocker fmBlocker(btFM);
        const QSignalBlocker amBlocker(btAM);
        btFM->setChecked(fm);
        btAM->setChecked(!fm);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Step, LStep, btSpinStep, StepSlider}) w->setVisible(fm);
    AM_FM->setText(fm ? QStringLiteral("FM") : QStringLiteral("AM"));
    HZ->setText(fm ? QStringLiteral("MHz") : QStringLiteral("kHz"));
    ShowTunerScale(Freq, ScaleLeft, Frequency, fm, f, 1000);
    btTunePrev->setEnabled(editor_.CanTunePrev());
    btTuneNext->setEnabled(editor_.CanTuneNext());
    Step->setText(QString::number(editor_.StepKHz()));
    {
        const QSignalBlocker blocker(StepSlider);
        StepSlider->setValue(editor_.StepUnits());
    }

    ShowTunerReadout(Readout, editor_.Readout(), editor_.PointShown(), editor_.OutsideCard());
}

void TPresetsEditor::ShowListen()
{
    const bool listening = editor_.Listening();
    if (!listening) Preview->stop();
    const QSignalBlocker blocker(btListen);
    btListen->setChecked(listening);
    btListen->setText(listening && editor_.ListenTuned() ? tr("Listen T") : tr("Listen"));
}

void TPresetsEditor::ListenToggled(bool down)
{
    if (down && editor_.ListenStart())
        Preview->start();
    else
        editor_.ListenStop();
    Refresh();
}

void TPresetsEditor::PreviewTimer()
{
    editor_.ListenStop();
    Refresh();
}

void TPresetsEditor::btOkClick()
{
    if (editor_.Accept()) accept();
}

void TPresetsEditor::reject()
{
    if (editor_.CloseQuery()) QDialog::reject();
}
