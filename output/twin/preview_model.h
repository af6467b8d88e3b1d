#pragma once
// A program group played by the preview's scheduler one mode after another,
// as the controller plays it, with every state of the lamps kept for a while
// so that a controller frame can be compared with the states around its time.
// As the controller plays it, the model plays the modes as their records
// carry them, blacks out a group fill's groups first and starts the program
// again when it ends; as the preview plays it, it plays once and then holds.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "engine/compiled_effects.h"
#include "engine/play/playback.h"

namespace vx {

struct PreviewState {
    std::int64_t from = 0;           // ms: the lamps look like this from here to the next state
    std::vector<ColorWord> colours;  // by lamp position
    std::vector<std::int32_t>
        painter;  // the mode (position in the program) that painted each lamp; -1 none
    std::int32_t playing = -1;  // the mode playing when the state began; -1 none
};

class PreviewModel final : private PlayObserver {
public:
    PreviewModel(const CompiledEffects& effects, std::size_t lampCount, std::size_t program,
                 bool asController);
    PreviewModel(const PreviewModel&) = delete;
    PreviewModel& operator=(const PreviewModel&) = delete;
    ~PreviewModel() override;

    // Plays on to `ms`, keeping each state that begins on the way.
    void advanceTo(std::int64_t ms);
    std::int64_t now() const { return now_; }
    // The kept states, oldest first; the last holds until now().
    const std::deque<PreviewState>& states() const { return states_; }
    // The state at `ms` (which must not lie before the oldest kept one).
    const PreviewState& stateAt(std::int64_t ms) const;
    // Forgets the states that ended before `ms`.
    void forgetBefore(std::int64_t ms);
    // When the program's first play ended; nothing while it plays (a program
    // that starts itself over never ends).
    std::optional<std::int64_t> firstEnd() const { return firstEnd_; }
    // The modes of the program, as compiled.
    const std::vector<Mode>& modes() const { return modes_; }

private:
    void restart(std::int64_t at);
    void modeStarted(std::int64_t, std::size_t position, const Mode& mode) override;
    void modeStopped(std::int64_t t, std::size_t, StopReason) override;
    void lampPainted(std::int64_t, std::uint32_t lamp, ColorWord colour) override;

    const CompiledEffects effects_;
    const std::size_t lampCount_;
    const std::size_t program_;
    const bool asController_;
    std::vector<Mode> modes_;
    std::unique_ptr<Playback> playback_;
    std::int64_t offset_ = 0;  // when the playing round began
    std::int64_t now_ = -1;
    std::int64_t lastStop_ = 0;
    std::optional<std::int64_t> firstEnd_;
    std::vector<ColorWord> colours_;
    std::vector<std::int32_t> painter_;
    std::int32_t playing_ = -1;  // one mode plays at a time, one after another
    bool changed_ = false;
    std::deque<PreviewState> states_;
};

}  // namespace vx
