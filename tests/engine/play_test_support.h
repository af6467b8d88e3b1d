#pragma once
// Hand-built compiled effects and a recorder of playback events for the
// playback tests.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/compiled_effects.h"
#include "engine/play/play_observer.h"
#include "engine/play/playback.h"

namespace vx::test {

struct Event {
    std::int64_t t = 0;
    char what = 'p';      // p paint, s start, e end (finished), x stopped
    std::uint64_t a = 0;  // lamp or position
    ColorWord color = 0;
    bool operator==(const Event&) const = default;
};

class Recorder : public PlayObserver {
public:
    std::vector<Event> events;

    void modeStarted(std::int64_t t, std::size_t position, const Mode&) override {
        events.push_back({t, 's', position, 0});
    }
    void modeStopped(std::int64_t t, std::size_t position, StopReason reason) override {
        events.push_back({t, reason == StopReason::Finished ? 'e' : 'x', position, 0});
    }
    void lampPainted(std::int64_t t, std::uint32_t lamp, ColorWord color) override {
        events.push_back({t, 'p', lamp, color});
    }

    std::vector<Event> only(char what) const {
        std::vector<Event> out;
        for (const Event& e : events) {
            if (e.what == what) out.push_back(e);
        }
        return out;
    }
    std::vector<std::int64_t> times(char what) const {
        std::vector<std::int64_t> out;
        for (const Event& e : only(what)) out.push_back(e.t);
        return out;
    }
    std::vector<std::uint64_t> positions(char what) const {
        std::vector<std::uint64_t> out;
        for (const Event& e : only(what)) out.push_back(e.a);
        return out;
    }
};

inline ColorWord rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

inline Mode compiledMode(std::int32_t playKind, std::uint32_t stepDelay, std::int32_t stepCount,
                         std::int32_t duration = 0) {
    Mode m;
    m.kind = "CM_TEST";
    m.playKind = playKind;
    m.stepDelay = stepDelay;
    m.stepCount = stepCount;
    m.duration = duration;
    m.colorIndex = 0;
    m.clusterIndex = 0;
    m.clusterGroupIndex = 0;
    return m;
}

// A control mode at position p of the list.
inline Mode controlMode(std::int32_t playKind, std::int32_t p, std::int32_t duration = 0) {
    Mode m = compiledMode(playKind, 0, p, duration);
    m.kind = playKind == 253 ? "CM_REGROUP" : playKind == 254 ? "CM_EMPTYMODE" : "CM_REGRESS";
    return m;
}

// Plays `effects` by `request` to `until` ms and returns what happened.
inline Recorder play(const CompiledEffects& effects, std::size_t lampCount,
                     const PlayRequest& request, std::int64_t until) {
    Recorder recorder;
    Playback playback(effects, lampCount, request, &recorder);
    playback.runUntil(until);
    return recorder;
}

inline PlayRequest sequential() { return PlayRequest{PlayOrder::Sequential, {}, 0, 0, 800}; }
inline PlayRequest parallel() { return PlayRequest{PlayOrder::Parallel, {}, 0, 0, 800}; }
inline PlayRequest partial(std::size_t first, std::size_t last) {
    return PlayRequest{PlayOrder::Partial, {}, first, last, 800};
}

}  // namespace vx::test
