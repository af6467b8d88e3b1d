#pragma once
// What a playback reports as it runs, in the order it happens. Times are ms
// of virtual time since the playback began; `position` is a mode's place in
// the list being played.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "effects/mode.h"
#include "layout/lamp.h"

namespace vx {

enum class StopReason { Finished, Stopped };

class PlayObserver {
public:
    virtual ~PlayObserver() = default;
    // A mode's start time has come and its routine begins.
    virtual void modeStarted(std::int64_t, std::size_t /*position*/, const Mode&) {}
    // A started mode ended: its routine finished, or a control mode, a
    // restart or the end of the playback stopped it where it stood.
    virtual void modeStopped(std::int64_t, std::size_t /*position*/, StopReason) {}
    virtual void lampPainted(std::int64_t, std::uint32_t /*lamp*/, ColorWord) {}
    virtual void textDrawn(std::int64_t, std::int32_t /*x*/, std::int32_t /*y*/, std::string_view) {
    }
};

}  // namespace vx
