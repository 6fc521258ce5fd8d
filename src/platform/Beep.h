#pragma once
// A tone of a pitch and a length, for the beeps of scripts: through the PC
// speaker when its input-event device can be written, else as a sine tone on
// the default sound device. Blocks for the tone's length.

// False when neither could play it; the caller then rings the desktop bell.
bool PlayTone(int pitch, int ms);
