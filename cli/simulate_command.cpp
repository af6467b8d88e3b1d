// vexolume-cli simulate IMAGE --lamps N --seconds S [--key T]... [--json]:
// runs a controller image in the ucsim 8052 simulator and prints the DMX
// frames it sent, one line per frame (slots in hexadecimal), or as JSON;
// --timing prints the break and mark after break on the simulated clock.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command.h"
#include "output/firmware/controller_sim.h"

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

int runSimulate(const SimulateOptions& options) {
    namespace fs = std::filesystem;
    const fs::path scratch =
        fs::temp_directory_path() / ("vexolume-sim-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::create_directories(scratch, ec);
    SimulationRequest request;
    request.image = options.image;
    request.lamps = options.lamps;
    request.seconds = options.seconds;
    for (double at : options.keys) request.keys.push_back({at, ControllerKey::Program});
    for (double at : options.pauses) request.keys.push_back({at, ControllerKey::Pause});
    std::ranges::sort(request.keys, {}, &KeyPress::at);
    request.scratch = scratch;
    request.timeLimit = std::chrono::milliseconds(
        static_cast<long long>(std::max(30.0, options.seconds * 20.0) * 1000));
    if (options.timing) {
        auto timing = measureDmxTiming(options.image, scratch, request.timeLimit);
        fs::remove_all(scratch, ec);
        if (!timing) {
            std::cerr << "vexolume-cli: " << timing.error().key << ": " << timing.error().detail << '\n';
            return 1;
        }
        std::cout << "first break after " << timing->firstFrameMillis << " ms\nbreak "
                  << timing->breakMicros << " us\nmark after break " << timing->markAfterBreakMicros
                  << " us\n";
        return 0;
    }
    auto result = simulateController(request);
    fs::remove_all(scratch, ec);
    if (!result) {
        std::cerr << "vexolume-cli: " << result.error().key << ": " << result.error().detail << '\n';
        return 1;
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
    std::cerr << frames.size() << " frames in " << result->simulatedSeconds
              << " s simulated; " << result->capture.skippedBytes << " bytes fit no frame\n";
    return 0;
}

}  // namespace

void addSimulateCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<SimulateOptions>();
    auto* cmd = app.add_subcommand(
        "simulate", "Run a controller image in the 8051 simulator and print its DMX frames");
    cmd->add_option("image", options->image, "the firmware image (.hex)")->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--lamps", options->lamps, "lamps in each frame")->required();
    cmd->add_option("--seconds", options->seconds, "simulated time to run")
        ->check(CLI::Range(0.001, 600.0));
    cmd->add_option("--key", options->keys, "press the program key at this simulated time (s)");
    cmd->add_option("--pause", options->pauses, "toggle pause (INT1) at this simulated time (s)");
    cmd->add_flag("--distinct", options->distinct, "leave out frames equal to the one before");
    cmd->add_flag("--json", options->json, "print the frames as JSON");
    cmd->add_flag("--timing", options->timing,
                  "print the first frame's break and mark after break instead");
    cmd->callback([options, &status] { status = runSimulate(*options); });
}

}  // namespace vx::cli
