#pragma once
// "Channels organizer": the station archive as a tree, a small tuner for the
// selected station, and the hundred preset buttons that stations are dragged
// onto. Preset changes go to the main window's table at once; the archive is
// saved through OnSave when the user presses OK, and the dialog stays open
// when that fails.

#include "Archive.h"
#include "ArchiveTuner.h"
#include "TunerPanel.h"

#include <QDialog>
#include <QTreeView>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QMenu;
class QSlider;
class QToolButton;
class TArchiveModel;
class TGlyphs;
class TPrompts;
class TSpinButton;

// What the archive dialog takes from the main window.
struct tArchiveDialogSetup {
    double FMStep = 0.1;
    int StepMin = 1;         // the main window's step slider range,
    int StepMax = 40;        // in units of the card's FM step
    int ColorFavAssButtonFM = 0;
    int ColorFavAssButtonAM = 0;
    int ColorFavNotAssButton = 0;
};

// The tree control: drags start only from the selected node and are taken
// only from itself; a drop names the node under it.
class TRadioTree final : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;
    // A node's name is being edited in place.
    bool Editing() const { return state() == EditingState; }
signals:
    void Dropped(const QModelIndex& target);
    void KeyEvent();

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

class TArchiveDialog final : public QDialog {
    Q_OBJECT
public:
    TArchiveDialog(TArchive archive, tPresets& presets, int& currentPreset, const tArchiveDialogSetup& setup,
                TCardThread& card, TPrompts& prompts, const TGlyphs& glyphs, QWidget* parent = nullptr);
    ~TArchiveDialog() override;

    TArchive& Archive() { return archive_; }
    TArchiveModel& Model() { return *model_; }
    TArchiveTuner& Tuner() { return tuner_; }
    bool Busy() const { return busy_; }

    // The commands, as the menus, buttons and drops run them.
    void AddFolder();
    void AddStation();
    void Rename();
    void Delete();
    void DropOnTree(const QModelIndex& target);
    bool CanDropOnPreset() const;
    void DropOnPreset(int n);
    void ClearPreset(int n);
    void ClearAllPresets();
    void Scan(bool upward);
    // The selection rules, after a click or key in the tree.
    void ApplySelection();

    std::function<void(const QString& topic)> OnHelp;
    static QString HelpTopic() { return QStringLiteral("The_organizer"); }
    // Writes the archive; false with the reason when it cannot.
    std::function<bool(const TArchive& archive, QString& error)> OnSave;
    // Told in a message box once the dialog is up (rows the tree could not take).
    QString OpeningNotice;
    // The tree differs from the one the dialog opened with.
    bool Changed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void BuildTree();
    void BuildPresets();
    void BuildTuner();
    void BuildButtons();
    void OkClick();
    QByteArray ArchiveText() const;
    void SetHeight(bool station);
    TArchiveNode* Selected() const;
    bool Renamed(TArchiveNode& node, const QString& text);
    void Warn(tArchiveRule rule);
    void SetTuner(tBand band, std::optional<double> frequency, bool dragging = false);
    void ShowTuner(int signal);
    void ScanEnded();
    void ShowSignalLabel(int signal);
    void ShowPresetButton(int n, bool on);

    TArchive archive_;
    tPresets& presets_;
    int& current_;
    tArchiveDialogSetup setup_;
    TCardThread& card_;
    TPrompts& prompts_;
    const TGlyphs& glyphs_;
    TArchiveTuner tuner_;
    bool busy_ = false;
    bool shown_ = false;
    QByteArray opened_; // the archive as written when the dialog opened

    TArchiveModel* model_ = nullptr;
    TRadioTree* RadioTree = nullptr;
    QMenu* OrgMenu = nullptr;
    QAction* miRename = nullptr;
    QAction* miDelete = nullptr;
    QAction* miAdd = nullptr;
    QGroupBox* gpPresets = nullptr;
    std::array<QToolButton*, tPresets::Count + 1> btRadio{};
    QMenu* BtMenu = nullptr;
    QAction* miClear = nullptr;
    int menuButton_ = 0;
    QGroupBox* StationData = nullptr;
    tTunerReadout Readout;
    QLabel* Tuned = nullptr;
    QLabel* AM_FM = nullptr;
    QLabel* HZ = nullptr;
    QLabel* LOut = nullptr;
    QSlider* Frequency = nullptr;
    std::array<QLabel*, 12> Freq{};
    QToolButton* btFM = nullptr;
    QToolButton* btAM = nullptr;
    QToolButton* btTunePrev = nullptr;
    QToolButton* btTuneNext = nullptr;
    QLabel* LScan = nullptr;
    QToolButton* btScanPrev = nullptr;
    QToolButton* btScanNext = nullptr;
    QToolButton* btStopScan = nullptr;
    QLabel* Scanning = nullptr;
    QLabel* Step = nullptr;
    QLabel* LStep = nullptr;
    TSpinButton* btSpinStep = nullptr;
    QSlider* StepSlider = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;
    QPushButton* btHelp = nullptr;
};
