// The script file read from memory; the oracle is CheckScriptFile's (Oracles.cpp): load, and save-
// then-load gives the same script.
#include "FuzzTarget.h"

VANTORO_FUZZ_TARGET(CheckScriptFile)
