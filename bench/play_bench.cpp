// Playback on the virtual clock: a 60-second parallel program of 50 modes
// over 100 x 100 lamps, every mode a group or lamp colour change over all
// lamps (stepDelay 10, stepCount 100, duration 10), lamp colours sampled at
// 40 frames per second. Reports the time per show and the peak memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>

#include "bench/grid_show.h"
#include "engine/play/playback.h"

namespace {

constexpr std::uint32_t kSide = 100;
constexpr std::size_t kModes = 50;
constexpr std::int64_t kShowMs = 60'000;
constexpr std::int64_t kFps = 40;

vx::CompiledEffects makeShow() {
    vx::CompiledEffects e = vx::bench::gridShow(
        kSide, {255, 0, 0, 255, 128, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255, 128, 0, 255, 0, 0, 0});
    for (std::size_t i = 0; i < kModes; ++i) {
        // PlayKinds 1 to 6.
        vx::Mode m = vx::bench::benchMode(static_cast<std::int32_t>(i % 6) + 1, 10, 100);
        m.duration = 10;
        e.modes.push_back(m);
        e.programGroups[0].push_back(i);
    }
    return e;
}

}  // namespace

void BM_PlayParallelShow(benchmark::State& state) {
    const vx::CompiledEffects show = makeShow();
    vx::PlayRequest request;
    request.order = vx::PlayOrder::Parallel;
    request.programGroup = 0;
    std::uint64_t checksum = 0;
    std::int64_t frames = 0;
    for (auto _ : state) {
        vx::Playback playback(show, kSide * kSide, request);
        frames = 0;
        for (std::int64_t t = 0; t <= kShowMs; t = ++frames * 1000 / kFps) {
            playback.runUntil(t);
            for (const vx::ColorWord c : playback.lampColors()) checksum += c;
        }
    }
    benchmark::DoNotOptimize(checksum);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
// Target: under 0.6 s per show and under 200 MB peak.
BENCHMARK(BM_PlayParallelShow)->Unit(benchmark::kMillisecond)->Iterations(3);
