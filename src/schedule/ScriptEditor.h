#pragma once
// The script editor: the action kinds on the left, the script in time order
// in the middle, the selected action's values on the right. It works on a
// copy of the loaded script; only OK hands the edited script back.

#include "RadioCards.h"
#include "ScriptEdit.h"

#include <QDialog>
#include <QListWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class QToolButton;
class TScriptEditor;

// The two lists, with Qt's own drag machinery; a drop goes to the editor's
// drop handlers with the row under the mouse (-1 below the last row).
class TProgList final : public QListWidget {
    Q_OBJECT
public:
    TProgList(TScriptEditor& editor, bool kinds, QWidget* parent);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Accepts(QDropEvent* event) const;
    TScriptEditor& editor_;
    bool kinds_;
};

class TScriptEditor : public QDialog {
    Q_OBJECT
public:
    TScriptEditor(tScriptEditorEnv env, const tScript& loaded, const QString& fileName, QWidget* parent = nullptr);
    ~TScriptEditor() override;

    // After OK: the edited script and its file (empty when it has none).
    const tScript& Script() const { return script_; }
    QString FileName() const { return fileName_; }

    // Drops, as the lists' drag machinery delivers them. `fromKinds`: a kind
    // from `Actions`, else the selected row of `Script`; `row` -1 is below
    // the last row.
    bool ProgDragOver(bool fromKinds) const;
    void ProgDragDrop(bool fromKinds, int row);
    bool ActionsDragOver() const { return !script_.Actions.empty(); }
    void ActionsDragDrop() { LeftClick(); }

    void RightClick();
    void LeftClick();
    void SaveClick();
    void ReloadClick();
    void btNewClick();
    void btLoadClick();
    void btSaveClick();
    void iSaveAsClick();
    void btOkClick();
    // The `Preview` timer's tick: ends a frequency test, or gives the next
    // preview beep.
    void PreviewTick();

protected:
    void done(int result) override;

private:
    void BuildControls();
    void FillLists();
    void ShowScript(int select);
    void RefreshEnabled();
    // After a change to the script: the list and the buttons afresh, then
    // `row` selected as a click would select it.
    void ShowScriptAndSelect(int row);
    void ScriptClick();
    void FillPanel(const zAction& action);
    // The selected action (0-based) with the values the panel shows.
    zAction PanelAction(int s);
    // The panel shows values other than those it was filled with.
    bool PanelEdited();
    void ShowRange(int index);
    void TimeHHChange();
    void TimeMMChange();
    void ApplyBand(std::uint8_t band);
    void ShowPresetStereo(int preset, bool stereo);
    void btPrFreqClick(bool down);
    void EndFreqTest();
    void btPrBeepClick(bool down);
    void EndPreview();
    void Restore();
    bool Write(const QString& fileName);
    bool SaveAs();
    void SetFileName(const QString& fileName);
    zAction NewAction(tActionKind kind) const;
    tActionKind SelectedKind() const;
    int Selected() const;
    QTime Now() const;

    tScriptEditorEnv env_;
    tScript loaded_;
    tScript script_;
    QString fileName_;
    // The card's tuning when the editor opened, put back after every test.
    double savedFrequency_ = 0;
    tBand savedBand_ = bFM;
    bool savedStereo_ = false;
    std::uint8_t panelBand_ = 1;
    int defaultPreset_ = 0;
    int previewPosition_ = -1;
    int beepCount_ = 0;
    enum class tPreview { None, Freq, Beep } preview_ = tPreview::None;
    tTimeRange range_;
    bool accepted_ = false;
    int panelIndex_ = -1;   // the action the panel was filled with
    zAction panelFilled_;   // its values as the panel first showed them

    QToolButton* btNew = nullptr;
    QToolButton* btLoad = nullptr;
    QToolButton* btSave = nullptr;
    QLineEdit* Title = nullptr;
    TProgList* Actions = nullptr;
    TProgList* ScriptList = nullptr; // `Script`
    QPushButton* Right = nullptr;
    QPushButton* Left = nullptr;
    QMenu* ProgMenu = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QWidget* gVolume = nullptr;
    QSlider* Volume = nullptr;
    QLabel* Perc = nullptr;
    QWidget* gFreq = nullptr;
    QDoubleSpinBox* Freq = nullptr;
    QToolButton* btFM = nullptr;
    QToolButton* btAM = nullptr;
    QCheckBox* FreqStereo = nullptr;
    QToolButton* btPrFreq = nullptr;
    QLabel* Tuned = nullptr;
    QWidget* gPreset = nullptr;
    QComboBox* Presets = nullptr;
    QCheckBox* PresetStereo = nullptr;
    QLabel* PresetWord = nullptr;
    QLabel* RecordFor = nullptr;
    QSpinBox* RecordMinutes = nullptr;
    QWidget* gBeep = nullptr;
    QSpinBox* Times = nullptr;
    QSpinBox* BFreq = nullptr;
    QSpinBox* MSecs = nullptr;
    QToolButton* btPrBeep = nullptr;
    QWidget* gCommon = nullptr;
    QSpinBox* TimeHH = nullptr;
    QSpinBox* TimeMM = nullptr;
    QLabel* bTime = nullptr;
    QLabel* eTime = nullptr;
    QPushButton* btOk = nullptr;
    QAction* miNew = nullptr;
    QAction* miSave = nullptr;
    QTimer* Preview = nullptr;
};
