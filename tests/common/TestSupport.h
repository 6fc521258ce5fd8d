#pragma once
// Small helpers shared by the tests.

#include "PortAccess.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QThread>
#include <functional>
#include <vector>

// Records every wait instead of sleeping.
class TRecordingWaiter final : public TWaiter {
public:
    void Wait(int ms) override { waits.push_back(ms); }
    std::vector<int> waits;
};

// Sets the default locale for one scope and puts the previous one back.
class TScopedLocale {
public:
    explicit TScopedLocale(const QLocale& locale) : saved_(QLocale()) { QLocale::setDefault(locale); }
    ~TScopedLocale() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

// Polls until `done` holds, for work another thread does; false after `ms`.
inline bool WaitFor(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QThread::msleep(2);
    }
    return true;
}
