#pragma once
// A hardware environment for card tests: an emulated port bus and simulated
// clock underneath, with every port access and wait recorded in trace form
// ("out 030C D8", "in 030C FF", "wait 125").

#include "HardwareEnv.h"
#include "PortBus.h"
#include "SimClock.h"

#include <QStringList>

class TTestHardware final : public THardwareEnv {
public:
    TTestHardware() { Attach(recorder_, recorder_); }

    bool PortAccess(QString*) override { return true; }
    bool Simulated() const override { return true; }
    QStringList SerialAdapters() const override { return adapters; }

    TPortBus bus;
    TSimClock clock;
    QStringList log;
    QStringList adapters; // the USB serial adapters "plugged in"

    QStringList Take()
    {
        QStringList taken = log;
        log.clear();
        return taken;
    }

private:
    class TRecorder final : public TPortAccess, public TWaiter {
    public:
        explicit TRecorder(TTestHardware& hw) : hw_(hw) {}
        void PortOut(std::uint16_t port, std::uint8_t value) override
        {
            hw_.log << QStringLiteral("out %1 %2").arg(Hex(port, 4), Hex(value, 2));
            hw_.bus.PortOut(port, value);
        }
        std::uint8_t PortIn(std::uint16_t port) override
        {
            const std::uint8_t value = hw_.bus.PortIn(port);
            hw_.log << QStringLiteral("in %1 %2").arg(Hex(port, 4), Hex(value, 2));
            return value;
        }
        void Wait(int ms) override
        {
            hw_.log << QStringLiteral("wait %1").arg(ms);
            hw_.clock.Wait(ms);
        }

    private:
        static QString Hex(unsigned v, int digits)
        {
            return QStringLiteral("%1").arg(v, digits, 16, QLatin1Char('0')).toUpper();
        }
        TTestHardware& hw_;
    };
    TRecorder recorder_{*this};
};
