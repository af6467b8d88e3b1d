#include "output/twin/twin_run.h"

#include <cmath>

namespace vx {

std::vector<KeyPress> programKeyPresses(std::size_t program) {
    std::vector<KeyPress> keys;
    for (std::size_t k = 0; k < program; ++k) {
        keys.push_back(
            {kTwinFirstKey + kTwinKeyGap * static_cast<double>(k), ControllerKey::Program});
    }
    return keys;
}

TwinRun::TwinRun(const LampLayout& layout, const CompiledEffects& effects, std::size_t program,
                 std::unique_ptr<ControllerSession> session)
    : session_(std::move(session)), comparer_(effects, layout.lamps, program) {
    const auto keys = programKeyPresses(program);
    selectedAt_ = keys.empty() ? 0 : keys.back().at;
}

Result<std::unique_ptr<TwinRun>> TwinRun::start(const LampLayout& layout,
                                                const CompiledEffects& effects,
                                                const TwinRunOptions& options) {
    if (options.program >= effects.programGroups.size() ||
        effects.programGroups[options.program].empty()) {
        return Error{"ERR_TWIN_PROGRAM",
                     "program group " + std::to_string(options.program) + " has no modes"};
    }
    ControllerSessionOptions session;
    session.image = options.image;
    session.lamps = lampChain(layout.lamps).size();
    session.scratch = options.scratch;
    session.keys = programKeyPresses(options.program);
    session.stopFd = options.stopFd;
    auto started = ControllerSession::start(std::move(session));
    if (!started) return started.error();
    return std::unique_ptr<TwinRun>(
        new TwinRun(layout, effects, options.program, std::move(*started)));
}

Result<std::vector<TwinFrame>> TwinRun::runTo(double seconds) {
    // Until the program's first frame the preview's clock has not started:
    // run on in small steps to find it, whatever `seconds` says.
    const double until = anchor_ >= 0 ? anchor_ + seconds : session_->now() + 0.05;
    auto frames = session_->runTo(std::max(until, selectedAt_ + 0.01));
    if (!frames) return frames.error();
    std::vector<TwinFrame> compared;
    for (TimedFrame& frame : *frames) {
        if (anchor_ < 0) {
            // A frame that began before the last key went up belongs to the
            // program the controller was playing before.
            if (!session_->keysDone() || frame.at < session_->lastKeyUp()) continue;
            anchor_ = frame.at;
        }
        TwinFrame twin;
        twin.controllerSeconds = frame.at;
        twin.ms = std::llround((frame.at - anchor_) * 1000.0);
        twin.result = comparer_.compare(twin.ms, frame.frame);
        twin.controller = comparer_.decode(frame.frame);
        twin.preview = comparer_.previewAt(twin.ms);
        compared.push_back(std::move(twin));
    }
    return compared;
}

}  // namespace vx
