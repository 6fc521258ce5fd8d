// The presets file read from memory; the oracle is CheckPresetsFile's (Oracles.cpp): load, and
// save-then-load gives the same table.
#include "FuzzTarget.h"

VANTORO_FUZZ_TARGET(CheckPresetsFile)
