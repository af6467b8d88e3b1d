#pragma once
// The controller image running in the ucsim simulator as a session that is
// advanced step by step, so that its DMX frames come out while it runs, each
// with the simulated time at which its break began. The simulator stops at
// the firmware's break instruction (the start of every frame) and at the
// timer-0 interrupt when a key is due or the asked time is reached; between
// stops it runs freely. The frames' bytes are read from the serial capture as
// they grow.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/result.h"
#include "output/firmware/controller_sim.h"

namespace vx {

class ConsoleProcess;

struct TimedFrame {
    double at = 0;  // simulated seconds since reset when the frame's break began
    DmxFrame frame;
};

struct ControllerSessionOptions {
    std::filesystem::path image;    // our firmware's Intel hex image
    std::size_t lamps = 0;          // lamps in each frame
    std::filesystem::path scratch;  // an existing folder the session may write into
    std::vector<KeyPress> keys;     // in time order
    int stopFd = -1;                // readable when the run must stop
};

class ControllerSession {
public:
    // Fails with "ERR_HEX_IMAGE" for a damaged image, "ERR_SIM_IMAGE" for
    // one without our firmware's timer and DMX routines, and "ERR_SIM_START"
    // when s51 cannot be run.
    static Result<std::unique_ptr<ControllerSession>> start(ControllerSessionOptions options);
    ~ControllerSession();
    ControllerSession(const ControllerSession&) = delete;
    ControllerSession& operator=(const ControllerSession&) = delete;

    // Runs the controller on to `seconds` of simulated time (to within one
    // timer interrupt, 0.77 ms) and returns the frames whose bytes have all
    // been sent since the last call. Fails with "ERR_SIM_TIMEOUT" when the
    // simulator stops answering and "ERR_SIM_STOPPED" when stopFd is readable.
    Result<std::vector<TimedFrame>> runTo(double seconds);
    double now() const { return now_; }
    // All keys have been pressed and let go; when the last went up.
    bool keysDone() const { return nextKey_ == 2 * options_.keys.size(); }
    double lastKeyUp() const { return keyUpAt_; }

private:
    explicit ControllerSession(ControllerSessionOptions options);
    Result<std::string> command(const std::string& text);
    Status runOn(double until);
    std::vector<TimedFrame> takeFrames();

    ControllerSessionOptions options_;
    std::unique_ptr<ConsoleProcess> s51_;
    std::size_t tickIsr_ = 0;
    std::size_t frameStart_ = 0;
    double now_ = 0;
    std::size_t nextKey_ = 0;  // key events done: a press and a release each
    double keyDownAt_ = 0;
    double keyUpAt_ = 0;
    std::vector<double> frameStarts_;  // not yet paired with their bytes
    std::vector<std::uint8_t> bytes_;  // captured, not yet cut into frames
    std::uintmax_t captured_ = 0;      // bytes read from the capture so far
};

}  // namespace vx
