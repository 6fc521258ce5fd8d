#pragma once
// A dongle on USB through librtlsdr. Open names the usual reasons it cannot
// be claimed: the kernel's DVB-T driver holding it, no permission on the USB
// device, no dongle at all.

#include "IqSource.h"

#include <QString>
#include <string>

struct rtlsdr_dev;

// How many dongles librtlsdr sees plugged in.
unsigned RtlSdrDeviceCount();
// What Open says for librtlsdr's result `code` of rtlsdr_open on dongle `index`
// (libusb's error numbers: -3 no access, -6 busy).
std::string RtlSdrOpenError(int code, unsigned index);

class TRtlSdrSource final : public TIqSource {
public:
    explicit TRtlSdrSource(unsigned index) : index_(index) {}
    ~TRtlSdrSource() override;

    bool Open() override;
    void Close() override;
    bool SetCenter(std::uint32_t hz) override;
    bool SetSampleRate(std::uint32_t rate) override;
    bool SetGain(bool automatic, int tenthsDb) override;
    bool SetCorrection(int ppm) override;
    std::vector<int> Gains() const override { return gains_; }
    // Blocks until a buffer's worth arrived (a few milliseconds at any rate
    // the dongle takes); `timeoutMs` is not needed.
    long Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs) override;
    std::string Error() const override { return error_; }

private:
    // False with the error "refused `what`" when librtlsdr's `result` is one.
    bool Check(int result, const QString& what);

    const unsigned index_;
    rtlsdr_dev* device_ = nullptr;
    std::vector<int> gains_;
    std::string error_;
};
