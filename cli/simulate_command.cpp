// vexolume-cli simulate IMAGE --lamps N --seconds S [--key T]... [--json]:
// runs a controller image in the ucsim 8052 simulator and prints the DMX
// frames it sent, one line per frame (slots in hexadecimal), or as JSON;
// --timing prints the break and mark after break on the simulated clock.
//
// The image is checked before the simulator starts, and the run is bounded by
// simulated time, so an image that stalls ends as fast as a sound one runs.
// Ctrl-C, SIGQUIT, SIGTERM and SIGHUP end the simulator and the command; the
// simulator also dies with the command when it is killed outright (see
// runProcess), and its private scratch folder under $TMPDIR goes on every way
// out (or with the next run, after a SIGKILL).

#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command.h"
#include "cli/option_checks.h"
#include "cli/report.h"
#include "output/firmware/controller_sim.h"
#include "output/firmware/hex_image.h"
#include "platform/private_folder.h"
#include "platform/stop_signals.h"

namespace vx::cli {
namespace {

struct SimulateOptions {
    std::string image;
    std::size_t lamps = 0;
    double seconds = 1.0;
    std::vector<double> keys;
    std::vector<double> pauses;
    bool json = false;
    bool distinct = false;
    bool timing = false;
};

std::string hexSlots(const DmxFrame& frame) {
    std::string text;
    char byte[4];
    for (std::size_t i = 0; i < frame.size(); ++i) {
        std::snprintf(byte, sizeof byte, i == 0 ? "%02x" : " %02x", frame[i]);
        text += byte;
    }
    return text;
}

// The scratch folder: private, under $TMPDIR (else /tmp).
constexpr const char* kScratchPrefix = "vexolume-sim-";

int runSimulate(const SimulateOptions& options) {
    // Checked before anything starts, so a damaged or foreign file is
    // refused at once.
    auto image = readHexImage(options.image);
    if (!image) return fail(image.error());

    StopSignals signals;
    auto scratch = PrivateFolder::create(std::filesystem::temp_directory_path(), kScratchPrefix);
    if (!scratch) return fail(scratch.error());
    SimulationRequest request;
    request.image = options.image;
    request.lamps = options.lamps;
    request.seconds = options.seconds;
    for (double at : options.keys) request.keys.push_back({at, ControllerKey::Program});
    for (double at : options.pauses) request.keys.push_back({at, ControllerKey::Pause});
    std::ranges::sort(request.keys, {}, &KeyPress::at);
    request.scratch = scratch->path();
    request.timeLimit = simulationTimeLimit(options.seconds);
    request.stopFd = signals.fd();
    if (options.timing) {
        auto timing = measureDmxTiming(options.image, scratch->path(), simulationTimeLimit(1.0),
                                       signals.fd());
        if (!timing) {
            if (timing.error().key == "ERR_SIM_STOPPED") {
                return stoppedStatus(signals, timing.error());
            }
            return fail(timing.error());
        }
        std::cout << "first break after " << timing->firstFrameMillis << " ms\nbreak "
                  << timing->breakMicros << " us\nmark after break " << timing->markAfterBreakMicros
                  << " us\n";
        return 0;
    }
    auto result = simulateController(request);
    if (!result) {
        if (result.error().key == "ERR_SIM_STOPPED") return stoppedStatus(signals, result.error());
        return fail(result.error());
    }
    if (result->clockStopped) {
        std::cerr << "vexolume-cli: the controller program's timer stopped within "
                  << result->simulatedSeconds << " s of simulated time\n";
    }
    const auto frames =
        options.distinct ? distinctFrames(result->capture.frames) : result->capture.frames;
    if (options.json) {
        nlohmann::json out;
        out["lamps"] = options.lamps;
        out["simulatedSeconds"] = result->simulatedSeconds;
        out["skippedBytes"] = result->capture.skippedBytes;
        out["frames"] = nlohmann::json::array();
        for (const auto& frame : frames) out["frames"].push_back(frame);
        std::cout << out.dump() << '\n';
        return 0;
    }
    for (const auto& frame : frames) std::cout << hexSlots(frame) << '\n';
    std::cerr << frames.size() << " frames in " << result->simulatedSeconds << " s simulated; "
              << result->capture.skippedBytes << " bytes fit no frame\n";
    return 0;
}

}  // namespace

void addSimulateCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<SimulateOptions>();
    auto* cmd = app.add_subcommand(
        "simulate", "Run a controller image in the 8051 simulator and print its DMX frames");
    cmd->add_option("image", options->image, "the firmware image (.hex)")
        ->required()
        ->check(CLI::ExistingFile);
    // The controller's 32 KB of data memory holds at most 6553 lamps (5 bytes each).
    cmd->add_option("--lamps", options->lamps, "lamps in each frame")
        ->required()
        ->check(wholeIn(1, 6553));
    cmd->add_option("--seconds", options->seconds, "simulated time to run")
        ->check(finiteIn(0.001, 600.0));
    cmd->add_option("--key", options->keys, "press the program key at this simulated time (s)")
        ->check(finiteIn(0, 600.0));
    cmd->add_option("--pause", options->pauses, "toggle pause (INT1) at this simulated time (s)")
        ->check(finiteIn(0, 600.0));
    cmd->add_flag("--distinct", options->distinct, "leave out frames equal to the one before");
    cmd->add_flag("--json", options->json, "print the frames as JSON");
    cmd->add_flag("--timing", options->timing,
                  "print the first frame's break and mark after break instead");
    cmd->callback([options, &status] { status = runSimulate(*options); });
}

}  // namespace vx::cli
