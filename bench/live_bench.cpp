// Live DMX: the cost of one frame, from the timeline to sACN packets, for
// 10,000 lamps on 12 ports (60 universes of up to 170 lamps). Each frame
// plays the show up to its time (40 fps), fills every universe and builds
// its packet; the second variant also sends them through a UDP socket to
// the loopback interface.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/grid_show.h"
#include "engine/play/playback.h"
#include "output/live/dmx_universes.h"
#include "output/live/live_sampler.h"
#include "output/live/sacn_output.h"
#include "output/live/sacn_packet.h"

namespace {

constexpr std::uint32_t kSide = 100;

std::vector<vx::Lamp> lampsOnTwelvePorts() {
    std::vector<vx::Lamp> lamps(kSide * kSide);
    for (std::uint32_t i = 0; i < lamps.size(); ++i) {
        lamps[i].x = static_cast<std::int32_t>(i / kSide);
        lamps[i].y = static_cast<std::int32_t>(i % kSide);
        lamps[i].port = static_cast<std::int32_t>(i * 12 / lamps.size()) + 1;
        lamps[i].portOrder = static_cast<std::int32_t>(i) + 1;
    }
    return lamps;
}

// Six modes over all lamps, one of each change kind, started together.
vx::CompiledEffects changingShow() {
    vx::CompiledEffects e =
        vx::bench::gridShow(kSide, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});
    for (std::int32_t kind = 1; kind <= 6; ++kind)
        e.modes.push_back(vx::bench::benchMode(kind, 3, 1'000'000));
    return e;
}

// Builds each packet as the sACN output does and keeps only a checksum.
class PacketBuilder final : public vx::DmxOutput {
public:
    vx::Status send(std::uint16_t universe, std::span<const std::uint8_t> slots) override {
        const auto packet = vx::sacnPacket(source_, universe, sequence_++, slots);
        checksum_ += packet[packet.size() - 1] + packet.size();
        return {};
    }
    std::string describe() const override { return "memory"; }
    std::uint64_t checksum() const { return checksum_; }

private:
    vx::SacnSource source_;
    std::uint8_t sequence_ = 0;
    std::uint64_t checksum_ = 0;
};

void runFrames(benchmark::State& state, vx::DmxOutput& output) {
    const auto lamps = lampsOnTwelvePorts();
    const vx::CompiledEffects show = changingShow();
    auto universes = vx::mapUniverses(lamps, 1);
    if (!universes) {
        state.SkipWithError(universes.error().detail.c_str());
        return;
    }
    vx::PlayRequest request;
    request.order = vx::PlayOrder::Parallel;
    vx::Playback playback(show, lamps.size(), request);
    vx::LiveSampler sampler(playback, *universes, output);
    for (std::uint64_t k = 0; k < 80; ++k) (void)sampler.sendNextFrame();  // past the 2 s start
    for (auto _ : state) {
        if (!sampler.sendNextFrame()) state.SkipWithError("send failed");
    }
    state.counters["universes"] = static_cast<double>(universes->size());
    state.counters["show_s"] = static_cast<double>(playback.now()) / 1000.0;
}

}  // namespace

void BM_LiveFrameToPackets(benchmark::State& state) {
    PacketBuilder output;
    runFrames(state, output);
    benchmark::DoNotOptimize(output.checksum());
}
// Target: well under the 25 ms between frames at 40 fps.
BENCHMARK(BM_LiveFrameToPackets)->Unit(benchmark::kMicrosecond);

void BM_LiveFrameToLoopbackSacn(benchmark::State& state) {
    vx::SacnTarget target;
    target.host = "127.0.0.1";
    target.port = 9;  // discard: nothing needs to listen for UDP to be sent
    auto output = vx::SacnOutput::open(target);
    if (!output) {
        state.SkipWithError(output.error().detail.c_str());
        return;
    }
    runFrames(state, **output);
}
BENCHMARK(BM_LiveFrameToLoopbackSacn)->Unit(benchmark::kMicrosecond);
