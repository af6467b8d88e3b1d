#pragma once
// A UDP socket on 127.0.0.1 that collects sACN data packets, for the tests
// of the live output. The port is chosen by the system unless one is asked for.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

struct SacnPacketSeen {
    std::uint16_t universe = 0;
    std::uint8_t sequence = 0;
    std::uint8_t priority = 0;
    std::string sourceName;
    std::vector<std::uint8_t> cid;
    std::uint8_t startCode = 0xFF;
    std::vector<std::uint8_t> slots;
};

class SacnReceiver {
public:
    explicit SacnReceiver(std::uint16_t port = 0) {
        socket_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        const int big = 4 << 20;
        ::setsockopt(socket_, SOL_SOCKET, SO_RCVBUF, &big, sizeof big);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_port = htons(port);
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bound_ = ::bind(socket_, reinterpret_cast<sockaddr*>(&at), sizeof at) == 0;
        socklen_t size = sizeof at;
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&at), &size);
        port_ = ntohs(at.sin_port);
    }
    ~SacnReceiver() { ::close(socket_); }
    SacnReceiver(const SacnReceiver&) = delete;
    SacnReceiver& operator=(const SacnReceiver&) = delete;

    bool bound() const { return bound_; }
    std::uint16_t port() const { return port_; }

    // Every packet that arrives until none has come for `quietMs`.
    std::vector<SacnPacketSeen> collect(int quietMs = 300) {
        std::vector<SacnPacketSeen> seen;
        std::vector<std::uint8_t> buffer(2048);
        pollfd p{socket_, POLLIN, 0};
        while (::poll(&p, 1, quietMs) > 0) {
            const ssize_t n = ::recv(socket_, buffer.data(), buffer.size(), 0);
            if (n < 126) continue;
            seen.push_back(parse(buffer.data(), static_cast<std::size_t>(n)));
        }
        return seen;
    }

    static SacnPacketSeen parse(const std::uint8_t* b, std::size_t n) {
        SacnPacketSeen s;
        s.cid.assign(b + 22, b + 38);
        s.sourceName = std::string(reinterpret_cast<const char*>(b + 44));
        s.priority = b[108];
        s.sequence = b[111];
        s.universe = static_cast<std::uint16_t>((b[113] << 8) | b[114]);
        const std::size_t values = static_cast<std::size_t>((b[123] << 8) | b[124]);
        s.startCode = b[125];
        if (values >= 1 && 125 + values <= n) s.slots.assign(b + 126, b + 125 + values);
        return s;
    }

private:
    int socket_ = -1;
    bool bound_ = false;
    std::uint16_t port_ = 0;
};

}  // namespace vx::test
