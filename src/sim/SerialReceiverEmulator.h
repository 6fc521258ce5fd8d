#pragma once
// An emulated serial receiver (Wizard Radio, RadioMan, RadionMaru, Rajikoma)
// on a pseudo-terminal. The program opens the slave side like any serial
// device; the receiver listens on the master side on a thread of its own, so
// it answers while the program waits in a blocking read.
//
// It understands the frames 0x1D '#' code '#': 0x01 audio on, 0x02 audio off,
// 0x05 / 0x09 tune FM / AM to the three channel digits that follow, 0x08 the
// signal query, answered with a status byte, 0x1D '#' 0x04 '#' and a line end
// when a station is on the channel, and with silence otherwise.

#include "RadioCards.h"
#include "StationList.h"

#include <QByteArray>
#include <QString>
#include <mutex>
#include <thread>

class TSerialReceiverEmulator {
public:
    // `stations` must outlive the receiver and stay unchanged while it runs.
    explicit TSerialReceiverEmulator(const TStationList& stations);
    ~TSerialReceiverEmulator();
    TSerialReceiverEmulator(const TSerialReceiverEmulator&) = delete;
    TSerialReceiverEmulator& operator=(const TSerialReceiverEmulator&) = delete;

    // False when no pseudo-terminal could be had; ErrorString() says why.
    bool IsValid() const { return master_ >= 0; }
    QString ErrorString() const { return error_; }
    // The device the program opens.
    QString SlavePath() const { return slavePath_; }

    // What the receiver is doing; safe to call while it runs.
    double FrequencyMHz() const; // 0 until first tuned
    tBand Band() const;
    bool Muted() const;
    int Channel() const;          // the last channel number received, -1 before
    int Queries() const;          // signal queries answered or left silent
    QByteArray Received() const;  // every byte the program sent
    void ClearReceived();

private:
    void Run();
    void Feed(std::uint8_t byte);
    void Answer();

    const TStationList& stations_;
    QString error_;
    QString slavePath_;
    int master_ = -1;
    int slaveHold_ = -1; // keeps the line alive while the program has it closed
    int wake_[2] = {-1, -1};

    mutable std::mutex mutex_;
    tBand band_ = bFM;
    double mhz_ = 0;
    bool muted_ = true;
    int channel_ = -1;
    int queries_ = 0;
    QByteArray received_;

    // Parser state, touched by the receiver's thread only.
    QByteArray frame_;
    int digitsWanted_ = 0;
    tBand digitsBand_ = bFM;
    QByteArray digits_;

    std::thread thread_;
};
