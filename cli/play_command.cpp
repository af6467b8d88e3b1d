// vexolume-cli play FILE --program N --seconds S --output sacn[:HOST[:PORT]]|ola
// [--universe U] [--fps F] [--ola-port P]: plays in real time and sends the
// lamp colours as live DMX, one universe per port and per 170 lamps.

#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/play_source.h"
#include "cli/report.h"
#include "engine/play/playback.h"
#include "output/live/dmx_output.h"
#include "output/live/live_sampler.h"

namespace vx::cli {
namespace {

struct LiveOptions {
    double seconds = 0;
    std::string output;
    std::uint32_t universe = 1;
    double fps = kDefaultFramesPerSecond;
    std::uint16_t olaPort = 9010;
};

// A live show may run for days; a month is past any of them, and keeps the
// frame times far inside their 64-bit milliseconds.
constexpr double kMaxSeconds = 30 * 24 * 3600;

int play(const PlayOptions& options, const LiveOptions& live) {
    if (const Status range = checkModeRange(options.partial); !range) {
        std::cerr << "vexolume-cli play: " << messageText(range.error()) << '\n';
        return kExitUsage;
    }
    auto source = loadPlaySource(options);
    if (!source) {
        std::cerr << "vexolume-cli play: " << source.error().describe() << '\n';
        return exitStatusFor(source.error());
    }
    auto universes = mapUniverses(source->layout.lamps, live.universe);
    if (!universes) {
        std::cerr << "vexolume-cli play: " << universes.error().describe() << '\n';
        return 1;
    }
    auto output = openLiveOutput(live.output, live.olaPort);
    if (!output) {
        std::cerr << "vexolume-cli play: " << output.error().describe() << '\n';
        return 1;
    }
    if (output->fallback) {
        std::cerr << "vexolume-cli play: " << output->fallback->describe()
                  << "; sending sACN multicast instead\n";
    }
    Playback playback(source->effects, source->layout.lamps.size(), source->request);
    const std::size_t universeCount = universes->size();
    LiveSampler sampler(playback, std::move(*universes), *output->output, live.fps);

    // Frames keep to the wall clock from the start: a late frame is sent at
    // once and the next ones catch up, so the show never drifts.
    const auto start = std::chrono::steady_clock::now();
    const auto end = static_cast<std::int64_t>(live.seconds * 1000.0);
    for (std::uint64_t k = 0; sampler.frameTime(k) <= end; ++k) {
        std::this_thread::sleep_until(start + std::chrono::milliseconds(sampler.frameTime(k)));
        if (Status sent = sampler.sendNextFrame(); !sent) {
            std::cerr << "vexolume-cli play: " << sent.error().describe() << '\n';
            return 1;
        }
    }
    std::cout << "sent " << sampler.framesSent() << " frames of " << universeCount
              << " universes by " << output->output->describe() << '\n';
    return 0;
}

}  // namespace

void addPlayCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<PlayOptions>();
    auto live = std::make_shared<LiveOptions>();
    CLI::App* cmd = app.add_subcommand("play", "Play in real time and send the lamps as live DMX");
    addPlayOptions(*cmd, *options);
    cmd->add_option("--seconds", live->seconds, "how long to play (at most 30 days)")
        ->required()
        ->check(finiteIn(0, kMaxSeconds));
    cmd->add_option("--output", live->output, "sacn (multicast), sacn:HOST[:PORT] or ola")
        ->required();
    cmd->add_option("--universe", live->universe, "first universe (default 1)")
        ->check(CLI::Range(1, 63999));
    cmd->add_option("--fps", live->fps, "frames a second (default 40)")->check(finiteIn(1, 1000));
    cmd->add_option("--ola-port", live->olaPort, "olad's RPC port (default 9010)");
    cmd->callback([options, live, &status] { status = play(*options, *live); });
}

}  // namespace vx::cli
