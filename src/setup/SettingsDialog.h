#pragma once
// The settings dialog "Settings": the radio card and its port, the volume
// path, start and close, the read-out's colours and style with a live
// preview, the button colours and the keyboard keys, on six pages. It edits
// a working copy (TSetupModel holds it and its rules); nothing leaves the
// dialog before OK, when the caller takes Values().

#include "SetupModel.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QToolButton;
class TColorGrid;
class TComCombo;
class TDisplay;
class TGlyphs;

class TSettingsDialog : public QDialog {
    Q_OBJECT
public:
    TSettingsDialog(const tSetupValues& values, tSetupFacts facts, QWidget* parent = nullptr);
    ~TSettingsDialog() override;

    const tSetupValues& Values() const { return model_.Values(); }
    // Opens the help at a topic; null: "Help" does nothing.
    std::function<void(const QString&)> OnHelp;

    // One blink of the preview (the page's timer calls it every second).
    void TimerTimer();

private:
    QWidget* BuildCardPage();
    QWidget* BuildVolumePage();
    QWidget* BuildStartPage();
    QWidget* BuildColorsPage();
    QWidget* BuildButtonsPage();
    QWidget* BuildKeysPage();
    QWidget* BuildRecordingPage();
    QWidget* BuildPreview();

    // Radio card and volume pages.
    void HwListChange(int row);
    void ShowModel();
    void FillVolumeList();
    // Colors page.
    void ShowDigitColours();
    void ShowPanelColour();
    void ShowStyle(int style);
    void ShowTextColour();
    QColor TextColour(bool bright) const;
    // Buttons page.
    void ButtonColourClick(tButtonRow row, int colour);
    void ShowButtonRow(tButtonRow row);
    // Keys page.
    void CmdChange(std::size_t command);
    void ShowKeys();
    // The software-defined radio's group on the card page.
    QGroupBox* BuildSdrGroup(QWidget* page);

    TSetupModel model_;
    std::unique_ptr<TGlyphs> glyphs_;
    bool blinkOn_ = false;

    QTabWidget* pages_ = nullptr;
    QPushButton* btOk = nullptr;
    // Radio card page.
    QListWidget* HwList = nullptr;
    QCheckBox* xCheckIfTuned = nullptr;
    QCheckBox* xJapFM = nullptr;
    QGroupBox* gPort_030C_020C = nullptr;
    QRadioButton* Port_030C = nullptr;
    QRadioButton* Port_020C = nullptr;
    QLabel* Installed_030C_020C = nullptr;
    QGroupBox* gPort_Serial = nullptr;
    TComCombo* Port_Serial = nullptr;
    QLabel* Installed_Serial = nullptr;
    QGroupBox* gWinNT = nullptr;
    QGroupBox* gNoSerials = nullptr;
    QGroupBox* gPort_Radio = nullptr;
    QComboBox* Port_Radio = nullptr;
    QGroupBox* gSdr = nullptr; // the software-defined radio's settings
    // Volume control page.
    QListWidget* ScList = nullptr;
    QCheckBox* xUsbAudio = nullptr;
    QLabel* LMessage = nullptr;
    // Colors page.
    QWidget* Panel = nullptr;
    std::array<TDisplay*, 6> Dig{};
    QWidget* Point = nullptr;
    std::array<QLabel*, 5> labels_{}; // StationNum, Station, HHMMSS, AM_FM, HZ
    QLabel* Tuned = nullptr;
    QLabel* icSleepOnOff = nullptr;
    QLabel* icAlarmOnOff = nullptr;
    QLabel* icMusicOnOff = nullptr;
    QLabel* icProgOnOff = nullptr;
    TColorGrid* oDigit = nullptr;
    TColorGrid* oPanel = nullptr;
    QTimer* Timer = nullptr;
    QButtonGroup* textButtons_ = nullptr;
    QButtonGroup* flagButtons_ = nullptr;
    // Buttons page: the eight colour buttons and the preview pair of each row.
    std::array<std::array<QToolButton*, 8>, 4> colourButtons_{};
    std::array<std::pair<QLabel*, QLabel*>, 4> buttonPreviews_{};
    // Keys page.
    std::array<QComboBox*, KeyCommands.size()> keyLists_{};
};
