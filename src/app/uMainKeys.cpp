// The single-key commands: a typed character is looked up in the key
// string and the command at its position runs exactly as its button or menu
// item would, under that operation's own conditions (a busy window ignores
// most of them). Keys reach the window from the window itself and from the
// controls that would otherwise swallow them: the preset buttons, the
// frequency, step and volume sliders and the hidden slider Temp.

#include "uMain.h"

#include <QKeyEvent>

namespace
{

struct tKeyOperation {
    int Position; // in the key string, see KeyCommands
    void (tdMain::*Run)();
};

// One row per command the window offers; position 33 runs nothing.
// clang-format off
const tKeyOperation KeyOperations[] = {
    {1, &tdMain::Volume_Up},
    {2, &tdMain::Volume_Down},
    {3, &tdMain::Volume_0},
    {4, &tdMain::Volume_Mixer},
    {5, &tdMain::Volume_Mute},
    {6, &tdMain::Actions_TunePrev},
    {7, &tdMain::Actions_TuneNext},
    {8, &tdMain::Actions_StepDec},
    {9, &tdMain::Actions_StepInc},
    {10, &tdMain::Actions_Sleep},
    {11, &tdMain::Actions_Alarm},
    {12, &tdMain::Actions_ScanPrev},
    {13, &tdMain::Actions_ScanNext},
    {14, &tdMain::Actions_StopScan},
    {15, &tdMain::Stations_EditPresets},
    {16, &tdMain::Options_Settings},
    {17, &tdMain::Stations_Organize},
    {18, &tdMain::Actions_Prog},
    {19, &tdMain::File_Exit},
    {20, &tdMain::Actions_Jump},
    {21, &tdMain::Display_AlwaysOnTop},
    {22, &tdMain::Display_Minimal},
    {23, &tdMain::Display_MinTuner},
    {24, &tdMain::Display_MinPresets},
    {25, &tdMain::Actions_Stereo},
    {26, &tdMain::Display_Complete},
    {27, &tdMain::Stations_Clear},
    {28, &tdMain::Stations_ClearAll},
    {29, &tdMain::Stations_Memory},
    {30, &tdMain::Stations_Rename},
    {31, &tdMain::Help_Topics},
    {32, &tdMain::Help_About},
    {34, &tdMain::File_LoadScript},
    {35, &tdMain::File_LoadPresets},
    {36, &tdMain::Display_MinVolBtn},
    {37, &tdMain::Display_MinVolBtnPre},
};
// clang-format on

} // namespace

void tdMain::KeyPress(QChar key)
{
    const int position = KeyCommandPosition(settings_.KeyboardCommands, key);
    for (const tKeyOperation& operation : KeyOperations)
        if (operation.Position == position) {
            (this->*operation.Run)();
            return;
        }
}

bool tdMain::eventFilter(QObject* watched, QEvent* event)
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
