#pragma once
// Sends one frame of lamp colours: every universe once, in universe order.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "output/live/dmx_output.h"
#include "output/live/dmx_universes.h"

namespace vx {

class DmxFrameSender {
public:
    // `output` must outlive the sender.
    DmxFrameSender(std::vector<DmxUniverse> universes, DmxOutput& output)
        : universes_(std::move(universes)), output_(output) {}

    // Colours by lamp-list position; the first failing universe stops the frame.
    Status send(std::span<const ColorWord> colors) {
        for (const DmxUniverse& universe : universes_) {
            fillSlots(universe, colors, slots_);
            if (Status sent = output_.send(universe.number, slots_); !sent) return sent;
        }
        return {};
    }

    const std::vector<DmxUniverse>& universes() const { return universes_; }

private:
    std::vector<DmxUniverse> universes_;
    DmxOutput& output_;
    std::vector<std::uint8_t> slots_;
};

}  // namespace vx
