#pragma once
// "Edit presets": the hundred presets in one list, with a small tuner for the
// selected one, and the presets files. The work is done by TPresetsDraft;
// this is its face.

#include "PresetsDraft.h"
#include "TunerPanel.h"

#include <QDialog>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class TSpinButton;

class TPresetsEditor final : public QDialog {
    Q_OBJECT
public:
    // `mainTable` is normalised at once and written only on OK.
    TPresetsEditor(tPresets& mainTable, const tPresetsDraftSetup& setup, TCardThread& card, TPrompts& prompts,
                    QWidget* parent = nullptr);
    ~TPresetsEditor() override;

    TPresetsDraft& Editor() { return editor_; }

    std::function<void(const QString& topic)> OnHelp;
    static QString HelpTopic() { return QStringLiteral("Edit_presets"); }

    // Every close but OK asks first when presets were changed.
    void reject() override;

private:
    void BuildList();
    void BuildTuner();
    void BuildControls();
    // A button that runs a command of the editor, then shows the state it left.
    QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                           const std::function<void()>& command);
    void Refresh();
    void ShowTuner();
    void ShowListen();
    void ListenToggled(bool down);
    void PreviewTimer();
    void btOkClick();

    TPresetsDraft editor_;
    QListWidget* Presets = nullptr;
    QLineEdit* StationName = nullptr;
    tTunerReadout Readout;
    QToolButton* btFM = nullptr;
    QToolButton* btAM = nullptr;
    QLabel* AM_FM = nullptr;
    QLabel* HZ = nullptr;
    QSlider* Frequency = nullptr;
    std::array<QLabel*, 12> Freq{};
    QToolButton* btTunePrev = nullptr;
    QToolButton* btTuneNext = nullptr;
    QLabel* Step = nullptr;
    QLabel* LStep = nullptr;
    TSpinButton* btSpinStep = nullptr;
    QSlider* StepSlider = nullptr;
    QLabel* ErrMsg = nullptr;
    QLabel* StoredEntries = nullptr;
    QPushButton* btUndo = nullptr;
    QPushButton* btInsert = nullptr;
    QPushButton* btDelete = nullptr;
    QPushButton* btClear = nullptr;
    QPushButton* btMoveUp = nullptr;
    QPushButton* btMoveDown = nullptr;
    QPushButton* btListen = nullptr;
    QPushButton* btSave = nullptr;
    QPushButton* btOk = nullptr;
    QAction* miSave = nullptr;
    QAction* miSaveAs = nullptr;
    QTimer* Preview = nullptr;
};
