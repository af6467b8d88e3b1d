#include "output/twin/controller_session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "output/firmware/hex_image.h"
#include "platform/console_process.h"
#include "platform/file_io.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

constexpr const char* kImageName = "image.hex";
constexpr const char* kCaptureName = "capture.bin";
// The last line of the simulator's report when a run stops.
constexpr const char* kStopReportEnd = "Host usage:";
constexpr double kKeyHeldSeconds = 0.005;

std::string hexAddress(std::size_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04zx", address);
    return text;
}

Error simulatorError(const Error& e) {
    if (e.key == "PROCESS_STOPPED") return Error{"ERR_SIM_STOPPED", "the simulation was stopped"};
    if (e.key == "PROCESS_TIMEOUT") return Error{"ERR_SIM_TIMEOUT", e.detail};
    return Error{"ERR_SIM_START", "the simulator ended: " + e.detail};
}

}  // namespace

ControllerSession::ControllerSession(ControllerSessionOptions options)
    : options_(std::move(options)) {}

ControllerSession::~ControllerSession() = default;

Result<std::unique_ptr<ControllerSession>> ControllerSession::start(
    ControllerSessionOptions options) {
    auto image = readHexImage(options.image);
    if (!image) return image.error();
    const auto isr = tickIsrAddress(image->code);
    const auto frame = frameStartAddress(image->code);
    if (!isr || !frame) {
        return Error{"ERR_SIM_IMAGE", "the image has no recognisable timer and DMX routines"};
    }
    if (!writeFileAtomically(options.scratch / kImageName, image->records)) {
        return Error{"ERR_SIM_START", "cannot write into " + options.scratch.string()};
    }
    std::error_code ec;
    fs::remove(options.scratch / kCaptureName, ec);
    std::ranges::stable_sort(options.keys, {}, &KeyPress::at);
    auto s51 = ConsoleProcess::start(
        {"s51", "-t", "52", "-X", "16M", "-b", "-c", "-", "-S", std::string("out=") + kCaptureName},
        options.scratch);
    if (!s51) return Error{"ERR_SIM_START", s51.error().detail};
    std::unique_ptr<ControllerSession> session(new ControllerSession(std::move(options)));
    session->s51_ = std::move(*s51);
    session->tickIsr_ = *isr;
    session->frameStart_ = *frame;
    const std::string setup =
        std::string("file \"") + kImageName + "\"\nbreak " + hexAddress(*frame) + "\n";
    if (const Status sent = session->s51_->send(setup); !sent) {
        return simulatorError(sent.error());
    }
    return session;
}

Result<std::string> ControllerSession::command(const std::string& text) {
    if (const Status sent = s51_->send(text); !sent) return simulatorError(sent.error());
    // Between two stops the simulator runs at most a refresh period (0.9 s)
    // or one key's span; the allowance is that of a whole simulation.
    const auto deadline = std::chrono::steady_clock::now() + simulationTimeLimit(1.0);
    auto answer = s51_->readUntil(kStopReportEnd, deadline, options_.stopFd);
    if (!answer) return simulatorError(answer.error());
    return answer;
}

Status ControllerSession::runOn(double until) {
    static const std::regex stopAt(R"(Stop at 0x([0-9a-fA-F]+))");
    static const std::regex simulated(R"(Simulated ([0-9]+) ticks)");
    const std::string isr = hexAddress(tickIsr_);
    while (true) {
        // The next thing due: a key going down or up, or the end of this run.
        double due = until;
        const KeyPress* key = nullptr;
        bool down = true;
        if (nextKey_ < 2 * options_.keys.size()) {
            const KeyPress& k = options_.keys[nextKey_ / 2];
            down = nextKey_ % 2 == 0;
            // Timer interrupts only count time once the firmware has
            // enabled them, so a key due during start-up goes down late; it
            // is held for its full time from when it went down.
            const double at = down ? k.at : std::max(k.at, keyDownAt_) + kKeyHeldSeconds;
            if (at <= until) {
                due = at;
                key = &k;
            }
        }
        const auto ticks = std::llround((due - now_) / kTickIsrSeconds);
        if (ticks <= 0) {
            if (key == nullptr) return {};
            if (const Status sent = s51_->send(down ? keyDownCommands(key->key) : keyUpCommands());
                !sent) {
                return simulatorError(sent.error());
            }
            (down ? keyDownAt_ : keyUpAt_) = now_;
            ++nextKey_;
            continue;
        }
        auto answer =
            command("clear " + isr + "\nbreak " + isr + " " + std::to_string(ticks) + "\nrun\n");
        if (!answer) return answer.error();
        std::smatch where;
        std::smatch spent;
        if (!std::regex_search(*answer, where, stopAt) ||
            !std::regex_search(*answer, spent, simulated)) {
            return Error{"ERR_SIM_START", "the simulator's answer was not understood: " + *answer};
        }
        now_ += std::stod(spent[1].str()) / kControllerClockHz;
        const auto address = std::stoul(where[1].str(), nullptr, 16);
        if (address == frameStart_) {
            frameStarts_.push_back(now_);
        } else if (address == tickIsr_) {
            now_ = std::max(now_, due);  // to within one interrupt; keep the schedule exact
            if (key == nullptr) return {};
        } else {
            return Error{"ERR_SIM_START", "the simulator stopped at " + where[0].str()};
        }
    }
}

std::vector<TimedFrame> ControllerSession::takeFrames() {
    std::ifstream capture(options_.scratch / kCaptureName, std::ios::binary);
    if (capture) {
        capture.seekg(static_cast<std::streamoff>(captured_));
        char buffer[8192];
        while (capture.read(buffer, sizeof buffer) || capture.gcount() > 0) {
            const auto n = static_cast<std::size_t>(capture.gcount());
            bytes_.insert(bytes_.end(), buffer, buffer + n);
            captured_ += n;
        }
    }
    // Every break is followed by a whole frame, so the frames pair with the
    // breaks in order; a byte that is no start code is out of step.
    std::vector<TimedFrame> frames;
    const std::size_t length = 1 + 3 * options_.lamps;
    std::size_t at = 0;
    std::size_t paired = 0;
    while (paired < frameStarts_.size() && bytes_.size() - at >= length) {
        if (bytes_[at] != 0) {
            ++at;
            continue;
        }
        frames.push_back({frameStarts_[paired++],
                          DmxFrame(bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(at + length))});
        at += length;
    }
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
    frameStarts_.erase(frameStarts_.begin(),
                       frameStarts_.begin() + static_cast<std::ptrdiff_t>(paired));
    return frames;
}

Result<std::vector<TimedFrame>> ControllerSession::runTo(double seconds) {
    if (seconds > now_) {
        if (const Status ran = runOn(seconds); !ran) return ran.error();
    }
    return takeFrames();
}

}  // namespace vx
