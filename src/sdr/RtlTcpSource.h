#pragma once
// A dongle served over the network by rtl_tcp: a 12-byte header ("RTL0",
// the tuner type and its count of gain steps, big-endian), then the I/Q
// stream; settings go back as 5-byte commands (one byte of command, a
// big-endian 32-bit value).

#include "IqSource.h"
#include "TunerGains.h"

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class TRtlTcpSource final : public TIqSource {
public:
    // How long Open waits for the connection and for the header.
    static constexpr int ConnectTimeoutMs = 2000;

    TRtlTcpSource(std::string host, std::uint16_t port);
    ~TRtlTcpSource() override;

    bool Open() override;
    void Close() override;
    bool SetCenter(std::uint32_t hz) override;
    bool SetSampleRate(std::uint32_t rate) override;
    bool SetGain(bool automatic, int tenthsDb) override;
    bool SetCorrection(int ppm) override;
    std::vector<int> Gains() const override { return gains_; }
    long Read(std::uint8_t* buffer, std::size_t bytes, int timeoutMs) override;
    std::string Error() const override { return error_; }

    // The tuner type the server announced (librtlsdr's numbering).
    std::uint32_t TunerType() const { return tuner_; }

private:
    bool Command(std::uint8_t command, std::uint32_t value);
    bool Fail(const QString& why);
    // "host:port", for the messages.
    QString Address() const;
    // The message for a connection the system reports lost with `error`.
    QString ConnectionLost(int error) const;

    const std::string host_;
    const std::uint16_t port_;
    int socket_ = -1;
    std::uint32_t tuner_ = 0;
    std::vector<int> gains_;
    // A byte that arrived without its partner: I/Q pairs are never split.
    int pending_ = -1;
    std::string error_;
};
