#include "output/firmware/dmx_frames.h"

namespace vx {

DmxCapture splitDmxFrames(std::span<const std::uint8_t> bytes, std::size_t lamps) {
    DmxCapture capture;
    const std::size_t length = 1 + 3 * lamps;
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (bytes[at] != 0) {  // not a start code: out of step, look for the next one
            ++capture.skippedBytes;
            ++at;
            continue;
        }
        if (bytes.size() - at < length) {
            capture.skippedBytes += bytes.size() - at;
            break;
        }
        capture.frames.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                    bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    }
    return capture;
}

std::vector<DmxFrame> distinctFrames(const std::vector<DmxFrame>& frames) {
    std::vector<DmxFrame> distinct;
    for (const auto& frame : frames) {
        if (distinct.empty() || distinct.back() != frame) distinct.push_back(frame);
    }
    return distinct;
}

}  // namespace vx
