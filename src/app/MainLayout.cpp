#include "MainLayout.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <array>

const tMainLayout* MainLayoutOf(int type)
{
    static const std::array<tMainLayout, MainLayoutCount> layouts{{
        {"Display_Complete", QT_TRANSLATE_NOOP("TMainWindow", "Complete"), 621, 164 + MainRdsLineHeight, true, true, true, QRect(301, 73, 133, 47), 85, QPoint(90, 19), 438,
         78, 99},
        {"Display_Minimal", QT_TRANSLATE_NOOP("TMainWindow", "Display"), 306, 117, false, false, false, {}},
        {"Display_MinTuner", QT_TRANSLATE_NOOP("TMainWindow", "Display + tuner"), 621, 117 + MainRdsLineHeight, true, false, false, {}},
        {"Display_MinPresets", QT_TRANSLATE_NOOP("TMainWindow", "Display + presets"), 306, 164, false, true, false, {}},
        {"Display_MinVolBtn", QT_TRANSLATE_NOOP("TMainWindow", "Display + volume + buttons"), 306, 164, false, false, true, QRect(0, 73, 120, 47), 75,
         QPoint(80, 19), 123, 78, 99},
        {"Display_MinVolBtnPre", QT_TRANSLATE_NOOP("TMainWindow", "Display + volume + buttons + presets"), 306, 211, false, true, true,
         QRect(0, 120, 120, 47), 75, QPoint(80, 19), 123, 125, 146},
    }};
    return type >= 0 && type < MainLayoutCount ? &layouts[std::size_t(type)] : nullptr;
}
