#include "output/live/live_sampler.h"

#include <cmath>
#include <utility>

namespace vx {

LiveSampler::LiveSampler(Playback& playback, std::vector<DmxUniverse> universes, DmxOutput& output,
                         double fps)
    : playback_(playback), sender_(std::move(universes), output), fps_(fps > 0 ? fps : 1.0) {}

std::int64_t LiveSampler::frameTime(std::uint64_t k) const {
    return static_cast<std::int64_t>(std::floor(static_cast<double>(k) * 1000.0 / fps_));
}

Status LiveSampler::sendNextFrame() {
    playback_.runUntil(frameTime(next_));
    ++next_;
    return sender_.send(playback_.lampColors());
}

}  // namespace vx
