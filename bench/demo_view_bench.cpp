// The demo view repainting 20,000 lamps (200 x 100) offscreen while a
// parallel show plays: one iteration is one repaint of an 1800 x 1000 view
// after the clock moved on by 1/60 s, as the window does at 60 Hz.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <QImage>
#include "bench/qt_bench_app.h"

#include <numeric>

#include "engine/ui/demo_view.h"

namespace {

constexpr std::int32_t kColumns = 200;
constexpr std::int32_t kRows = 100;

std::shared_ptr<vx::DemoDocument> bigDemo() {
    std::vector<vx::Lamp> lamps;
    for (std::int32_t x = 0; x < kColumns; ++x) {
        for (std::int32_t y = 0; y < kRows; ++y)
            lamps.push_back(vx::Lamp::made(x, y, x * kRows + y, 8));
    }
    vx::CompiledEffects e;
    vx::UintList all(lamps.size());
    std::iota(all.begin(), all.end(), 0u);
    e.clusters.push_back(all);
    e.colorGroup.push_back({255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});
    vx::Mode m;
    m.kind = "CM_BENCH";
    m.playKind = 5;  // every lamp changes every step
    m.stepDelay = 2;
    m.stepCount = 1'000'000;
    m.colorIndex = 0;
    m.clusterIndex = 0;
    e.modes.push_back(m);
    return std::make_shared<vx::DemoDocument>(std::move(lamps), std::move(e),
                                              vx::playstate::kParallel);
}

}  // namespace

void BM_DemoViewRepaint20000Lamps(benchmark::State& state) {
    vx::bench::qtApplication();
    vx::DemoView view(bigDemo());
    view.resize(1800, 1000);
    view.player().setWallClock(false);
    view.startDemo();
    view.render();
    std::int64_t ms = 2000;  // the mode starts 2 s in
    std::uint64_t checksum = 0;
    for (auto _ : state) {
        view.player().advanceTo(ms);
        ms += 17;
        const QImage image = view.render();
        checksum += image.pixel(900, 500);
    }
    benchmark::DoNotOptimize(checksum);
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
// Target: well over 60 repaints a second.
BENCHMARK(BM_DemoViewRepaint20000Lamps)->Unit(benchmark::kMillisecond);
