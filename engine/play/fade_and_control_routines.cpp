#include <algorithm>
#include <array>
#include <cstdlib>

#include "engine/play/frame_routines.h"
#include "engine/play_kind.h"

namespace vx {

namespace {

using Channels = std::array<std::int64_t, 3>;

Channels channelsAt(const UintList& colors, std::size_t first) {
    if (colors.size() < first + 3) return {0, 0, 0};
    return {colors[first], colors[first + 1], colors[first + 2]};
}

}  // namespace

// PlayKind 0: F frames from the first colour toward the second, moving every
// channel by the same step (the largest channel distance / stepCount) and
// holding the second colour once it is reached.
Routine playFade(Mode mode, const PlayTables& tables, DrawSurface& surface) {
    const Channels from = channelsAt(mode.colors, 0);
    const Channels to = channelsAt(mode.colors, 3);
    std::int64_t delta = 0;
    for (std::size_t c = 0; c < 3; ++c)
        delta = std::max<std::int64_t>(delta, std::llabs(to[c] - from[c]));
    const std::int64_t step = mode.stepCount != 0 ? delta / mode.stepCount : delta;
    if (mode.stepDelay == 0) mode.stepDelay = 1;
    const std::int64_t frames = std::int64_t{mode.duration} * 10 / mode.stepDelay;

    const auto lamps = tables.cluster(mode.clusterIndex);
    const std::uint64_t wait = lampStepTime(mode.stepDelay, lamps.size());
    Channels now = from;
    for (std::int64_t f = 0; f < frames; ++f) {
        const ColorWord color = ColorList::make(static_cast<std::uint32_t>(now[0] & 0xFF),
                                                static_cast<std::uint32_t>(now[1] & 0xFF),
                                                static_cast<std::uint32_t>(now[2] & 0xFF));
        for (const std::uint32_t lamp : lamps) surface.paint(lamp, color);
        co_await surface.wait(wait);
        for (std::size_t c = 0; c < 3; ++c) {
            // A negative step (negative stepCount) would move away from the
            // end colour forever; the clamp keeps the channel between the two.
            if (to[c] < from[c]) {
                now[c] = std::clamp(now[c] - step, to[c], from[c]);
            } else {
                now[c] = std::clamp(now[c] + step, from[c], to[c]);
            }
        }
    }
}

// PlayKinds 253 to 255; stepCount holds the mode's own position p.
Routine playControl(Mode mode, const PlayTables& tables, DrawSurface& surface,
                    PlayControl* control) {
    const std::size_t p = mode.stepCount > 0 ? static_cast<std::size_t>(mode.stepCount) : 0;
    switch (mode.playKind) {
        case playkind::kEmpty:
            for (std::size_t lamp = 0; lamp < tables.lampCount; ++lamp) {
                surface.paint(static_cast<std::uint32_t>(lamp), 0);
            }
            if (control != nullptr) control->stopEarlierModes(p);
            break;
        case playkind::kRegroup:
            if (control != nullptr) control->stopEarlierModes(p);
            break;
        case playkind::kRegress:
            if (control != nullptr && control->parallelRunning()) control->startOver();
            break;
        default: break;
    }
    co_return;
}

}  // namespace vx
