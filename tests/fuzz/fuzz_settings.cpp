// Vantoro.ini read, written and read again through a file of this process's own; the oracle is
// CheckSettingsFile's (Oracles.cpp): the same values, foreign lines kept in place.
#include "FuzzTarget.h"

VANTORO_FUZZ_TARGET(CheckSettingsFile)
