// Vantoro.db read through a file of this process's own; the oracle is CheckArchiveFile's
// (Oracles.cpp): save-then-load gives the same tree.
#include "FuzzTarget.h"

VANTORO_FUZZ_TARGET(CheckArchiveFile)
