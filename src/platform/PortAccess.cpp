#include "PortAccess.h"

#include <chrono>
#include <thread>

void TSleepWaiter::Wait(int ms)
{
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
