#pragma once
// sACN (E1.31) over UDP: one packet per universe and frame, each universe
// with its own sequence number. Unicast to one host, or multicast to each
// universe's group.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "output/live/dmx_output.h"
#include "output/live/sacn_packet.h"

namespace vx {

struct SacnTarget {
    std::string host;  // empty: multicast
    std::uint16_t port = kSacnPort;
    SacnSource source;
};

class SacnOutput final : public DmxOutput {
public:
    // Resolves the host (a name or an IPv4 address) and opens the socket.
    static Result<std::unique_ptr<SacnOutput>> open(const SacnTarget& target);
    ~SacnOutput() override;
    SacnOutput(const SacnOutput&) = delete;
    SacnOutput& operator=(const SacnOutput&) = delete;

    Status send(std::uint16_t universe, std::span<const std::uint8_t> slots) override;
    std::string describe() const override;

private:
    SacnOutput(int socket, std::uint32_t address, SacnTarget target);

    int socket_;
    std::uint32_t address_;  // host order; 0 for multicast
    SacnTarget target_;
    std::map<std::uint16_t, std::uint8_t> sequences_;  // next sequence number per universe
};

}  // namespace vx
