// The number, time and text helpers; the oracle is CheckHelpers' (Oracles.cpp): printing and
// parsing round trips.
#include "FuzzTarget.h"

VANTORO_FUZZ_TARGET(CheckHelpers)
