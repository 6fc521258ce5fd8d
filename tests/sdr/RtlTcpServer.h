#pragma once
// An rtl_tcp server for the tests, on 127.0.0.1 and a free port: accepts one
// client, then runs the test's script on the connection on its own thread.
// The destructor closes every socket and joins the thread, on every path.

#include <arpa/inet.h>
#include <functional>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

class TRtlTcpTestServer {
public:
    // The script gets the connection and a flag raised when the test ends.
    using tScript = std::function<void(int socket, const std::atomic<bool>& ending)>;

    explicit TRtlTcpTestServer(tScript script)
    {
        listen_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listen_ < 0 || bind(listen_, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
            listen(listen_, 1) < 0 || getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &length) < 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, script = std::move(script)] {
            pollfd p{listen_, POLLIN, 0};
            while (!ending_ && poll(&p, 1, 50) == 0) {
            }
            if (ending_)
                return;
            client_ = accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client_ >= 0)
                script(client_, ending_);
        });
    }
    ~TRtlTcpTestServer()
    {
        ending_ = true;
        if (thread_.joinable())
            thread_.join();
        if (client_ >= 0)
            close(client_);
        if (listen_ >= 0)
            close(listen_);
    }
    std::uint16_t Port() const { return port_; }

    // The standard header: an R820T with its 29 gain steps.
    static void SendHeader(int socket, const char* magic = "RTL0")
    {
        unsigned char header[12] = {0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 29};
        std::copy(magic, magic + 4, header);
        send(socket, header, sizeof header, MSG_NOSIGNAL);
    }
    // Reads exactly `count` bytes, or fewer when the client goes or the test ends.
    static std::vector<unsigned char> Receive(int socket, std::size_t count, const std::atomic<bool>& ending)
    {
        std::vector<unsigned char> bytes;
        while (bytes.size() < count && !ending) {
            pollfd p{socket, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0)
                continue;
            unsigned char buffer[256];
            ssize_t n = recv(socket, buffer, std::min(sizeof buffer, count - bytes.size()), 0);
            if (n <= 0)
                break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }
    // Waits until the test ends, keeping the connection open and silent.
    static void Stall(const std::atomic<bool>& ending)
    {
        while (!ending)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

private:
    int listen_ = -1;
    int client_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> ending_{false};
    std::thread thread_;
};
