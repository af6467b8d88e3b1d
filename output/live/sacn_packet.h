#pragma once
// E1.31 (streaming ACN) data packets, as bytes.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr std::uint16_t kSacnPort = 5568;
inline constexpr std::size_t kSacnHeaderSize = 126;  // up to and including the start code

using SacnCid = std::array<std::uint8_t, 16>;

struct SacnSource {
    SacnCid cid{};
    std::string name = "Vexolume";
    std::uint8_t priority = 100;
};

// One data packet for `universe`: root, framing and DMP layers, start code 0
// and the slots (at most 512; more are cut).
std::vector<std::uint8_t> sacnPacket(const SacnSource& source, std::uint16_t universe,
                                     std::uint8_t sequence, std::span<const std::uint8_t> slots);

// The multicast group of a universe: 239.255.hi.lo, as a host-order address.
std::uint32_t sacnMulticastAddress(std::uint16_t universe);

// A CID that stays the same on one machine from run to run (a name-based
// UUID of the host name), so receivers see one source, not a new one each run.
SacnCid stableSacnCid(std::string_view hostName);

}  // namespace vx
