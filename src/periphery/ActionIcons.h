#pragma once
// The 16 x 16 icons of the seven script action kinds, drawn by code: mute on,
// mute off, beep, volume, jump to, preset, off (kind codes 1..7).

#include <QPixmap>

// A transparent picture for any other code.
QPixmap ActionIcon(int kind);
