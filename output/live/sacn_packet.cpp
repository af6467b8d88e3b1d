#include "output/live/sacn_packet.h"

#include <algorithm>
#include <cstring>

namespace vx {

namespace {

constexpr std::uint8_t kAcnIdentifier[12] = {'A', 'S', 'C', '-', 'E', '1', '.', '1', '7', 0, 0, 0};
constexpr std::uint32_t kVectorRootData = 0x00000004;
constexpr std::uint32_t kVectorFramingData = 0x00000002;
constexpr std::uint8_t kVectorDmpSetProperty = 0x02;
constexpr std::size_t kMaxSlots = 512;
constexpr std::size_t kNameSize = 64;

void put16(std::vector<std::uint8_t>& p, std::size_t at, std::uint32_t v) {
    p[at] = static_cast<std::uint8_t>(v >> 8);
    p[at + 1] = static_cast<std::uint8_t>(v);
}

void put32(std::vector<std::uint8_t>& p, std::size_t at, std::uint32_t v) {
    put16(p, at, v >> 16);
    put16(p, at + 2, v & 0xFFFF);
}

// Flags 0x7 and the length of the layer from `at` to the end.
void putLayerLength(std::vector<std::uint8_t>& p, std::size_t at) {
    put16(p, at, 0x7000u | static_cast<std::uint32_t>(p.size() - at));
}

}  // namespace

std::vector<std::uint8_t> sacnPacket(const SacnSource& source, std::uint16_t universe,
                                     std::uint8_t sequence, std::span<const std::uint8_t> slots) {
    const std::size_t count = std::min(slots.size(), kMaxSlots);
    std::vector<std::uint8_t> p(kSacnHeaderSize + count, 0);
    // Root layer.
    put16(p, 0, 0x0010);  // preamble size; post-amble size stays 0
    std::memcpy(&p[4], kAcnIdentifier, sizeof kAcnIdentifier);
    putLayerLength(p, 16);
    put32(p, 18, kVectorRootData);
    std::copy(source.cid.begin(), source.cid.end(), p.begin() + 22);
    // Framing layer.
    putLayerLength(p, 38);
    put32(p, 40, kVectorFramingData);
    const std::size_t nameLength =
        std::min(source.name.size(), kNameSize - 1);  // keeps a terminating 0
    std::memcpy(&p[44], source.name.data(), nameLength);
    p[108] = source.priority;
    // 109-110 synchronisation address and 112 options stay 0.
    p[111] = sequence;
    put16(p, 113, universe);
    // DMP layer.
    putLayerLength(p, 115);
    p[117] = kVectorDmpSetProperty;
    p[118] = 0xA1;                                         // address and data type
    put16(p, 119, 0x0000);                                 // first property address
    put16(p, 121, 0x0001);                                 // address increment
    put16(p, 123, static_cast<std::uint32_t>(count + 1));  // start code and slots
    // p[125] is the start code 0.
    std::copy_n(slots.begin(), count, p.begin() + kSacnHeaderSize);
    return p;
}

std::uint32_t sacnMulticastAddress(std::uint16_t universe) {
    return (239u << 24) | (255u << 16) | universe;
}

SacnCid stableSacnCid(std::string_view hostName) {
    // Two FNV-1a hashes of "Vexolume/<host>" with different seeds fill the
    // 16 bytes; version 5 and variant bits as a name-based UUID has them.
    const std::string name = "Vexolume/" + std::string(hostName);
    SacnCid cid{};
    std::uint64_t seeds[2] = {0xcbf29ce484222325ull, 0x84222325cbf29ce4ull};
    for (std::size_t half = 0; half < 2; ++half) {
        std::uint64_t h = seeds[half];
        for (const char c : name) {
            h ^= static_cast<std::uint8_t>(c);
            h *= 0x100000001b3ull;
        }
        for (std::size_t b = 0; b < 8; ++b)
            cid[8 * half + b] = static_cast<std::uint8_t>(h >> (8 * b));
    }
    cid[6] = static_cast<std::uint8_t>((cid[6] & 0x0F) | 0x50);
    cid[8] = static_cast<std::uint8_t>((cid[8] & 0x3F) | 0x80);
    return cid;
}

}  // namespace vx
