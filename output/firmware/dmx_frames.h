#pragma once
// Cutting the byte stream that a controller sent on its serial line into DMX
// frames. The capture holds only the slot bytes (the break is not a byte), so
// frames are found by their start code and their known length: a start code
// 0 followed by three slots per lamp.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vx {

using DmxFrame = std::vector<std::uint8_t>;  // start code, then R, G, B per lamp

struct DmxCapture {
    std::vector<DmxFrame> frames;
    std::size_t skippedBytes = 0;  // bytes before a start code or of an unfinished frame
};

DmxCapture splitDmxFrames(std::span<const std::uint8_t> bytes, std::size_t lamps);

// Consecutive equal frames folded into one: the sequence of lamp states.
std::vector<DmxFrame> distinctFrames(const std::vector<DmxFrame>& frames);

}  // namespace vx
