#include "output/firmware/controller_sim.h"

#include <array>
#include <cstdio>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>

#include "output/firmware/hex_image.h"
#include "platform/file_io.h"
#include "platform/process.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

constexpr double kClockHz = kControllerClockHz;
constexpr const char* kImageName = "image.hex";
constexpr const char* kScriptName = "sim.cmd";
constexpr const char* kCaptureName = "capture.bin";

Result<ProcessOutcome> runS51(const fs::path& scratch, const std::string& script,
                              std::chrono::milliseconds limit, int stopFd) {
    if (!writeFileAtomically(scratch / kScriptName, script)) {
        return Error{"ERR_SIM_START", "cannot write the simulator script in " + scratch.string()};
    }
    std::error_code ec;
    fs::remove(scratch / kCaptureName, ec);
    ProcessRun run{{"s51", "-t", "52", "-X", "16M", "-b", "-C", kScriptName, "-S",
                    std::string("out=") + kCaptureName},
                   scratch,
                   limit,
                   std::nullopt,
                   stopFd};
    auto outcome = runProcess(run);
    if (!outcome) return Error{"ERR_SIM_START", outcome.error().detail};
    if (outcome->stopped) return Error{"ERR_SIM_STOPPED", "the simulation was stopped"};
    if (outcome->timedOut) {
        return Error{"ERR_SIM_TIMEOUT", "the simulator did not finish within " +
                                            std::to_string(limit.count()) + " ms"};
    }
    return outcome;
}

std::optional<double> lastTotalSeconds(const std::string& output) {
    static const std::regex total(R"(Total time since last reset= *([0-9.eE+-]+) sec)");
    std::optional<double> seconds;
    for (std::sregex_iterator it(output.begin(), output.end(), total), end; it != end; ++it) {
        seconds = std::stod((*it)[1].str());
    }
    return seconds;
}

std::string hexAddress(std::size_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04zx", address);
    return text;
}

std::optional<std::size_t> find(const std::vector<std::uint8_t>& memory,
                                std::initializer_list<int> pattern, std::size_t from = 0) {
    for (std::size_t at = from; at + pattern.size() <= memory.size(); ++at) {
        std::size_t i = 0;
        for (int byte : pattern) {
            if (byte >= 0 && memory[at + i] != byte) break;
            ++i;
        }
        if (i == pattern.size()) return at;
    }
    return std::nullopt;
}

// Instructions the 8052 can run in `seconds` of simulated time at most (each
// takes one machine cycle or more), with room for a slow start: a bound on a
// run that waits for an address, so an image that never gets there ends in
// about the time a sound image takes.
long long instructionBound(double seconds) {
    constexpr double kInstructionsPerSecond = kClockHz / 12.0;
    return static_cast<long long>((seconds * 1.25 + 0.5) * kInstructionsPerSecond);
}

// Runs to the `hits`-th arrival at `address`, or to the instruction bound.
std::string runTo(std::size_t address, long long hits, double seconds) {
    const std::string at = hexAddress(address);
    return "break " + at + " " + std::to_string(hits) + "\nstep " +
           std::to_string(instructionBound(seconds)) + "\nclear " + at + "\n";
}

// How many runs ended at a breakpoint rather than at their instruction bound.
std::size_t breakpointStops(const std::string& output) {
    static const std::regex stop(R"(Stop at 0x[0-9a-fA-F]+: \([0-9]+\) Breakpoint)");
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(output.begin(), output.end(), stop), {}));
}

// Advancing simulated time. ucsim's "step <time>" counts instructions as if
// each took one machine cycle, so it overshoots by the program's mean cycles
// per instruction. Our firmware has a clock of its own: timer 0 interrupts
// every 1026 machine cycles (10/13 ms plus the interrupt's entry), so running
// to the n-th entry into that interrupt is an exact time. Images without it
// fall back to stepping. An image whose timer never runs (damaged, yet sound
// Intel HEX) would keep the simulator looking for that entry for ever, so
// each run is bounded by instructions too; the runs that reached their
// entry tell whether the clock kept going (`stopped`).
class Clock {
public:
    explicit Clock(const std::vector<std::uint8_t>& code) : tickIsr_(tickIsrAddress(code)) {}

    std::string advance(double seconds) {
        if (tickIsr_) {
            const auto ticks = static_cast<long long>(seconds / kTickSeconds + 0.5);
            if (ticks <= 0) return {};
            ++runs_;
            return runTo(*tickIsr_, ticks, seconds);
        }
        const auto micros = static_cast<long long>(seconds * 1e6);
        return micros > 0 ? "step " + std::to_string(micros) + "us\n" : std::string();
    }

    // The timer stopped: a run ended at its bound before its tick came.
    bool stopped(const std::string& output) const { return breakpointStops(output) < runs_; }

private:
    static constexpr double kTickSeconds = kTickIsrSeconds;
    std::optional<std::size_t> tickIsr_;
    std::size_t runs_ = 0;
};

// clr TXD (C2 B1) followed closely by setb TXD (D2 B1).
std::optional<std::pair<std::size_t, std::size_t>> breakInstructions(
    const std::vector<std::uint8_t>& code) {
    for (std::size_t from = 0;;) {
        const auto low = find(code, {0xC2, 0xB1}, from);
        if (!low) return std::nullopt;
        const auto high = find(code, {0xD2, 0xB1}, *low + 2);
        if (high && *high - *low <= 32) return std::pair(*low, *high);
        from = *low + 1;
    }
}

}  // namespace

std::optional<std::size_t> tickIsrAddress(const std::vector<std::uint8_t>& code) {
    if (code.size() <= 0x0D || code[0x0B] != 0x02) return std::nullopt;  // LJMP at the vector
    return static_cast<std::size_t>((code[0x0C] << 8) | code[0x0D]);
}

std::optional<std::size_t> frameStartAddress(const std::vector<std::uint8_t>& code) {
    const auto found = breakInstructions(code);
    if (!found) return std::nullopt;
    return found->first;
}

std::string keyDownCommands(ControllerKey key) {
    std::string commands;
    switch (key) {
        case ControllerKey::Program: break;
        case ControllerKey::Slower: commands = "set hw port[1] 0xfb\n"; break;  // P1.2
        case ControllerKey::Faster: commands = "set hw port[1] 0xf7\n"; break;  // P1.3
        case ControllerKey::Pause: break;
    }
    // INT1 (P3.3) for pause, INT0 (P3.2) for the others.
    return commands +
           (key == ControllerKey::Pause ? "set hw port[3] 0xf7\n" : "set hw port[3] 0xfb\n");
}

std::string keyUpCommands() { return "set hw port[3] 0xff\nset hw port[1] 0xff\n"; }

std::chrono::milliseconds simulationTimeLimit(double seconds) {
    return kSimStartAllowance +
           std::chrono::milliseconds(static_cast<long long>(seconds * kSimWallPerSimulated * 1000));
}

Result<SimulationResult> simulateController(const SimulationRequest& request) {
    auto image = readHexImage(request.image);
    if (!image) return image.error();
    if (!writeFileAtomically(request.scratch / kImageName, image->records)) {
        return Error{"ERR_SIM_START", "cannot write into " + request.scratch.string()};
    }
    Clock clock(image->code);
    std::string script = std::string("file \"") + kImageName + "\"\n";
    double at = 0;
    for (const KeyPress& press : request.keys) {
        if (press.at < at || press.at >= request.seconds) continue;
        script += clock.advance(press.at - at);
        script += keyDownCommands(press.key);
        script += clock.advance(0.005);
        script += keyUpCommands();
        at = press.at + 0.005;
    }
    script += clock.advance(request.seconds - at);
    script += "state\nquit\n";

    auto outcome = runS51(request.scratch, script, request.timeLimit, request.stopFd);
    if (!outcome) return outcome.error();
    SimulationResult result;
    result.simulatedSeconds = lastTotalSeconds(outcome->output).value_or(0);
    result.clockStopped = clock.stopped(outcome->output);
    auto capture = readFileBytes(request.scratch / kCaptureName);
    if (capture) result.capture = splitDmxFrames(*capture, request.lamps);
    if (result.clockStopped && result.capture.frames.empty()) {
        std::ostringstream detail;
        detail << "no DMX frame came in " << result.simulatedSeconds
               << " s of simulated time: the program's timer stopped";
        return Error{"ERR_SIM_NO_FRAME", detail.str()};
    }
    return result;
}

Result<DmxTiming> measureDmxTiming(const fs::path& imagePath, const fs::path& scratch,
                                   std::chrono::milliseconds timeLimit, int stopFd) {
    auto image = readHexImage(imagePath);
    if (!image) return image.error();
    const auto& memory = image->code;
    // The break's clr and setb TXD; then the first write of the accumulator
    // or a register into SBUF.
    const auto txd = breakInstructions(memory);
    auto sbuf = find(memory, {0xF5, 0x99});
    if (!sbuf) sbuf = find(memory, {0x85, -1, 0x99});
    if (!txd || !sbuf) {
        return Error{"ERR_SIM_IMAGE", "the image has no recognisable DMX output routine"};
    }
    if (!writeFileAtomically(scratch / kImageName, image->records)) {
        return Error{"ERR_SIM_START", "cannot write into " + scratch.string()};
    }
    std::string script = std::string("file \"") + kImageName + "\"\n";
    for (std::size_t address : {txd->first, txd->second, *sbuf}) script += runTo(address, 1, 1.0);
    script += "quit\n";
    auto outcome = runS51(scratch, script, timeLimit, stopFd);
    if (!outcome) return outcome.error();
    static const std::regex simulated(R"(Simulated ([0-9]+) ticks)");
    std::vector<double> ticks;
    for (std::sregex_iterator it(outcome->output.begin(), outcome->output.end(), simulated), end;
         it != end; ++it) {
        ticks.push_back(std::stod((*it)[1].str()));
    }
    if (ticks.size() != 3 || breakpointStops(outcome->output) != 3) {
        return Error{"ERR_SIM_IMAGE", "the simulator did not reach the DMX output routine"};
    }
    DmxTiming timing;
    timing.firstFrameMillis = ticks[0] / kClockHz * 1e3;
    timing.breakMicros = ticks[1] / kClockHz * 1e6;
    timing.markAfterBreakMicros = ticks[2] / kClockHz * 1e6;
    return timing;
}

}  // namespace vx
