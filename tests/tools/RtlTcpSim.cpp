// An rtl_tcp server whose dongle is the emulated one (the built-in station
// list), for the vantoroctl tests and for trying the network source by hand:
//     rtl_tcp_sim [--port N] [--stations FILE] [--close-after S] [--stall-after S] [--bad-header]
// Prints the port it listens on (127.0.0.1), serves one client in real time,
// then exits. --close-after and --stall-after end or freeze the stream after
// that many seconds of samples.

#include "EmulatedDongle.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    int port = 0;
    double closeAfter = -1, stallAfter = -1;
    bool badHeader = false;
    TStationList stations = TStationList::BuiltIn();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--port" && i + 1 < argc) port = std::atoi(argv[++i]);
        else if (a == "--close-after" && i + 1 < argc) closeAfter = std::atof(argv[++i]);
        else if (a == "--stall-after" && i + 1 < argc) stallAfter = std::atof(argv[++i]);
        else if (a == "--bad-header") badHeader = true;
        else if (a == "--stations" && i + 1 < argc) {
            QString why;
            auto loaded = TStationList::Load(QString::fromLocal8Bit(argv[++i]), &why);
            if (!loaded) {
                std::fprintf(stderr, "rtl_tcp_sim: %s\n", why.toLocal8Bit().constData());
                return 2;
            }
            stations = std::move(*loaded);
        }
        else {
            std::fprintf(stderr, "usage: rtl_tcp_sim [--port N] [--stations FILE] [--close-after S] [--stall-after S] [--bad-header]\n");
            return 2;
        }
    }
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(std::uint16_t(port));
    socklen_t length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 || listen(listener, 1) < 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) < 0) {
        std::perror("rtl_tcp_sim");
        return 1;
    }
    std::printf("%u\n", unsigned(ntohs(address.sin_port)));
    std::fflush(stdout);
    const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    close(listener);
    if (client < 0) return 1;

    TEmulatedDongle dongle(stations, true);
    dongle.Open();
    std::uint8_t header[12] = {'R', 'T', 'L', '0', 0, 0, 0, 5, 0, 0, 0, 29};
    if (badHeader) std::memcpy(header, "HTTP", 4);
    send(client, header, sizeof header, MSG_NOSIGNAL);

    std::uint32_t rate = 1024000;
    std::uint64_t sent = 0;
    std::vector<std::uint8_t> command, block(16384);
    for (;;) {
        // Commands first: five bytes each.
        pollfd p{client, POLLIN, 0};
        while (poll(&p, 1, 0) > 0) {
            std::uint8_t b[64];
            const ssize_t n = recv(client, b, sizeof b, 0);
            if (n <= 0) {
                close(client);
                return 0; // the client went
            }
            command.insert(command.end(), b, b + n);
        }
        while (command.size() >= 5) {
            const std::uint32_t value = (std::uint32_t(command[1]) << 24) | (std::uint32_t(command[2]) << 16) |
                                        (std::uint32_t(command[3]) << 8) | command[4];
            if (command[0] == 0x01) dongle.SetCenter(value);
            if (command[0] == 0x02 && dongle.SetSampleRate(value)) rate = value;
            command.erase(command.begin(), command.begin() + 5);
        }
        const double seconds = double(sent) / rate;
        if (closeAfter >= 0 && seconds >= closeAfter) break;
        if (stallAfter >= 0 && seconds >= stallAfter) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const long got = dongle.Read(block.data(), block.size(), 50);
        if (got <= 0) continue;
        if (send(client, block.data(), std::size_t(got), MSG_NOSIGNAL) < 0) break;
        sent += std::uint64_t(got) / 2;
    }
    close(client);
    return 0;
}
