#include "output/live/sacn_output.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx {

namespace {

Result<std::uint32_t> resolveIpv4(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    const int rc = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (rc != 0 || found == nullptr) {
        return Error{"ERR_LIVE_HOST",
                     "cannot resolve the sACN host \"" + host + "\": " + gai_strerror(rc)};
    }
    const auto* in = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const std::uint32_t address = ntohl(in->sin_addr.s_addr);
    freeaddrinfo(found);
    return address;
}

std::string dotted(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

}  // namespace

Result<std::unique_ptr<SacnOutput>> SacnOutput::open(const SacnTarget& target) {
    std::uint32_t address = 0;
    if (!target.host.empty()) {
        auto resolved = resolveIpv4(target.host);
        if (!resolved) return resolved.error();
        address = *resolved;
    }
    const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return Error{"ERR_LIVE_SOCKET",
                     std::string("cannot open a UDP socket: ") + std::strerror(errno)};
    if (address == 0) {
        // Multicast stays on the local network segment.
        const unsigned char ttl = 1;
        ::setsockopt(s, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl);
    }
    return std::unique_ptr<SacnOutput>(new SacnOutput(s, address, target));
}

SacnOutput::SacnOutput(int socket, std::uint32_t address, SacnTarget target)
    : socket_(socket), address_(address), target_(std::move(target)) {}

SacnOutput::~SacnOutput() { ::close(socket_); }

Status SacnOutput::send(std::uint16_t universe, std::span<const std::uint8_t> slots) {
    std::uint8_t& sequence = sequences_[universe];
    const auto packet = sacnPacket(target_.source, universe, sequence, slots);
    ++sequence;  // wraps after 255, as receivers expect
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(target_.port);
    to.sin_addr.s_addr = htonl(address_ != 0 ? address_ : sacnMulticastAddress(universe));
    const ssize_t sent = ::sendto(socket_, packet.data(), packet.size(), 0,
                                  reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent != static_cast<ssize_t>(packet.size())) {
        return Error{"ERR_LIVE_SEND", "sending universe " + std::to_string(universe) +
                                          " failed: " + std::strerror(errno)};
    }
    return {};
}

std::string SacnOutput::describe() const {
    const std::string where =
        address_ != 0 ? dotted(address_) : std::string("multicast 239.255.x.y");
    return "sACN to " + where + ":" + std::to_string(target_.port);
}

}  // namespace vx
