#pragma once
// Turns a playback into DMX frames: at each frame time the playback is
// played up to that time and every universe goes out once with the lamp
// colours it then shows. Frame k lies at floor(k x 1000 / fps) ms, so the
// frames follow the timeline exactly whatever the wall clock does; pacing
// them in real time is the caller's business.

#include <cstdint>
#include <vector>

#include "engine/play/playback.h"
#include "output/live/dmx_frame_sender.h"

namespace vx {

inline constexpr double kDefaultFramesPerSecond = 40.0;

class LiveSampler {
public:
    // `playback` and `output` must outlive the sampler. fps must be positive.
    LiveSampler(Playback& playback, std::vector<DmxUniverse> universes, DmxOutput& output,
                double fps = kDefaultFramesPerSecond);

    // Playback time of frame k, in ms.
    std::int64_t frameTime(std::uint64_t k) const;
    // Plays up to the next frame's time and sends it; the first error stops
    // the frame and is returned.
    Status sendNextFrame();

    std::uint64_t framesSent() const { return next_; }
    const std::vector<DmxUniverse>& universes() const { return sender_.universes(); }

private:
    Playback& playback_;
    DmxFrameSender sender_;
    double fps_;
    std::uint64_t next_ = 0;
};

}  // namespace vx
