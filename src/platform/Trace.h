#pragma once
// The hardware trace: one line per port access, wait and serial byte run,
//   out 030C D8 / in 030C FF / wait 125 / tx 1D 23 05 23 / rx 1D 23 04 23
//   ioctl S_FREQUENCY 1520000
// ports as four upper-case hex digits, bytes as two; a beep as beep 5000 300.

#include "PortAccess.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <mutex>

class TTraceLog {
public:
    // Writes to the file (truncated); an empty name or an unopenable file traces nothing.
    explicit TTraceLog(const QString& fileName);
    // Writes to a device the caller owns (tests use a QBuffer).
    explicit TTraceLog(QIODevice* device);
    bool IsOpen() const;
    QString ErrorString() const;
    // True once a line could not be written whole (a full disk, /dev/full).
    bool WriteFailed() const { return writeFailed_; }

    void Out(std::uint16_t port, std::uint8_t value);
    void In(std::uint16_t port, std::uint8_t value);
    void Wait(int ms);
    void Tx(const QByteArray& bytes);
    void Rx(const QByteArray& bytes);
    void Beep(int pitch, int ms);
    // A line as it stands (the radio devices' `ioctl ...` lines).
    void Line(const QByteArray& line);

private:
    std::unique_ptr<QFile> file_;
    QString openError_; // why the file could not be opened
    QIODevice* out_ = nullptr;
    bool writeFailed_ = false;
    // The card's thread and the window's (a script's beep) both write lines.
    std::mutex lock_;
};

class TTracingPortAccess final : public TPortAccess {
public:
    TTracingPortAccess(TPortAccess& inner, TTraceLog& log) : inner_(inner), log_(log) {}
    void PortOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t PortIn(std::uint16_t port) override;

private:
    TPortAccess& inner_;
    TTraceLog& log_;
};

class TTracingWaiter final : public TWaiter {
public:
    TTracingWaiter(TWaiter& inner, TTraceLog& log) : inner_(inner), log_(log) {}
    void Wait(int ms) override;

private:
    TWaiter& inner_;
    TTraceLog& log_;
};

QByteArray HexBytes(const QByteArray& bytes); // "1D 23 05 23"
