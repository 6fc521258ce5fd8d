#include "SimClock.h"

void TSimClock::Wait(int ms)
{
    if (ms <= 0) return;
    now_ += ms;
    if (realSleep_) TSleepWaiter().Wait(ms);
}
