#pragma once
// One serial port on POSIX termios: open/close, line settings, sends and
// receives with time limits, purges, DTR/RTS, and polling on a QTimer that
// delivers received data as a stream or in packets.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <mutex>
#include <cstdint>
#include <functional>
#include <vector>

class THardwareEnv;
struct termios;

enum TComPortNumber {
    pnCOM1, pnCOM2, pnCOM3, pnCOM4, pnCOM5, pnCOM6, pnCOM7, pnCOM8,
    pnCOM9, pnCOM10, pnCOM11, pnCOM12, pnCOM13, pnCOM14, pnCOM15, pnCOM16
};
enum TComPortBaudRate {
    br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200,
    br38400, br56000, br57600, br115200
};
enum TComPortDataBits { db5BITS, db6BITS, db7BITS, db8BITS };
enum TComPortStopBits { sb1BITS, sb1HALFBITS, sb2BITS };
enum TComPortParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TComPortHwHandshaking { hhNONE, hhNONERTSON, hhRTSCTS };
enum TComPortSwHandshaking { shNONE, shXONXOFF };
enum TPacketMode { pmDiscard, pmPass };

using TComPortReceiveDataEvent = std::function<void(QObject* sender, const char* data, int size)>;
using TComPortReceivePacketEvent = std::function<void(QObject* sender, const char* packet, int size)>;

class TSerialPort : public QObject {
    Q_OBJECT
public:
    // `env` maps COMn to a device path and traces the bytes; null: /dev/ttyS{n-1}, no trace.
    explicit TSerialPort(THardwareEnv* env = nullptr, QObject* parent = nullptr);
    ~TSerialPort() override;

    TComPortNumber ComPort() const { return comPort_; }
    void SetComPort(TComPortNumber value);
    TComPortBaudRate ComPortSpeed() const { return speed_; }
    void SetComPortSpeed(TComPortBaudRate value);
    TComPortDataBits ComPortDataBits() const { return dataBits_; }
    void SetComPortDataBits(TComPortDataBits value);
    TComPortStopBits ComPortStopBits() const { return stopBits_; }
    void SetComPortStopBits(TComPortStopBits value);
    TComPortParity ComPortParity() const { return parity_; }
    void SetComPortParity(TComPortParity value);
    TComPortHwHandshaking ComPortHwHandshaking() const { return hw_; }
    void SetComPortHwHandshaking(TComPortHwHandshaking value);
    TComPortSwHandshaking ComPortSwHandshaking() const { return sw_; }
    void SetComPortSwHandshaking(TComPortSwHandshaking value);
    std::uint16_t ComPortInBufSize() const { return inBufSize_; }
    void SetComPortInBufSize(std::uint16_t value);
    std::uint16_t ComPortOutBufSize() const { return outBufSize_; }
    void SetComPortOutBufSize(std::uint16_t value);
    std::int16_t PacketSize() const { return packetSize_; }
    void SetPacketSize(std::int16_t value);
    std::int32_t PacketTimeout() const { return packetTimeout_; }
    void SetPacketTimeout(std::int32_t value);
    TPacketMode PacketMode() const { return packetMode_; }
    void SetPacketMode(TPacketMode value) { packetMode_ = value; }
    std::uint16_t ComPortPollingDelay() const { return pollingDelay_; }
    void SetComPortPollingDelay(std::uint16_t value);
    bool EnableDTROnOpen() const { return enableDtr_; }
    void SetEnableDTROnOpen(bool value) { enableDtr_ = value; }
    std::uint16_t OutputTimeout() const { return outputTimeout_; }
    void SetOutputTimeout(std::uint16_t value) { outputTimeout_ = value; }
    std::int32_t InputTimeout() const { return inputTimeout_; }
    void SetInputTimeout(std::int32_t value) { inputTimeout_ = value; }
    bool CheckLineStatus() const { return checkLineStatus_; }
    void SetCheckLineStatus(bool value) { checkLineStatus_ = value; }

    TComPortReceiveDataEvent OnReceiveData;
    TComPortReceivePacketEvent OnReceivePacket;
    // Called once when the line fails under the program (a write or read
    // error, or the other end gone: a USB adapter pulled out, a pseudo-
    // terminal's master closed). The port has closed itself by then, so no
    // send, receive or polling touches the dead descriptor again; the
    // number is the system's error.
    std::function<void(int error)> OnLineError;
    // The error that closed the line; 0 while it works.
    int LineError() const { return lineError_; }

    // The device path the port number stands for.
    QString DeviceName() const;

    bool OpenPort();
    void ClosePort();
    bool IsOpen() const { return fd_ >= 0; }
    void ApplyLineSettings();
    void PurgeBuffers(bool input, bool output);
    int InputCount() const;  // 0xFFFF when closed
    int OutputRoom() const;  // -1 when closed
    int SendWithin(const char* data, int length, int timeoutMs);
    int Send(const char* data, int length) { return SendWithin(data, length, outputTimeout_); }
    int Send(const QByteArray& data) { return Send(data.constData(), int(data.size())); }
    int Receive(char* buffer, int length);
    bool ReceiveByte(std::uint8_t& value);
    void SetDtrLine(bool on);
    void SetRtsLine(bool on);
    int ModemLines() const; // bit 0 CTS, 1 DSR, 2 ring, 3 carrier detect
    void HoldPolling() { ++hold_; }
    void ResumePolling() { --hold_; }
    // Held by whoever talks on the line from another thread: the polling
    // timer skips a tick while it is taken, so the two never interleave.
    void SetPollLock(std::recursive_mutex* lock) { pollLock_ = lock; }

private:
    void Poll();
    void PollLocked();
    // Starts or stops the polling timer on its own thread, whichever thread
    // opens or closes the line.
    void SetPolling(bool on);
    int ReadQueued(char* buffer, int length);
    // Bytes waiting; -1 once the line has failed.
    int Queued();
    // Closes a line that failed and tells OnLineError.
    void LineFailed(int error);
    // True (and the line closed) when poll() reported the line hung up or broken.
    bool LineGone(short revents);
    void FlushRxTrace();

    THardwareEnv* env_;
    int fd_ = -1;
    int lineError_ = 0;
    TComPortNumber comPort_ = pnCOM2;
    TComPortBaudRate speed_ = br9600;
    TComPortDataBits dataBits_ = db8BITS;
    TComPortStopBits stopBits_ = sb1BITS;
    TComPortParity parity_ = ptNONE;
    TComPortHwHandshaking hw_ = hhNONERTSON;
    TComPortSwHandshaking sw_ = shNONE;
    std::uint16_t inBufSize_ = 2048;
    std::uint16_t outBufSize_ = 2048;
    std::int16_t packetSize_ = -1;
    std::int32_t packetTimeout_ = -1;
    TPacketMode packetMode_ = pmDiscard;
    std::uint16_t pollingDelay_ = 50;
    bool enableDtr_ = true;
    std::uint16_t outputTimeout_ = 500;
    std::int32_t inputTimeout_ = 200;
    bool checkLineStatus_ = false;
    std::vector<char> receiveBuffer_;
    qint64 packetStart_ = -1;
    int hold_ = 0;
    QTimer pollTimer_;
    std::recursive_mutex* pollLock_ = nullptr;
    QElapsedTimer clock_;
    QByteArray rxTrace_; // received bytes not yet written to the trace
};

// Fills `tio` (read from the line first) with the driver's line settings,
// all but the speed: raw 8-bit, data bits, parity, stop bits and flow control.
void BuildLineSettings(const TSerialPort& driver, termios& tio);
