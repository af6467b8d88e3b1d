#pragma once
// Running a controller image in the ucsim 8051 simulator (s51): an 8052 at
// 16 MHz whose serial output is captured to a file. The simulator is always
// run under a time limit, in a scratch folder that holds its script, a copy of
// the image and the capture.
//
// ucsim shifts serial mode 2 out at fosc/32, twice the controller's real
// 250 kbit/s, so wall times of the capture say nothing; timings are taken
// from the simulated clock at the firmware's own instructions instead.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "output/firmware/dmx_frames.h"

namespace vx {

// The controller's keys as the simulator presses them: the key lines P1.1 to
// P1.3 say which key pulled INT0 low; INT1 is the pause input.
enum class ControllerKey {
    Program,  // INT0 with no key line low
    Slower,   // INT0 with P1.2 low
    Faster,   // INT0 with P1.3 low
    Pause,    // INT1
};

struct KeyPress {
    double at = 0;  // simulated seconds; the key is held for 5 ms
    ControllerKey key = ControllerKey::Program;
};

struct SimulationRequest {
    std::filesystem::path image;  // Intel hex image; a lamp-count tag at its end is ignored
    std::size_t lamps = 0;        // lamps in each frame
    // Simulated time to run. Our firmware's own timer interrupt measures it
    // to within a few ms; for other images ucsim steps by instruction counts
    // and overshoots (up to about half as much again). simulatedSeconds tells
    // the real figure.
    double seconds = 1.0;
    std::vector<KeyPress> keys;                  // in time order
    std::filesystem::path scratch;               // an existing folder the run may write into
    std::chrono::milliseconds timeLimit{60000};  // wall time; see simulationTimeLimit()
    int stopFd = -1;  // readable when the run must stop (ProcessRun::stopFd)
};

// Wall time allowed for the simulator, a last resort: every run is bounded by
// simulated time (an image whose timer stops ends after about as many
// instructions as the time asked for holds), so only a simulator that hangs
// meets it. A start allowance plus a multiple of the simulated time. s51 needs about 0.22 s of
// processor time per simulated second of our firmware (4.5 times the real controller's speed), so 5
// s of wall time per simulated second leaves room for a machine loaded about twenty times over.
inline constexpr std::chrono::milliseconds kSimStartAllowance{10000};
inline constexpr double kSimWallPerSimulated = 5.0;
std::chrono::milliseconds simulationTimeLimit(double seconds);

// The simulated controller's oscillator and the period of our firmware's
// timer-0 interrupt (1030 machine cycles from one entry to the next).
inline constexpr double kControllerClockHz = 16e6;
inline constexpr double kTickIsrSeconds = 1030.0 * 12.0 / kControllerClockHz;

// Where our firmware's timer-0 interrupt routine starts (the LJMP at its
// vector), and where a DMX frame begins (the clr TXD of the break); nothing
// for images without them.
std::optional<std::size_t> tickIsrAddress(const std::vector<std::uint8_t>& code);
std::optional<std::size_t> frameStartAddress(const std::vector<std::uint8_t>& code);

// The simulator's commands that set the key lines for a press and release
// them again.
std::string keyDownCommands(ControllerKey key);
std::string keyUpCommands();

struct SimulationResult {
    DmxCapture capture;
    double simulatedSeconds = 0;  // as the simulator counted it
    // The firmware's timer stopped before the time asked for (a damaged
    // image): the run ended after about the instructions that time allows.
    bool clockStopped = false;
};

// Fails with "ERR_HEX_IMAGE" for a file that is not a sound Intel HEX image
// (checked before the simulator starts, see hex_image.h), "ERR_SIM_START"
// when s51 cannot be run, "ERR_SIM_TIMEOUT" when the time limit ends the run,
// "ERR_SIM_STOPPED" when stopFd does, and "ERR_SIM_NO_FRAME" when the
// firmware's timer stopped before any frame was sent. s51 never outlives the
// call.
Result<SimulationResult> simulateController(const SimulationRequest& request);

struct DmxTiming {
    double breakMicros = 0;           // TXD low: from clearing it to setting it again
    double markAfterBreakMicros = 0;  // from setting TXD to the start code's write to SBUF
    double firstFrameMillis = 0;      // reset to the first break
};

// Measures the first frame's break and mark after break on the simulated clock,
// at the firmware's own TXD and SBUF instructions, found in the image.
Result<DmxTiming> measureDmxTiming(const std::filesystem::path& image,
                                   const std::filesystem::path& scratch,
                                   std::chrono::milliseconds timeLimit, int stopFd = -1);

}  // namespace vx
