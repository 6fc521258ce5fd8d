#pragma once
// Small helpers shared by the tests.

#include "PortAccess.h"

#include <QLocale>
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
