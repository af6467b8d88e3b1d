#pragma once
// One side-by-side run: the controller image in the simulator, its program
// chosen with the program key as a person would press it, each frame it sends
// compared with the preview of the same program group (twin_compare.h).
//
// The controller starts with program 0; program N is chosen with N presses of
// the program key, kTwinKeyGap apart. The preview's clock starts with the
// first frame the controller sends after the last press (after reset for
// program 0): that frame carries the program's first step.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/result.h"
#include "layout/lamp_layout.h"
#include "output/twin/controller_session.h"
#include "output/twin/twin_compare.h"

namespace vx {

inline constexpr double kTwinFirstKey = 0.05;  // s after reset
inline constexpr double kTwinKeyGap = 0.1;     // s between presses

std::vector<KeyPress> programKeyPresses(std::size_t program);

struct TwinRunOptions {
    std::size_t program = 0;
    std::filesystem::path image;
    std::filesystem::path scratch;  // an existing folder the simulator may write into
    int stopFd = -1;
};

struct TwinFrame {
    double controllerSeconds = 0;       // since the controller's reset
    std::int64_t ms = 0;                // on the preview's clock
    std::vector<ColorWord> controller;  // lamp colours by number
    std::vector<ColorWord> preview;
    TwinFrameResult result;
};

class TwinRun {
public:
    // Fails as ControllerSession::start does, and with "ERR_TWIN_PROGRAM"
    // when the program group has no modes.
    static Result<std::unique_ptr<TwinRun>> start(const LampLayout& layout,
                                                  const CompiledEffects& effects,
                                                  const TwinRunOptions& options);

    // Runs on until `seconds` of the preview's clock and returns the frames
    // compared on the way. Before the program's first frame has come, it
    // runs 50 ms further instead; call it until started().
    Result<std::vector<TwinFrame>> runTo(double seconds);
    const TwinComparer& comparer() const { return comparer_; }
    // The preview's clock has started (the program's first frame came).
    bool started() const { return anchor_ >= 0; }
    // Simulated seconds since the controller's reset.
    double controllerSeconds() const { return session_->now(); }
    double selectedAt() const { return selectedAt_; }
    // The controller's time of the program's first frame, where the
    // preview's clock starts.
    double anchor() const { return anchor_; }

private:
    TwinRun(const LampLayout& layout, const CompiledEffects& effects, std::size_t program,
            std::unique_ptr<ControllerSession> session);

    std::unique_ptr<ControllerSession> session_;
    TwinComparer comparer_;
    double selectedAt_ = 0;  // the last key press
    double anchor_ = -1;     // the controller's time of the program's first frame
};

}  // namespace vx
