// The serial receivers (Wizard Radio, RadioMan, RadionMaru, Rajikoma): four-byte
// frames 0x1D '#' code '#', tuning followed by the channel number in ASCII.
// A line that fails under the program (EIO: the USB adapter pulled out)
// closes the card and says so through OnDeviceError.

#include "RadioCards.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstring>

namespace {
QByteArray Frame(char code) { return QByteArray("\x1D#") + code + '#'; }
const QByteArray QueryFrame = Frame(0x08);
const QByteArray UnmuteFrame = Frame(0x01);
const QByteArray MuteFrame = Frame(0x02);
const QByteArray FMTuneFrame = Frame(0x05);
const QByteArray AMTuneFrame = Frame(0x09);
const QByteArray TunedReply = Frame(0x04);
constexpr int OpenSettleMs = 200;
// A receiver answers a query with a few bytes at once. Something that keeps
// talking (a wrong device on the port, however slowly it sends) must not
// hold the program: bytes are collected for at most this long after the
// query, plus the one read under way.
constexpr int ReplyWindowMs = 400;
} // namespace

void TRadioCard::SerSend(const QByteArray& data, bool purge)
{
    com_->Send(data);
    // Nothing the receiver answers to a command is kept.
    if (purge) com_->PurgeBuffers(true, false);
}

void TRadioCard::SerOpen()
{
    const std::uint16_t n = PortValue();
    if (!n) return;
    com_->SetComPort(ComPortFromNumber(n));
    if (!com_->OpenPort()) throw ePortAlreadyOpen();
    waiter_.Wait(OpenSettleMs);
    com_->SetDtrLine(true);
    com_->SetRtsLine(true);
    muted_ = startMutedPending_;
}

void TRadioCard::SerLineFailed(int error)
{
    if (!active_ || destroying_) return;
    active_ = false;
    muted_ = true;
    if (OnDeviceError)
        OnDeviceError(QCoreApplication::translate("TRadioCard", "The serial receiver on COM%1 (%2) stopped answering (%3).")
                          .arg(PortValue())
                          .arg(com_->DeviceName(), QString::fromLocal8Bit(std::strerror(error))));
}

void TRadioCard::SerClose()
{
    com_->ClosePort();
    CloseTail();
}

void TRadioCard::SerTune(double freq, tBand band)
{
    const bool am = band == bAM;
    const double origin = am ? AMLow : JapaneseFMLow;
    const double step = am ? 0.009 : 0.05;
    const int channel = static_cast<int>(RoundHalfEven((freq - origin) / step));
    com_->Send(am ? AMTuneFrame : FMTuneFrame);
    SerSend(QByteArray::number(channel).rightJustified(3, '0'), true);
}

void TRadioCard::SerMute()
{
    SerSend(MuteFrame, true);
    muted_ = true;
}

void TRadioCard::SerUnmute()
{
    SerSend(UnmuteFrame, true);
    muted_ = false;
    startMutedPending_ = false;
}

tSignal TRadioCard::SerCheckSignal()
{
    if (!PortValue()) return sgNone;
    SerSend(QueryFrame, false);
    QElapsedTimer since;
    since.start();
    QByteArray reply;
    std::uint8_t byte = 0;
    while (!since.hasExpired(ReplyWindowMs) && com_->ReceiveByte(byte)) reply.append(char(byte));
    return reply.contains(TunedReply) ? sgTuned : sgNone;
}
