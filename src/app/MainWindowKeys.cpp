// The single-key commands: a typed character is looked up in the key
// string and the command at its position runs exactly as its button or menu
// item would, under that operation's own conditions (a busy window ignores
// most of them). Keys reach the window from the window itself and from the
// controls that would otherwise swallow them: the preset buttons, the
// frequency, step and volume sliders and the hidden slider Temp.

#include "MainWindow.h"

#include <QKeyEvent>

namespace
{

struct tKeyOperation {
    int Position; // in the key string, see KeyCommands
    void (TMainWindow::*Run)();
};

// One row per command the window offers; position 33 runs nothing.
// clang-format off
const tKeyOperation KeyOperations[] = {
    {1, &TMainWindow::Volume_Up},
    {2, &TMainWindow::Volume_Down},
    {3, &TMainWindow::Volume_0},
    {4, &TMainWindow::Volume_Mixer},
    {5, &TMainWindow::Volume_Mute},
    {6, &TMainWindow::Actions_TunePrev},
    {7, &TMainWindow::Actions_TuneNext},
    {8, &TMainWindow::Actions_StepDec},
    {9, &TMainWindow::Actions_StepInc},
    {10, &TMainWindow::Actions_Sleep},
    {11, &TMainWindow::Actions_Alarm},
    {12, &TMainWindow::Actions_ScanPrev},
    {13, &TMainWindow::Actions_ScanNext},
    {14, &TMainWindow::Actions_StopScan},
    {15, &TMainWindow::Stations_EditPresets},
    {16, &TMainWindow::Options_Settings},
    {17, &TMainWindow::Stations_Organize},
    {18, &TMainWindow::Actions_Prog},
    {19, &TMainWindow::File_Exit},
    {20, &TMainWindow::Actions_Jump},
    {21, &TMainWindow::Display_AlwaysOnTop},
    {22, &TMainWindow::Display_Minimal},
    {23, &TMainWindow::Display_MinTuner},
    {24, &TMainWindow::Display_MinPresets},
    {25, &TMainWindow::Actions_Stereo},
    {26, &TMainWindow::Display_Complete},
    {27, &TMainWindow::Stations_Clear},
    {28, &TMainWindow::Stations_ClearAll},
    {29, &TMainWindow::Stations_Memory},
    {30, &TMainWindow::Stations_Rename},
    {31, &TMainWindow::Help_Topics},
    {32, &TMainWindow::Help_About},
    {34, &TMainWindow::File_LoadScript},
    {35, &TMainWindow::File_LoadPresets},
    {36, &TMainWindow::Display_MinVolBtn},
    {37, &TMainWindow::Display_MinVolBtnPre},
};
// clang-format on

} // namespace

void TMainWindow::KeyPress(QChar key)
{
    const int position = KeyCommandPosition(settings_.KeyboardCommands, key);
    for (const tKeyOperation& operation : KeyOperations)
        if (operation.Position == position) {
            (this->*operation.Run)();
            return;
        }
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Ctrl and Alt combinations stay menu short cuts; auto-repeat repeats the command.
        if (!text.isEmpty() && text[0].isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            KeyPress(text[0]);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
